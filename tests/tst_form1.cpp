#include "countkeyfilter.h"
#include "form1texts.h"
#include "mainwindow.h"
#include "messageboxcatcher.h"
#include "module1.h"
#include "windowplacement.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSpontaneKeyEvent>



namespace {

const QByteArray sampleCatalogue = TestCatalogue::lines({"AMD EPYC 7302,25000", "Intel Xeon E-2388G,23761",
                                                         "Intel Xeon Silver 4214R,18200", "Intel Core i5-10400,12000"});

const char *const resultLabels[] = {"Label9", "Label10", "Label11", "Label12", "Label13", "Label19"};
const char *const lockedControls[] = {"Command1", "Command2", "Command3", "txbNumber1"};
const char *const liveControls[] = {"Option1", "Option2", "Option3", "Option4", "Option5", "Option6", "Command4"};

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void textsAtLoad_data();
    void textsAtLoad();
    void loadSequence();
    void layout();
    void tabOrder_data();
    void tabOrder();
    void optionGroups_data();
    void optionGroups();
    void keyDecisions_data();
    void keyDecisions();
    void typing();
    void clipboardKeys();
    void inputMethod();
    void helpBox_data();
    void helpBox();
    void calculation();
    void invalidCount_data();
    void invalidCount();
    void closeRequestWhileAnotherWindowIsOpen_data();
    void closeRequestWhileAnotherWindowIsOpen();
    void headingKeepsTheCountInView_data();
    void headingKeepsTheCountInView();
    void placement_data();
    void placement();
    void lockedWhileReading();
    void vendorChangedWhileReading();
};

void TestForm1::init()
{
    Module1::blnEnglish = false;
    QApplication::clipboard()->clear();
}

void TestForm1::textsAtLoad_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("label1");
    QTest::addColumn<QString>("option2");
    QTest::newRow("Chinese") << Language::Chinese << QString::fromUtf8("请输入终端数量：") << QString::fromUtf8("中型任务(推荐)");
    QTest::newRow("English") << Language::English << "Number of Terminals: " << "Medium-Sized Tasks";
}

void TestForm1::textsAtLoad()
{
    QFETCH(Language, language);
    QFETCH(QString, label1);
    QFETCH(QString, option2);
    const MainWindow main(sampleCatalogue, language);
    QCOMPARE(main.window->windowTitle(), "Quarvel v1.8.118");
    QCOMPARE(main.text("Label1"), label1);
    QCOMPARE(main.text("Option2"), option2);
    for (int i = 0; i < Form1Texts::tableSize; ++i) {
        const Form1Texts::ControlText &entry = Form1Texts::table[i];
        const QWidget *control = main.control<QWidget>(entry.control);
        QVERIFY2(control, entry.control);
        const QString shown = entry.property == Form1Texts::ControlText::Caption ? control->property("text").toString()
                                                                                   : control->toolTip();
        QCOMPARE(shown, entry.text.in(language));
    }
    QCOMPARE(main.control<QComboBox>("Combo1")->toolTip(), main.control<QLabel>("Label3")->toolTip());
    QCOMPARE(main.text("Option4"), "Intel");
    QCOMPARE(main.text("Option5"), "AMD");
    QCOMPARE(main.text("Option6"), "Intel + AMD");
    QCOMPARE(main.text("Command4"), "VDI");
    for (const char *name : resultLabels)
        QCOMPARE(main.text(name), QString());
    QVERIFY(main.control<QLabel>("Label7")->toolTip().isEmpty());
}

void TestForm1::loadSequence()
{
    // The start-up probe, then the language: the system's code, then the marker file beside the program.
    const MainWindow main(sampleCatalogue, Language::Chinese);
    const std::vector<std::string> expected{"systemTypes", "osLanguageCodes", "yield",
                                            "isOrdinaryFile " + main.catalogue.folder().toStdString() + "/en.dll"};
    QVERIFY(main.platform.calls == expected);
    QVERIFY(!Module1::blnEnglish);
}

void TestForm1::layout()
{
    const MainWindow main(sampleCatalogue, Language::English);
    QCOMPARE(main.window->size(), QSize(561, 548)); // 8415 x 8220 twips
    QCOMPARE(main.control<QFrame>("Frame2")->geometry(), QRect(8, 192, 545, 345));
    QCOMPARE(main.control<QPushButton>("Command4")->geometry(), QRect(336, 285, 97, 33));
    QCOMPARE(main.control<QRadioButton>("Option6")->parentWidget()->objectName(), "Frame3");
    QCOMPARE(main.control<QLabel>("Label15")->font().pointSizeF(), 14.25);
    QVERIFY(main.control<QLabel>("Label16")->font().bold());
    QVERIFY(main.control<QRadioButton>("Option2")->isChecked());
    QVERIFY(main.control<QRadioButton>("Option4")->isChecked());
}

void TestForm1::tabOrder_data()
{
    QTest::addColumn<QStringList>("clicked"); // options selected first
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QStringList>("visited");
    // Each group is one stop, on its selected option.
    QTest::newRow("Tab") << QStringList{} << Qt::Key_Tab
                         << QStringList{"Option2", "Command1", "Combo1", "Option4", "Command3", "Command2", "Command4",
                                        "txbNumber1", "Option2"};
    QTest::newRow("Tab, other options") << QStringList{"Option3", "Option6"} << Qt::Key_Tab
                                        << QStringList{"Option3", "Command1", "Combo1", "Option6", "Command3"};
    QTest::newRow("Shift+Tab") << QStringList{"Option1", "Option5"} << Qt::Key_Backtab
                               << QStringList{"Command4", "Command2", "Command3", "Option5", "Combo1", "Command1",
                                              "Option1", "txbNumber1"};
}

void TestForm1::tabOrder()
{
    QFETCH(QStringList, clicked);
    QFETCH(Qt::Key, key);
    QFETCH(QStringList, visited);
    const MainWindow main(sampleCatalogue, Language::English);
    QCOMPARE(QApplication::focusWidget(), main.control<QWidget>("txbNumber1"));
    for (const QString &option : clicked)
        main.click(option.toLatin1().constData());
    main.control<QWidget>("txbNumber1")->setFocus();
    const Qt::KeyboardModifiers modifiers = key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
    QCOMPARE(focusWalk(main.window, key, modifiers, int(visited.size())), visited);
}

void TestForm1::optionGroups_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("how"); // mouse, space, accessibility, or an arrow key with the focus on it
    QTest::addColumn<QStringList>("selected");
    const QStringList designed{"Option2", "Option4"};
    QTest::newRow("mouse on the selected level") << "Option2" << "mouse" << designed;
    QTest::newRow("Space on the selected level") << "Option2" << "space" << designed;
    QTest::newRow("accessibility on the selected vendor") << "Option4" << "accessibility" << designed;
    QTest::newRow("another level") << "Option1" << "mouse" << QStringList{"Option1", "Option4"};
    QTest::newRow("another vendor") << "Option6" << "space" << QStringList{"Option2", "Option6"};
    QTest::newRow("Down to the next level") << "Option2" << "Down" << QStringList{"Option3", "Option4"};
    QTest::newRow("Right stays with the levels") << "Option2" << "Right" << designed;
    QTest::newRow("Up stays with the vendors") << "Option4" << "Up" << designed;
}

void TestForm1::optionGroups()
{
    QFETCH(QString, option);
    QFETCH(QString, how);
    QFETCH(QStringList, selected);
    const MainWindow main(sampleCatalogue, Language::English);
    checkOptionGroups(main.window, option, how, selected);
}

void TestForm1::keyDecisions_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("admitted");

    const Qt::KeyboardModifiers none;
    QTest::newRow("0") << int(Qt::Key_0) << none << true;
    QTest::newRow("9") << int(Qt::Key_9) << none << true;
    QTest::newRow("keypad 5") << int(Qt::Key_5) << Qt::KeyboardModifiers(Qt::KeypadModifier) << true;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << true;
    QTest::newRow("Shift+Backspace") << int(Qt::Key_Backspace) << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
    QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace) << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
    QTest::newRow("a") << int(Qt::Key_A) << none << false;
    QTest::newRow("minus") << int(Qt::Key_Minus) << none << false;
    QTest::newRow("full stop") << int(Qt::Key_Period) << none << false;
    QTest::newRow("blank") << int(Qt::Key_Space) << none << false;
    QTest::newRow("full-width digit") << 0xFF11 << none << false;
    QTest::newRow("Chinese character") << 0x4E2D << none << false;
    QTest::newRow("unknown key") << int(Qt::Key_unknown) << none << false;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
    QTest::newRow("Ctrl+Shift+Z") << int(Qt::Key_Z) << (Qt::ControlModifier | Qt::ShiftModifier) << false;
    QTest::newRow("Ctrl+1") << int(Qt::Key_1) << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
    QTest::newRow("Alt+1") << int(Qt::Key_1) << Qt::KeyboardModifiers(Qt::AltModifier) << false;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << false;
    QTest::newRow("Enter") << int(Qt::Key_Return) << none << false;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << false;
    QTest::newRow("Left") << int(Qt::Key_Left) << none << true;
    QTest::newRow("Shift+Right") << int(Qt::Key_Right) << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << true;
    QTest::newRow("Home") << int(Qt::Key_Home) << none << true;
    QTest::newRow("End") << int(Qt::Key_End) << none << true;
    QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
    QTest::newRow("Ctrl+Insert") << int(Qt::Key_Insert) << Qt::KeyboardModifiers(Qt::ControlModifier) << true;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << none << true;
    QTest::newRow("F1") << int(Qt::Key_F1) << none << true;
}

void TestForm1::keyDecisions()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, admitted);
    QCOMPARE(CountKeyFilter::admits(key, modifiers), admitted);
}

void TestForm1::typing()
{
    const MainWindow main(sampleCatalogue, Language::English);
    auto *box = main.control<QLineEdit>("txbNumber1");
    main.type("1a2 .-3");
    QCOMPARE(box->text(), "123");
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), "12");
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_0);
    QCOMPARE(box->text(), "102");
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), "02");
    QTest::keyClick(box, Qt::Key_Escape);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Backspace, Qt::ControlModifier);
    QCOMPARE(box->text(), "02");
}

void TestForm1::clipboardKeys()
{
    const MainWindow main(sampleCatalogue, Language::English);
    auto *box = main.control<QLineEdit>("txbNumber1");
    main.type("12");
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier); // would select all
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier); // would copy
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier); // would undo
    main.type("3");
    QCOMPARE(box->text(), "123");
    QVERIFY(QApplication::clipboard()->text().isEmpty());

    QApplication::clipboard()->setText("x9");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), "123");
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier); // produces no character: pastes as usual
    QCOMPARE(box->text(), "123x9");

    box->clear();
    QScopedPointer<QMenu> menu(box->createStandardContextMenu());
    const QList<QAction *> actions = menu->actions();
    const auto paste = std::find_if(actions.begin(), actions.end(),
                                    [](const QAction *action) { return action->text().startsWith("&Paste"); });
    QVERIFY(paste != actions.end());
    (*paste)->trigger();
    QCOMPARE(box->text(), "x9"); // the context menu is not filtered
}

void TestForm1::inputMethod()
{
    const MainWindow main(sampleCatalogue, Language::English);
    auto *box = main.control<QLineEdit>("txbNumber1");
    main.type("5");
    for (const char *commit : {"中文", "１２", "a"}) {
        QInputMethodEvent event;
        event.setCommitString(QString::fromUtf8(commit));
        QApplication::sendEvent(box, &event);
    }
    QCOMPARE(box->text(), "5");
    QInputMethodEvent digits;
    digits.setCommitString("67");
    QApplication::sendEvent(box, &digits);
    QCOMPARE(box->text(), "567");
}

void TestForm1::helpBox_data()
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
                             << QString::fromUtf8("CPU, select the corresponding CPU according to the number of terminals; "
                                                  "there are three types of memory, 0.5GB per user, 1.0GB per user, and "
                                                  "1.5GB per user; SSD, for system installation and software installation; "
                                                  "HDD, mechanical hard disk, for data storage;The percentage in the CPU "
                                                  "list is the ratio of the selected CPU performance to the minimum "
                                                  "required performance；")
                             << "OK";
}

void TestForm1::helpBox()
{
    QFETCH(Language, language);
    QFETCH(QString, text);
    QFETCH(QString, button);
    const MainWindow main(sampleCatalogue, language);
    MessageBoxCatcher catcher;
    main.click("Command3");
    QCOMPARE(catcher.boxes[0].button, button);
    QCOMPARE(catcher.boxes.size(), 1);
    QCOMPARE(catcher.boxes[0].title, "Quarvel v1.8.118");
    QCOMPARE(catcher.boxes[0].text, text);
    QCOMPARE(catcher.boxes[0].icon, QMessageBox::Information);
    QCOMPARE(catcher.boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(catcher.boxes[0].modal);
}

void TestForm1::calculation()
{
    const MainWindow main(sampleCatalogue, Language::English);
    main.type("30");
    main.click("Option1");
    main.click("Command1");
    auto *combo = main.control<QComboBox>("Combo1");
    const QString gap(24, u' ');
    QCOMPARE(itemsIn(main.window), (QStringList{"Intel Xeon E-2388G" + gap + "130%", "Intel Xeon Silver 4214R" + gap + "100%"}));
    QCOMPARE(combo->currentText(), "Intel Xeon E-2388G" + gap + "130%");
    QCOMPARE(main.text("Label15"), "30 terminals - server configuration information:");
    QCOMPARE(main.text("Label9"), "24 GB");
    QCOMPARE(main.text("Label10"), "300 GB");
    QCOMPARE(main.text("Label11"), "2000 GB");
    QCOMPARE(main.text("Label12"), "1000 Mbps");
    QCOMPARE(main.text("Label13"), "GT1030 2GB Or Integrated Graphics");
    QCOMPARE(main.text("Label19"), "Windows Server 2012 2016 2019 2022");
    for (const char *name : lockedControls)
        QVERIFY2(main.control<QWidget>(name)->isEnabled(), name);

    // A count with no processor strong enough empties the list and its text.
    main.control<QLineEdit>("txbNumber1")->clear();
    main.type("1000");
    main.click("Command1");
    QCOMPARE(combo->count(), 0);
    QCOMPARE(combo->currentText(), QString());
    QCOMPARE(main.text("Label9"), "504 GB");
}

void TestForm1::invalidCount_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("message");
    const QString chinese = QString::fromUtf8("请输入正确的终端数量！");
    const QString english = "Please enter the correct number of terminals!";
    QTest::newRow("empty, Chinese") << Language::Chinese << "" << chinese;
    QTest::newRow("0, Chinese") << Language::Chinese << "0" << chinese;
    QTest::newRow("empty, English") << Language::English << "" << english;
    QTest::newRow("0, English") << Language::English << "0" << english;
    QTest::newRow("pasted letters") << Language::English << "12a" << english;
    QTest::newRow("pasted full-width digits") << Language::English << QString::fromUtf8("１２") << english;
    QTest::newRow("beyond 32 bits") << Language::English << "3579135" << english;
}

void TestForm1::invalidCount()
{
    QFETCH(Language, language);
    QFETCH(QString, count);
    QFETCH(QString, message);
    const MainWindow main(sampleCatalogue, language);
    main.type("25");
    main.click("Command1");
    QStringList before;
    for (const char *name : resultLabels)
        before << main.text(name);
    const QString heading = main.text("Label15");
    const QStringList items = itemsIn(main.window);

    main.control<QLineEdit>("txbNumber1")->setText(count);
    MessageBoxCatcher catcher;
    main.click("Command1");
    QCOMPARE(catcher.boxes.size(), 1);
    QCOMPARE(catcher.boxes[0].title, "Quarvel v1.8.118");
    QCOMPARE(catcher.boxes[0].text, message);
    QCOMPARE(catcher.boxes[0].icon, QMessageBox::Information);
    QStringList after;
    for (const char *name : resultLabels)
        after << main.text(name);
    QCOMPARE(after, before);
    QCOMPARE(main.text("Label15"), heading);
    QCOMPARE(itemsIn(main.window), items);
    for (const char *name : lockedControls)
        QVERIFY2(main.control<QWidget>(name)->isEnabled(), name);
}

void TestForm1::closeRequestWhileAnotherWindowIsOpen_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("query window") << "Command2";
    QTest::newRow("VDI window") << "Command4";
}

void TestForm1::closeRequestWhileAnotherWindowIsOpen()
{
    // The window manager's close button still reaches the disabled main window: it does nothing then.
    QFETCH(QString, button);
    const MainWindow main(sampleCatalogue, Language::English);
    const QPointer<QWidget> opened = main.open(button.toLatin1().constData());
    // A close request as the window manager's arrives: spontaneous (sendEvent would make it look programmatic).
    const auto requestClose = [&] {
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        static_cast<QObject *>(main.window.data())->event(&close);
        return close.isAccepted();
    };
    QVERIFY(!requestClose());
    QVERIFY(opened && opened->isVisible());
    opened->close();
    QVERIFY(requestClose());
}

void TestForm1::headingKeepsTheCountInView_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<Language>("language");
    QTest::newRow("main window") << "Form1" << Language::English;
    QTest::newRow("VDI window") << "Form3" << Language::English;
    QTest::newRow("VDI window, Chinese") << "Form3" << Language::Chinese;
}

void TestForm1::headingKeepsTheCountInView()
{
    // A count of seven digits makes the headings wider than their labels at their designed sizes.
    QFETCH(QString, window);
    QFETCH(Language, language);
    const MainWindow main(sampleCatalogue, language);
    QPointer<QWidget> form = window == "Form1" ? main.window.data() : main.open("Command4");
    const auto closing = qScopeGuard([&] {
        if (form != main.window)
            delete form.data();
    });
    const QLabel *heading = in<QLabel>(form, window == "Form1" ? "Label15" : "Label2");
    const auto fits = [heading] {
        return QFontMetrics(heading->font()).horizontalAdvance(heading->text()) <= heading->contentsRect().width();
    };
    typeInto(form, "1000000");
    bool fitWhileBusy = false;
    atPump(1, [&] { fitWhileBusy = heading->text().startsWith("1000000") && fits(); });
    clickIn(form, "Command1");
    QVERIFY(fitWhileBusy);
    QVERIFY(heading->text().startsWith("1000000"));
    QVERIFY(fits());
}

void TestForm1::placement_data()
{
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("place");
    QTest::newRow("centred") << QSize(561, 578) << QRect(0, 0, 1024, 768) << QPoint(231, 95);
    QTest::newRow("taller than the screen") << QSize(561, 578) << QRect(0, 0, 640, 480) << QPoint(39, 0);
    QTest::newRow("below a top panel") << QSize(561, 578) << QRect(0, 32, 640, 448) << QPoint(39, 32);
    QTest::newRow("larger than the screen") << QSize(800, 600) << QRect(100, 0, 640, 480) << QPoint(100, 0);
    QTest::newRow("second screen") << QSize(561, 578) << QRect(1920, 0, 1024, 768) << QPoint(2151, 95);
}

void TestForm1::placement()
{
    QFETCH(QSize, frame);
    QFETCH(QRect, available);
    QFETCH(QPoint, place);
    QCOMPARE(WindowPlacement::centredIn(frame, available), place);
}

void TestForm1::lockedWhileReading()
{
    const MainWindow main(sampleCatalogue, Language::Chinese);
    main.type("7");
    QStringList locked;
    QStringList live;
    QString heading;
    QStringList values;
    atPump(1, [&] {
        for (const char *name : lockedControls) {
            if (!main.control<QWidget>(name)->isEnabled())
                locked << name;
        }
        for (const char *name : liveControls) {
            if (main.control<QWidget>(name)->isEnabled())
                live << name;
        }
        heading = main.text("Label15");
        for (const char *name : resultLabels)
            values << main.text(name);
    });
    main.click("Command1");
    QCOMPARE(locked.size(), 4);
    QCOMPARE(live.size(), 7);
    QCOMPARE(heading, QString::fromUtf8("7台终端 - 正在计算服务器配置信息..."));
    QCOMPARE(values, QStringList(6, QString()));
    QCOMPARE(main.text("Label15"), QString::fromUtf8("7台终端 - 服务器配置信息："));
    for (const char *name : lockedControls)
        QVERIFY2(main.control<QWidget>(name)->isEnabled(), name);
}

void TestForm1::vendorChangedWhileReading()
{
    const MainWindow main(TestCatalogue::lines({"Intel A,9000", "AMD B,9000", "Intel C,9000", "AMD D,9000"}),
                          Language::English);
    main.type("1");
    atPump(1, [&] { main.click("Option5"); });
    main.click("Command1");
    const QString gap(24, u' ');
    QCOMPARE(itemsIn(main.window),
             (QStringList{"Intel A" + gap + "236%", "AMD B" + gap + "236%", "AMD D" + gap + "236%"}));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
