#include "rdpcalculation.h"
#include "rdpsizing.h"
#include "testcatalogue.h"

#include <QTest>

Q_DECLARE_METATYPE(TaskLevel)
Q_DECLARE_METATYPE(Vendor)

namespace {

struct Run {
    RdpCalculation::Outcome outcome;
    QString busyHeading;
    QStringList candidates;
};

Run calculate(const QString &count, TaskLevel level, Vendor vendor, const QString &catalogue,
              Language language = Language::English)
{
    Run run{};
    RdpCalculation::Progress progress;
    progress.started = [&](const QString &heading) { run.busyHeading = heading; };
    progress.candidate = [&](const QString &entry) { run.candidates << entry; };
    run.outcome = RdpCalculation::calculate({count, [=] { return level; }, [=] { return vendor; }, catalogue, language},
                                            progress);
    return run;
}

QString entry(const char *model, int gap, const char *percentage)
{
    return QString::fromUtf8(model) + QString(gap, u' ') + QString::fromUtf8(percentage);
}

} // namespace

class TestRdp : public QObject
{
    Q_OBJECT

private slots:
    void workedValues_data();
    void workedValues();
    void typicalRequest();
    void chineseTexts();
    void percentages_data();
    void percentages();
    void vendors_data();
    void vendors();
    void catalogueOrderKept();
    void higherCountListsFewer();
    void countLimits_data();
    void countLimits();
    void invalidCountTouchesNothing();
    void optionsReadWhenNeeded();
    void missingCatalogue();
};

void TestRdp::workedValues_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<TaskLevel>("level");
    QTest::addColumn<int>("required");
    QTest::addColumn<QString>("memory");
    QTest::addColumn<QString>("ssd");
    QTest::addColumn<QString>("hdd");
    QTest::addColumn<QString>("network");
    QTest::addColumn<QString>("system");

    const QString desktop = "Windows 7 10 Or Server 2012 2016";
    const QString server = "Windows Server 2012 2016 2019 2022";
    const auto L = TaskLevel::Light;
    const auto M = TaskLevel::Medium;
    const auto H = TaskLevel::Heavy;
    QTest::newRow("00 light") << "00" << L << 3200 << "8 GB" << "120 GB" << "500 GB" << "100 Mbps" << desktop;
    QTest::newRow("00 heavy") << "00" << H << 3200 << "8 GB" << "120 GB" << "500 GB" << "100 Mbps" << desktop;
    QTest::newRow("1 medium") << "1" << M << 3800 << "8 GB" << "120 GB" << "500 GB" << "100 Mbps" << desktop;
    QTest::newRow("2 heavy") << "2" << H << 4600 << "8 GB" << "120 GB" << "500 GB" << "200 Mbps" << desktop;
    QTest::newRow("3 light") << "3" << L << 4700 << "8 GB" << "120 GB" << "500 GB" << "100 Mbps" << desktop;
    QTest::newRow("4 light") << "4" << L << 5200 << "8 GB" << "120 GB" << "500 GB" << "1000 Mbps" << desktop;
    QTest::newRow("5 light truncates half a GB") << "5" << L << 5700 << "8 GB" << "120 GB" << "500 GB" << "1000 Mbps" << desktop;
    QTest::newRow("007 medium") << "007" << M << 7400 << "16 GB" << "180 GB" << "500 GB" << "1000 Mbps" << desktop;
    QTest::newRow("10 medium") << "10" << M << 9200 << "16 GB" << "180 GB" << "1000 GB" << "1000 Mbps" << desktop;
    QTest::newRow("14 medium") << "14" << M << 11600 << "24 GB" << "180 GB" << "1000 GB" << "1000 Mbps" << desktop;
    QTest::newRow("15 medium") << "15" << M << 12200 << "24 GB" << "240 GB" << "1000 GB" << "1000 Mbps" << server;
    QTest::newRow("20 heavy") << "20" << H << 17200 << "40 GB" << "240 GB" << "1500 GB" << "2000 Mbps" << server;
    QTest::newRow("25 medium") << "25" << M << 18200 << "32 GB" << "300 GB" << "1500 GB" << "2000 Mbps" << server;
    QTest::newRow("30 light") << "30" << L << 18200 << "24 GB" << "300 GB" << "2000 GB" << "1000 Mbps" << server;
    QTest::newRow("100 heavy") << "100" << H << 73200 << "160 GB" << "840 GB" << "5500 GB" << "6000 Mbps" << server;
}

void TestRdp::workedValues()
{
    QFETCH(QString, count);
    QFETCH(TaskLevel, level);
    QFETCH(int, required);
    QFETCH(QString, memory);
    QFETCH(QString, ssd);
    QFETCH(QString, hdd);
    QFETCH(QString, network);
    QFETCH(QString, system);

    // The required score shows in the list: a processor of exactly that score is listed with 100%, one
    // point less is not.
    const TestCatalogue catalogue(QStringLiteral("Intel below,%1\r\nIntel equal,%2\r\n").arg(required - 1).arg(required).toLatin1());
    const Run run = calculate(count, level, Vendor::Intel, catalogue.path());
    QCOMPARE(run.outcome.status, RdpCalculation::Status::Done);
    QCOMPARE(run.candidates, QStringList{entry("Intel equal", 24, "100%")});
    const RdpCalculation::Result &result = run.outcome.result;
    QCOMPARE(result.memory, memory);
    QCOMPARE(result.ssd, ssd);
    QCOMPARE(result.hdd, hdd);
    QCOMPARE(result.network, network);
    QCOMPARE(result.system, system);
    QCOMPARE(result.graphics, "GT1030 2GB Or Integrated Graphics");
    QCOMPARE(result.heading, count + " terminals - server configuration information:");
    QCOMPARE(run.busyHeading, count + " terminals - Calculating Server Configuration Information...");
}

void TestRdp::typicalRequest()
{
    // 30 terminals, light tasks, Intel: the required score is 30 x 500 + 3200 = 18200.
    const TestCatalogue catalogue(TestCatalogue::lines({"AMD EPYC 7302,25000", "Intel Xeon E-2388G,23761",
                                                        "Intel Xeon Silver 4214R,18200", "Intel Core i5-10400,12000",
                                                        "Intel Xeon Gold 6248R Dual,61304"}));
    const Run run = calculate("30", TaskLevel::Light, Vendor::Intel, catalogue.path());
    QCOMPARE(run.candidates, (QStringList{entry("Intel Xeon E-2388G", 24, "130%"), entry("Intel Xeon Silver 4214R", 24, "100%"),
                                          entry("Intel Xeon Gold 6248R Dual", 24, "336%")}));
    QCOMPARE(run.outcome.result.memory, "24 GB");
    QCOMPARE(run.outcome.result.ssd, "300 GB");
    QCOMPARE(run.outcome.result.hdd, "2000 GB");
    QCOMPARE(run.outcome.result.network, "1000 Mbps");
    QCOMPARE(run.outcome.result.system, "Windows Server 2012 2016 2019 2022");
}

void TestRdp::chineseTexts()
{
    const TestCatalogue catalogue("");
    Run run = calculate("007", TaskLevel::Medium, Vendor::Intel, catalogue.path(), Language::Chinese);
    QCOMPARE(run.busyHeading, QString::fromUtf8("007台终端 - 正在计算服务器配置信息..."));
    QCOMPARE(run.outcome.result.heading, QString::fromUtf8("007台终端 - 服务器配置信息："));
    QCOMPARE(run.outcome.result.graphics, QString::fromUtf8("GT1030 2GB 或 集成显卡"));
    QCOMPARE(run.outcome.result.system, QString::fromUtf8("Windows 7 10 或者 Server 2012 2016"));
    run = calculate("15", TaskLevel::Medium, Vendor::Intel, catalogue.path(), Language::Chinese);
    QCOMPARE(run.outcome.result.system, "Windows Server 2012 2016 2019 2022");
}

void TestRdp::percentages_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QByteArray>("score");
    QTest::addColumn<QString>("shown"); // empty: not listed

    QTest::newRow("4370 of 3800 is just under 115") << "1" << QByteArray("4370") << "114%";
    QTest::newRow("4294 of 3800 is just under 113") << "1" << QByteArray("4294") << "112%";
    QTest::newRow("5700 of 3800") << "1" << QByteArray("5700") << "150%";
    QTest::newRow("equal") << "1" << QByteArray("3800") << "100%";
    QTest::newRow("one below") << "1" << QByteArray("3799") << "";
    QTest::newRow("fraction below is truncated") << "10" << QByteArray("9199.9") << "";
    QTest::newRow("fraction above is truncated") << "10" << QByteArray("9200.9") << "100%";
    QTest::newRow("10580 of 9200 is just under 115") << "10" << QByteArray("10580") << "114%";
    QTest::newRow("20930 of 18200 is just under 115") << "25" << QByteArray("20930") << "114%";
    QTest::newRow("beyond 32 bits, still plain digits") << "1" << QByteArray("1000000000000") << "26315789473%";
    QTest::newRow("negative zero") << "1" << QByteArray("-0") << "";
}

void TestRdp::percentages()
{
    QFETCH(QString, count);
    QFETCH(QByteArray, score);
    QFETCH(QString, shown);
    const TestCatalogue catalogue("Intel X," + score + "\r\n");
    const Run run = calculate(count, TaskLevel::Medium, Vendor::Intel, catalogue.path());
    QCOMPARE(run.candidates, shown.isEmpty() ? QStringList{} : QStringList{entry("Intel X", 24, shown.toUtf8())});
}

void TestRdp::vendors_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<Vendor>("vendor");
    QTest::addColumn<QString>("shown"); // empty: not listed

    QTest::newRow("Intel chosen, Intel line") << QByteArray("Intel Xeon") << Vendor::Intel << entry("Intel Xeon", 24, "100%");
    QTest::newRow("Intel chosen, AMD line") << QByteArray("AMD EPYC") << Vendor::Intel << "";
    QTest::newRow("Intel chosen, lower case") << QByteArray("intel Xeon") << Vendor::Intel << "";
    QTest::newRow("AMD chosen, AMD line") << QByteArray("AMD EPYC") << Vendor::Amd << entry("AMD EPYC", 24, "100%");
    QTest::newRow("AMD chosen, Intel line") << QByteArray("Intel Xeon") << Vendor::Amd << "";
    QTest::newRow("AMD chosen, lower case") << QByteArray("Amd EPYC") << Vendor::Amd << "";
    QTest::newRow("AMD chosen, blanks around") << QByteArray("  AMD EPYC 7302  ") << Vendor::Amd
                                               << entry("AMD EPYC 7302", 24, "100%");
    QTest::newRow("vendor word anywhere") << QByteArray("Server with Intel inside") << Vendor::Intel
                                          << entry("Server with Intel inside", 24, "100%");
    QTest::newRow("both, Intel line") << QByteArray("Intel Xeon") << Vendor::Both << entry("Intel Xeon", 28, "100%");
    QTest::newRow("both, AMD line") << QByteArray("AMD EPYC") << Vendor::Both << entry("AMD EPYC", 28, "100%");
    QTest::newRow("both, neither word") << QByteArray("Generic 9000") << Vendor::Both << entry("Generic 9000", 28, "100%");
    QTest::newRow("Intel chosen, neither word") << QByteArray("Generic 9000") << Vendor::Intel << "";
    QTest::newRow("Chinese model text") << TestCatalogue::inSystemEncoding("英特尔 Intel 至强") << Vendor::Intel
                                        << entry("英特尔 Intel 至强", 24, "100%");
    QTest::newRow("Chinese model text, other vendor") << TestCatalogue::inSystemEncoding("英特尔 至强") << Vendor::Intel << "";
    QTest::newRow("tab is not trimmed") << QByteArray("\tIntel Xeon ") << Vendor::Intel << entry("\tIntel Xeon", 24, "100%");
}

void TestRdp::vendors()
{
    QFETCH(QByteArray, model);
    QFETCH(Vendor, vendor);
    QFETCH(QString, shown);
    const TestCatalogue catalogue(model + ",3800\r\n");
    const Run run = calculate("1", TaskLevel::Medium, vendor, catalogue.path());
    QCOMPARE(run.candidates, shown.isEmpty() ? QStringList{} : QStringList{shown});
}

void TestRdp::catalogueOrderKept()
{
    const TestCatalogue catalogue(TestCatalogue::lines({"Intel C,9000", "Intel A,4000", "AMD B,8000", "Intel B,3800"}));
    const Run run = calculate("1", TaskLevel::Medium, Vendor::Both, catalogue.path());
    QCOMPARE(run.candidates, (QStringList{entry("Intel C", 28, "236%"), entry("Intel A", 28, "105%"),
                                          entry("AMD B", 28, "210%"), entry("Intel B", 28, "100%")}));
}

void TestRdp::higherCountListsFewer()
{
    const TestCatalogue catalogue(TestCatalogue::lines({"Intel A,9000", "Intel B,12000", "Intel C,20000"}));
    const Run ten = calculate("10", TaskLevel::Medium, Vendor::Intel, catalogue.path());
    const Run fifteen = calculate("15", TaskLevel::Medium, Vendor::Intel, catalogue.path());
    QCOMPARE(ten.candidates, (QStringList{entry("Intel B", 24, "130%"), entry("Intel C", 24, "217%")}));
    QCOMPARE(fifteen.candidates, QStringList{entry("Intel C", 24, "163%")});
}

void TestRdp::countLimits_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<TaskLevel>("level");
    QTest::addColumn<bool>("valid");

    // The required score is the first value to leave 32 bits.
    QTest::newRow("light, last") << "4294960" << TaskLevel::Light << true;
    QTest::newRow("light, first beyond") << "4294961" << TaskLevel::Light << false;
    QTest::newRow("medium, last") << "3579134" << TaskLevel::Medium << true;
    QTest::newRow("medium, first beyond") << "3579135" << TaskLevel::Medium << false;
    QTest::newRow("heavy, last") << "3067829" << TaskLevel::Heavy << true;
    QTest::newRow("heavy, first beyond") << "3067830" << TaskLevel::Heavy << false;
    QTest::newRow("twenty digits") << "99999999999999999999" << TaskLevel::Light << false;
}

void TestRdp::countLimits()
{
    QFETCH(QString, count);
    QFETCH(TaskLevel, level);
    QFETCH(bool, valid);
    QCOMPARE(RdpSizing::validCount(count, level).has_value(), valid);
    const TestCatalogue catalogue("");
    const Run run = calculate(count, level, Vendor::Intel, catalogue.path());
    QCOMPARE(run.outcome.status, valid ? RdpCalculation::Status::Done : RdpCalculation::Status::InvalidCount);
}

void TestRdp::invalidCountTouchesNothing()
{
    const TestCatalogue catalogue("Intel X,5000\r\n");
    for (const QString &count : {QString(), QStringLiteral("0"), QStringLiteral("12a"), QStringLiteral(" 5")}) {
        bool pumped = false;
        RdpCalculation::Progress progress;
        progress.started = [](const QString &) { QFAIL("started"); };
        progress.candidate = [](const QString &) { QFAIL("candidate"); };
        progress.pump = [&] { return pumped = true; };
        const auto outcome = RdpCalculation::calculate(
            {count, [] { return TaskLevel::Medium; }, [] { return Vendor::Intel; }, catalogue.path(), Language::English},
            progress);
        QCOMPARE(outcome.status, RdpCalculation::Status::InvalidCount);
        QVERIFY(!pumped);
    }
}

void TestRdp::optionsReadWhenNeeded()
{
    // The level chosen while the catalogue is read governs the minimums but not the required score; the
    // vendor chosen applies to the records read after the change.
    const TestCatalogue catalogue(TestCatalogue::lines({"Intel A,16000", "AMD B,16000", "Intel C,16000", "AMD D,16000"}));
    TaskLevel level = TaskLevel::Medium;
    Vendor vendor = Vendor::Intel;
    QStringList candidates;
    int pumps = 0;
    RdpCalculation::Progress progress;
    progress.candidate = [&](const QString &entry) { candidates << entry; };
    progress.pump = [&] {
        if (++pumps == 1) {
            level = TaskLevel::Heavy;
            vendor = Vendor::Amd;
        }
        return true;
    };
    const auto outcome = RdpCalculation::calculate(
        {"20", [&] { return level; }, [&] { return vendor; }, catalogue.path(), Language::English}, progress);
    // Medium: required score 15200 (heavy would need 17200, which 16000 misses).
    QCOMPARE(candidates, (QStringList{entry("Intel A", 24, "105%"), entry("AMD B", 24, "105%"), entry("AMD D", 24, "105%")}));
    // Heavy: memory base 32 and network base 1000 (medium would give 24 GB and 1000 Mbps).
    QCOMPARE(outcome.result.memory, "40 GB");
    QCOMPARE(outcome.result.network, "2000 Mbps");
}

void TestRdp::missingCatalogue()
{
    const Run run = calculate("30", TaskLevel::Light, Vendor::Intel, QStringLiteral("/nonexistent/data.dll"));
    QCOMPARE(run.outcome.status, RdpCalculation::Status::Done);
    QVERIFY(run.candidates.isEmpty());
    QCOMPARE(run.outcome.result.memory, "24 GB");
    QCOMPARE(run.outcome.result.system, "Windows Server 2012 2016 2019 2022");
}

QTEST_APPLESS_MAIN(TestRdp)
#include "tst_rdp.moc"
