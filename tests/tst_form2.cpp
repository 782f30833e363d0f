#include "eventpump.h"
#include "mainwindow.h"
#include "messageboxcatcher.h"
#include "module1.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QByteArray sampleCatalogue = TestCatalogue::lines({"Sample 1234,5000", "Sample 12345,3500", "Other 999,9000"});

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private slots:
    void init() { Module1::blnEnglish = false; }
    void opening_data();
    void opening();
    void closingEnablesTheMainWindow();
    void closingTheMainWindowUnloadsIt();
    void freshOnReopening();
    void typingFilter();
    void shortText();
    void answer();
    void lockedWhileReading();
    void everyLineMatches();
};

void TestForm2::opening_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("label1");
    QTest::addColumn<QString>("command1");
    QTest::newRow("Chinese") << Language::Chinese << QString::fromUtf8("请输入CPU型号(数字即可)") << QString::fromUtf8("查询");
    QTest::newRow("English") << Language::English << "Please enter the CPU model (Number)" << "Query";
}

void TestForm2::opening()
{
    QFETCH(Language, language);
    QFETCH(QString, label1);
    QFETCH(QString, command1);
    const MainWindow main(sampleCatalogue, language);
    QWidget *form2 = main.open("Command2");
    QVERIFY(form2);
    QVERIFY(!main.window->isEnabled());
    QVERIFY(main.window->isVisible());
    QCOMPARE(form2->windowTitle(), "Quarvel v1.8.118");
    QCOMPARE(form2->windowIcon().pixmap(32).toImage(), main.window->windowIcon().pixmap(32).toImage());
    QCOMPARE(in<QLabel>(form2, "Label1")->text(), label1);
    QCOMPARE(in<QPushButton>(form2, "Command1")->text(), command1);
    QCOMPARE(form2->size(), QSize(483, 418)); // 7245 x 6270 twips
    QCOMPARE(in<QPlainTextEdit>(form2, "Text2")->geometry(), QRect(0, 112, 465, 289));
    QCOMPARE(form2->focusWidget(), in<QWidget>(form2, "txbNumber1"));
    form2->close();
}

void TestForm2::closingEnablesTheMainWindow()
{
    const MainWindow main(sampleCatalogue, Language::English);
    QPointer<QWidget> form2 = main.open("Command2");
    form2->close();
    QVERIFY(main.window->isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form2.isNull());
}

void TestForm2::closingTheMainWindowUnloadsIt()
{
    MainWindow main(sampleCatalogue, Language::English);
    QPointer<QWidget> form2 = main.open("Command2");
    main.window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form2.isNull());
    QVERIFY(main.window.isNull());
}

void TestForm2::freshOnReopening()
{
    const MainWindow main(sampleCatalogue, Language::English);
    QWidget *form2 = main.open("Command2");
    typeInto(form2, "1234");
    clickIn(form2, "Command1");
    QVERIFY(!in<QPlainTextEdit>(form2, "Text2")->toPlainText().isEmpty());
    form2->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    form2 = main.open("Command2");
    QVERIFY(in<QLineEdit>(form2, "txbNumber1")->text().isEmpty());
    QVERIFY(in<QPlainTextEdit>(form2, "Text2")->toPlainText().isEmpty());
    form2->close();
}

void TestForm2::typingFilter()
{
    const MainWindow main(sampleCatalogue, Language::English);
    QWidget *form2 = main.open("Command2");
    typeInto(form2, "12a .-34");
    QTest::keyClick(in<QLineEdit>(form2, "txbNumber1"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(in<QLineEdit>(form2, "txbNumber1")->text(), "1234");
    form2->close();
}

void TestForm2::shortText()
{
    const MainWindow main(sampleCatalogue, Language::Chinese);
    QWidget *form2 = main.open("Command2");
    typeInto(form2, "1234");
    clickIn(form2, "Command1");
    const QString before = in<QPlainTextEdit>(form2, "Text2")->toPlainText();
    in<QLineEdit>(form2, "txbNumber1")->setText("123");
    MessageBoxCatcher catcher;
    clickIn(form2, "Command1");
    QCOMPARE(catcher.boxes.size(), 1);
    QCOMPARE(catcher.boxes[0].title, "Quarvel v1.8.118");
    QCOMPARE(catcher.boxes[0].text, QString::fromUtf8("输入的字符数量少于4个,请输入4个字符"));
    QCOMPARE(catcher.boxes[0].icon, QMessageBox::Information);
    QCOMPARE(in<QPlainTextEdit>(form2, "Text2")->toPlainText(), before);
    QVERIFY(in<QPushButton>(form2, "Command1")->isEnabled());
    QVERIFY(in<QLineEdit>(form2, "txbNumber1")->isEnabled());
    form2->close();
}

void TestForm2::answer()
{
    const MainWindow main(sampleCatalogue, Language::English);
    QWidget *form2 = main.open("Command2");
    typeInto(form2, "1234");
    clickIn(form2, "Command1");
    QCOMPARE(in<QPlainTextEdit>(form2, "Text2")->toPlainText(),
             "CPU model: Sample 12345\nCPU performance is too low!\n\nCPU model: Sample 1234\n"
             "Number of loadable terminals: 3\nServer memory minimum:8 GB\nServer SSD min:120 GB\n"
             "Server HDD min:500 GB\nServer NIC speed min:1000 Mbps\n\n");
    form2->close();
}

void TestForm2::lockedWhileReading()
{
    const MainWindow main(sampleCatalogue, Language::English);
    QWidget *form2 = main.open("Command2");
    typeInto(form2, "1234");
    bool locked = false;
    atPump(1, [&] {
        locked = !in<QPushButton>(form2, "Command1")->isEnabled() && !in<QLineEdit>(form2, "txbNumber1")->isEnabled();
    });
    clickIn(form2, "Command1");
    QVERIFY(locked);
    QVERIFY(in<QPushButton>(form2, "Command1")->isEnabled());
    QVERIFY(in<QLineEdit>(form2, "txbNumber1")->isEnabled());
    form2->close();
}

void TestForm2::everyLineMatches()
{
    QByteArray catalogue;
    for (int i = 0; i < 100000; ++i)
        catalogue += "Intel Xeon Model " + QByteArray::number(i) + ',' + QByteArray::number(3000 + i % 50000) + "\r\n";
    const MainWindow main(catalogue, Language::English);
    QWidget *form2 = main.open("Command2");
    in<QLineEdit>(form2, "txbNumber1")->setText("    ");
    EventPump::setInterval(EventPump::defaultInterval);
    QElapsedTimer clock;
    qint64 firstEvents = -1;
    atPump(1, [&] { firstEvents = clock.elapsed(); });
    clock.start();
    clickIn(form2, "Command1");
    qInfo("100000 matching lines: %lld ms, first events after %lld ms", clock.elapsed(), firstEvents);
    QVERIFY(firstEvents >= 0 && firstEvents < 1000); // the window kept processing its events
    auto *text = in<QPlainTextEdit>(form2, "Text2");
    QVERIFY(text->toPlainText().startsWith("CPU model: Intel Xeon Model 99999\n"));
    // 1600 scores below 3800 give three-line entries, the others seven lines each.
    QCOMPARE(text->document()->blockCount(), 1600 * 3 + 98400 * 7 + 1);
    QVERIFY(clock.elapsed() < 60000); // building the text by copying it over and over would take many minutes
    form2->close();
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
