#include "mainwindow.h"
#include "messageboxcatcher.h"
#include "module1.h"

#include <QComboBox>
#include <QScopeGuard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QByteArray sampleCatalogue = TestCatalogue::lines({"Intel 4210,17325", "AMD EPYC 7302,30000", "Generic 9000,90000",
                                                         "Intel Xeon Gold 6248,26000"});

} // namespace

class TestForm3 : public QObject
{
    Q_OBJECT

private slots:
    void init() { Module1::blnEnglish = false; }
    void opening_data();
    void opening();
    void calculation();
    void freshOnReopening();
    void tabOrder();
    void optionGroups_data();
    void optionGroups();
    void typingFilter();
    void invalidCount();
    void lockedWhileReading();
    void nestedInTheMainWindowsReading();
    void outlivesTheMainWindow();
};

void TestForm3::opening_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("texts"); // title, Label1, Option1-3, Command1, Label2, Label3, Label4, Label5
    QTest::newRow("Chinese") << Language::Chinese
                             << QString::fromUtf8("VDI服务器配置计算 v1.8.118|请输入终端数量：|轻型任务|中型任务|重型任务|"
                                                  "生成VDI服务器配置信息|服务器配置信息|CPU可选列表|其它硬件信息|"
                                                  "Dual表示双路CPU, Quad表示四路CPU, HDD为可选项")
                                    .split('|');
    QTest::newRow("English") << Language::English
                             << QString("VDI Server Configuration Calculation v1.8.118|Please Enter the number of terminals:|"
                                        "Light Duty|Medium Duty|Heavy Duty|Generate VDI server configuration information|"
                                        "Server Configuration Information|CPU Option List|Other Hardware Information|"
                                        "Dual means dual CPU, Quad means quad CPU, HDD is optional")
                                    .split('|');
}

void TestForm3::opening()
{
    QFETCH(Language, language);
    QFETCH(QStringList, texts);
    const MainWindow main(sampleCatalogue, language);
    QWidget *form3 = main.open("Command4");
    QVERIFY(form3);
    QVERIFY(!main.window->isEnabled());
    QCOMPARE(form3->windowIcon().pixmap(32).toImage(), main.window->windowIcon().pixmap(32).toImage());
    QStringList shown{form3->windowTitle()};
    for (const char *name : {"Label1", "Option1", "Option2", "Option3", "Command1", "Label2", "Label3", "Label4", "Label5"})
        shown << textIn(form3, name);
    QCOMPARE(shown, texts);
    QCOMPARE(textIn(form3, "Option4") + textIn(form3, "Option5") + textIn(form3, "Option6"), "IntelAMDIntel+AMD");
    QVERIFY(in<QRadioButton>(form3, "Option1")->isChecked());
    QVERIFY(in<QRadioButton>(form3, "Option4")->isChecked());
    QCOMPARE(form3->size(), QSize(553, 529)); // 8295 x 7935 twips
    QCOMPARE(form3->focusWidget(), in<QWidget>(form3, "txbNumber1"));
    form3->close();
    QVERIFY(main.window->isEnabled());
}

void TestForm3::calculation()
{
    const MainWindow main(sampleCatalogue, Language::English);
    QWidget *form3 = main.open("Command4");
    typeInto(form3, "10");
    clickIn(form3, "Option2");
    clickIn(form3, "Option6");
    clickIn(form3, "Command1");
    QCOMPARE(itemsIn(form3), (QStringList{"Intel 4210       115%", "AMD EPYC 7302       200%", "Intel Xeon Gold 6248       173%"}));
    QCOMPARE(in<QComboBox>(form3, "Combo1")->currentText(), "Intel 4210       115%");
    QCOMPARE(textIn(form3, "Label2"), "10 terminals - server configuration information:");
    QCOMPARE(textIn(form3, "Text2"), "Memory: 48 GB\nSSD: 420 GB\nHDD: 1000 GB\nNIC speed: 1000 Mbps");
    QVERIFY(in<QPushButton>(form3, "Command1")->isEnabled());
    QVERIFY(in<QLineEdit>(form3, "txbNumber1")->isEnabled());
    form3->close();
}

void TestForm3::freshOnReopening()
{
    const MainWindow main(sampleCatalogue, Language::English);
    QWidget *form3 = main.open("Command4");
    typeInto(form3, "10");
    clickIn(form3, "Option3");
    clickIn(form3, "Option5");
    clickIn(form3, "Command1");
    QCOMPARE(itemsIn(form3).size(), 1);
    form3->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    form3 = main.open("Command4");
    QVERIFY(in<QRadioButton>(form3, "Option1")->isChecked());
    QVERIFY(in<QRadioButton>(form3, "Option4")->isChecked());
    QVERIFY(textIn(form3, "txbNumber1").isEmpty());
    QVERIFY(textIn(form3, "Text2").isEmpty());
    QVERIFY(itemsIn(form3).isEmpty());
    QCOMPARE(textIn(form3, "Label2"), "Server Configuration Information");
    form3->close();
}

void TestForm3::tabOrder()
{
    const MainWindow main(sampleCatalogue, Language::English);
    const QPointer<QWidget> form3 = main.open("Command4");
    const auto closing = qScopeGuard([&] { delete form3.data(); });
    QVERIFY(QTest::qWaitForWindowActive(form3));
    clickIn(form3, "Option3");
    clickIn(form3, "Option5");
    in<QWidget>(form3, "txbNumber1")->setFocus();
    const QStringList forward{"Option3", "Option5", "Command1", "Text2", "Combo1", "txbNumber1"};
    QCOMPARE(focusWalk(form3, Qt::Key_Tab, Qt::NoModifier, 6), forward);
    const QStringList backward{"Combo1", "Text2", "Command1", "Option5", "Option3", "txbNumber1"};
    QCOMPARE(focusWalk(form3, Qt::Key_Backtab, Qt::ShiftModifier, 6), backward);
}

void TestForm3::optionGroups_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("selected");
    const QStringList designed{"Option1", "Option4"};
    QTest::newRow("mouse on the selected level") << "Option1" << "mouse" << designed;
    QTest::newRow("Space on the selected vendor") << "Option4" << "space" << designed;
    QTest::newRow("accessibility on the selected level") << "Option1" << "accessibility" << designed;
    QTest::newRow("Down to the next vendor") << "Option4" << "Down" << QStringList{"Option1", "Option5"};
    QTest::newRow("Right stays with the levels") << "Option1" << "Right" << designed;
    QTest::newRow("Left stays with the vendors") << "Option4" << "Left" << designed;
}

void TestForm3::optionGroups()
{
    QFETCH(QString, option);
    QFETCH(QString, how);
    QFETCH(QStringList, selected);
    const MainWindow main(sampleCatalogue, Language::English);
    const QPointer<QWidget> form3 = main.open("Command4");
    const auto closing = qScopeGuard([&] { delete form3.data(); });
    QVERIFY(QTest::qWaitForWindowActive(form3));
    checkOptionGroups(form3, option, how, selected);
}

void TestForm3::typingFilter()
{
    const MainWindow main(sampleCatalogue, Language::English);
    QWidget *form3 = main.open("Command4");
    typeInto(form3, "1a-.2 3");
    QTest::keyClick(in<QLineEdit>(form3, "txbNumber1"), Qt::Key_Backspace);
    QCOMPARE(textIn(form3, "txbNumber1"), "12");
    form3->close();
}

void TestForm3::invalidCount()
{
    const MainWindow main(sampleCatalogue, Language::Chinese);
    QWidget *form3 = main.open("Command4");
    typeInto(form3, "10");
    clickIn(form3, "Command1");
    const QStringList before{textIn(form3, "Label2"), textIn(form3, "Text2"), itemsIn(form3).join('|')};
    for (const QString &count : {QStringLiteral("0"), QString(), QStringLiteral("3221212x")}) {
        in<QLineEdit>(form3, "txbNumber1")->setText(count);
        MessageBoxCatcher catcher;
        clickIn(form3, "Command1");
        QCOMPARE(catcher.boxes.size(), 1);
        QCOMPARE(catcher.boxes[0].title, QString::fromUtf8("VDI服务器配置计算 v1.8.118"));
        QCOMPARE(catcher.boxes[0].text, QString::fromUtf8("请输入正确的终端数量！"));
        QCOMPARE((QStringList{textIn(form3, "Label2"), textIn(form3, "Text2"), itemsIn(form3).join('|')}), before);
        QVERIFY(in<QPushButton>(form3, "Command1")->isEnabled());
        QVERIFY(in<QLineEdit>(form3, "txbNumber1")->isEnabled());
    }
    form3->close();
}

void TestForm3::lockedWhileReading()
{
    const MainWindow main(sampleCatalogue, Language::English);
    QWidget *form3 = main.open("Command4");
    typeInto(form3, "10");
    QStringList enabled;
    atPump(1, [&] {
        for (const char *name : {"Command1", "txbNumber1", "Option1", "Option3", "Option5", "Option6"}) {
            if (in<QWidget>(form3, name)->isEnabled())
                enabled << name;
        }
    });
    clickIn(form3, "Command1");
    QCOMPARE(enabled, (QStringList{"Option1", "Option3", "Option5", "Option6"}));
    QVERIFY(in<QWidget>(form3, "Command1")->isEnabled() && in<QWidget>(form3, "txbNumber1")->isEnabled());
    form3->close();
}

void TestForm3::nestedInTheMainWindowsReading()
{
    // The VDI button stays live while the main window reads the catalogue: a whole VDI calculation runs inside
    // that reading, and both see the whole catalogue.
    const MainWindow main(sampleCatalogue, Language::English);
    main.type("1");
    main.click("Option6");
    QStringList vdiItems;
    QString vdiText;
    atPump(2, [&] {
        QWidget *form3 = main.open("Command4");
        typeInto(form3, "10");
        clickIn(form3, "Option6");
        clickIn(form3, "Command1");
        vdiItems = itemsIn(form3);
        vdiText = textIn(form3, "Text2");
    });
    main.click("Command1");
    QCOMPARE(vdiItems.size(), 3);
    QCOMPARE(vdiText, "Memory: 24 GB\nSSD: 420 GB\nHDD: 1000 GB\nNIC speed: 1000 Mbps");
    auto *combo = main.control<QComboBox>("Combo1");
    QCOMPARE(combo->count(), 4);
    QCOMPARE(main.text("Label9"), "8 GB");
    QVERIFY(!main.window->isEnabled()); // the calculation's end does not enable the window again
    QVERIFY(main.control<QWidget>("Command1")->isEnabledTo(main.window));
    MainWindow::openedWindow("Form3")->close();
    QVERIFY(main.window->isEnabled());
}

void TestForm3::outlivesTheMainWindow()
{
    MainWindow main(sampleCatalogue, Language::English);
    QPointer<QWidget> form3 = main.open("Command4");
    main.window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main.window.isNull());
    QVERIFY(form3 && form3->isVisible());
    form3->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form3.isNull());
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
