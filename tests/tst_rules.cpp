#include "capacity.h"
#include "capacityquery.h"
#include "int32.h"
#include "rdpsizing.h"
#include "stepup.h"
#include "tablerows.h"
#include "testcatalogue.h"
#include "vdisizing.h"

#include <QTest>

namespace {

const QMap<QString, TaskLevel> levels{{"L", TaskLevel::Light}, {"M", TaskLevel::Medium}, {"H", TaskLevel::Heavy}};
const QMap<QString, Vendor> vendors{{"I", Vendor::Intel}, {"A", Vendor::Amd}, {"B", Vendor::Both}};

struct Run {
    SizingStatus status;
    SizingResult result;
    QString text; // RDP: memory, SSD, HDD, network, graphics and system, one a line; VDI: the hardware text
    QString busyHeading;
    QStringList candidates;
    int pumps = 0;
};

// A sizing, "rdp" or "vdi", over a catalogue; atPump may change the options.
Run size(
    const QString &kind, const QString &count, const std::function<TaskLevel()> &level,
    const std::function<Vendor()> &vendor, const QByteArray &catalogue, Language language = Language::English,
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
    if (kind == QLatin1String("rdp")) {
        const auto outcome = RdpSizing::calculate(request, progress);
        const auto &r = outcome.result;
        run.text = QStringList{r.memory, r.ssd, r.hdd, r.network, r.graphics, r.system}.join(u'\n');
        std::tie(run.status, run.result) = std::tuple(outcome.status, r);
    } else {
        const auto outcome = VdiSizing::calculate(request, progress);
        std::tie(run.status, run.result, run.text) = std::tuple(outcome.status, outcome.result, outcome.result.text);
    }
    return run;
}

} // namespace

class TestRules : public QObject
{
    Q_OBJECT

private slots:
    // value, step (0: the network rule, T: truncation into 32 bits), result (- for none).
    void stepUp_data()
    {
        tableRows({"0 8 8", "32 8 40", "120 60 180", "-5 8 8", "2147483639 8 2147483640", "2147483640 8 -", "100 0 200",
                   "101 0 1000", "2147483647.9 T 2147483647", "2147483648 T -", "-2147483649 T -", "nan T -"});
    }
    void stepUp()
    {
        QFETCH(QStringList, row);
        const double value = row[0].toDouble();
        const std::optional<qint32> result = row[1] == "T" ? Int32::truncate(value)
            : row[1] == "0"                                ? StepUp::network(qint32(value))
                                                           : StepUp::nextMultipleAbove(qint32(value), row[1].toInt());
        QCOMPARE(result ? QString::number(*result) : "-", row[2]);
    }

    // kind, count, level, required score, memory, SSD, HDD, NIC.
    void workedSizings_data()
    {
        tableRows({"rdp 00 L 3200 8 120 500 100", "rdp 1 M 3800 8 120 500 100", "rdp 2 H 4600 8 120 500 200",
                   "rdp 5 L 5700 8 120 500 1000", "rdp 007 M 7400 16 180 500 1000", "rdp 14 M 11600 24 180 1000 1000",
                   "rdp 15 M 12200 24 240 1000 1000", "rdp 20 H 17200 40 240 1500 2000",
                   "rdp 30 L 18200 24 300 2000 1000", "rdp 57 L 31700 32 480 3000 2000", "vdi 00 L 9166 8 120 500 100",
                   "vdi 1 H 9833 16 120 500 100", "vdi 2 M 10333 16 180 500 100", "vdi 2 H 10500 24 180 500 200",
                   "vdi 3 M 10916 16 180 500 1000", "vdi 10 L 14166 24 420 1000 1000",
                   "vdi 17 H 20500 168 600 1000 1000", "vdi 49 M 37750 232 1560 2500 2000",
                   "vdi 100 M 67500 472 3120 5500 5000"});
    }
    // The required score is the lowest a processor needs: one below it is not listed.
    void workedSizings()
    {
        QFETCH(QStringList, row);
        const QString required = row[3];
        const Run run = size(
            row[0], row[1], [&] { return levels[row[2]]; }, [] { return Vendor::Intel; },
            QStringLiteral("Intel below,%1\r\nIntel equal,%2\r\n").arg(required.toInt() - 1).arg(required).toLatin1());
        QCOMPARE(run.status, SizingStatus::Done);
        QCOMPARE(QString::number(run.result.requiredScore), required);
        QCOMPARE(run.candidates, QStringList{"Intel equal" + QString(row[0] == "rdp" ? 24 : 7, u' ') + "100%"});
        const ServerMinimums &m = run.result.hardware;
        QCOMPARE((QStringList{QString::number(m.memory), QString::number(m.ssd), QString::number(m.hdd),
                              QString::number(m.network)}),
                 row.mid(4));
        if (row[0] == "rdp")
            QCOMPARE(run.text.section(u'\n', -1).startsWith("Windows 7"), row[1].toInt() <= 14);
    }

    // kind, level, the last count accepted; the next is not.
    void countLimits_data()
    {
        tableRows(
            {"rdp L 4294960", "rdp M 3579134", "rdp H 3067829", "vdi L 4294948", "vdi M 3681384", "vdi H 3221211"});
    }
    // An invalid count reads no catalogue and says nothing before it ends.
    void countLimits()
    {
        QFETCH(QStringList, row);
        for (const QString &count : {row[2], QString::number(row[2].toInt() + 1), QString("0"), QString(21, u'9'),
                                     QString(), QString("1a"), QString(" 1"), QString::fromUtf8("１")}) {
            const Run run = size(
                row[0], count, [&] { return levels[row[1]]; }, [] { return Vendor::Intel; }, "Intel X,1\r\n");
            const bool valid = count == row[2];
            QCOMPARE(run.status, valid ? SizingStatus::Done : SizingStatus::InvalidCount);
            QCOMPARE(run.busyHeading.isEmpty(), !valid);
            QCOMPARE(run.pumps, valid ? 1 : 0);
        }
    }

    // kind, vendor, catalogue line (| for a blank), the percentage listed (- for none); 1 terminal, light: RDP
    // needs 3700, VDI 9666.
    void listEntries_data()
    {
        tableRows({"rdp I Intel|X,4439 119", "rdp I Intel|X,3699.9 -", "rdp I Intel|X,3700.9 100",
                   "rdp I Intel|X,1e12 27027027027", "rdp I Intel|X,1e21 27027027027027025920",
                   "rdp A ||AMD|Y||,3700 100", "rdp I \tIntel|X,3700 100", "rdp I intel|X,3700 -",
                   "rdp A Intel|Y,3700 -", "rdp B Generic,3700 100", "vdi I Intel|X,11163 115", "vdi I Intel|X,9665 -",
                   "vdi B AMD|Y,9666 100", "vdi B Generic,99999 -"});
    }
    void listEntries()
    {
        QFETCH(QStringList, row);
        const QString line = QString(row[2]).replace(u'|', u' ');
        const Vendor vendor = vendors[row[1]];
        const Run run = size(
            row[0], "1", [] { return TaskLevel::Light; }, [&] { return vendor; }, line.toUtf8() + "\r\n");
        const qsizetype blanks = row[0] == "vdi" ? 7 : vendor == Vendor::Both ? 28 : 24;
        const QString model = line.section(u',', 0, 0).remove(QRegularExpression("^ +| +$"));
        QCOMPARE(run.candidates,
                 row[3] == "-" ? QStringList() : QStringList{model + QString(blanks, u' ') + row[3] + u'%'});
        QCOMPARE(run.result.catalogue.records, 1);
    }

    // kind, language, then the busy heading, the heading and the result text, for 007 terminals.
    void texts_data()
    {
        tableRows({"rdp|zh|007台终端 - 正在计算服务器配置信息...|007台终端 - 服务器配置信息：|16 GB\n180 GB\n500 GB\n"
                   "1000 Mbps\nGT1030 2GB 或 集成显卡\nWindows 7 10 或者 Server 2012 2016",
                   "vdi|en|007 terminals - Calculating Server Configuration Information...|007 terminals - server "
                   "configuration information:|Memory: 40 GB\r\nSSD: 300 GB\r\nHDD: 500 GB\r\nNIC speed: 1000 Mbps"},
                  u'|');
    }
    void texts()
    {
        QFETCH(QStringList, row);
        const Run run = size(
            row[0], "007", [] { return TaskLevel::Medium; }, [] { return Vendor::Intel; }, {},
            row[1] == "en" ? Language::English : Language::Chinese);
        QCOMPARE((QStringList{run.busyHeading, run.result.heading, run.text}), row.mid(2));
    }

    // The level chosen while the catalogue is read governs the minimums, not the required score; a vendor
    // chosen applies to the records read after it. Medium, 20 terminals: RDP needs 15200 (heavy 17200).
    void optionsReadWhenNeeded()
    {
        TaskLevel level = TaskLevel::Medium;
        Vendor vendor = Vendor::Intel;
        const Run run = size(
            "rdp", "20", [&] { return level; }, [&] { return vendor; },
            TestCatalogue::lines({"Intel A,16000", "Intel B,16000", "AMD C,16000"}), Language::English,
            [&](int pump) {
                if (pump == 1)
                    std::tie(level, vendor) = std::tuple(TaskLevel::Heavy, Vendor::Amd);
            });
        QCOMPARE(run.candidates, (QStringList{withBlanks("Intel A{24}105%"), withBlanks("AMD C{24}105%")}));
        QCOMPARE(run.result.requiredScore, 15200);
        QCOMPARE((QList<int>{run.result.hardware.memory, run.result.hardware.network}), (QList<int>{40, 2000}));
    }

    // score, then terminals and minimums (none: too low; - : beyond 32 bits).
    void capacity_data()
    {
        tableRows({"3799.99", "3800 1 8 120 500 100", "4400 2 8 120 500 200", "5600 4 16 120 500 1000",
                   "9799.9 10 24 180 1000 1000", "27200 40 64 420 2500 3000", "294200 485 736 3480 24500 25000",
                   "2.6e10 -"});
    }
    void capacity()
    {
        QFETCH(QStringList, row);
        const auto capacity = Capacity::of(row[0].toDouble());
        QCOMPARE(!capacity, row.value(1) == "-");
        QCOMPARE(capacity && capacity->tooLow(), row.size() == 1);
        if (capacity && !capacity->tooLow()) {
            const ServerMinimums &m = capacity->minimums;
            QCOMPARE((QStringList{QString::number(capacity->terminals), QString::number(m.memory),
                                  QString::number(m.ssd), QString::number(m.hdd), QString::number(m.network)}),
                     row.mid(1));
        }
    }

    // typed, language, the text ("too short" for a refused text).
    void query_data()
    {
        tableRows(
            {"123|en|too short", "xeon|en|",
             "  E-2 |en|CPU model: Intel Xeon E-2288G\r\nCPU performance is too low!\r\n\r\n"
             "CPU model: Intel Xeon E-2388G\r\nNumber of loadable terminals: 34\r\nServer memory minimum:56 GB\r\n"
             "Server SSD min:360 GB\r\nServer HDD min:2000 GB\r\nServer NIC speed min:2000 Mbps\r\n\r\n",
             "w 22|zh|CPU型号：Low 2288\r\nCPU性能过低！\r\n\r\n"},
            u'|');
    }
    // Newest first, the blanks around the text not sought, case counted; the search ends at the first empty
    // line, as the catalogue does.
    void query()
    {
        QFETCH(QStringList, row);
        const TestCatalogue catalogue(TestCatalogue::lines(
            {"Intel Xeon E-2388G,23761", "Intel Xeon E-2288G,100", "Low 2288,100", "", "Low 2,1"}));
        QStringList entries;
        CapacityQuery::Progress progress;
        progress.entry = [&](const QString &entry) { entries.prepend(entry); };
        const auto outcome = CapacityQuery::run(row[0], catalogue.path(),
                                                row[1] == "en" ? Language::English : Language::Chinese, progress);
        QCOMPARE(outcome.status, row[2] == "too short" ? CapacityQuery::Status::TooShort : CapacityQuery::Status::Done);
        if (outcome.status == CapacityQuery::Status::Done)
            QCOMPARE((QStringList{outcome.text, entries.join(QString()), QString::number(outcome.catalogue.records)}),
                     (QStringList{row[2], row[2], "3"}));
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
