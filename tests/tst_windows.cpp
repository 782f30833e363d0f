// The three windows driven as a user drives them: keys, options, answers, messages, readings that are closed,
// fail or change their options half-way, and a catalogue of a million processors.

#include "countkeyfilter.h"
#include "eventpump.h"
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

// Presses a key (a key sequence's text) on the focused control for each name: the names focused after each.
QStringList focusWalk(QWidget *window, const QString &key, qsizetype presses)
{
    const QKeyCombination combination = QKeySequence::fromString(key)[0];
    QStringList visited;
    for (qsizetype i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, combination.key(),
                        combination.keyboardModifiers());
        visited << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
    }
    return visited;
}

Language languageOf(const QString &code)
{
    return code == "en" ? Language::English : Language::Chinese;
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

    // Typed keys, the clipboard's keys and an input method's commits reach the count box as digits only.
    void typing()
    {
        const WindowUnderTest window(sampleCatalogue, Language::English);
        auto *box = in<QLineEdit>(window.main, "txbNumber1");
        typeInto(window.main, "1a2 .-3");
        QTest::keyClick(box, Qt::Key_Left);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
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
        const WindowUnderTest window(sampleCatalogue, Language::English, row[0]);
        QCOMPARE(QApplication::focusWidget(), in<QWidget>(window.form, "txbNumber1"));
        for (const QString &option : row[1].split(u','))
            clickIn(window.form, qPrintable(option));
        const bool tab = row[2].contains("Tab");
        if (tab)
            in<QWidget>(window.form, "txbNumber1")->setFocus();
        QCOMPARE(focusWalk(window.form, row[2], row.size() - 3), row.mid(3));
        QStringList selected;
        for (const QRadioButton *option : window.form->findChildren<QRadioButton *>()) {
            if (option->isChecked())
                selected << option->objectName();
        }
        selected.sort();
        if (!tab) // the option focused, beside the other group's
            QCOMPARE(selected, (row[3] < "Option4" ? QStringList{row[3], "Option4"} : QStringList{"Option2", row[3]}));
    }

    // Window, language, input, options clicked, the message a bad input then gives, then what the answer
    // shows: heading, the list and its current entry, then the results.
    void answers_data()
    {
        tableRows({"Form1|zh|30|Option1,Option6|请输入正确的终端数量！|30台终端 - 服务器配置信息："
                   "|AMD EPYC 7302{28}137%|Intel Xeon E-2388G{28}130%|Intel Xeon Silver 4214R{28}100%|0|24 GB"
                   "|300 GB|2000 GB|1000 Mbps|GT1030 2GB 或 集成显卡|Windows Server 2012 2016 2019 2022",
                   "Form3|en|10|Option2|Please enter the correct number of terminals!"
                   "|10 terminals - server configuration information:|Intel Xeon E-2388G{7}158%"
                   "|Intel Xeon Silver 4214R{7}121%|0|Memory: 48 GB\nSSD: 420 GB\nHDD: 1000 GB\nNIC speed: 1000 Mbps",
                   "Form2|zh|1234||输入的字符数量少于4个,请输入4个字符|CPU型号：Sample 1234\n可负载终端数量：3\n"
                   "服务器内存最小值：8 GB\n服务器SSD最小值：120 GB\n服务器HDD最小值：500 GB\n"
                   "服务器网卡速度最小值：1000 Mbps\n\n"},
                  u'|');
    }
    // An answer lands in the window's controls and unlocks them; a bad input after it shows its message in the
    // window's title, the button in the interface language (Qt's own text), and leaves the answer as it was; so
    // does a disk that fails during a reading.
    void answers()
    {
        QFETCH(QStringList, row);
        const QString name = row[0];
        const WindowUnderTest window(sampleCatalogue, languageOf(row[1]), name);
        QWidget *form = window.form;
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
        QCOMPARE(shown, row.mid(5));
        QCOMPARE(disabledIn(form), QStringList());
        if (auto *box = in<QPlainTextEdit>(form, "Text2")) { // a result box takes no typing
            QTest::keyClicks(box, "x");
            QCOMPARE(box->toPlainText(), row.constLast());
        }

        const QStringList before = resultsShown(form);
        in<QLineEdit>(form, "txbNumber1")->clear();
        typeInto(form, name == "Form2" ? "123" : "0");
        const MessageBoxCatcher catcher;
        clickIn(form, "Command1");
        if (name == "Form1")
            clickIn(form, "Command3"); // the help
        QCOMPARE(catcher.boxes.size(), name == "Form1" ? 2 : 1);
        QCOMPARE(catcher.boxes[0].text, row[4]);
        QCOMPARE(catcher.boxes[0].title, form->windowTitle());
        QCOMPARE(catcher.boxes[0].button, row[1] == "en" ? "OK" : "确定");
        QVERIFY(catcher.boxes[0].modal);
        if (name == "Form1")
            QVERIFY(catcher.boxes[1].text.startsWith("CPU，根据终端数量选择对应的CPU"));
        QCOMPARE(resultsShown(form), before);
        QCOMPARE(disabledIn(form), QStringList());
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
        const WindowUnderTest window(sampleCatalogue, Language::English, name);
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
        WindowUnderTest window(sampleCatalogue, Language::English);
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

    void headingKeepsTheCountInView_data()
    {
        tableRows({"Form1 en", "Form3 zh"});
    }
    // A count of seven digits makes the headings wider than their labels at their designed sizes.
    void headingKeepsTheCountInView()
    {
        QFETCH(QStringList, row);
        const WindowUnderTest window(sampleCatalogue, languageOf(row[1]), row[0]);
        const QLabel *heading = in<QLabel>(window.form, row[0] == "Form1" ? "Label15" : "Label2");
        const auto fits = [heading] {
            return heading->text().startsWith("1000000")
                && QFontMetrics(heading->font()).horizontalAdvance(heading->text()) <= heading->contentsRect().width();
        };
        typeInto(window.form, "1000000");
        bool fitWhileBusy = false;
        atPump(1, [&] { fitWhileBusy = fits(); });
        clickIn(window.form, "Command1");
        QVERIFY(fitWhileBusy && fits());
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
        const WindowUnderTest window(content, Language::English);
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
