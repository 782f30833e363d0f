// The three windows driven as a user drives them: keys, options, answers and their reports, messages, readings
// that are closed, fail or change their options half-way, and a catalogue of a million processors.

#include "countkeyfilter.h"
#include "eventpump.h"
#include "filedialogs.h"
#include "reportactions.h"
#include "version.h"
#include "windowundertest.h"
#include "workprogress.h"

#include <QPrinterInfo>
#include <QtTest>
#include <QtWidgets>

Q_DECLARE_METATYPE(Language)

namespace {

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

// A report's creation time as "<now>", the versions as "<s>" and "<v>".
QString masked(QString text)
{
    static const QRegularExpression now("(created |生成于)\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d");
    return text.replace(now, "\\1<now>")
        .replace(QLatin1String(Version::full), "<v>")
        .replace(Version::shortText(), "<s>");
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

// Types the input, chooses the options and presses the run button.
void calculate(QWidget *window, const QString &input, const QStringList &options = {})
{
    typeInto(window, input);
    for (const QString &option : options)
        clickIn(window, qPrintable(option));
    clickIn(window, "Command1");
}

// What a window shows of its answer: the heading, the list's entries, the results, in the order of their places.
QStringList answerIn(QWidget *window)
{
    QStringList shown;
    if (window->objectName() != "Form2")
        shown << textIn(window, window->objectName() == "Form1" ? "Label15" : "Label2") << itemsIn(window);
    for (const char *label : {"Label9", "Label10", "Label11", "Label12", "Label13", "Label19"}) {
        if (in<QLabel>(window, label))
            shown << textIn(window, label);
    }
    if (in<QPlainTextEdit>(window, "Text2"))
        shown << textIn(window, "Text2").split(u'\n', Qt::SkipEmptyParts);
    return shown;
}

// Whether each of the things shown is in a line of the report, in order.
bool inOrder(const QStringList &shown, const QString &report)
{
    qsizetype next = 0;
    for (const QString &line : report.split(u'\n'))
        next += next < shown.size() && line.contains(shown[next]);
    return next == shown.size();
}

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    void keyFilter_data()
    {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<bool>("admitted");
        for (const char *key : {"0", "9", "Backspace", "Shift+Backspace", "Tab", "Shift+Ins", "Left", "F1"})
            QTest::newRow(key) << QKeySequence(QString::fromLatin1(key)) << true;
        for (const char *key : {"Ctrl+Backspace", "A", "Space", "１", "中", "Ctrl+V", "Ctrl+1", "Alt+1", "Meta+1",
                                "Esc", "Return", "Enter"})
            QTest::newRow(key) << QKeySequence(QString::fromUtf8(key)) << false;
    }
    // Digits and Backspace type; every other key that makes a character is cancelled; the others work.
    void keyFilter()
    {
        QFETCH(QKeySequence, key);
        QFETCH(bool, admitted);
        QCOMPARE(CountKeyFilter::admits(int(key[0].key()), key[0].keyboardModifiers()), admitted);
    }

    // Typed keys and an input method's commits reach the count box as digits only.
    void typing()
    {
        const WindowUnderTest window(sampleCatalogue, Language::English);
        auto *box = in<QLineEdit>(window.main, "txbNumber1");
        typeInto(window.main, "1a2 .-3");
        for (const char *commit : {"中文", "１２", "a", "90"}) {
            QInputMethodEvent event;
            event.setCommitString(QString::fromUtf8(commit));
            QApplication::sendEvent(box, &event);
        }
        QCOMPARE(box->text(), "12390");
    }

    void keyboard_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("clicked");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QStringList>("visited");
        const auto row
            = [](const char *name, const char *window, QStringList clicked, const char *key, QStringList visited) {
                  QTest::newRow(name) << QString(window) << clicked << QKeySequence(key) << visited;
              };
        row("main window, Tab", "Form1", {"Option2"}, "Tab",
            {"Option2", "Command1", "Combo1", "Option4", "Command3", "Command2", "Command4", "txbNumber1"});
        row("Down, within the levels", "Form1", {"Option2"}, "Down", {"Option3"});
    }
    // From the count box, each option group is one stop, on its selected option (which a click keeps selected);
    // an arrow moves within its group only, and selects as it moves.
    void keyboard()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, clicked);
        QFETCH(QKeySequence, key);
        QFETCH(QStringList, visited);
        const WindowUnderTest test(sampleCatalogue, Language::English, window);
        QCOMPARE(QApplication::focusWidget(), in<QWidget>(test.form, "txbNumber1"));
        for (const QString &option : clicked)
            clickIn(test.form, qPrintable(option));
        const bool tab = key[0].key() == Qt::Key_Tab;
        if (tab)
            in<QWidget>(test.form, "txbNumber1")->setFocus();
        QStringList moved;
        while (moved.size() < visited.size()) {
            QTest::keyClick(QApplication::focusWidget(), key[0].key(), key[0].keyboardModifiers());
            moved << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(moved, visited);
        if (!tab)
            QVERIFY(in<QRadioButton>(test.form, qPrintable(visited.constLast()))->isChecked());
    }

    void answers_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("report"); // its lines
        QTest::newRow("main window, light, both vendors")
            << "Form1" << Language::English << "30" << QStringList{"Option1", "Option6"}
            << "Quarvel v<s>\nQuarvel <v>, created <now>\nTerminals: 30\nTask level: Light Task\n"
               "Processor vendor: Intel + AMD\nCPU catalogue: 4 records, modified 2026-01-02 03:04\n\n"
               "30 terminals - server configuration information:\nList of Optional CPUs:\n"
               "  Model | Percentage | Sockets × cores | Threads | Core licences | TDP\n"
                + entry("  AMD EPYC 7302", 28, "137% | 1 × 16 | 32 | 16 | 155 W\n")
                + entry("  Intel Xeon E-2388G", 28, "130% | unknown | unknown | unknown | unknown\n")
                + entry("  Intel Xeon Silver 4214R", 28, "100% | unknown | unknown | unknown | unknown\n")
                + "Memory Minimum: 24 GB\nSSD Minimum: 300 GB\nHDD Minimum: 2000 GB\nNIC Speed Min: 1000 Mbps\n"
                  "Recommended Graphics Card: GT1030 2GB Or Integrated Graphics\n"
                  "Server System: Windows Server 2012 2016 2019 2022";
        QTest::newRow("VDI window, medium, Chinese")
            << "Form3" << Language::Chinese << "10" << QStringList{"Option2"}
            << "VDI服务器配置计算 v<s>\nQuarvel <v>，生成于<now>\n终端数量：10\n任务类型：中型任务\nCPU厂商：Intel\n"
               "CPU数据文件：4条记录，修改于2026-01-02 03:04\n\n10台终端 - 服务器配置信息：\nCPU可选列表：\n"
               "  型号 | 百分比 | 路数 × 核心 | 线程 | 核心许可证 | TDP\n"
                + entry("  Intel Xeon E-2388G", 7, "158% | 未知 | 未知 | 未知 | 未知\n")
                + entry("  Intel Xeon Silver 4214R", 7, "121% | 未知 | 未知 | 未知 | 未知\n")
                + "其它硬件信息：\n内存：48 GB\nSSD：420 GB\nHDD：1000 GB\n网卡速度：1000 Mbps";
        QTest::newRow("query window, Chinese")
            << "Form2" << Language::Chinese << "2388" << QStringList()
            << "Quarvel v<s>\nQuarvel <v>，生成于<now>\n查询：2388\nCPU数据文件：4条记录，修改于2026-01-02 03:04\n\n"
               "  CPU型号 | 可负载终端数量 | 服务器内存最小值 | 服务器SSD最小值 | 服务器HDD最小值 | "
               "服务器网卡速度最小值\n"
               "  Intel Xeon E-2388G | 34 | 56 GB | 360 GB | 2000 GB | 2000 Mbps";
    }
    // An answer lands in the window's controls, the first entry current, and unlocks them; a result box takes no
    // typing. The copy shortcut puts its report on the clipboard as plain text (CR LF after every line), its
    // reasoning last (its HTML is read back in posix/tst_reports). The options are named as their captions read.
    void answers()
    {
        QFETCH(QString, window);
        QFETCH(Language, language);
        QFETCH(QString, input);
        QFETCH(QStringList, options);
        QFETCH(QString, report);
        const WindowUnderTest test(sampleCatalogue, language, window);
        test.catalogue.addDetails("AMD EPYC 7302\t1\t16\t32\t155\n");
        QFile file(test.catalogue.path()); // modified at a known time
        QVERIFY(file.open(QIODevice::Append) && file.setFileTime({{2026, 1, 2}, {3, 4}}, QFile::FileModificationTime));
        calculate(test.form, input, options);
        QVERIFY(window == "Form2" || inOrder(answerIn(test.form), report)); // the query's report tabulates its entries
        QCOMPARE(disabledIn(test.form), QStringList());
        if (auto *list = in<QComboBox>(test.form, "Combo1"))
            QCOMPARE(list->currentIndex(), list->count() ? 0 : -1);
        if (auto *box = in<QPlainTextEdit>(test.form, "Text2")) {
            const QString before = box->toPlainText();
            QTest::keyClicks(box, "x");
            QCOMPARE(box->toPlainText(), before);
        }
        for (const QString &option : options)
            QVERIFY(report.contains(QRegularExpression(
                "(: |：)" + QRegularExpression::escape(textIn(test.form, qPrintable(option))) + "\n")));
        const QString copy = copied(test.form);
        const qsizetype reasoning
            = copy.indexOf(language == Language::English ? "How this was calculated:" : "计算依据：");
        QCOMPARE(copy.left(reasoning), QString(report).replace(u'\n', "\r\n") + "\r\n");
    }

    void earlierAnswerKept_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("refused"); // typed in place of the input; none: the disk fails
        QTest::addColumn<QString>("message");
        const auto row = [](const char *name, const char *window, Language language, const char *input,
                            const QString &refused, const char *message) {
            QTest::newRow(name) << QString(window) << language << QString(input) << refused
                                << QString::fromUtf8(message);
        };
        row("main window, 0", "Form1", Language::English, "30", "0", "Please enter the correct number of terminals!");
        row("main window, a failing disk", "Form1", Language::English, "30", {},
            "The CPU catalogue (data.dll) could not be read to its end, so the calculation was not completed. "
            "Check the file and try again.");
        row("query window, a failing disk, Chinese", "Form2", Language::Chinese, "2388", {},
            "无法完整读取CPU数据文件（data.dll），计算未完成。请检查该文件后重试。");
    }
    // A refused input, or a disk that fails during the reading, shows its message, modal, in the window's title,
    // the button in the interface language (Qt's own text), and leaves the earlier answer and its report.
    void earlierAnswerKept()
    {
        QFETCH(QString, window);
        QFETCH(Language, language);
        QFETCH(QString, input);
        QFETCH(QString, refused);
        QFETCH(QString, message);
        const WindowUnderTest test(sampleCatalogue, language, window);
        calculate(test.form, input);
        const QStringList before = answerIn(test.form);
        const QString copy = copied(test.form);
        const MessageBoxCatcher catcher;
        if (refused.isNull()) {
            if (!test.catalogue.makeUnreadable())
                QSKIP("no failing file here");
            clickIn(test.form, "Command1");
        } else {
            in<QLineEdit>(test.form, "txbNumber1")->clear();
            calculate(test.form, refused);
        }
        QCOMPARE(catcher.boxes.size(), 1);
        QCOMPARE(catcher.boxes[0].text, message);
        QCOMPARE(catcher.boxes[0].title, test.form->windowTitle());
        QCOMPARE(catcher.boxes[0].button, language == Language::English ? "OK" : "确定");
        QVERIFY(catcher.boxes[0].modal);
        QCOMPARE(answerIn(test.form), before);
        QCOMPARE(disabledIn(test.form), QStringList());
        QCOMPARE(copied(test.form), copy);
    }

    void headings_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("input");
        QTest::newRow("main window, seven digits: the heading fitted") << "Form1" << QString("1000000");
        QTest::newRow("VDI window, 301 digits: no size fits") << "Form3" << QString(300, u'0') + "1";
    }
    // While a reading runs the heading says so (the report's entries are enabled exactly when an answer is there
    // to hand over: tst_menus). A heading wider than its label at its designed size shrinks to fit; one that fits
    // at no size shows the count from its start.
    void headings()
    {
        QFETCH(QString, window);
        QFETCH(QString, input);
        const WindowUnderTest test(sampleCatalogue, Language::Chinese, window);
        const QLabel *heading = in<QLabel>(test.form, window == "Form1" ? "Label15" : "Label2");
        const auto countInView = [&] {
            return heading->text().startsWith(input)
                && (QFontMetrics(heading->font()).horizontalAdvance(heading->text()) <= heading->contentsRect().width()
                    || heading->alignment() & Qt::AlignLeft);
        };
        bool inViewWhileReading = false;
        QString busy;
        atPump(1, [&] {
            inViewWhileReading = countInView();
            busy = heading->text();
        });
        calculate(test.form, input);
        QVERIFY(inViewWhileReading && countInView());
        QCOMPARE(busy, input + "台终端 - 正在计算服务器配置信息...");
    }

    // Saved as PDF: a cancelled save does nothing; the report's lines, Chinese included (scripts/windows-check also
    // sees its fonts embedded); a folder that cannot hold the file says so and keeps nothing.
    void savePdf()
    {
        const WindowUnderTest test(sampleCatalogue, Language::Chinese, "Form3");
        calculate(test.form, "10");
        QTemporaryDir folder;
        const QString pdf = folder.filePath("report.pdf");
        QStringList paths{QString(), pdf, folder.filePath("report.pdf/unwritable.pdf")};
        FileDialogs::setChooser([&](QWidget *, const QString &suggested) {
            return suggested.endsWith(".pdf") && !suggested.startsWith(folder.path()) ? paths.takeFirst() : "-";
        });
        const MessageBoxCatcher catcher;
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(test.form, Qt::Key_S, Qt::ControlModifier);
        FileDialogs::setChooser({});
        QCOMPARE(catcher.boxes.size(), 1);
        const QString path = QDir::toNativeSeparators(folder.filePath("report.pdf/unwritable.pdf"));
        QVERIFY2(catcher.boxes[0].text.startsWith("无法保存PDF文件“" + path + "”：")
                     && catcher.boxes[0].text.endsWith("。没有写入任何文件。"),
                 qPrintable(catcher.boxes[0].text));
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"report.pdf"});
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) // scripts/windows-check reads the Windows PDF
            return;
        const auto run = [&](const QString &program, const QStringList &arguments) {
            QProcess process;
            process.start(program, arguments);
            process.waitForFinished(60000);
            return QString::fromUtf8(process.readAllStandardOutput());
        };
        copied(test.form);
        QTextDocument html;
        html.setHtml(QApplication::clipboard()->mimeData()->html());
        QCOMPARE(squeezed(masked(run("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"}))),
                 squeezed(masked(html.toPlainText())));
    }

    void longSave_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("end"); // how the saving ends: "done", "cancelled" or "window closed"
        for (const char *end : {"done", "cancelled", "window closed"}) {
            QTest::addRow("PDF, %s", end) << "pdf" << Language::English << "Saving the PDF file…" << end;
            QTest::addRow("Excel, %s", end) << "xlsx" << Language::Chinese << "正在保存 Excel 工作簿…" << end;
        }
    }
    // A long report's saving shows its progress after half a second, the window's events processed meanwhile;
    // Cancel stops it, and so does closing the window: no message then, and the earlier file as it was.
    void longSave()
    {
        QFETCH(QString, suffix);
        QFETCH(Language, language);
        QFETCH(QString, label);
        QFETCH(QString, end);
        QByteArray content;
        for (int i = 0; i < 2000; ++i)
            content += "Intel Xeon " + QByteArray::number(i) + ",90000\r\n";
        const WindowUnderTest test(content, language, "Form3");
        calculate(test.form, "10");
        const QTemporaryDir folder;
        const QString path = folder.filePath("report." + suffix);
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        earlier.close();
        FileDialogs::setChooser([&](QWidget *, const QString &) { return path; });
        int shownAfter = 0;
        QString shownLabel;
        WorkProgress::setObserver([&](QProgressDialog *dialog) {
            shownAfter = dialog->minimumDuration();
            dialog->setMinimumDuration(0);
            // Once it shows, between two steps of the saving.
            auto *shown = new QTimer(dialog);
            shown->start(0);
            QObject::connect(shown, &QTimer::timeout, dialog, [&, dialog, shown] {
                if (!dialog->isVisible())
                    return;
                shown->stop();
                shownLabel = dialog->labelText();
                if (end == "cancelled")
                    QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
                else if (end == "window closed")
                    test.form->close();
            });
        });
        const MessageBoxCatcher catcher;
        if (suffix == "pdf") {
            QTest::keyClick(test.form, Qt::Key_S, Qt::ControlModifier);
        } else {
            QTest::keyClick(test.form, Qt::Key_F, Qt::AltModifier);
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().at(2)).center());
        }
        WorkProgress::setObserver({});
        FileDialogs::setChooser({});
        QCOMPARE(shownAfter, 500);
        QCOMPARE(shownLabel, label);
        QVERIFY(catcher.boxes.isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"report." + suffix});
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll() == "earlier", end != "done");
    }

    // No printer installed (Wine has none; a stripped system may have none): a message, not nothing.
    void printWithoutPrinter()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is installed here");
        const WindowUnderTest test(sampleCatalogue, Language::English);
        calculate(test.main, "30");
        const MessageBoxCatcher catcher;
        QTest::keyClick(test.main, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(catcher.boxes.size(), 1);
        QVERIFY(catcher.boxes[0].text.startsWith("No printer is installed"));
    }

    void closedDuringReading_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("pump");
        for (const char *window : {"Form1", "Form2", "Form3"}) {
            QTest::addRow("%s at the first line", window) << window << 1;
            QTest::addRow("%s at the last line", window) << window << 4;
        }
    }
    // While a reading runs only its own controls are locked, and the vendor chosen meanwhile applies to the
    // lines read after; a window closed then goes, and gives the main window back.
    void closedDuringReading()
    {
        QFETCH(QString, window);
        QFETCH(int, pump);
        const WindowUnderTest test(sampleCatalogue, Language::English, window);
        QWidget *form = test.form;
        const bool sizing = window != "Form2";
        typeInto(form, sizing ? "1" : "Xeon");
        if (sizing)
            clickIn(form, "Option5");
        QStringList locked;
        QStringList items;
        atPump(1, [&] {
            locked = disabledIn(form);
            if (sizing)
                clickIn(form, "Option4");
        });
        atPump(pump, [&] {
            items = sizing ? itemsIn(form) : QStringList();
            form->close();
        });
        clickIn(form, "Command1");
        QCOMPARE(locked,
                 (window == "Form1" ? QStringList{"Command1", "Command2", "Command3", "txbNumber1"}
                                    : QStringList{"Command1", "txbNumber1"}));
        if (sizing && pump == 4) // the AMD line read before the change, the Intel lines after it
            QCOMPARE(items.size(), 3);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(test.form.isNull());
        QVERIFY(window == "Form1" || test.main->isEnabled());
    }

    // The query and VDI windows lock the main window while open, even during its reading, and give it back
    // when they close; a close request to the locked main window does nothing; the VDI window outlives it.
    void otherWindowsBesideTheMain()
    {
        WindowUnderTest test(sampleCatalogue, Language::English);
        QWidget *main = test.main;
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
            calculate(openedWindow("Form3"), "10");
            vdiItems = itemsIn(openedWindow("Form3"));
        });
        clickIn(main, "Command1");
        QCOMPARE(vdiItems.size(), 2);
        QCOMPARE(itemsIn(main).size(), 2);
        QVERIFY(!main->isEnabled() && !requestClose()); // the calculation's end does not enable it again
        QPointer<QWidget> form3 = openedWindow("Form3");
        main->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(test.main.isNull() && form3 && form3->isVisible());
        delete form3.data();
    }

    // A million processors: the window processes its events all through the reading, and its list opens at once.
    void responsiveWithAMillionLines()
    {
        QByteArray content;
        for (int i = 0; i < 1000000; ++i)
            content += "Intel Xeon Model " + QByteArray::number(i) + ",90000\r\n";
        const WindowUnderTest test(content, Language::English);
        typeInto(test.main, "30");
        EventPump::setInterval(EventPump::defaultInterval);
        int ticksWhileReading = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout,
                         [&] { ticksWhileReading += !in<QWidget>(test.main, "Command1")->isEnabled(); });
        ticker.start(0);
        clickIn(test.main, "Command1");
        QVERIFY(ticksWhileReading >= 2);
        auto *list = in<QComboBox>(test.main, "Combo1");
        QCOMPARE(list->count(), 1000000);
        QElapsedTimer clock;
        clock.start();
        list->showPopup();
        QVERIFY(list->view()->isVisible() && clock.elapsed() < 3000);
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
