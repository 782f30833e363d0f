// Windows closed in the middle of their readings, windows opened inside other windows' readings, and many
// openings: no crash, no access to a closed window, no window left behind.

#include "eventpump.h"
#include "faultydisk.h"
#include "mainwindow.h"
#include "messageboxcatcher.h"
#include "module1.h"

#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTimer>

namespace {

constexpr int catalogueLines = 9;

QByteArray nineProcessors()
{
    QByteArray content;
    for (int i = 1; i <= catalogueLines; ++i)
        content += "Intel Xeon " + QByteArray::number(1000 + i) + ",90000\r\n";
    return content;
}

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestRobustness : public QObject
{
    Q_OBJECT

private slots:
    void init() { Module1::blnEnglish = true; }
    void closedDuringReading_data();
    void closedDuringReading();
    void readFailureKeepsTheEarlierAnswer_data();
    void readFailureKeepsTheEarlierAnswer();
    void vdiWindowOpenedAndClosedDuringTheMainReading();
    void mainWindowClosedDuringTheQuery();
    void openingAndClosingLeavesNothing();
    void responsiveWithAMillionLines();
};

void TestRobustness::closedDuringReading_data()
{
    QTest::addColumn<QString>("window"); // the main window itself, or the window its button opens
    QTest::addColumn<int>("pump");
    for (const char *window : {"Form1", "Form2", "Form3"}) {
        QTest::addRow("%s, first record", window) << window << 1;
        QTest::addRow("%s, a middle record", window) << window << catalogueLines / 2;
        QTest::addRow("%s, last record", window) << window << catalogueLines;
    }
}

void TestRobustness::closedDuringReading()
{
    QFETCH(QString, window);
    QFETCH(int, pump);
    MainWindow main(nineProcessors(), Language::English);
    QPointer<QWidget> form = main.window.data();
    if (window == "Form2")
        form = main.open("Command2");
    else if (window == "Form3")
        form = main.open("Command4");
    typeInto(form, window == "Form2" ? "Xeon" : "1");
    bool closedWhileLocked = false;
    atPump(pump, [&] {
        closedWhileLocked = !form->findChild<QLineEdit *>("txbNumber1")->isEnabled();
        form->close();
    });
    clickIn(form, "Command1");
    QVERIFY(closedWhileLocked);
    deleteClosedWindows();
    QVERIFY(form.isNull());
    if (window != "Form1")
        QVERIFY(main.window->isEnabled());
}

void TestRobustness::readFailureKeepsTheEarlierAnswer_data()
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

void TestRobustness::readFailureKeepsTheEarlierAnswer()
{
    // The disk fails part-way through the second reading: the window says so and keeps the first answer.
    QFETCH(QString, window);
    QFETCH(Language, language);
    QFETCH(QString, message);
    QByteArray content;
    for (int i = 0; content.size() < 300000; ++i)
        content += "Intel Xeon " + QByteArray::number(1000 + i % 5000) + ',' + QByteArray::number(20000 + i) + "\r\n";
    MainWindow main(content, language);
    QPointer<QWidget> form = main.window.data();
    if (window != "Form1")
        form = main.open(window == "Form2" ? "Command2" : "Command4");
    const auto closing = qScopeGuard([&] {
        if (form != main.window)
            delete form.data();
    });
    typeInto(form, window == "Form2" ? "Xeon 1234" : "30");
    clickIn(form, "Command1");
    const QStringList answer = resultsShown(form);
    QVERIFY(answer.join("").contains(window == "Form2" ? "Xeon 1234" : "30"));

    typeInto(form, "1");
    MessageBoxCatcher catcher;
    {
        const FaultyDisk disk(main.catalogue.path(), 100000);
        clickIn(form, "Command1");
    }
    QCOMPARE(catcher.boxes.size(), 1);
    QCOMPARE(catcher.boxes[0].text, message);
    QCOMPARE(catcher.boxes[0].title, form->windowTitle());
    QCOMPARE(resultsShown(form), answer);
    QVERIFY(in<QWidget>(form, "Command1")->isEnabled() && in<QWidget>(form, "txbNumber1")->isEnabled());
}

void TestRobustness::vdiWindowOpenedAndClosedDuringTheMainReading()
{
    MainWindow main(nineProcessors(), Language::English);
    main.type("1");
    QPointer<QWidget> form3;
    atPump(2, [&] { form3 = main.open("Command4"); });
    atPump(5, [&] { form3->close(); });
    main.click("Command1");
    deleteClosedWindows();
    QVERIFY(form3.isNull());
    QVERIFY(main.window->isEnabled());
    QCOMPARE(main.control<QComboBox>("Combo1")->count(), catalogueLines);
    QCOMPARE(main.text("Label9"), "8 GB");
}

void TestRobustness::mainWindowClosedDuringTheQuery()
{
    MainWindow main(nineProcessors(), Language::English);
    QPointer<QWidget> form2 = main.open("Command2");
    typeInto(form2, "Xeon");
    atPump(3, [&] { main.window->close(); });
    clickIn(form2, "Command1");
    deleteClosedWindows();
    QVERIFY(form2.isNull());
    QVERIFY(main.window.isNull());
}

void TestRobustness::openingAndClosingLeavesNothing()
{
    MainWindow main(nineProcessors(), Language::English);
    deleteClosedWindows();
    const qsizetype before = QApplication::topLevelWidgets().size();
    for (int cycle = 0; cycle < 20; ++cycle) {
        for (const char *button : {"Command2", "Command4"}) {
            QWidget *opened = main.open(button);
            typeInto(opened, "1234");
            clickIn(opened, "Command1");
            opened->close();
            deleteClosedWindows();
        }
    }
    QCOMPARE(QApplication::topLevelWidgets().size(), before);
    QVERIFY(main.window->isEnabled());
}

void TestRobustness::responsiveWithAMillionLines()
{
    // A million processors: the window keeps processing its events all through the reading, and its list
    // opens at once.
    QByteArray content;
    content.reserve(30'000'000);
    for (int i = 0; i < 1000000; ++i)
        content += "Intel Xeon Model " + QByteArray::number(i) + ",90000\r\n";
    MainWindow main(content, Language::English);
    content.clear();
    main.type("30");
    EventPump::setInterval(EventPump::defaultInterval);
    int ticksWhileReading = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (!main.control<QWidget>("Command1")->isEnabled())
            ++ticksWhileReading;
    });
    ticker.start(0);
    QElapsedTimer clock;
    clock.start();
    main.click("Command1");
    qInfo("a million lines: %lld ms, events processed %d times during the reading", clock.elapsed(), ticksWhileReading);
    QVERIFY(ticksWhileReading >= 2);
    QCOMPARE(main.text("Label9"), "40 GB");
    auto *list = main.control<QComboBox>("Combo1");
    QCOMPARE(list->count(), 1000000);
    clock.restart();
    list->showPopup();
    QVERIFY(list->view()->isVisible());
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    list->hidePopup();
}

QTEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
