// The three windows driven as a user drives them: keys, options, answers, messages, readings that are closed,
// fail or change their options half-way, and a catalogue of a million processors.

#include "countkeyfilter.h"
#include "eventpump.h"
#ifdef Q_OS_LINUX
#include "faultydisk.h"
#endif
#include "mainwindow.h"
#include "windowplacement.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSpontaneKeyEvent>
#include <QTimer>

namespace {

const QByteArray sampleCatalogue = TestCatalogue::lines({"AMD EPYC 7302,25000", "Intel Xeon E-2388G,23761",
                                                         "Intel Xeon Silver 4214R,18200", "Sample 1234,5000"});

// The window a row works in: the main window, or the one its button opens (deleted with the guard).
struct Window {
    Window(const MainWindow &main, const QString &name)
        : form(name == QLatin1String("Form1") ? main.window.data()
                                              : main.open(name == QLatin1String("Form2") ? "Command2" : "Command4"))
        , isMain(name == QLatin1String("Form1"))
    {
        if (!QTest::qWaitForWindowActive(form))
            qWarning("%s did not become active", qPrintable(name));
    }
    ~Window()
    {
        if (!isMain)
            delete form.data();
    }
    QPointer<QWidget> form;
    bool isMain;
};

QStringList disabledIn(QWidget *window)
{
    QStringList disabled;
    for (const QWidget *control : window->findChildren<QWidget *>(Qt::FindChildrenRecursively)) {
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
    void optionChangedWhileReading();
    void otherWindowsBesideTheMain();
    void helpBox_data();
    void helpBox();
    void headingKeepsTheCountInView_data();
    void headingKeepsTheCountInView();
    void placement_data();
    void placement();
    void responsiveWithAMillionLines();
};

void TestWindows::keyFilter_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("admitted");
    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers ctrl(Qt::ControlModifier);
    QTest::newRow("0") << int(Qt::Key_0) << none << true;
    QTest::newRow("9") << int(Qt::Key_9) << none << true;
    QTest::newRow("keypad 5") << int(Qt::Key_5) << Qt::KeyboardModifiers(Qt::KeypadModifier) << true;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << true;
    QTest::newRow("Shift+Backspace") << int(Qt::Key_Backspace) << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
    QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace) << ctrl << false;
    QTest::newRow("a") << int(Qt::Key_A) << none << false;
    QTest::newRow("blank") << int(Qt::Key_Space) << none << false;
    QTest::newRow("full-width digit") << 0xFF11 << none << false;
    QTest::newRow("unknown key") << int(Qt::Key_unknown) << none << false;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << false;
    QTest::newRow("Ctrl+1") << int(Qt::Key_1) << ctrl << false;
    QTest::newRow("Alt+1") << int(Qt::Key_1) << Qt::KeyboardModifiers(Qt::AltModifier) << false;
    QTest::newRow("Meta+1") << int(Qt::Key_1) << Qt::KeyboardModifiers(Qt::MetaModifier) << false;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << false;
    QTest::newRow("Enter") << int(Qt::Key_Return) << none << false;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << false;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << none << true;
    QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
    QTest::newRow("Left") << int(Qt::Key_Left) << none << true;
}

void TestWindows::keyFilter()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, admitted);
    QCOMPARE(CountKeyFilter::admits(key, modifiers), admitted);
}

// Typed keys, the clipboard's keys and an input method's commits reach the count box as digits only.
void TestWindows::typing()
{
    const MainWindow main(sampleCatalogue, Language::English);
    auto *box = main.control<QLineEdit>("txbNumber1");
    main.type("1a2 .-3");
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), "13");
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QApplication::clipboard()->text().isEmpty());
    QApplication::clipboard()->setText("x9");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), "13");
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
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QStringList>("visited");
    // Each group is one stop, on its selected option.
    QTest::newRow("main, Tab") << "Form1" << QStringList{} << Qt::Key_Tab
                               << QStringList{"Option2", "Command1", "Combo1", "Option4", "Command3", "Command2",
                                              "Command4", "txbNumber1", "Option2"};
    QTest::newRow("main, Shift+Tab") << "Form1" << QStringList{"Option1", "Option5"} << Qt::Key_Backtab
                                     << QStringList{"Command4", "Command2", "Command3", "Option5", "Combo1", "Command1",
                                                    "Option1", "txbNumber1"};
    QTest::newRow("VDI, Tab") << "Form3" << QStringList{"Option3", "Option5"} << Qt::Key_Tab
                              << QStringList{"Option3", "Option5", "Command1", "Text2", "Combo1", "txbNumber1"};
    QTest::newRow("VDI, Shift+Tab") << "Form3" << QStringList{} << Qt::Key_Backtab
                                    << QStringList{"Combo1", "Text2", "Command1", "Option4", "Option1", "txbNumber1"};
}

void TestWindows::tabOrder()
{
    QFETCH(QString, window);
    QFETCH(QStringList, clicked);
    QFETCH(Qt::Key, key);
    QFETCH(QStringList, visited);
    const MainWindow main(sampleCatalogue, Language::English);
    const Window form(main, window);
    QVERIFY(QTest::qWaitForWindowActive(form.form));
    QCOMPARE(QApplication::focusWidget(), in<QWidget>(form.form, "txbNumber1"));
    for (const QString &option : clicked)
        clickIn(form.form, option.toLatin1().constData());
    in<QWidget>(form.form, "txbNumber1")->setFocus();
    const Qt::KeyboardModifiers modifiers = key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
    QCOMPARE(focusWalk(form.form, key, modifiers, int(visited.size())), visited);
}

void TestWindows::optionGroups_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("how"); // mouse, space, accessibility, or an arrow key with the focus on it
    QTest::addColumn<QStringList>("selected");
    const QStringList designed{"Option2", "Option4"};
    QTest::newRow("mouse on the selected level") << "Form1" << "Option2" << "mouse" << designed;
    QTest::newRow("Space on the selected level") << "Form1" << "Option2" << "space" << designed;
    QTest::newRow("accessibility, selected vendor") << "Form1" << "Option4" << "accessibility" << designed;
    QTest::newRow("another vendor") << "Form1" << "Option6" << "space" << QStringList{"Option2", "Option6"};
    QTest::newRow("Down to the next level") << "Form1" << "Option2" << "Down" << QStringList{"Option3", "Option4"};
    QTest::newRow("Right stays with the levels") << "Form1" << "Option2" << "Right" << designed;
    QTest::newRow("Up stays with the vendors") << "Form1" << "Option4" << "Up" << designed;
    QTest::newRow("VDI, another level") << "Form3" << "Option3" << "mouse" << QStringList{"Option3", "Option4"};
    QTest::newRow("VDI, Up stays with the vendors") << "Form3" << "Option4" << "Up" << QStringList{"Option1", "Option4"};
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
    QTest::addColumn<QStringList>("shown"); // heading (main, VDI), the list and its current entry, the results
    QTest::addColumn<QString>("message");   // what the second, bad, input says
    const QString gap(24, u' ');
    const QString invalid = QString::fromUtf8("请输入正确的终端数量！");
    QTest::newRow("main, Chinese") << "Form1" << Language::Chinese << "30" << QStringList{"Option1", "Option6"} << QStringList{
        QString::fromUtf8("30台终端 - 服务器配置信息："), "AMD EPYC 7302" + QString(28, u' ') + "137%",
        "Intel Xeon E-2388G" + QString(28, u' ') + "130%", "Intel Xeon Silver 4214R" + QString(28, u' ') + "100%", "0",
        "24 GB", "300 GB", "2000 GB", "1000 Mbps", QString::fromUtf8("GT1030 2GB 或 集成显卡"),
        "Windows Server 2012 2016 2019 2022"} << invalid;
    QTest::newRow("VDI, English") << "Form3" << Language::English << "10" << QStringList{"Option2"} << QStringList{
        "10 terminals - server configuration information:", "Intel Xeon E-2388G       158%", "Intel Xeon Silver 4214R       121%",
        "0", "Memory: 48 GB\nSSD: 420 GB\nHDD: 1000 GB\nNIC speed: 1000 Mbps"} << "Please enter the correct number of terminals!";
    QTest::newRow("query, Chinese") << "Form2" << Language::Chinese << "1234" << QStringList{} << QStringList{
        QString::fromUtf8("CPU型号：Sample 1234\n可负载终端数量：3\n服务器内存最小值：8 GB\n服务器SSD最小值：120 GB\n"
                          "服务器HDD最小值：500 GB\n服务器网卡速度最小值：1000 Mbps\n\n")}
                                    << QString::fromUtf8("输入的字符数量少于4个,请输入4个字符");
}

// An answer lands in the window's controls and unlocks them; a bad input after it shows its message in the
// window's title and leaves the answer as it was.
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
    const QStringList results = window == "Form1" ? QStringList{"Label9", "Label10", "Label11", "Label12", "Label13", "Label19"}
                                                  : QStringList{"Text2"};
    for (const QString &name : results)
        actual << textIn(form.form, name.toLatin1().constData());
    QCOMPARE(actual, shown);
    QCOMPARE(disabledIn(form.form), QStringList());

    const QStringList before = resultsShown(form.form);
    in<QLineEdit>(form.form, "txbNumber1")->clear();
    typeInto(form.form, window == "Form2" ? "123" : "0");
    const MessageBoxCatcher catcher;
    clickIn(form.form, "Command1");
    QCOMPARE(catcher.boxes.size(), 1);
    QCOMPARE(catcher.boxes[0].text, message);
    QCOMPARE(catcher.boxes[0].title, form.form->windowTitle());
    QCOMPARE(resultsShown(form.form), before);
    QCOMPARE(disabledIn(form.form), QStringList());
}

void TestWindows::closedDuringReading_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("pump");
    QTest::addColumn<QStringList>("locked");
    const QStringList two{"Command1", "txbNumber1"};
    for (const char *window : {"Form1", "Form2", "Form3"}) {
        const QStringList locked = QLatin1String(window) == QLatin1String("Form1")
            ? QStringList{"Command1", "Command2", "Command3", "txbNumber1"} : two;
        QTest::addRow("%s, first line", window) << window << 1 << locked;
        QTest::addRow("%s, last line", window) << window << 4 << locked;
    }
}

// While a reading runs only its own controls are locked; a window closed then goes, and gives the main
// window back.
void TestWindows::closedDuringReading()
{
    QFETCH(QString, window);
    QFETCH(int, pump);
    QFETCH(QStringList, locked);
    const MainWindow main(sampleCatalogue, Language::English);
    const Window form(main, window);
    typeInto(form.form, window == "Form2" ? "Xeon" : "1");
    QStringList lockedWhileReading;
    atPump(pump, [&] {
        lockedWhileReading = disabledIn(form.form);
        form.form->close();
    });
    clickIn(form.form, "Command1");
    QCOMPARE(lockedWhileReading, locked);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form.form.isNull());
    if (window != "Form1")
        QVERIFY(main.window->isEnabled());
}

#ifdef Q_OS_LINUX
void TestWindows::readFailureKeepsTheEarlierAnswer_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("message");
    const QString chinese = QString::fromUtf8("无法完整读取CPU数据文件（data.dll），计算未完成。请检查该文件后重试。");
    const QString english = "The CPU catalogue (data.dll) could not be read to its end, so the calculation was not "
                            "completed. Check the file and try again.";
    QTest::newRow("main window, Chinese") << "Form1" << Language::Chinese << chinese;
    QTest::newRow("query window, English") << "Form2" << Language::English << english;
    QTest::newRow("VDI window, Chinese") << "Form3" << Language::Chinese << chinese;
}

// The disk fails part-way through the second reading: the window says so and keeps the first answer.
void TestWindows::readFailureKeepsTheEarlierAnswer()
{
    QFETCH(QString, window);
    QFETCH(Language, language);
    QFETCH(QString, message);
    QByteArray content;
    for (int i = 0; content.size() < 300000; ++i)
        content += "Intel Xeon " + QByteArray::number(1000 + i % 5000) + ',' + QByteArray::number(20000 + i) + "\r\n";
    const MainWindow main(content, language);
    const Window form(main, window);
    typeInto(form.form, window == "Form2" ? "1234" : "30");
    clickIn(form.form, "Command1");
    const QStringList answer = resultsShown(form.form);
    QVERIFY(answer.join("").contains(window == "Form2" ? "Xeon 1234" : "30"));
    typeInto(form.form, "1");
    const MessageBoxCatcher catcher;
    {
        const FaultyDisk disk(main.catalogue.path(), 100000);
        clickIn(form.form, "Command1");
    }
    QCOMPARE(catcher.boxes.size(), 1);
    QCOMPARE(catcher.boxes[0].text, message);
    QCOMPARE(resultsShown(form.form), answer);
    QCOMPARE(disabledIn(form.form), QStringList());
}
#endif

// The window hands the rule its options, not a copy: a vendor chosen during the reading applies from then on.
void TestWindows::optionChangedWhileReading()
{
    const MainWindow main(TestCatalogue::lines({"Intel A,9000", "AMD B,9000", "Intel C,9000", "AMD D,9000"}),
                          Language::English);
    main.type("1");
    atPump(1, [&] { main.click("Option5"); });
    main.click("Command1");
    const QString gap(24, u' ');
    QCOMPARE(itemsIn(main.window), (QStringList{"Intel A" + gap + "236%", "AMD B" + gap + "236%", "AMD D" + gap + "236%"}));
}

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
    QVERIFY(!main.window->isEnabled()); // the calculation's end does not enable the window again
    QPointer<QWidget> form3 = MainWindow::openedWindow("Form3");
    QVERIFY(requestClose() == false);
    main.window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main.window.isNull() && form3 && form3->isVisible());
    form3->close();
}

void TestWindows::helpBox_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");
    QTest::newRow("Chinese") << Language::Chinese
                             << QString::fromUtf8("CPU，根据终端数量选择对应的CPU；内存分三种，每用户0.5GB,每用户1.0GB，每用户1.5GB；"
                                                  "SSD，用于安装系统和安装软件；HDD，机械硬盘，用于存放资料；"
                                                  "CPU列表里的百分比为所选CPU性能和最低需求性能的比值；")
                             << QString::fromUtf8("确定");
    QTest::newRow("English") << Language::English
                             << "CPU, select the corresponding CPU according to the number of terminals; there are three "
                                "types of memory, 0.5GB per user, 1.0GB per user, and 1.5GB per user; SSD, for system "
                                "installation and software installation; HDD, mechanical hard disk, for data storage;The "
                                "percentage in the CPU list is the ratio of the selected CPU performance to the minimum "
                                "required performance；" << "OK";
}

void TestWindows::helpBox()
{
    QFETCH(Language, language);
    QFETCH(QString, text);
    QFETCH(QString, button);
    const MainWindow main(sampleCatalogue, language);
    const MessageBoxCatcher catcher;
    main.click("Command3");
    QCOMPARE(catcher.boxes.size(), 1);
    QCOMPARE(catcher.boxes[0].text, text);
    QCOMPARE(catcher.boxes[0].button, button);
    QCOMPARE(catcher.boxes[0].title, main.window->windowTitle());
    QVERIFY(catcher.boxes[0].modal);
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
    QVERIFY(fitWhileBusy);
    QVERIFY(fits());
}

void TestWindows::placement_data()
{
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("place");
    QTest::newRow("centred") << QSize(561, 578) << QRect(0, 0, 1024, 768) << QPoint(231, 95);
    QTest::newRow("taller than the screen") << QSize(561, 578) << QRect(0, 32, 640, 448) << QPoint(39, 32);
    QTest::newRow("larger than the screen") << QSize(800, 600) << QRect(100, 0, 640, 480) << QPoint(100, 0);
    QTest::newRow("second screen") << QSize(561, 578) << QRect(1920, 0, 1024, 768) << QPoint(2151, 95);
}

void TestWindows::placement()
{
    QFETCH(QSize, frame);
    QFETCH(QRect, available);
    QFETCH(QPoint, place);
    QCOMPARE(WindowPlacement::centredIn(frame, available), place);
}

// A million processors: the window processes its events all through the reading, and its list opens at once.
void TestWindows::responsiveWithAMillionLines()
{
    QByteArray content;
    content.reserve(30'000'000);
    for (int i = 0; i < 1000000; ++i)
        content += "Intel Xeon Model " + QByteArray::number(i) + ",90000\r\n";
    const MainWindow main(content, Language::English);
    content.clear();
    main.type("30");
    EventPump::setInterval(EventPump::defaultInterval);
    int ticksWhileReading = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ticksWhileReading += !main.control<QWidget>("Command1")->isEnabled(); });
    ticker.start(0);
    main.click("Command1");
    QVERIFY(ticksWhileReading >= 2);
    auto *list = main.control<QComboBox>("Combo1");
    QCOMPARE(list->count(), 1000000);
    QElapsedTimer clock;
    clock.start();
    list->showPopup();
    QVERIFY(list->view()->isVisible());
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    list->hidePopup();
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
