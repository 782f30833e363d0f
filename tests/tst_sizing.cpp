// The sizing rules at their boundaries: the step-up rule and 32 bits, the RDP and VDI worked tables, the count
// limits, the candidate lists, the texts in both languages, the options read when needed, the capacity query.

#include "capacity.h"
#include "capacityquery.h"
#include "int32.h"
#include "queryreport.h"
#include "rdpreport.h"
#include "stepup.h"
#include "testcatalogue.h"
#include "vdireport.h"

#include <QTest>

enum class Kind { Rdp, Vdi };
using Minimums = QList<qint32>; // memory, SSD, HDD, network
Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(TaskLevel)
Q_DECLARE_METATYPE(Vendor)
Q_DECLARE_METATYPE(Language)
Q_DECLARE_METATYPE(CalculationEnd)
Q_DECLARE_METATYPE(std::optional<qint32>)
Q_DECLARE_METATYPE(MinimumBases)
Q_DECLARE_METATYPE(ProcessorFacts)
Q_DECLARE_METATYPE(std::optional<qint64>)

namespace {

struct Run {
    CalculationEnd end;
    SizingResult result;
    QString busyHeading;
    QStringList candidates;
    int pumps = 0;
    QList<ReportRow> reasoning; // the steps of its report's reasoning
};

QList<ReportRow> reasoningOf(const Report &report)
{
    return std::get<ReportSection::Reasoning>(report.sections.constLast()).steps;
}

// A sizing over a catalogue, its options read through functions (which atPump may change).
Run size(
    Kind kind, const QString &count, const std::function<TaskLevel()> &level, const std::function<Vendor()> &vendor,
    const QByteArray &catalogue, Language language = Language::English,
    const std::function<void(int)> &atPump = [](int) {})
{
    const TestCatalogue file(catalogue);
    Run run{};
    SizingProgress progress;
    progress.started = [&](const QString &heading) { run.busyHeading = heading; };
    progress.candidate = [&](const QString &entry) { run.candidates << entry; };
    progress.pump = [&] {
        atPump(++run.pumps);
        return true;
    };
    const SizingRequest request{count, level, vendor, file.path(), language};
    if (kind == Kind::Rdp) {
        const RdpSizing::Outcome outcome = RdpSizing::calculate(request, progress);
        std::tie(run.end, run.result) = std::tuple(outcome.end, outcome.result);
        run.reasoning = reasoningOf(RdpReport::make({count, level(), vendor(), language, {}}, outcome.result));
    } else {
        const VdiSizing::Outcome outcome = VdiSizing::calculate(request, progress);
        std::tie(run.end, run.result) = std::tuple(outcome.end, outcome.result);
        run.reasoning = reasoningOf(VdiReport::make({count, level(), vendor(), language, {}}, outcome.result));
    }
    return run;
}

Run size(Kind kind, const QString &count, TaskLevel level, Vendor vendor, const QByteArray &catalogue,
         Language language = Language::English)
{
    return size(
        kind, count, [level] { return level; }, [vendor] { return vendor; }, catalogue, language);
}

} // namespace

class TestSizing : public QObject
{
    Q_OBJECT

private slots:
    void stepUp_data()
    {
        QTest::addColumn<qint32>("base");
        QTest::addColumn<qint32>("step");
        QTest::addColumn<std::optional<qint32>>("stepped");
        QTest::newRow("the last that fits 32 bits") << 2147483639 << 8 << std::optional<qint32>(2147483640);
        QTest::newRow("one step beyond 32 bits") << 2147483640 << 8 << std::optional<qint32>();
    }
    void stepUp()
    {
        QFETCH(qint32, base);
        QFETCH(qint32, step);
        QFETCH(std::optional<qint32>, stepped);
        QCOMPARE(StepUp::nextMultipleAbove(base, step), stepped);
    }

    void truncation_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<std::optional<qint32>>("truncated");
        QTest::newRow("just below 2^31") << 2147483647.9 << std::optional<qint32>(2147483647);
        QTest::newRow("2^31") << 2147483648.0 << std::optional<qint32>();
        QTest::newRow("below -2^31") << -2147483649.0 << std::optional<qint32>();
        QTest::newRow("not a number") << qQNaN() << std::optional<qint32>();
    }
    void truncation()
    {
        QFETCH(double, value);
        QFETCH(std::optional<qint32>, truncated);
        QCOMPARE(Int32::truncate(value), truncated);
    }

    void sizings_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("count");
        QTest::addColumn<TaskLevel>("level");
        QTest::addColumn<qint32>("required");
        QTest::addColumn<Minimums>("minimums");
        const auto rdp = [](const char *name, const char *count, TaskLevel level, qint32 required, Minimums minimums) {
            QTest::newRow(name) << Kind::Rdp << count << level << required << minimums;
        };
        rdp("RDP, typed 00: the least of everything", "00", TaskLevel::Light, 3200, {8, 120, 500, 100});
        rdp("RDP, heavy, 2: network base 100", "2", TaskLevel::Heavy, 4600, {8, 120, 500, 200});
        rdp("RDP, light, 5: half a GB dropped", "5", TaskLevel::Light, 5700, {8, 120, 500, 1000});
        rdp("RDP, medium, 14", "14", TaskLevel::Medium, 11600, {24, 180, 1000, 1000});
        rdp("RDP, medium, 15", "15", TaskLevel::Medium, 12200, {24, 240, 1000, 1000});
        rdp("RDP, heavy, 20: bases already multiples", "20", TaskLevel::Heavy, 17200, {40, 240, 1500, 2000});
        rdp("RDP, light, 57: SSD base one below a step", "57", TaskLevel::Light, 31700, {32, 480, 3000, 2000});
        const auto vdi = [](const char *name, const char *count, TaskLevel level, qint32 required, Minimums minimums) {
            QTest::newRow(name) << Kind::Vdi << count << level << required << minimums;
        };
        vdi("VDI, typed 00", "00", TaskLevel::Light, 9166, {8, 120, 500, 100});
        vdi("VDI, medium, 3: network base 120", "3", TaskLevel::Medium, 10916, {16, 180, 500, 1000});
        vdi("VDI, light, 10", "10", TaskLevel::Light, 14166, {24, 420, 1000, 1000});
        vdi("VDI, light, 17: memory base exactly 40", "17", TaskLevel::Light, 17666, {48, 600, 1000, 1000});
        vdi("VDI, medium, 100", "100", TaskLevel::Medium, 67500, {472, 3120, 5500, 5000});
        // Each level's network figure one below a step of 1000: a terminal's figure a megabit more crosses it.
        vdi("VDI, light, 33: network base 990", "33", TaskLevel::Light, 25666, {80, 1080, 2000, 1000});
        vdi("VDI, medium, 49: network base 1960", "49", TaskLevel::Medium, 37750, {232, 1560, 2500, 2000});
        vdi("VDI, heavy, 59: network base 2950", "59", TaskLevel::Heavy, 48500, {560, 1860, 3000, 3000});
    }
    // The required score is the least a processor needs: one below it is not listed, one at it is, with 100%.
    void sizings()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, count);
        QFETCH(TaskLevel, level);
        QFETCH(qint32, required);
        QFETCH(Minimums, minimums);
        const Run run
            = size(kind, count, level, Vendor::Intel,
                   QStringLiteral("Intel below,%1\r\nIntel at,%2\r\n").arg(required - 1).arg(required).toLatin1());
        QCOMPARE(run.end, CalculationEnd::Done);
        QCOMPARE(run.result.requiredScore, required);
        QCOMPARE(run.candidates, QStringList{entry("Intel at", kind == Kind::Rdp ? 24 : 7, "100%")});
        const ServerMinimums &hardware = run.result.hardware;
        QCOMPARE((Minimums{hardware.memory, hardware.ssd, hardware.hdd, hardware.network}), minimums);
    }

    void countLimits_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<TaskLevel>("level");
        QTest::addColumn<qint32>("lastAccepted");
        QTest::newRow("RDP, light: the HDD base") << Kind::Rdp << TaskLevel::Light << 4294960;
        QTest::newRow("RDP, medium: the score") << Kind::Rdp << TaskLevel::Medium << 3579134;
        QTest::newRow("RDP, heavy: the score") << Kind::Rdp << TaskLevel::Heavy << 3067829;
        QTest::newRow("VDI, light: the HDD base") << Kind::Vdi << TaskLevel::Light << 4294948;
        QTest::newRow("VDI, medium: the score") << Kind::Vdi << TaskLevel::Medium << 3681384;
        QTest::newRow("VDI, heavy: the score") << Kind::Vdi << TaskLevel::Heavy << 3221211;
    }
    // The largest count whose figures fit 32 bits at this level (and the minimums at every level) is taken; the
    // next one is refused before the catalogue is read.
    void countLimits()
    {
        QFETCH(Kind, kind);
        QFETCH(TaskLevel, level);
        QFETCH(qint32, lastAccepted);
        const QByteArray catalogue = "Intel X,1\r\n";
        QCOMPARE(size(kind, QString::number(lastAccepted), level, Vendor::Intel, catalogue).end, CalculationEnd::Done);
        const Run refused = size(kind, QString::number(lastAccepted + 1), level, Vendor::Intel, catalogue);
        QCOMPARE(refused.end, CalculationEnd::InvalidInput);
        QCOMPARE(refused.pumps, 0);
    }

    void candidates_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<Vendor>("vendor");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("listed");
        // One terminal of light work: RDP needs 3700, VDI 9666.
        const auto row = [](const char *name, Kind kind, Vendor vendor, const QByteArray &line, QStringList listed) {
            QTest::newRow(name) << kind << vendor << line + "\r\n" << listed;
        };
        row("RDP: 4181 of 3700 is 112.999..., so 112", Kind::Rdp, Vendor::Intel, "Intel X,4181",
            {entry("Intel X", 24, "112%")});
        row("RDP: a fraction short", Kind::Rdp, Vendor::Intel, "Intel X,3699.9", {});
        row("RDP: a fraction over", Kind::Rdp, Vendor::Intel, "Intel X,3700.9", {entry("Intel X", 24, "100%")});
        row("RDP: beyond 64 bits", Kind::Rdp, Vendor::Intel, "Intel X,1e21",
            {entry("Intel X", 24, "27027027027027025920%")});
        row("RDP: blanks around the model", Kind::Rdp, Vendor::Amd, "  AMD Y  ,3700", {entry("AMD Y", 24, "100%")});
        row("RDP: the vendor in lower case", Kind::Rdp, Vendor::Intel, "intel X,3700", {});
        row("RDP: AMD wanted, an Intel line", Kind::Rdp, Vendor::Amd, "Intel Y,3700", {});
        row("RDP: both, no vendor word", Kind::Rdp, Vendor::Both, "Generic,3700", {entry("Generic", 28, "100%")});
        row("VDI: 11163 of 9666", Kind::Vdi, Vendor::Intel, "Intel X,11163", {entry("Intel X", 7, "115%")});
        row("VDI: one short", Kind::Vdi, Vendor::Intel, "Intel X,9665", {});
        row("VDI: both, no vendor word", Kind::Vdi, Vendor::Both, "Generic,99999", {});
    }
    void candidates()
    {
        QFETCH(Kind, kind);
        QFETCH(Vendor, vendor);
        QFETCH(QByteArray, line);
        QFETCH(QStringList, listed);
        const Run run = size(kind, "1", TaskLevel::Light, vendor, line);
        QCOMPARE(run.candidates, listed);
        QCOMPARE(run.result.catalogue.records, 1);
    }

    // The level chosen while the catalogue is read governs the minimums, not the required score; a vendor
    // chosen applies to the records read after it. Medium, 20 terminals: RDP needs 15200 (heavy 17200).
    void optionsReadWhenNeeded()
    {
        TaskLevel level = TaskLevel::Medium;
        Vendor vendor = Vendor::Intel;
        const Run run = size(
            Kind::Rdp, "20", [&] { return level; }, [&] { return vendor; },
            TestCatalogue::lines({"Intel A,16000", "Intel B,16000", "AMD C,16000"}), Language::English,
            [&](int pump) {
                if (pump == 1)
                    std::tie(level, vendor) = std::tuple(TaskLevel::Heavy, Vendor::Amd);
            });
        QCOMPARE(run.candidates, (QStringList{entry("Intel A", 24, "105%"), entry("AMD C", 24, "105%")}));
        QCOMPARE(run.result.requiredScore, 15200);
        QCOMPARE((Minimums{run.result.hardware.memory, run.result.hardware.network}), (Minimums{40, 2000}));
    }

    void reasoning_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("count");
        QTest::addColumn<TaskLevel>("level");
        QTest::addColumn<Language>("language");
        QTest::addColumn<int>("step"); // required score, percentage, licences, memory, SSD, HDD, network, system
        QTest::addColumn<QString>("worked");
        const auto row = [](const char *name, Kind kind, const char *count, TaskLevel level, int step,
                            const char *worked, Language language = Language::English) {
            QTest::newRow(name) << kind << count << level << language << step << QString::fromUtf8(worked);
        };
        row("RDP, light 30: the required score", Kind::Rdp, "30", TaskLevel::Light, 0,
            "30 × 500 + 3200 = 18200 (the score is a PassMark CPU Mark of the whole machine; Dual and Quad lines are "
            "two- and four-socket machines)");
        row("RDP, light 5: half a GB truncated", Kind::Rdp, "5", TaskLevel::Light, 3,
            "5 × 0.5 + 2 = 4.5, truncated: 4 → next multiple of 8 above it: 8 GB");
        row("RDP, heavy 2: the network base at 100", Kind::Rdp, "2", TaskLevel::Heavy, 6,
            "2 × 50 = 100 → next multiple of 100 above it: 200 Mbps (in steps of 100 while the base is at most 100, "
            "else of 1000)");
        row("RDP, 14 terminals", Kind::Rdp, "14", TaskLevel::Medium, 7,
            "14 terminals, at most 14: Windows 7 10 Or Server 2012 2016");
        row("RDP, 15 terminals, Chinese", Kind::Rdp, "15", TaskLevel::Medium, 7,
            "15台终端，超过14台：Windows Server 2012 2016 2019 2022", Language::Chinese);
        row("VDI, light 10: the score truncated", Kind::Vdi, "10", TaskLevel::Light, 0,
            "(10 × 300 + 5500) ÷ 0.6 = 14166.67, truncated: 14166 (the score is a PassMark CPU Mark of the whole "
            "machine; Dual and Quad lines are two- and four-socket machines)");
        row("VDI, light 17: a memory base of exactly 40, Chinese", Kind::Vdi, "17", TaskLevel::Light, 3,
            "17 × 2 ÷ 0.85 = 40 → 大于它的8的最小倍数：48 GB", Language::Chinese);
    }
    // Each step of the report's reasoning with this answer's figures, from the rules' own constants.
    void reasoning()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, count);
        QFETCH(TaskLevel, level);
        QFETCH(Language, language);
        QFETCH(int, step);
        QFETCH(QString, worked);
        QCOMPARE(size(kind, count, level, Vendor::Intel, {}, language).reasoning.value(step).value, worked);
    }

    void capacity_data()
    {
        QTest::addColumn<double>("score");
        QTest::addColumn<qint32>("terminals");
        QTest::addColumn<Minimums>("minimums");
        QTest::newRow("3800: one terminal") << 3800.0 << 1 << Minimums{8, 120, 500, 100};
        QTest::newRow("5600: memory base 8") << 5600.0 << 4 << Minimums{16, 120, 500, 1000};
        QTest::newRow("294200: HDD base one below a step") << 294200.0 << 485 << Minimums{736, 3480, 24500, 25000};
        QTest::newRow("37400: SSD base one below a step") << 37400.0 << 57 << Minimums{88, 480, 3000, 3000};
    }
    void capacity()
    {
        QFETCH(double, score);
        QFETCH(qint32, terminals);
        QFETCH(Minimums, minimums);
        const auto capacity = Capacity::of(score);
        QVERIFY(capacity && !capacity->tooLow());
        QCOMPARE(capacity->terminals, terminals);
        const ServerMinimums &m = capacity->minimums;
        QCOMPARE((Minimums{m.memory, m.ssd, m.hdd, m.network}), minimums);
    }

    void minimumsBeyond32Bits_data()
    {
        QTest::addColumn<MinimumBases>("bases");
        const double beyond = 2147483648.0;
        QTest::newRow("memory") << MinimumBases{beyond, 1, 1, 1};
        QTest::newRow("SSD") << MinimumBases{1, beyond, 1, 1};
        QTest::newRow("HDD") << MinimumBases{1, 1, beyond, 1};
        QTest::newRow("network") << MinimumBases{1, 1, 1, beyond};
        QTest::newRow("memory stepped up") << MinimumBases{2147483640, 1, 1, 1};
        QTest::newRow("network stepped up") << MinimumBases{1, 1, 1, 2147483000};
    }
    // One minimum leaving 32 bits is enough for none.
    void minimumsBeyond32Bits()
    {
        QFETCH(MinimumBases, bases);
        QVERIFY(!ServerMinimums::fromBases(bases));
        QVERIFY(ServerMinimums::fromBases({1, 1, 1, 1}));
    }

    void coreLicences_data()
    {
        QTest::addColumn<ProcessorFacts>("facts");
        QTest::addColumn<std::optional<qint64>>("licences");
        const auto row = [](const char *name, qint64 sockets, qint64 cores, std::optional<qint64> licences) {
            QTest::newRow(name) << ProcessorFacts(sockets, cores, 0, 0) << licences;
        };
        row("1 × 4: 16 a server", 1, 4, 16);
        row("2 × 6: 8 a processor, 16 a server", 2, 6, 16);
        row("1 × 12: 16 a server", 1, 12, 16);
        row("2 × 12", 2, 12, 24);
        row("1 × 24, or a hybrid's 8 + 16 cores counted whole", 1, 24, 24);
        row("4 × 10", 4, 10, 40);
        row("sockets unknown", 0, 10, std::nullopt);
        row("cores unknown", 2, 0, std::nullopt);
    }
    // Every physical core, at least 8 a processor and 16 a server: max(16, sockets × max(8, cores)).
    void coreLicences()
    {
        QFETCH(ProcessorFacts, facts);
        QFETCH(std::optional<qint64>, licences);
        QCOMPARE(facts.coreLicencesPerServer(), licences);
    }

    // Below 3800 a processor is too slow; a score whose figures leave 32 bits has no capacity.
    void capacityLimits()
    {
        QVERIFY(Capacity::of(3799.99)->tooLow());
        QVERIFY(!Capacity::of(2.6e10));
    }

    void query_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Language>("language");
        QTest::addColumn<CalculationEnd>("end");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("capacity"); // the first step of the report's reasoning
        const auto row = [](const char *name, const QString &typed, Language language, CalculationEnd status,
                            const QString &text, const QString &capacity = {}) {
            QTest::newRow(name) << typed << language << status << text << capacity;
        };
        const QString xeons
            = "CPU model: Intel Xeon E-2288G\r\nCPU performance is too low!\r\n\r\nCPU model: Intel Xeon "
              "E-2388G\r\nNumber of loadable terminals: 34\r\nServer memory minimum:56 GB\r\nServer SSD "
              "min:360 GB\r\nServer HDD min:2000 GB\r\nServer NIC speed min:2000 Mbps\r\n\r\n";
        row("three characters", "123", Language::English, CalculationEnd::InvalidInput, "");
        row("case counts", "xeon", Language::English, CalculationEnd::Done, "");
        row("Chinese text in ASCII lines", "至强至强", Language::Chinese, CalculationEnd::Done, "");
        row("blanks around, the last match first", "  E-2 ", Language::English, CalculationEnd::Done, xeons,
            "T = (score − 3200) ÷ 600, truncated; Intel Xeon E-2388G: (23761 − 3200) ÷ 600 = 34.27, truncated: 34");
        row("only blanks: every line with a model text", "    ", Language::English, CalculationEnd::Done,
            "CPU model: Low 2288\r\nCPU performance is too low!\r\n\r\n" + xeons);
        row("in Chinese, a blank inside", "w 22", Language::Chinese, CalculationEnd::Done,
            "CPU型号：Low 2288\r\nCPU性能过低！\r\n\r\n");
    }
    // Each entry goes in front of the ones before it as it is found; the search ends at the first empty line. The
    // report's reasoning gives the capacity of the first processor shown that carries a terminal.
    void query()
    {
        QFETCH(QString, typed);
        QFETCH(Language, language);
        QFETCH(CalculationEnd, end);
        QFETCH(QString, text);
        QFETCH(QString, capacity);
        const TestCatalogue catalogue(TestCatalogue::lines(
            {"Intel Xeon E-2388G,23761", ",30000", "Intel Xeon E-2288G,100", "Low 2288,100", "", "Low 2,1"}));
        QString shown;
        CapacityQuery::Progress progress;
        progress.entry = [&](const QString &entry) { shown.prepend(entry); };
        const CapacityQuery::Outcome outcome = CapacityQuery::run(typed, catalogue.path(), language, progress);
        QCOMPARE(outcome.end, end);
        QCOMPARE(CapacityQuery::text(outcome.result, language), text);
        QCOMPARE(shown, text);
        if (!capacity.isEmpty())
            QCOMPARE(reasoningOf(QueryReport::make(typed, outcome.result, language, {})).value(0).value, capacity);
    }
};

QTEST_APPLESS_MAIN(TestSizing)
#include "tst_sizing.moc"
