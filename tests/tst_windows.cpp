// The three windows driven as a user drives them: keys, options, answers and their reports, messages, readings
// that are closed, fail or change their options half-way, and a catalogue of a million processors.

#include "countkeyfilter.h"
#include "eventpump.h"
#include "reportactions.h"
#include "version.h"
#include "windowplacement.h"
#include "windowundertest.h"
#ifdef Q_OS_LINUX
#include "faultydisk.h"
#endif

#include <QtTest>
#include <QtWidgets>

namespace {

const QByteArray sampleCatalogue = TestCatalogue::lines(
    {"AMD EPYC 7302,25000", "Intel Xeon E-2388G,23761", "Intel Xeon Silver 4214R,18200", "Sample 1234,5000"});

QStringList disabledIn(QWidget *window)
{
    QStringList disabled;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->objectName().isEmpty() && !control->isEnabledTo(window))
            disabled << control->objectName();
    }
    disabled.sort();
    return disabled;
}

// A report's creation time as "<now>".
QString masked(QString text)
{
    static const QRegularExpression now("(created |生成于)\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d");
    return text.replace(now, "\\1<now>");
}

// What the copy shortcut puts on the clipboard, as plain text.
QString copied(QWidget *window)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("the window did not become active");
    QApplication::clipboard()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    return masked(QApplication::clipboard()->text());
}

// Text without its blanks (a page sets columns apart by position and wraps long words) and page numbers (each
// the last line of its page).
QString squeezed(const QString &text)
{
    return QString(text).remove(QRegularExpression("\\d+\\s*\f")).remove(QRegularExpression("\\s+"));
}

int enabledActions(QWidget *window)
{
    const QList<QAction *> actions = window->actions();
    return int(std::count_if(actions.cbegin(), actions.cend(), [](QAction *action) { return action->isEnabled(); }));
}

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    // A key and whether the count box takes it.
    void keyFilter_data()
    {
        tableRows({"0 1",      "9 1",     "Backspace 1", "Shift+Backspace 1", "Ctrl+Backspace 0", "A 0",      "Space 0",
                   "１ 0",     "中 0",    "Ctrl+V 0",    "Ctrl+1 0",          "Alt+1 0",          "Meta+1 0", "Esc 0",
                   "Return 0", "Enter 0", "Tab 1",       "Shift+Ins 1",       "Left 1",           "F1 1"});
    }
    void keyFilter()
    {
        QFETCH(QStringList, row);
        const QKeyCombination combination = QKeySequence::fromString(row[0])[0];
        QCOMPARE(CountKeyFilter::admits(int(combination.key()), combination.keyboardModifiers()), row[1] == "1");
    }

    // Typed keys, a paste and an input method's commits reach the count box as digits only.
    void typing()
    {
        const WindowUnderTest window(sampleCatalogue, "en");
        auto *box = in<QLineEdit>(window.main, "txbNumber1");
        typeInto(window.main, "1a2 .-3");
        QTest::keyClick(box, Qt::Key_Left);
        QTest::keyClick(box, Qt::Key_Backspace);
        QApplication::clipboard()->setText("x9");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        for (const char *commit : {"中文", "１２", "a", "67"}) {
            QInputMethodEvent event;
            event.setCommitString(QString::fromUtf8(commit));
            QApplication::sendEvent(box, &event);
        }
        QCOMPARE(box->text(), "1673");
    }

    // Window, options clicked first, the key, then the controls it visits: from the count box, each option group
    // is one stop, on its selected option (which a click keeps selected); an arrow moves within its group only.
    void keyboard_data()
    {
        tableRows({"Form1 Option2 Tab Option2 Command1 Combo1 Option4 Command3 Command2 Command4 txbNumber1",
                   "Form1 Option1,Option5 Shift+Tab Command4 Command2 Command3 Option5 Combo1 Command1 Option1 "
                   "txbNumber1",
                   "Form3 Option3,Option5 Tab Option3 Option5 Command1 Text2 Combo1 txbNumber1",
                   "Form1 Option2 Down Option3", "Form1 Option2 Right Option2", "Form1 Option4 Up Option4"});
    }
    void keyboard()
    {
        QFETCH(QStringList, row);
        const WindowUnderTest window(sampleCatalogue, "en", row[0]);
        QCOMPARE(QApplication::focusWidget(), in<QWidget>(window.form, "txbNumber1"));
        for (const QString &option : row[1].split(u','))
            clickIn(window.form, qPrintable(option));
        const bool tab = row[2].contains("Tab");
        if (tab)
            in<QWidget>(window.form, "txbNumber1")->setFocus();
        const QKeyCombination key = QKeySequence::fromString(row[2])[0];
        QStringList visited;
        while (visited.size() < row.size() - 3) {
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, row.mid(3));
        QStringList selected;
        for (const QRadioButton *option : window.form->findChildren<QRadioButton *>()) {
            if (option->isChecked())
                selected << option->objectName();
        }
        selected.sort();
        if (!tab) // the option focused, beside the other group's
            QCOMPARE(selected, (row[3] < "Option4" ? QStringList{row[3], "Option4"} : QStringList{"Option2", row[3]}));
    }

    // Window, language, input, options clicked, the message a bad input then gives (and the start of the help),
    // then what the answer shows: heading, the list and its current entry, the results; after "=", the lines
    // copied ("<s>", "<v>": the short and full versions).
    void answers_data()
    {
        tableRows({"Form1|en|30|Option1,Option6|Please enter the correct number of terminals!|CPU, select the "
                   "corresponding CPU|30 terminals - server configuration information:|AMD EPYC 7302{28}137%"
                   "|Intel Xeon E-2388G{28}130%|Intel Xeon Silver 4214R{28}100%|0|24 GB|300 GB|2000 GB|1000 Mbps"
                   "|GT1030 2GB Or Integrated Graphics|Windows Server 2012 2016 2019 2022|=|Quarvel v<s>"
                   "|Quarvel <v>, created <now>|Terminals: 30|Task level: Light Task|Processor vendor: Intel + AMD"
                   "|CPU catalogue: 4 records, modified 2026-01-02 03:04||30 terminals - server configuration "
                   "information:|List of Optional CPUs:|  AMD EPYC 7302{28}137%|  Intel Xeon E-2388G{28}130%"
                   "|  Intel Xeon Silver 4214R{28}100%|Memory Minimum: 24 GB|SSD Minimum: 300 GB"
                   "|HDD Minimum: 2000 GB|NIC Speed Min: 1000 Mbps"
                   "|Recommended Graphics Card: GT1030 2GB Or Integrated Graphics"
                   "|Server System: Windows Server 2012 2016 2019 2022",
                   "Form3|zh|10|Option2|请输入正确的终端数量！||10台终端 - 服务器配置信息：|Intel Xeon E-2388G{7}158%"
                   "|Intel Xeon Silver 4214R{7}121%|0|内存：48 GB\nSSD：420 GB\nHDD：1000 GB\n网卡速度：1000 Mbps|="
                   "|VDI服务器配置计算 v<s>|Quarvel <v>，生成于<now>|终端数量：10|任务类型：中型任务|CPU厂商：Intel"
                   "|CPU数据文件：4条记录，修改于2026-01-02 03:04||10台终端 - 服务器配置信息：|CPU可选列表："
                   "|  Intel Xeon E-2388G{7}158%|  Intel Xeon Silver 4214R{7}121%|其它硬件信息：|内存：48 GB"
                   "|SSD：420 GB|HDD：1000 GB|网卡速度：1000 Mbps",
                   "Form2|zh|2388||输入的字符数量少于4个,请输入4个字符||CPU型号：Intel Xeon E-2388G\n"
                   "可负载终端数量：34\n服务器内存最小值：56 GB\n服务器SSD最小值：360 GB\n服务器HDD最小值：2000 GB\n"
                   "服务器网卡速度最小值：2000 Mbps\n\n|=|Quarvel v<s>|Quarvel <v>，生成于<now>|查询：2388"
                   "|CPU数据文件：4条记录，修改于2026-01-02 03:04||CPU型号：Intel Xeon E-2388G|可负载终端数量：34"
                   "|服务器内存最小值：56 GB|服务器SSD最小值：360 GB|服务器HDD最小值：2000 GB"
                   "|服务器网卡速度最小值：2000 Mbps"},
                  u'|');
    }
    // An answer lands in the window's controls and unlocks them. Its report goes to the clipboard by its
    // shortcut, from the count box, as plain text with CR LF and as HTML; the context menus offer the report's
    // actions in the window's language. A bad input after it shows its message in the window's title, the
    // button in the interface language (Qt's own text), and leaves the answer and its report as they were; so
    // does a disk that fails during a reading.
    void answers()
    {
        QFETCH(QStringList, row);
        const QString name = row[0];
        const WindowUnderTest window(sampleCatalogue, row[1], name);
        QWidget *form = window.form;
        QFile file(window.catalogue.path()); // modified at a known time
        QVERIFY(file.open(QIODevice::Append) && file.setFileTime({{2026, 1, 2}, {3, 4}}, QFile::FileModificationTime));
        typeInto(form, row[2]);
        for (const QString &option : row[3].split(u',', Qt::SkipEmptyParts))
            clickIn(form, qPrintable(option));
        clickIn(form, "Command1");
        QStringList shown;
        if (name != "Form2")
            shown << textIn(form, name == "Form1" ? "Label15" : "Label2") << itemsIn(form)
                  << QString::number(in<QComboBox>(form, "Combo1")->currentIndex());
        for (const char *label : {"Label9", "Label10", "Label11", "Label12", "Label13", "Label19", "Text2"}) {
            if (name == "Form1" ? *label == 'L' : *label == 'T')
                shown << textIn(form, label);
        }
        const qsizetype report = row.indexOf("=");
        QCOMPARE(shown, row.mid(6, report - 6));
        QCOMPARE(disabledIn(form), QStringList());
        if (auto *box = in<QPlainTextEdit>(form, "Text2")) { // a result box takes no typing
            QTest::keyClicks(box, "x");
            QCOMPARE(box->toPlainText(), row[report - 1]);
        }

        QStringList lines = row.mid(report + 1).replaceInStrings("<s>", Version::shortText());
        lines.replaceInStrings("<v>", QString::fromLatin1(Version::full));
        for (const QString &option : row[3].split(u',', Qt::SkipEmptyParts)) { // captioned as the report names them
            const QString caption = textIn(form, qPrintable(option));
            QVERIFY(!caption.isEmpty()
                    && lines.indexOf(QRegularExpression(".+(: |：)" + QRegularExpression::escape(caption))) > 0);
        }
        const QString copy = copied(form);
        QCOMPARE(copy.split("\r\n"), lines << QString()); // CR LF after every line
        QTextDocument html;
        html.setHtml(QApplication::clipboard()->mimeData()->html());
        QCOMPARE(squeezed(masked(html.toPlainText())), squeezed(lines.join(u'\n')));
        // Pasted into a spreadsheet, the candidates fill a table of two columns, one row each.
        const QList<QTextFrame *> frames = html.rootFrame()->childFrames();
        const auto *table = frames.isEmpty() ? nullptr : qobject_cast<QTextTable *>(frames.first());
        QCOMPARE(table ? QSize(table->columns(), table->rows()) : QSize(),
                 name == "Form2" ? QSize() : QSize(2, int(lines.filter(QRegularExpression("%$")).size())));
        QWidget *area = in<QWidget>(form, name == "Form1" ? "Frame2" : "Text2");
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), area->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(area, &event);
        QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QStringList offered;
        for (const QAction *action : menu->actions().mid(menu->actions().size() - 3))
            offered << action->text();
        menu->close();
        QCOMPARE(offered.join(u'|'), row[1] == "en" ? "Copy result|Save as PDF…|Print…" : "复制结果|另存为 PDF…|打印…");

        const QStringList before = resultsShown(form);
        in<QLineEdit>(form, "txbNumber1")->clear();
        typeInto(form, name == "Form2" ? "123" : "0");
        const MessageBoxCatcher catcher;
        clickIn(form, "Command1");
        if (name == "Form1")
            clickIn(form, "Command3"); // the help
        QCOMPARE(catcher.boxes.size(), name == "Form1" ? 2 : 1);
        QCOMPARE(catcher.boxes[0].text, row[4]);
        QCOMPARE(catcher.boxes[0].title, lines[0]); // the window's title
        QCOMPARE(catcher.boxes[0].button, row[1] == "en" ? "OK" : "确定");
        QVERIFY(catcher.boxes[0].modal);
        QVERIFY(catcher.boxes.constLast().text.startsWith(row[5]));
        QCOMPARE(resultsShown(form), before);
        QCOMPARE(disabledIn(form), QStringList());
        QCOMPARE(copied(form), copy);
#ifdef Q_OS_LINUX
        typeInto(form, "1");
        {
            const FaultyDisk disk(window.catalogue.path(), 30); // in the second line
            clickIn(form, "Command1");
        }
        QCOMPARE(catcher.boxes.constLast().text,
                 row[1] == "en" ? "The CPU catalogue (data.dll) could not be read to its end, so the calculation was "
                                  "not completed. Check the file and try again."
                                : "无法完整读取CPU数据文件（data.dll），计算未完成。请检查该文件后重试。");
        QCOMPARE(resultsShown(form), before);
        QCOMPARE(disabledIn(form), QStringList());
        QCOMPARE(copied(form), copy);
#endif
    }

    void reportActions_data()
    {
        tableRows({"Form1 zh 1000000", "Form3 en 10", "Form2 en 2388", "Form3 zh " + QString(300, u'0') + "1"});
    }
    // Nothing to hand over before the first answer and while a reading runs. A count of seven digits makes the
    // headings wider than their labels at their designed sizes; one of 301, which fits at no size, shows from its
    // start. Saved as PDF, the report's lines, Chinese included, in fonts that travel with the file; a cancelled
    // save does nothing; a folder that cannot hold the file says so and keeps nothing.
    void reportActions()
    {
        QFETCH(QStringList, row);
        const WindowUnderTest window(sampleCatalogue, row[1], row[0]);
        QWidget *form = window.form;
        typeInto(form, row[2]);
        QCOMPARE(enabledActions(form), 0);
        clickIn(form, "Command1");
        QCOMPARE(enabledActions(form), int(form->actions().size()));
        const QLabel *heading
            = row[0] == "Form2" ? nullptr : in<QLabel>(form, row[0] == "Form1" ? "Label15" : "Label2");
        const auto countInView = [&] {
            return !heading
                || (heading->text().startsWith(row[2])
                    && (QFontMetrics(heading->font()).horizontalAdvance(heading->text())
                            <= heading->contentsRect().width()
                        || heading->alignment() & Qt::AlignLeft));
        };
        int whileReading = -1; // a second reading, with an answer to hand over from the first
        bool inViewWhileReading = false;
        atPump(1, [&] {
            whileReading = enabledActions(form);
            inViewWhileReading = countInView();
        });
        clickIn(form, "Command1");
        QCOMPARE(whileReading, 0);
        QVERIFY(inViewWhileReading && countInView());
        QCOMPARE(enabledActions(form), int(form->actions().size()));

        QTemporaryDir folder;
        const QString pdf = folder.filePath("report.pdf");
        QStringList paths{QString(), pdf, folder.filePath("report.pdf/unwritable.pdf")}; // cancelled first
        ReportActions::setFileChooser([&](QWidget *, const QString &suggested) {
            return suggested.endsWith(".pdf") && !suggested.startsWith(folder.path()) ? paths.takeFirst() : "-";
        });
        const MessageBoxCatcher catcher;
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(form, Qt::Key_S, Qt::ControlModifier);
        ReportActions::setFileChooser({});
        QCOMPARE(catcher.boxes.size(), 1);
        const QString path = QDir::toNativeSeparators(folder.filePath("report.pdf/unwritable.pdf"));
        const QString text = catcher.boxes[0].text;
        QVERIFY2(row[1] == "en"
                     ? text.startsWith("The PDF file \"" + path + "\" could not be saved: ")
                         && text.endsWith(". No file was written.")
                     : text.startsWith("无法保存PDF文件“" + path + "”：") && text.endsWith("。没有写入任何文件。"),
                 qPrintable(text));
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"report.pdf"});
#ifndef Q_OS_WIN // poppler's tools are Linux programs; scripts/windows-check reads the Windows program's PDF
        const auto run = [&](const QString &program, const QStringList &arguments) {
            QProcess process;
            process.start(program, arguments);
            process.waitForFinished(60000);
            return QString::fromUtf8(process.readAllStandardOutput());
        };
        QCOMPARE(squeezed(masked(run("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"}))), squeezed(copied(form)));
        const QStringList fonts = run("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!fonts.isEmpty());
        for (const QString &font : fonts) // name, type, encoding, embedded, subset, unicode, object, generation
            QVERIFY2(font.section(QRegularExpression(" +"), -5, -5) == "yes", qPrintable(font));
#endif
    }

    void closedDuringReading_data()
    {
        tableRows({"Form1 1", "Form1 4", "Form2 1", "Form2 4", "Form3 1", "Form3 4"});
    }
    // While a reading runs only its own controls are locked, and the vendor chosen meanwhile applies to the
    // lines read after; a window closed then goes, and gives the main window back.
    void closedDuringReading()
    {
        QFETCH(QStringList, row);
        const QString name = row[0];
        const WindowUnderTest window(sampleCatalogue, "en", name);
        QWidget *form = window.form;
        typeInto(form, name == "Form2" ? "Xeon" : "1");
        if (name != "Form2")
            clickIn(form, "Option5");
        QStringList locked;
        QStringList items;
        atPump(1, [&] {
            locked = disabledIn(form);
            if (name != "Form2")
                clickIn(form, "Option4");
        });
        atPump(row[1].toInt(), [&] {
            items = name == "Form2" ? QStringList() : itemsIn(form);
            form->close();
        });
        clickIn(form, "Command1");
        QCOMPARE(locked,
                 (name == "Form1" ? QStringList{"Command1", "Command2", "Command3", "txbNumber1"}
                                  : QStringList{"Command1", "txbNumber1"}));
        if (name != "Form2" && row[1] == "4") // the AMD line read before the change, the Intel lines after it
            QCOMPARE(items.size(), 3);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.form.isNull());
        QVERIFY(name == "Form1" || window.main->isEnabled());
    }

    // The query and VDI windows lock the main window while open, even during its reading, and give it back
    // when they close; a close request to the locked main window does nothing; the VDI window outlives it.
    void otherWindowsBesideTheMain()
    {
        WindowUnderTest window(sampleCatalogue, "en");
        QWidget *main = window.main;
        const auto requestClose = [main] {
            QCloseEvent close;
            QSpontaneKeyEvent::setSpontaneous(&close);
            static_cast<QObject *>(main)->event(&close);
            return close.isAccepted();
        };
        clickIn(main, "Command2");
        QVERIFY(!main->isEnabled() && !requestClose());
        openedWindow("Form2")->close();
        QVERIFY(main->isEnabled());

        typeInto(main, "1");
        QStringList vdiItems;
        atPump(2, [&] {
            clickIn(main, "Command4");
            typeInto(openedWindow("Form3"), "10");
            clickIn(openedWindow("Form3"), "Command1");
            vdiItems = itemsIn(openedWindow("Form3"));
        });
        clickIn(main, "Command1");
        QCOMPARE(vdiItems.size(), 2);
        QCOMPARE(itemsIn(main).size(), 2);
        QVERIFY(!main->isEnabled() && !requestClose()); // the calculation's end does not enable it again
        QPointer<QWidget> form3 = openedWindow("Form3");
        main->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.main.isNull() && form3 && form3->isVisible());
        delete form3.data();
    }

    // Centred in the available area, or at its top left corner where the window does not fit.
    void placement()
    {
        QCOMPARE(WindowPlacement::centredIn(QSize(561, 578), QRect(0, 0, 1024, 768)), QPoint(231, 95));
        QCOMPARE(WindowPlacement::centredIn(QSize(561, 578), QRect(0, 32, 640, 448)), QPoint(39, 32));
        QCOMPARE(WindowPlacement::centredIn(QSize(800, 600), QRect(1920, 0, 640, 480)), QPoint(1920, 0));
    }

    // A million processors: the window processes its events all through the reading, and its list opens at once.
    void responsiveWithAMillionLines()
    {
        QByteArray content;
        for (int i = 0; i < 1000000; ++i)
            content += "Intel Xeon Model " + QByteArray::number(i) + ",90000\r\n";
        const WindowUnderTest window(content, "en");
        content.clear();
        typeInto(window.main, "30");
        EventPump::setInterval(EventPump::defaultInterval);
        int ticksWhileReading = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout,
                         [&] { ticksWhileReading += !in<QWidget>(window.main, "Command1")->isEnabled(); });
        ticker.start(0);
        clickIn(window.main, "Command1");
        QVERIFY(ticksWhileReading >= 2);
        auto *list = in<QComboBox>(window.main, "Combo1");
        QCOMPARE(list->count(), 1000000);
        QElapsedTimer clock;
        clock.start();
        list->showPopup();
        QVERIFY(list->view()->isVisible() && clock.elapsed() < 3000);
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
