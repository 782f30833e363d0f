#include "capacity.h"
#include "capacityquery.h"
#include "int32.h"
#include "rdpsizing.h"
#include "stepup.h"
#include "testcatalogue.h"
#include "vdisizing.h"

#include <QTest>

#include <limits>

using OptionalInt = std::optional<qint32>;
Q_DECLARE_METATYPE(OptionalInt)
Q_DECLARE_METATYPE(TaskLevel)
Q_DECLARE_METATYPE(Vendor)
Q_DECLARE_METATYPE(Language)

namespace {

constexpr auto L = TaskLevel::Light;
constexpr auto M = TaskLevel::Medium;
constexpr auto H = TaskLevel::Heavy;

struct Run {
    SizingStatus status;
    SizingResult result;
    QString text; // RDP: memory, SSD, HDD, network, graphics and system, one a line; VDI: the hardware text
    QString busyHeading;
    QStringList candidates;
    int pumps = 0;
};

// A sizing, "rdp" or "vdi", over a catalogue; atPump may change the options.
Run size(const QString &kind, const QString &count, const std::function<TaskLevel()> &level,
         const std::function<Vendor()> &vendor, const QByteArray &catalogue, Language language = Language::English,
         const std::function<void(int)> &atPump = {})
{
    const TestCatalogue file(catalogue);
    Run run{};
    SizingProgress progress;
    progress.started = [&](const QString &heading) { run.busyHeading = heading; };
    progress.candidate = [&](const QString &entry) { run.candidates << entry; };
    progress.pump = [&] {
        if (atPump)
            atPump(run.pumps + 1);
        ++run.pumps;
        return true;
    };
    const SizingRequest request{count, level, vendor, file.path(), language};
    if (kind == QLatin1String("rdp")) {
        const auto outcome = RdpSizing::calculate(request, progress);
        const auto &r = outcome.result;
        run.status = outcome.status;
        run.result = r;
        run.text = QStringList{r.memory, r.ssd, r.hdd, r.network, r.graphics, r.system}.join(u'\n');
    } else {
        const auto outcome = VdiSizing::calculate(request, progress);
        run.status = outcome.status;
        run.result = outcome.result;
        run.text = outcome.result.text;
    }
    return run;
}

Run size(const QString &kind, const QString &count, TaskLevel level, Vendor vendor, const QByteArray &catalogue,
         Language language = Language::English)
{
    return size(kind, count, [=] { return level; }, [=] { return vendor; }, catalogue, language);
}

QString entry(const QString &model, int blanks, const QString &percentage)
{
    return model + QString(blanks, u' ') + percentage;
}

} // namespace

class TestRules : public QObject
{
    Q_OBJECT

private slots:
    void stepUp_data();
    void stepUp();
    void terminalCount_data();
    void terminalCount();
    void workedSizings_data();
    void workedSizings();
    void countLimits_data();
    void countLimits();
    void listEntries_data();
    void listEntries();
    void texts_data();
    void texts();
    void optionsReadWhenNeeded();
    void capacity_data();
    void capacity();
    void query_data();
    void query();
};

void TestRules::stepUp_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint32>("step"); // 0: the network rule; -1: truncation into 32 bits
    QTest::addColumn<OptionalInt>("expected");
    QTest::newRow("0 goes a whole step") << 0.0 << 8 << OptionalInt(8);
    QTest::newRow("7 -> 8") << 7.0 << 8 << OptionalInt(8);
    QTest::newRow("a multiple goes a whole step") << 32.0 << 8 << OptionalInt(40);
    QTest::newRow("ssd 120 -> 180") << 120.0 << 60 << OptionalInt(180);
    QTest::newRow("hdd 1450 -> 1500") << 1450.0 << 500 << OptionalInt(1500);
    QTest::newRow("negative: truncating remainder") << -5.0 << 8 << OptionalInt(8);
    QTest::newRow("just fits") << 2147483639.0 << 8 << OptionalInt(2147483640);
    QTest::newRow("would pass 32 bits") << 2147483640.0 << 8 << OptionalInt();
    QTest::newRow("network 90") << 90.0 << 0 << OptionalInt(100);
    QTest::newRow("network 100, a multiple") << 100.0 << 0 << OptionalInt(200);
    QTest::newRow("network 101, the large step") << 101.0 << 0 << OptionalInt(1000);
    QTest::newRow("network 1000") << 1000.0 << 0 << OptionalInt(2000);
    QTest::newRow("truncated: largest") << 2147483647.9 << -1 << OptionalInt(2147483647);
    QTest::newRow("truncated: one past") << 2147483648.0 << -1 << OptionalInt();
    QTest::newRow("truncated: smallest") << -2147483648.0 << -1 << OptionalInt(std::numeric_limits<qint32>::min());
    QTest::newRow("truncated: one below") << -2147483649.0 << -1 << OptionalInt();
    QTest::newRow("truncated: nan") << std::numeric_limits<double>::quiet_NaN() << -1 << OptionalInt();
}

void TestRules::stepUp()
{
    QFETCH(double, value);
    QFETCH(qint32, step);
    QFETCH(OptionalInt, expected);
    if (step < 0)
        QCOMPARE(Int32::truncate(value), expected);
    else
        QCOMPARE(step ? StepUp::nextMultipleAbove(qint32(value), step) : StepUp::network(qint32(value)), expected);
}

void TestRules::terminalCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected"); // -1: invalid
    QTest::newRow("empty") << QString() << -1.0;
    QTest::newRow("0") << "0" << -1.0;
    QTest::newRow("00") << "00" << 0.0;
    QTest::newRow("007") << "007" << 7.0;
    QTest::newRow("blank") << "30 " << -1.0;
    QTest::newRow("sign") << "+5" << -1.0;
    QTest::newRow("letter") << "12a" << -1.0;
    QTest::newRow("fraction") << "1.5" << -1.0;
    QTest::newRow("full-width") << QString::fromUtf8("１２") << -1.0;
    QTest::newRow("huge") << "99999999999999999999" << 1e20;
    QTest::newRow("beyond a double") << QString(400, u'9') << -1.0;
}

void TestRules::terminalCount()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(TerminalCount::parse(text).value_or(-1), expected);
}

void TestRules::workedSizings_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("count");
    QTest::addColumn<TaskLevel>("level");
    QTest::addColumn<QList<int>>("values"); // required score, memory, SSD, HDD, NIC
    const struct {
        const char *kind, *count;
        TaskLevel level;
        QList<int> values;
    } rows[] = {
        {"rdp", "00", L, {3200, 8, 120, 500, 100}},       {"rdp", "1", M, {3800, 8, 120, 500, 100}},
        {"rdp", "2", H, {4600, 8, 120, 500, 200}},        {"rdp", "4", L, {5200, 8, 120, 500, 1000}},
        {"rdp", "5", L, {5700, 8, 120, 500, 1000}},       {"rdp", "007", M, {7400, 16, 180, 500, 1000}},
        {"rdp", "14", M, {11600, 24, 180, 1000, 1000}},   {"rdp", "15", M, {12200, 24, 240, 1000, 1000}},
        {"rdp", "20", H, {17200, 40, 240, 1500, 2000}},   {"rdp", "30", L, {18200, 24, 300, 2000, 1000}},
        {"rdp", "100", H, {73200, 160, 840, 5500, 6000}}, {"vdi", "00", L, {9166, 8, 120, 500, 100}},
        {"vdi", "1", H, {9833, 16, 120, 500, 100}},       {"vdi", "2", M, {10333, 16, 180, 500, 100}},
        {"vdi", "2", H, {10500, 24, 180, 500, 200}},      {"vdi", "3", M, {10916, 16, 180, 500, 1000}},
        {"vdi", "10", L, {14166, 24, 420, 1000, 1000}},   {"vdi", "17", H, {20500, 168, 600, 1000, 1000}},
        {"vdi", "20", H, {22500, 192, 720, 1500, 2000}},  {"vdi", "100", M, {67500, 472, 3120, 5500, 5000}},
    };
    for (const auto &row : rows)
        QTest::addRow("%s %s, level %d", row.kind, row.count, int(row.level)) << row.kind << row.count << row.level << row.values;
}

// The required score is the lowest a processor needs: one below it is not listed.
void TestRules::workedSizings()
{
    QFETCH(QString, kind);
    QFETCH(QString, count);
    QFETCH(TaskLevel, level);
    QFETCH(QList<int>, values);
    const Run run = size(kind, count, level, Vendor::Intel,
                         QStringLiteral("Intel below,%1\r\nIntel equal,%2\r\n").arg(values[0] - 1).arg(values[0]).toLatin1());
    QCOMPARE(run.status, SizingStatus::Done);
    QCOMPARE(run.result.requiredScore, values[0]);
    QCOMPARE(run.candidates, QStringList{entry("Intel equal", kind == "rdp" ? 24 : 7, "100%")});
    const ServerMinimums &hardware = run.result.hardware;
    QCOMPARE((QList<int>{hardware.memory, hardware.ssd, hardware.hdd, hardware.network}), values.mid(1));
    if (kind == "rdp")
        QCOMPARE(run.text.section(u'\n', -1), count.toInt() <= 14 ? "Windows 7 10 Or Server 2012 2016"
                                                                    : "Windows Server 2012 2016 2019 2022");
}

void TestRules::countLimits_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("count");
    QTest::addColumn<TaskLevel>("level");
    QTest::addColumn<bool>("valid");
    const struct {
        const char *kind;
        TaskLevel level;
        const char *last, *beyond;
    } rows[] = {{"rdp", L, "4294960", "4294961"}, {"rdp", M, "3579134", "3579135"}, {"rdp", H, "3067829", "3067830"},
                {"vdi", L, "4294948", "4294949"}, {"vdi", M, "3681384", "3681385"}, {"vdi", H, "3221211", "3221212"}};
    for (const auto &row : rows) {
        QTest::addRow("%s %s", row.kind, row.last) << row.kind << row.last << row.level << true;
        QTest::addRow("%s %s", row.kind, row.beyond) << row.kind << row.beyond << row.level << false;
    }
    QTest::newRow("rdp 0") << "rdp" << "0" << L << false;
    QTest::newRow("vdi twenty digits") << "vdi" << "99999999999999999999" << L << false;
}

// An invalid count reads no catalogue and says nothing before it ends.
void TestRules::countLimits()
{
    QFETCH(QString, kind);
    QFETCH(QString, count);
    QFETCH(TaskLevel, level);
    QFETCH(bool, valid);
    const Run run = size(kind, count, level, Vendor::Intel, "Intel X,1\r\n");
    QCOMPARE(run.status, valid ? SizingStatus::Done : SizingStatus::InvalidCount);
    QCOMPARE(run.busyHeading.isEmpty(), !valid);
    QCOMPARE(run.pumps, valid ? 1 : 0);
}

void TestRules::listEntries_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<Vendor>("vendor");
    QTest::addColumn<QString>("shown"); // at 1 terminal, light: RDP needs 3700, VDI 9666
    QTest::newRow("rdp 4370 of 3700 is 118") << "rdp" << QByteArray("Intel X,4370") << Vendor::Intel << entry("Intel X", 24, "118%");
    QTest::newRow("rdp 4439 is just under 120") << "rdp" << QByteArray("Intel X,4439") << Vendor::Intel << entry("Intel X", 24, "119%");
    QTest::newRow("rdp fraction below") << "rdp" << QByteArray("Intel X,3699.9") << Vendor::Intel << "";
    QTest::newRow("rdp fraction above") << "rdp" << QByteArray("Intel X,3700.9") << Vendor::Intel << entry("Intel X", 24, "100%");
    QTest::newRow("rdp beyond 32 bits") << "rdp" << QByteArray("Intel X,1e12") << Vendor::Intel << entry("Intel X", 24, "27027027027%");
    QTest::newRow("rdp beyond 2^53") << "rdp" << QByteArray("Intel X,1e20") << Vendor::Intel
                                     << entry("Intel X", 24, "2702702702702702592%");
    QTest::newRow("rdp AMD, blanks trimmed") << "rdp" << QByteArray("  AMD EPYC  ,3700") << Vendor::Amd << entry("AMD EPYC", 24, "100%");
    QTest::newRow("rdp tab kept") << "rdp" << QByteArray("\tIntel X,3700") << Vendor::Intel << entry("\tIntel X", 24, "100%");
    QTest::newRow("rdp case counts") << "rdp" << QByteArray("intel X,3700") << Vendor::Intel << "";
    QTest::newRow("rdp Intel, AMD line") << "rdp" << QByteArray("AMD Y,3700") << Vendor::Intel << "";
    QTest::newRow("rdp AMD, Intel line") << "rdp" << QByteArray("Intel Y,3700") << Vendor::Amd << "";
    QTest::newRow("rdp both, neither word") << "rdp" << QByteArray("Generic,3700") << Vendor::Both << entry("Generic", 28, "100%");
    QTest::newRow("vdi 11163 is just under 116") << "vdi" << QByteArray("Intel X,11163") << Vendor::Intel << entry("Intel X", 7, "115%");
    QTest::newRow("vdi one below") << "vdi" << QByteArray("Intel X,9665") << Vendor::Intel << "";
    QTest::newRow("vdi both, AMD") << "vdi" << QByteArray("AMD Y,9666") << Vendor::Both << entry("AMD Y", 7, "100%");
    QTest::newRow("vdi both, Intel") << "vdi" << QByteArray("Intel Y,9666") << Vendor::Both << entry("Intel Y", 7, "100%");
    QTest::newRow("vdi both, neither word") << "vdi" << QByteArray("Generic,99999") << Vendor::Both << "";
    QTest::newRow("vdi AMD, Intel line") << "vdi" << QByteArray("Intel Y,99999") << Vendor::Amd << "";
}

void TestRules::listEntries()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, line);
    QFETCH(Vendor, vendor);
    QFETCH(QString, shown);
    const Run run = size(kind, "1", L, vendor, line + "\r\n");
    QCOMPARE(run.candidates, shown.isEmpty() ? QStringList() : QStringList{shown});
    QCOMPARE(run.result.catalogue.records, 1);
}

void TestRules::texts_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("shown"); // busy heading, heading, result text
    QTest::newRow("rdp en") << "rdp" << Language::English << QStringList{
        "007 terminals - Calculating Server Configuration Information...", "007 terminals - server configuration information:",
        "16 GB\n180 GB\n500 GB\n1000 Mbps\nGT1030 2GB Or Integrated Graphics\nWindows 7 10 Or Server 2012 2016"};
    QTest::newRow("rdp zh") << "rdp" << Language::Chinese << QStringList{
        "007台终端 - 正在计算服务器配置信息...", "007台终端 - 服务器配置信息：",
        "16 GB\n180 GB\n500 GB\n1000 Mbps\nGT1030 2GB 或 集成显卡\nWindows 7 10 或者 Server 2012 2016"};
    QTest::newRow("vdi en") << "vdi" << Language::English << QStringList{
        "007 terminals - Calculating Server Configuration Information...", "007 terminals - server configuration information:",
        "Memory: 40 GB\r\nSSD: 300 GB\r\nHDD: 500 GB\r\nNIC speed: 1000 Mbps"};
    QTest::newRow("vdi zh") << "vdi" << Language::Chinese << QStringList{
        "007台终端 - 正在计算服务器配置信息...", "007台终端 - 服务器配置信息：",
        "内存：40 GB\r\nSSD：300 GB\r\nHDD：500 GB\r\n网卡速度：1000 Mbps"};
}

void TestRules::texts()
{
    QFETCH(QString, kind);
    QFETCH(Language, language);
    QFETCH(QStringList, shown);
    const Run run = size(kind, "007", M, Vendor::Intel, {}, language);
    QCOMPARE((QStringList{run.busyHeading, run.result.heading, run.text}), shown);
}

// The level chosen while the catalogue is read governs the minimums, not the required score; a vendor
// chosen applies to the records read after it. Medium, 20 terminals: RDP needs 15200 (heavy 17200).
void TestRules::optionsReadWhenNeeded()
{
    TaskLevel level = M;
    Vendor vendor = Vendor::Intel;
    const Run run = size("rdp", "20", [&] { return level; }, [&] { return vendor; },
                         TestCatalogue::lines({"Intel A,16000", "Intel B,16000", "AMD C,16000"}), Language::English,
                         [&](int pump) {
                             if (pump == 1) {
                                 level = H;
                                 vendor = Vendor::Amd;
                             }
                         });
    QCOMPARE(run.candidates, (QStringList{entry("Intel A", 24, "105%"), entry("AMD C", 24, "105%")}));
    QCOMPARE(run.result.requiredScore, 15200);
    QCOMPARE((QList<int>{run.result.hardware.memory, run.result.hardware.network}), (QList<int>{40, 2000}));
}

void TestRules::capacity_data()
{
    QTest::addColumn<double>("score");
    QTest::addColumn<QList<int>>("values"); // terminals and minimums; none: too low; {-1}: beyond 32 bits
    QTest::newRow("3799.99") << 3799.99 << QList<int>{};
    QTest::newRow("3800") << 3800.0 << QList<int>{1, 8, 120, 500, 100};
    QTest::newRow("4400: network base 100") << 4400.0 << QList<int>{2, 8, 120, 500, 200};
    QTest::newRow("5600: memory base 8") << 5600.0 << QList<int>{4, 16, 120, 500, 1000};
    QTest::newRow("9799.9 is not truncated first") << 9799.9 << QList<int>{10, 24, 180, 1000, 1000};
    QTest::newRow("27200") << 27200.0 << QList<int>{40, 64, 420, 2500, 3000};
    QTest::newRow("HDD minimum leaves 32 bits") << 2.6e10 << QList<int>{-1};
}

void TestRules::capacity()
{
    QFETCH(double, score);
    QFETCH(QList<int>, values);
    const auto capacity = Capacity::of(score);
    QCOMPARE(!capacity, values == QList<int>{-1});
    if (!capacity)
        return;
    QCOMPARE(capacity->tooLow(), values.isEmpty());
    if (!values.isEmpty()) {
        const ServerMinimums &m = capacity->minimums;
        QCOMPARE((QList<int>{capacity->terminals, m.memory, m.ssd, m.hdd, m.network}), values);
    }
}

void TestRules::query_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("text"); // "too short" for a refused text
    QTest::newRow("too short") << "123" << Language::English << "too short";
    QTest::newRow("no match") << "9999" << Language::English << "";
    QTest::newRow("case counts") << "xeon" << Language::English << "";
    QTest::newRow("newest first, blanks around not sought") << "  E-2 " << Language::English << QString(
        "CPU model: Intel Xeon E-2288G\r\nNumber of loadable terminals: 28\r\nServer memory minimum:48 GB\r\n"
        "Server SSD min:300 GB\r\nServer HDD min:1500 GB\r\nServer NIC speed min:2000 Mbps\r\n\r\n"
        "CPU model: Intel Xeon E-2388G\r\nNumber of loadable terminals: 34\r\nServer memory minimum:56 GB\r\n"
        "Server SSD min:360 GB\r\nServer HDD min:2000 GB\r\nServer NIC speed min:2000 Mbps\r\n\r\n");
    QTest::newRow("too low, Chinese") << "w 22" << Language::Chinese << QString::fromUtf8("CPU型号：Low 2288\r\nCPU性能过低！\r\n\r\n");
}

// The search ends at the first empty line, as the catalogue does.
void TestRules::query()
{
    QFETCH(QString, typed);
    QFETCH(Language, language);
    QFETCH(QString, text);
    const TestCatalogue catalogue(
        TestCatalogue::lines({"Intel Xeon E-2388G,23761", "Intel Xeon E-2288G,20000", "Low 2288,100", "", "Low 2,1"}));
    QStringList entries;
    CapacityQuery::Progress progress;
    progress.entry = [&](const QString &entry) { entries.prepend(entry); };
    const auto outcome = CapacityQuery::run(typed, catalogue.path(), language, progress);
    QCOMPARE(outcome.status, text == "too short" ? CapacityQuery::Status::TooShort : CapacityQuery::Status::Done);
    if (outcome.status == CapacityQuery::Status::Done) {
        QCOMPARE(outcome.text, text);
        QCOMPARE(entries.join(QString()), text);
        QCOMPARE(outcome.catalogue.records, 3);
    }
}

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
