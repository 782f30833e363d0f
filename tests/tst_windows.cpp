// The three windows driven as a user drives them: keys, options, answers, messages, readings that are closed,
// fail or change their options half-way, and a catalogue of a million processors.

#include "countkeyfilter.h"
#include "eventpump.h"
#include "mainwindow.h"
#include "windowplacement.h"
#ifdef Q_OS_LINUX
#include "faultydisk.h"
#endif

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpontaneKeyEvent>
#include <QTimer>

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

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    void keyFilter_data();
    void keyFilter();
    void typing();
    void tabOrder_data();
    void tabOrder();
    void optionGroups_data();
    void optionGroups();
    void answers_data();
    void answers();
    void closedDuringReading_data();
    void closedDuringReading();
#ifdef Q_OS_LINUX
    void readFailureKeepsTheEarlierAnswer_data();
    void readFailureKeepsTheEarlierAnswer();
#endif
    void otherWindowsBesideTheMain();
    void headingKeepsTheCountInView_data();
    void headingKeepsTheCountInView();
    void placement();
    void responsiveWithAMillionLines();
};

// A key sequence and whether the count box takes it.
void TestWindows::keyFilter_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("admitted");
    for (const char *row :
         {"0 1",      "9 1",     "Backspace 1", "Shift+Backspace 1", "Ctrl+Backspace 0", "A 0",      "Space 0",
          "１ 0",     "中 0",    "Ctrl+V 0",    "Ctrl+1 0",          "Alt+1 0",          "Meta+1 0", "Esc 0",
          "Return 0", "Enter 0", "Tab 1",       "Shift+Ins 1",       "Left 1",           "F1 1"})
        QTest::newRow(row) << QString::fromUtf8(row).section(u' ', 0, 0) << QString::fromUtf8(row).endsWith(u'1');
}

void TestWindows::keyFilter()
{
    QFETCH(QString, key);
    QFETCH(bool, admitted);
    const QKeyCombination combination = QKeySequence::fromString(key)[0];
    QCOMPARE(CountKeyFilter::admits(int(combination.key()), combination.keyboardModifiers()), admitted);
}

// Typed keys, the clipboard's keys and an input method's commits reach the count box as digits only.
void TestWindows::typing()
{
    const MainWindow main(sampleCatalogue, Language::English);
    auto *box = main.control<QLineEdit>("txbNumber1");
    main.type("1a2 .-3");
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

void TestWindows::tabOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("clicked"); // options selected first
    QTest::addColumn<QStringList>("visited"); // by Tab, or by Shift+Tab after "back"
    // Each group is one stop, on its selected option.
    QTest::newRow("main, Tab") << "Form1" << QStringList{}
                               << QStringList{"Option2",  "Command1", "Combo1",   "Option4",
                                              "Command3", "Command2", "Command4", "txbNumber1"};
    QTest::newRow("main, Shift+Tab") << "Form1" << QStringList{"Option1", "Option5"}
                                     << QStringList{"back",   "Command4", "Command2", "Command3",  "Option5",
                                                    "Combo1", "Command1", "Option1",  "txbNumber1"};
    QTest::newRow("VDI, Tab") << "Form3" << QStringList{"Option3", "Option5"}
                              << QStringList{"Option3", "Option5", "Command1", "Text2", "Combo1", "txbNumber1"};
}

void TestWindows::tabOrder()
{
    QFETCH(QString, window);
    QFETCH(QStringList, clicked);
    QFETCH(QStringList, visited);
    const MainWindow main(sampleCatalogue, Language::English);
    const Window form(main, window);
    QCOMPARE(QApplication::focusWidget(), in<QWidget>(form.form, "txbNumber1"));
    for (const QString &option : clicked)
        clickIn(form.form, option.toLatin1().constData());
    in<QWidget>(form.form, "txbNumber1")->setFocus();
    const bool back = visited.first() == "back";
    QCOMPARE(focusWalk(form.form, back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier,
                       int(visited.size()) - back),
             visited.mid(back));
}

void TestWindows::optionGroups_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("how"); // mouse, space, accessibility, or an arrow key with the focus on it
    QTest::addColumn<QStringList>("selected");
    const QStringList designed{"Option2", "Option4"};
    QTest::newRow("mouse on the selected level") << "Form1"
                                                 << "Option2"
                                                 << "mouse" << designed;
    QTest::newRow("Space on the selected level") << "Form1"
                                                 << "Option2"
                                                 << "space" << designed;
    QTest::newRow("accessibility, selected vendor") << "Form1"
                                                    << "Option4"
                                                    << "accessibility" << designed;
    QTest::newRow("Down to the next level") << "Form1"
                                            << "Option2"
                                            << "Down" << QStringList{"Option3", "Option4"};
    QTest::newRow("Right stays with the levels") << "Form1"
                                                 << "Option2"
                                                 << "Right" << designed;
    QTest::newRow("Up stays with the vendors") << "Form1"
                                               << "Option4"
                                               << "Up" << designed;
    QTest::newRow("VDI, another level") << "Form3"
                                        << "Option3"
                                        << "mouse" << QStringList{"Option3", "Option4"};
}

void TestWindows::optionGroups()
{
    QFETCH(QString, window);
    QFETCH(QString, option);
    QFETCH(QString, how);
    QFETCH(QStringList, selected);
    const MainWindow main(sampleCatalogue, Language::English);
    const Window form(main, window);
    checkOptionGroups(form.form, option, how, selected);
}

void TestWindows::answers_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("clicked");
    QTest::addColumn<QStringList>("shown"); // heading, the list and its current entry, then the results
    QTest::addColumn<QString>("message");   // what the second, bad, input says
    const QString both(28, u' ');
    QTest::newRow("main, Chinese") << "Form1" << Language::Chinese << "30" << QStringList{"Option1", "Option6"}
                                   << QStringList{"30台终端 - 服务器配置信息：",
                                                  "AMD EPYC 7302" + both + "137%",
                                                  "Intel Xeon E-2388G" + both + "130%",
                                                  "Intel Xeon Silver 4214R" + both + "100%",
                                                  "0",
                                                  "24 GB",
                                                  "300 GB",
                                                  "2000 GB",
                                                  "1000 Mbps",
                                                  "GT1030 2GB 或 集成显卡",
                                                  "Windows Server 2012 2016 2019 2022"}
                                   << "请输入正确的终端数量！";
    QTest::newRow("VDI, English") << "Form3" << Language::English << "10" << QStringList{"Option2"}
                                  << QStringList{"10 terminals - server configuration information:",
                                                 "Intel Xeon E-2388G       158%", "Intel Xeon Silver 4214R       121%",
                                                 "0", "Memory: 48 GB\nSSD: 420 GB\nHDD: 1000 GB\nNIC speed: 1000 Mbps"}
                                  << "Please enter the correct number of terminals!";
    QTest::newRow("query, Chinese")
        << "Form2" << Language::Chinese << "1234" << QStringList{}
        << QStringList{"CPU型号：Sample 1234\n可负载终端数量：3\n服务器内存最小值：8 GB\n服务器SSD最小值：120 GB\n"
                       "服务器HDD最小值：500 GB\n服务器网卡速度最小值：1000 Mbps\n\n"}
        << "输入的字符数量少于4个,请输入4个字符";
}

// An answer lands in the window's controls and unlocks them; a bad input after it shows its message in the
// window's title, the button in the interface language (Qt's own text), and leaves the answer as it was.
void TestWindows::answers()
{
    QFETCH(QString, window);
    QFETCH(Language, language);
    QFETCH(QString, input);
    QFETCH(QStringList, clicked);
    QFETCH(QStringList, shown);
    QFETCH(QString, message);
    const MainWindow main(sampleCatalogue, language);
    const Window form(main, window);
    typeInto(form.form, input);
    for (const QString &option : clicked)
        clickIn(form.form, option.toLatin1().constData());
    clickIn(form.form, "Command1");
    QStringList actual;
    if (window != "Form2")
        actual << textIn(form.form, window == "Form1" ? "Label15" : "Label2") << itemsIn(form.form)
               << QString::number(in<QComboBox>(form.form, "Combo1")->currentIndex());
    for (const char *name : {"Label9", "Label10", "Label11", "Label12", "Label13", "Label19", "Text2"}) {
        if (window == "Form1" ? *name == 'L' : *name == 'T')
            actual << textIn(form.form, name);
    }
    QCOMPARE(actual, shown);
    QCOMPARE(disabledIn(form.form), QStringList());
    if (auto *box = in<QPlainTextEdit>(form.form, "Text2")) { // a result box takes no typing
        QTest::keyClicks(box, "x");
        QCOMPARE(box->toPlainText(), shown.constLast());
    }

    const QStringList before = resultsShown(form.form);
    in<QLineEdit>(form.form, "txbNumber1")->clear();
    typeInto(form.form, window == "Form2" ? "123" : "0");
    const MessageBoxCatcher catcher;
    clickIn(form.form, "Command1");
    if (window == "Form1")
        main.click("Command3"); // the help
    QCOMPARE(catcher.boxes.size(), window == "Form1" ? 2 : 1);
    QCOMPARE(catcher.boxes[0].text, message);
    QCOMPARE(catcher.boxes[0].title, form.form->windowTitle());
    QCOMPARE(catcher.boxes[0].button, language == Language::English ? "OK" : "确定");
    QVERIFY(catcher.boxes[0].modal);
    if (window == "Form1")
        QVERIFY(catcher.boxes[1].text.startsWith("CPU，根据终端数量选择对应的CPU"));
    QCOMPARE(resultsShown(form.form), before);
    QCOMPARE(disabledIn(form.form), QStringList());
}

void TestWindows::closedDuringReading_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("pump");
    for (const char *window : {"Form1", "Form2", "Form3"}) {
        QTest::addRow("%s, first line", window) << window << 1;
        QTest::addRow("%s, last line", window) << window << 4;
    }
}

// While a reading runs only its own controls are locked, and the vendor chosen meanwhile applies to the
// lines read after; a window closed then goes, and gives the main window back.
void TestWindows::closedDuringReading()
{
    QFETCH(QString, window);
    QFETCH(int, pump);
    const MainWindow main(sampleCatalogue, Language::English);
    const Window form(main, window);
    typeInto(form.form, window == "Form2" ? "Xeon" : "1");
    if (window != "Form2")
        clickIn(form.form, "Option5");
    QStringList locked;
    QStringList items;
    atPump(1, [&] {
        locked = disabledIn(form.form);
        if (window != "Form2")
            clickIn(form.form, "Option4");
    });
    atPump(pump, [&] {
        items = window == "Form2" ? QStringList() : itemsIn(form.form);
        form.form->close();
    });
    clickIn(form.form, "Command1");
    QCOMPARE(locked,
             (window == "Form1" ? QStringList{"Command1", "Command2", "Command3", "txbNumber1"}
                                : QStringList{"Command1", "txbNumber1"}));
    if (window != "Form2" && pump == 4) // the AMD line read before the change, the Intel lines after it
        QCOMPARE(items.size(), 3);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form.form.isNull());
    QVERIFY(window == "Form1" || main.window->isEnabled());
}

#ifdef Q_OS_LINUX
void TestWindows::readFailureKeepsTheEarlierAnswer_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<Language>("language");
    QTest::newRow("main window, Chinese") << "Form1" << Language::Chinese;
    QTest::newRow("query window, English") << "Form2" << Language::English;
    QTest::newRow("VDI window, Chinese") << "Form3" << Language::Chinese;
}

// The disk fails part-way through the second reading: the window says so and keeps the first answer.
void TestWindows::readFailureKeepsTheEarlierAnswer()
{
    QFETCH(QString, window);
    QFETCH(Language, language);
    QByteArray content;
    for (int i = 0; content.size() < 300000; ++i)
        content += "Intel Xeon " + QByteArray::number(1000 + i % 5000) + ',' + QByteArray::number(20000 + i) + "\r\n";
    const MainWindow main(content, language);
    const Window form(main, window);
    typeInto(form.form, window == "Form2" ? "1234" : "30");
    clickIn(form.form, "Command1");
    const QStringList answer = resultsShown(form.form);
    typeInto(form.form, "1");
    const MessageBoxCatcher catcher;
    {
        const FaultyDisk disk(main.catalogue.path(), 100000);
        clickIn(form.form, "Command1");
    }
    QCOMPARE(catcher.boxes.size(), 1);
    QCOMPARE(catcher.boxes[0].text,
             language == Language::English
                 ? "The CPU catalogue (data.dll) could not be read to its end, so the calculation was not completed. "
                   "Check the file and try again."
                 : "无法完整读取CPU数据文件（data.dll），计算未完成。请检查该文件后重试。");
    QCOMPARE(resultsShown(form.form), answer);
    QCOMPARE(disabledIn(form.form), QStringList());
}
#endif

// The query and VDI windows lock the main window while open, even during its reading, and give it back
// when they close; a close request to the locked main window does nothing; the VDI window outlives it.
void TestWindows::otherWindowsBesideTheMain()
{
    MainWindow main(sampleCatalogue, Language::English);
    const auto requestClose = [&] {
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        static_cast<QObject *>(main.window.data())->event(&close);
        return close.isAccepted();
    };
    QWidget *form2 = main.open("Command2");
    QVERIFY(!main.window->isEnabled() && !requestClose());
    form2->close();
    QVERIFY(main.window->isEnabled());

    main.type("1");
    QStringList vdiItems;
    atPump(2, [&] {
        QWidget *form3 = main.open("Command4");
        typeInto(form3, "10");
        clickIn(form3, "Command1");
        vdiItems = itemsIn(form3);
    });
    main.click("Command1");
    QCOMPARE(vdiItems.size(), 2);
    QCOMPARE(itemsIn(main.window).size(), 2);
    QVERIFY(!main.window->isEnabled() && !requestClose()); // the calculation's end does not enable it again
    QPointer<QWidget> form3 = MainWindow::openedWindow("Form3");
    main.window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main.window.isNull() && form3 && form3->isVisible());
    delete form3.data();
}

void TestWindows::headingKeepsTheCountInView_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<Language>("language");
    QTest::newRow("main window") << "Form1" << Language::English;
    QTest::newRow("VDI window, Chinese") << "Form3" << Language::Chinese;
}

// A count of seven digits makes the headings wider than their labels at their designed sizes.
void TestWindows::headingKeepsTheCountInView()
{
    QFETCH(QString, window);
    QFETCH(Language, language);
    const MainWindow main(sampleCatalogue, language);
    const Window form(main, window);
    const QLabel *heading = in<QLabel>(form.form, window == "Form1" ? "Label15" : "Label2");
    const auto fits = [heading] {
        return heading->text().startsWith("1000000")
            && QFontMetrics(heading->font()).horizontalAdvance(heading->text()) <= heading->contentsRect().width();
    };
    typeInto(form.form, "1000000");
    bool fitWhileBusy = false;
    atPump(1, [&] { fitWhileBusy = fits(); });
    clickIn(form.form, "Command1");
    QVERIFY(fitWhileBusy && fits());
}

// Centred in the available area, or at its top left corner where the window does not fit.
void TestWindows::placement()
{
    QCOMPARE(WindowPlacement::centredIn(QSize(561, 578), QRect(0, 0, 1024, 768)), QPoint(231, 95));
    QCOMPARE(WindowPlacement::centredIn(QSize(561, 578), QRect(0, 32, 640, 448)), QPoint(39, 32));
    QCOMPARE(WindowPlacement::centredIn(QSize(800, 600), QRect(1920, 0, 640, 480)), QPoint(1920, 0));
}

// A million processors: the window processes its events all through the reading, and its list opens at once.
void TestWindows::responsiveWithAMillionLines()
{
    QByteArray content;
    for (int i = 0; i < 1000000; ++i)
        content += "Intel Xeon Model " + QByteArray::number(i) + ",90000\r\n";
    const MainWindow main(content, Language::English);
    content.clear();
    main.type("30");
    EventPump::setInterval(EventPump::defaultInterval);
    int ticksWhileReading = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { ticksWhileReading += !main.control<QWidget>("Command1")->isEnabled(); });
    ticker.start(0);
    main.click("Command1");
    QVERIFY(ticksWhileReading >= 2);
    auto *list = main.control<QComboBox>("Combo1");
    QCOMPARE(list->count(), 1000000);
    QElapsedTimer clock;
    clock.start();
    list->showPopup();
    QVERIFY(list->view()->isVisible() && clock.elapsed() < 3000);
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
