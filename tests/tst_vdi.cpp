#include "testcatalogue.h"
#include "vdisizing.h"

#include <QTest>

Q_DECLARE_METATYPE(TaskLevel)
Q_DECLARE_METATYPE(Vendor)

namespace {

struct Run {
    VdiSizing::Outcome outcome;
    QString busyHeading;
    QStringList candidates;
};

Run calculate(const QString &count, TaskLevel level, Vendor vendor, const QString &catalogue,
              Language language = Language::English)
{
    Run run{};
    VdiSizing::Progress progress;
    progress.started = [&](const QString &heading) { run.busyHeading = heading; };
    progress.candidate = [&](const QString &entry) { run.candidates << entry; };
    run.outcome = VdiSizing::calculate({count, [=] { return level; }, [=] { return vendor; }, catalogue, language}, progress);
    return run;
}

QString entry(const char *model, const char *percentage)
{
    return QString::fromUtf8(model) + "       " + QString::fromUtf8(percentage);
}

} // namespace

class TestVdi : public QObject
{
    Q_OBJECT

private slots:
    void workedResults_data();
    void workedResults();
    void texts();
    void entries_data();
    void entries();
    void countLimits_data();
    void countLimits();
    void optionsReadWhenNeeded();
    void invalidCountAndMissingCatalogue();
};

void TestVdi::workedResults_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<TaskLevel>("level");
    QTest::addColumn<QList<int>>("values"); // required score, memory, SSD, HDD, NIC

    const struct {
        const char *count;
        QList<int> light, medium, heavy;
    } table[] = {
        {"00", {9166, 8, 120, 500, 100}, {9166, 8, 120, 500, 100}, {9166, 8, 120, 500, 100}},
        {"1", {9666, 8, 120, 500, 100}, {9750, 8, 120, 500, 100}, {9833, 16, 120, 500, 100}},
        {"2", {10166, 8, 180, 500, 100}, {10333, 16, 180, 500, 100}, {10500, 24, 180, 500, 200}},
        {"3", {10666, 8, 180, 500, 100}, {10916, 16, 180, 500, 1000}, {11166, 32, 180, 500, 1000}},
        {"10", {14166, 24, 420, 1000, 1000}, {15000, 48, 420, 1000, 1000}, {15833, 96, 420, 1000, 1000}},
        {"17", {17666, 48, 600, 1000, 1000}, {19083, 88, 600, 1000, 1000}, {20500, 168, 600, 1000, 1000}},
        {"20", {19166, 48, 720, 1500, 1000}, {20833, 96, 720, 1500, 1000}, {22500, 192, 720, 1500, 2000}},
        {"100", {59166, 240, 3120, 5500, 4000}, {67500, 472, 3120, 5500, 5000}, {75833, 944, 3120, 5500, 6000}},
    };
    for (const auto &row : table) {
        QTest::addRow("%s light", row.count) << row.count << TaskLevel::Light << row.light;
        QTest::addRow("%s medium", row.count) << row.count << TaskLevel::Medium << row.medium;
        QTest::addRow("%s heavy", row.count) << row.count << TaskLevel::Heavy << row.heavy;
    }
}

void TestVdi::workedResults()
{
    QFETCH(QString, count);
    QFETCH(TaskLevel, level);
    QFETCH(QList<int>, values);
    const int required = values[0];
    const TestCatalogue catalogue(QStringLiteral("Intel below,%1\r\nIntel equal,%2\r\n").arg(required - 1).arg(required).toLatin1());
    const Run run = calculate(count, level, Vendor::Intel, catalogue.path());
    QCOMPARE(run.outcome.status, VdiSizing::Status::Done);
    QCOMPARE(run.outcome.result.requiredScore, required);
    QCOMPARE(run.candidates, QStringList{entry("Intel equal", "100%")});
    const ServerMinimums &hardware = run.outcome.result.hardware;
    QCOMPARE((QList<int>{hardware.memory, hardware.ssd, hardware.hdd, hardware.network}), values.mid(1));
}

void TestVdi::texts()
{
    const TestCatalogue catalogue("");
    Run run = calculate("10", TaskLevel::Light, Vendor::Intel, catalogue.path());
    QCOMPARE(run.busyHeading, "10 terminals - Calculating Server Configuration Information...");
    QCOMPARE(run.outcome.result.heading, "10 terminals - server configuration information:");
    QCOMPARE(run.outcome.result.text, "Memory: 24 GB\r\nSSD: 420 GB\r\nHDD: 1000 GB\r\nNIC speed: 1000 Mbps");
    run = calculate("007", TaskLevel::Light, Vendor::Intel, catalogue.path(), Language::Chinese);
    QCOMPARE(run.busyHeading, QString::fromUtf8("007台终端 - 正在计算服务器配置信息..."));
    QCOMPARE(run.outcome.result.heading, QString::fromUtf8("007台终端 - 服务器配置信息："));
    QCOMPARE(run.outcome.result.text,
             QString::fromUtf8("内存：24 GB\r\nSSD：300 GB\r\nHDD：500 GB\r\n网卡速度：1000 Mbps"));
}

void TestVdi::entries_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<Vendor>("vendor");
    QTest::addColumn<QString>("shown"); // empty: not listed

    // Ten terminals, medium tasks: required score 15000.
    QTest::newRow("115.5% truncates") << QByteArray("Intel 4210,17325") << Vendor::Intel << entry("Intel 4210", "115%");
    QTest::newRow("equal") << QByteArray("Intel X,15000") << Vendor::Intel << entry("Intel X", "100%");
    QTest::newRow("fraction truncated below") << QByteArray("Intel X,14999.9") << Vendor::Intel << "";
    QTest::newRow("AMD") << QByteArray("  AMD EPYC 7302  ,30000") << Vendor::Amd << entry("AMD EPYC 7302", "200%");
    QTest::newRow("AMD in lower case") << QByteArray("amd EPYC,30000") << Vendor::Amd << "";
    QTest::newRow("both, Intel") << QByteArray("Intel X,30000") << Vendor::Both << entry("Intel X", "200%");
    QTest::newRow("both, AMD") << QByteArray("AMD Y,30000") << Vendor::Both << entry("AMD Y", "200%");
    QTest::newRow("both, neither word") << QByteArray("Generic 9000,90000") << Vendor::Both << "";
    QTest::newRow("Intel, AMD line") << QByteArray("AMD Y,30000") << Vendor::Intel << "";
    QTest::newRow("beyond 32 bits") << QByteArray("Intel X,1e12") << Vendor::Intel << entry("Intel X", "6666666666%");
}

void TestVdi::entries()
{
    QFETCH(QByteArray, line);
    QFETCH(Vendor, vendor);
    QFETCH(QString, shown);
    const TestCatalogue catalogue(line + "\r\n");
    const Run run = calculate("10", TaskLevel::Medium, vendor, catalogue.path());
    QCOMPARE(run.candidates, shown.isEmpty() ? QStringList{} : QStringList{shown});
}

void TestVdi::countLimits_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<TaskLevel>("level");
    QTest::addColumn<bool>("valid");

    QTest::newRow("light, last") << "4294948" << TaskLevel::Light << true;
    QTest::newRow("light, first beyond") << "4294949" << TaskLevel::Light << false;
    QTest::newRow("medium, last") << "3681384" << TaskLevel::Medium << true;
    QTest::newRow("medium, first beyond") << "3681385" << TaskLevel::Medium << false;
    QTest::newRow("heavy, last") << "3221211" << TaskLevel::Heavy << true;
    QTest::newRow("heavy, first beyond") << "3221212" << TaskLevel::Heavy << false;
}

void TestVdi::countLimits()
{
    QFETCH(QString, count);
    QFETCH(TaskLevel, level);
    QFETCH(bool, valid);
    const TestCatalogue catalogue("");
    QCOMPARE(calculate(count, level, Vendor::Intel, catalogue.path()).outcome.status,
             valid ? VdiSizing::Status::Done : VdiSizing::Status::InvalidCount);
}

void TestVdi::optionsReadWhenNeeded()
{
    // A level chosen during the reading governs the minimums but not the list; a vendor applies from then on.
    const TestCatalogue catalogue(TestCatalogue::lines({"Intel A,15000", "AMD B,15000", "Intel C,15000"}));
    TaskLevel level = TaskLevel::Light;
    Vendor vendor = Vendor::Intel;
    QStringList candidates;
    VdiSizing::Progress progress;
    progress.candidate = [&](const QString &entry) { candidates << entry; };
    progress.pump = [&] {
        level = TaskLevel::Heavy;
        vendor = Vendor::Amd;
        return true;
    };
    const auto outcome = VdiSizing::calculate(
        {"10", [&] { return level; }, [&] { return vendor; }, catalogue.path(), Language::English}, progress);
    QCOMPARE(candidates, (QStringList{entry("Intel A", "105%"), entry("AMD B", "105%")}));
    QCOMPARE(outcome.result.requiredScore, 14166);
    QCOMPARE(outcome.result.hardware.memory, 96);
}

void TestVdi::invalidCountAndMissingCatalogue()
{
    for (const QString &count : {QString(), QStringLiteral("0"), QStringLiteral("1x")}) {
        const Run run = calculate(count, TaskLevel::Light, Vendor::Intel, "/nonexistent/data.dll");
        QCOMPARE(run.outcome.status, VdiSizing::Status::InvalidCount);
        QVERIFY(run.busyHeading.isEmpty());
    }
    const Run run = calculate("10", TaskLevel::Light, Vendor::Intel, "/nonexistent/data.dll");
    QCOMPARE(run.outcome.status, VdiSizing::Status::Done);
    QVERIFY(run.candidates.isEmpty());
    QCOMPARE(run.outcome.result.hardware.memory, 24);
}

QTEST_APPLESS_MAIN(TestVdi)
#include "tst_vdi.moc"
