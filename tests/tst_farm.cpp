// Farm and site planning: the rule at its boundaries, its properties over the shipped catalogue and generated
// ones, the plan file (read back as written, refused with its reason), and the farm window.

#include "capacity.h"
#include "farmplan.h"
#include "filedialogs.h"
#include "planfile.h"
#include "planwindow.h"
#include "rdpsizing.h"
#include "recentplans.h"
#include "vdisizing.h"
#include "version.h"
#include "windowundertest.h"

#include <QtTest>
#include <QtWidgets>

#include <random>

Q_DECLARE_METATYPE(SitePlan)
Q_DECLARE_METATYPE(Language)

namespace {

using Kind = FarmPlanning::Kind;
using Group = SitePlan::Group;
using Counts = QList<qint64>;

SitePlan siteOf(const QList<Group> &groups, int ceiling = 100, int growth = 0, int years = 0)
{
    SitePlan site;
    site.vendor = Vendor::Both;
    site.groups = groups;
    site.cpuCeiling = ceiling;
    site.growthPercent = growth;
    site.growthYears = years;
    return site;
}

// The one farm of a site's groups, planned over a catalogue.
FarmPlanning::Farm farmOf(const SitePlan &site, const QString &catalogue)
{
    const FarmPlanning::Outcome outcome = FarmPlanning::plan(site, catalogue, Language::English);
    return *outcome.result.farms[int(site.groups.value(0).kind)];
}

// A catalogue of that many lines with scores spread over what the lists meet, some without a vendor's word.
QByteArray generated(int lines, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> score(1000, 400000);
    const char *const vendors[] = {"Intel", "AMD", "Generic"};
    QByteArray catalogue;
    for (int i = 0; i < lines; ++i)
        catalogue += QByteArray(vendors[random() % 3]) + " Model " + QByteArray::number(i) + ','
            + QByteArray::number(score(random), 'f', 2) + "\r\n";
    return catalogue;
}

QList<QByteArray> catalogues()
{
    QFile shipped(QStringLiteral(QUARVEL_SHIPPED_CATALOGUE));
    return {shipped.open(QIODevice::ReadOnly) ? shipped.readAll() : QByteArray(), generated(500, 1), generated(500, 2)};
}

// A plan of one to five groups of any kind and level, with any values within the limits; texts of any characters.
SitePlan randomSite(std::mt19937 &random)
{
    const auto pick
        = [&random](qint64 least, qint64 most) { return std::uniform_int_distribution<qint64>(least, most)(random); };
    const auto text = [&](int most) {
        QString text;
        for (qint64 i = pick(0, most); i > 0; --i)
            text += QChar(char16_t(pick(1, 0xD7FF)));
        return text;
    };
    SitePlan site = siteOf({}, int(pick(50, 100)), int(pick(0, 100)), int(pick(0, 3)));
    site.name = text(20);
    site.notes = text(60);
    site.vendor = Vendor(pick(0, 2));
    site.spares = int(pick(0, 9));
    for (qint64 i = pick(1, 5); i > 0; --i)
        site.groups.append({text(10), Kind(pick(0, 1)), TaskLevel(pick(0, 2)), pick(1, 400), int(pick(1, 100))});
    if (pick(0, 1))
        site.chosen[int(Kind::Vdi)] = text(30);
    return site;
}

// The plan window, opened from the main window by its shortcut after the count is typed.
PlanWindow *planWindowFrom(QWidget *main, const char *count)
{
    typeInto(main, count);
    QTest::keyClick(main, Qt::Key_G, Qt::ControlModifier);
    auto *window = qobject_cast<PlanWindow *>(openedWindow("PlanWindow"));
    if (!window || !QTest::qWaitForWindowActive(window))
        qWarning("the plan window did not open");
    return window;
}

// The groups as the table shows them, a row a line: "name | kind | level | terminals | concurrency".
QStringList groupsIn(QWidget *window)
{
    const QAbstractItemModel *groups = in<QTableView>(window, "groupsTable")->model();
    QStringList rows;
    for (int row = 0; row < groups->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < groups->columnCount(); ++column)
            cells << groups->index(row, column).data().toString();
        rows << cells.join(" | ");
    }
    return rows;
}

// The first plan of a farm's table, as "servers | processor | terminals | percentage".
QString firstPlanIn(QWidget *window, const char *table)
{
    const QAbstractItemModel *plans = in<QTableView>(window, table)->model();
    QStringList cells;
    for (int column = 0; column < plans->columnCount(); ++column)
        cells << plans->index(0, column).data().toString();
    return cells.join(" | ");
}

// Keys as the keyboard gives them: each to the control that has the focus then, once what the one before it
// posted (an editor's closing) has happened.
void press(std::initializer_list<Qt::Key> keys)
{
    for (const Qt::Key key : keys) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCoreApplication::processEvents();
    }
}
void type(const QString &text)
{
    for (const QChar c : text)
        QTest::keyClicks(QApplication::focusWidget(), QString(c));
}

// A file dropped on a window from a file manager.
void drop(QWidget *window, const QString &path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &dropped);
}

} // namespace

class TestFarm : public QObject
{
    Q_OBJECT

private slots:
    // Recent files of the tests' own.
    void initTestCase()
    {
        QVERIFY(m_settings.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
    }
    void cleanup() { FileDialogs::setChooser({}); }

    void plans_data()
    {
        QTest::addColumn<SitePlan>("site");
        QTest::addColumn<QByteArray>("score");
        QTest::addColumn<Counts>("grown");     // N′ of each group
        QTest::addColumn<Counts>("perServer"); // A, then P of each group; nothing where the processor is not listed
        QTest::addColumn<int>("percentage");
        const auto row = [](const char *name, const SitePlan &site, const char *score, Counts grown, Counts perServer,
                            int percentage) {
            QTest::newRow(name) << site << QByteArray(score) << grown << perServer << percentage;
        };
        const auto rdp = [](qint64 n, TaskLevel level = TaskLevel::Medium, int concurrency = 100) {
            return Group{QString(), Kind::Rdp, level, n, concurrency};
        };
        // RDP needs 500, 600 or 700 a terminal of light, medium or heavy work and 3200 a server.
        row("a score exactly on 10 terminals' score", siteOf({rdp(10)}), "9200", {10}, {1, 10}, 100);
        row("one below it", siteOf({rdp(10)}), "9199.9", {10}, {2, 5}, 148);
        row("U one more than a multiple", siteOf({rdp(21)}), "9200", {21}, {3, 7}, 124);
        row("90 % of 15: 13.5, so 14", siteOf({rdp(15, TaskLevel::Medium, 90)}), "9200", {15}, {2, 7}, 124);
        row("1 % of one terminal", siteOf({rdp(1, TaskLevel::Medium, 1)}), "3800", {1}, {1, 1}, 100);
        row("a mix exactly on its score", siteOf({rdp(10, TaskLevel::Light), rdp(5, TaskLevel::Heavy)}), "11700",
            {10, 5}, {1, 10, 5}, 100);
        row("a mix one below", siteOf({rdp(10, TaskLevel::Light), rdp(5, TaskLevel::Heavy)}), "11699", {10, 5},
            {2, 5, 3}, 149);
        row("80 % ceiling, exactly on required × 100 ÷ 80", siteOf({rdp(10)}, 80), "11500", {10}, {1, 10}, 125);
        row("80 % ceiling, one below", siteOf({rdp(10)}, 80), "11499", {10}, {2, 5}, 185);
        row("growth landing on whole numbers", siteOf({rdp(100)}, 100, 10, 2), "1e6", {121}, {1, 121}, 1319);
        row("growth rounded up each year", siteOf({rdp(7)}, 100, 10, 3), "1e6", {10}, {1, 10}, 10869);
        row("ten years of doubling the most a count box takes", siteOf({rdp(3579134)}, 100, 100, 10), "63200",
            {3665033216}, {36650333, 100}, 100);
        row("a group far smaller than the others", siteOf({rdp(1000), rdp(1, TaskLevel::Heavy)}), "63200", {1000, 1},
            {11, 91, 1}, 108);
        row("VDI: (10 × 300 + 10 × 400 + 5500) ÷ 0.6",
            siteOf({{{}, Kind::Vdi, TaskLevel::Light, 10, 100}, {{}, Kind::Vdi, TaskLevel::Heavy, 10, 100}}), "20833",
            {10, 10}, {1, 10, 10}, 100);
        row("far beyond the strongest: as many as fit 32 bits", siteOf({rdp(3579134)}), "1e300", {3579134},
            {1, 3579134}, -1);
        row("too slow for one terminal of each group", siteOf({rdp(5), rdp(1, TaskLevel::Heavy)}), "4499", {5, 1}, {},
            0);
    }
    void plans()
    {
        QFETCH(SitePlan, site);
        QFETCH(QByteArray, score);
        QFETCH(Counts, grown);
        QFETCH(Counts, perServer);
        QFETCH(int, percentage);
        const TestCatalogue catalogue("Intel X," + score + "\r\n");
        const FarmPlanning::Farm farm = farmOf(site, catalogue.path());
        QCOMPARE(farm.grown, grown);
        Counts found;
        for (qsizetype rank = 0; rank < farm.count(); ++rank) {
            const FarmPlanning::Plan &plan = farm.plan(rank);
            found << plan.active << farm.perServer(plan.active);
            if (percentage >= 0)
                QCOMPARE(plan.percentage, percentage);
        }
        QCOMPARE(found, perServer);
    }

    // Fewest servers in all first, then the least processor that does it, then file order; scores beyond 32 bits
    // too, which the ranking compares rather than sorts by their bits.
    void order()
    {
        const auto ranked = [](const QByteArray &lines) {
            const TestCatalogue catalogue(lines);
            const FarmPlanning::Farm farm
                = farmOf(siteOf({{{}, Kind::Rdp, TaskLevel::Medium, 30, 100}}), catalogue.path());
            QStringList models;
            for (qsizetype rank = 0; rank < farm.count(); ++rank)
                models << farm.plan(rank).model + u' ' + QString::number(farm.plan(rank).active);
            return models;
        };
        QCOMPARE(ranked(TestCatalogue::lines(
                     {"Intel D,9200", "AMD A,60000", "Generic B,9300", "Intel C,9200", "AMD E,20000", "Intel F,3000"})),
                 (QStringList{"AMD A 1", "AMD E 2", "Intel D 3", "Intel C 3", "Generic B 3"}));
        QCOMPARE(ranked(TestCatalogue::lines({"Intel D,5e9", "Intel C,5e9", "Intel B,4.5e9"})),
                 (QStringList{"Intel B 1", "Intel D 1", "Intel C 1"}));
    }

    void refused_data()
    {
        QTest::addColumn<SitePlan>("site");
        QTest::addColumn<QString>("refusal");
        const auto row = [](const char *name, const SitePlan &site, const char *refusal) {
            QTest::newRow(name) << site << QString::fromUtf8(refusal);
        };
        const Group group{QString(), Kind::Vdi, TaskLevel::Heavy, 3221211, 100};
        row("no group", siteOf({}), "\"groups\": must hold 1 to 200 user groups");
        row("201 groups", siteOf(QList<Group>(201, group)), "\"groups\": must hold 1 to 200 user groups");
        row("one terminal more than a VDI count box takes at heavy work",
            siteOf({group, {QString(), Kind::Vdi, TaskLevel::Heavy, 3221212, 100}}),
            "group 2, \"terminals\": must be a whole number from 1 to 3221211");
        row("no terminal", siteOf({{QString(), Kind::Rdp, TaskLevel::Light, 0, 100}}),
            "group 1, \"terminals\": must be a whole number from 1 to 4294960");
        row("no one at work", siteOf({{QString(), Kind::Rdp, TaskLevel::Light, 1, 0}}),
            "group 1, \"concurrency\": must be a whole number from 1 to 100");
        row("a ceiling of 49 %", siteOf({group}, 49), "\"cpuCeiling\": must be a whole number from 50 to 100");
        row("growth of 101 %", siteOf({group}, 100, 101),
            "\"growth.percentPerYear\": must be a whole number from 0 to 100");
        row("11 years", siteOf({group}, 100, 0, 11), "\"growth.years\": must be a whole number from 0 to 10");
        row("a group's name of 201 characters", siteOf({{QString(201, u'x'), Kind::Rdp, TaskLevel::Light, 1, 1}}),
            "group 1, \"name\": must be at most 200 characters long");
    }
    void refused()
    {
        QFETCH(SitePlan, site);
        QFETCH(QString, refusal);
        const FarmPlanning::Outcome outcome = FarmPlanning::plan(site, {}, Language::English);
        QCOMPARE(outcome.end, CalculationEnd::InvalidInput);
        QCOMPARE(outcome.refusal, refusal);
    }

    // Every one at work, no spare, no growth, no ceiling: a processor's plan for one group has one server exactly
    // where the single server's list for the count lists it.
    void oneServerExactlyWhereListed()
    {
        for (const QByteArray &content : catalogues()) {
            const TestCatalogue catalogue(content);
            for (const auto &[kind, rule] :
                 {std::pair(Kind::Rdp, &RdpSizing::rule), std::pair(Kind::Vdi, &VdiSizing::rule)}) {
                for (const qint64 count : {1, 30, 400}) {
                    for (TaskLevel level : {TaskLevel::Light, TaskLevel::Heavy}) {
                        QStringList listed;
                        const SizingRequest request{QString::number(count), [=] { return level; },
                                                    [] { return Vendor::Both; }, catalogue.path(), Language::English};
                        for (const Candidate &candidate : Sizing::run(request, {}, *rule).result.candidates)
                            listed << candidate.model;
                        QStringList oneServer;
                        const FarmPlanning::Farm farm
                            = farmOf(siteOf({{{}, kind, level, count, 100}}), catalogue.path());
                        for (qsizetype rank = 0; rank < farm.count() && farm.plan(rank).active == 1; ++rank)
                            oneServer << farm.plan(rank).model;
                        listed.sort();
                        oneServer.sort();
                        QCOMPARE(oneServer, listed);
                    }
                }
            }
        }
    }

    // RDP at medium work: a server carries the query's capacity T and not one terminal more.
    void capacityAsTheQuery()
    {
        for (const QByteArray &content : catalogues()) {
            const TestCatalogue catalogue(content);
            int compared = 0;
            CpuCatalogue::read(catalogue.path(), [&](const CpuRecord &record) {
                const auto query = Capacity::of(record.score());
                if (!query || query->terminals < 1)
                    return;
                const auto carries = [&](qint64 terminals) {
                    return FarmPlanning::carries(RdpSizing::rule, RdpSizing::rule.load(terminals, TaskLevel::Medium),
                                                 std::trunc(record.score()), 100);
                };
                QVERIFY(carries(query->terminals) && !carries(query->terminals + 1));
                ++compared;
            });
            QVERIFY(compared > 100);
        }
    }

    // Fitting only gets easier: a higher ceiling or a higher score never needs more servers; a group split in two
    // of the same kind and level never needs fewer.
    void neverMoreServers()
    {
        std::mt19937 random(7);
        for (const QByteArray &content : catalogues()) {
            const TestCatalogue catalogue(content);
            for (int trial = 0; trial < 20; ++trial) {
                SitePlan site = randomSite(random);
                for (Group &group : site.groups)
                    group.kind = Kind::Rdp;
                const auto serversOf = [&](const SitePlan &plan) {
                    QMap<QString, qint64> servers;
                    const FarmPlanning::Farm farm = farmOf(plan, catalogue.path());
                    for (const FarmPlanning::Plan &one : farm.found)
                        servers.insert(one.model, one.active);
                    return servers;
                };
                const auto before = serversOf(site);
                qint64 least = std::numeric_limits<qint64>::max();
                const FarmPlanning::Farm farm = farmOf(site, catalogue.path());
                QList<FarmPlanning::Plan> byScore = farm.found;
                std::stable_sort(byScore.begin(), byScore.end(),
                                 [](const auto &one, const auto &other) { return one.score < other.score; });
                for (const FarmPlanning::Plan &plan : byScore) {
                    QVERIFY(plan.active <= least || plan.score == byScore.constFirst().score);
                    least = std::min(least, plan.active);
                }
                SitePlan higher = site;
                higher.cpuCeiling = std::min(100, site.cpuCeiling + 10);
                const auto after = serversOf(higher);
                for (auto one = before.cbegin(); one != before.cend(); ++one)
                    QVERIFY(after.value(one.key(), 0) != 0 && after.value(one.key()) <= one.value());
                SitePlan split = site;
                Group half = split.groups.constFirst();
                if (half.terminals < 2)
                    continue;
                half.terminals /= 2;
                split.groups.first().terminals -= half.terminals;
                split.groups.append(half);
                const auto splitServers = serversOf(split);
                for (auto one = splitServers.cbegin(); one != splitServers.cend(); ++one)
                    QVERIFY(one.value() >= before.value(one.key()));
            }
        }
    }

    // A plan file read back is the plan that was written, whatever its texts hold.
    void fileRoundTrip()
    {
        std::mt19937 random(11);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("plan.quarvel"));
        for (int trial = 0; trial < 200; ++trial) {
            const SitePlan site = randomSite(random);
            const auto failed = PlanFile::write(site, path, Language::English);
            QVERIFY2(!failed, qPrintable(failed.value_or(QString())));
            const auto read = PlanFile::read(path, Language::English);
            const auto *refusal = std::get_if<QString>(&read);
            QVERIFY2(!refusal, refusal ? qPrintable(*refusal) : "");
            QVERIFY(std::get<SitePlan>(read) == site);
        }
    }

    void fileRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("refusal"); // after the file's name
        const auto row = [](const char *name, const QByteArray &content, const char *refusal,
                            Language language = Language::English) {
            QTest::newRow(name) << content << language << QString::fromUtf8(refusal);
        };
        const auto plan = [](const QByteArray &values, const QByteArray &groupValues = {}) {
            return R"({"quarvelPlan": 1, "groups": [{"terminals": 10)" + groupValues + "}]" + values + "}";
        };
        row("not JSON", "{\"quarvelPlan\": 1,",
            " is not a Quarvel plan: it is not JSON (at character 18: "
            "unterminated object).");
        row("a number beyond a double", plan(R"(, "spares": 1e400)"),
            " is not a Quarvel plan: it is not JSON (at character 65: illegal number).");
        row("JSON, no plan", "[1]", " is not a Quarvel plan.");
        row("a newer format", R"({"quarvelPlan": 2})",
            " was made by a newer Quarvel (plan format 2); this Quarvel "
            "reads format 1.");
        row("a newer format, Chinese", R"({"quarvelPlan": 2})",
            "由较新版本的Quarvel创建（计划格式2），本版本只能读取格式1。", Language::Chinese);
        row("over 1 MiB", plan(", \"notes\": \"" + QByteArray(1024 * 1024, 'x') + '"'),
            " is larger than 1 MiB: it is not a Quarvel plan.");
        row("no groups", R"({"quarvelPlan": 1})", " cannot be used: \"groups\": must hold 1 to 200 user groups.");
        row("a count in quotes", plan({}, R"(, "concurrency": "90")"),
            " cannot be used: group 1, \"concurrency\": must be a number, not a text in quotes.");
        row("not a whole number", plan({}, R"(, "concurrency": 3.5)"),
            " cannot be used: group 1, \"concurrency\": 3.5 is not a whole number.");
        row("a count outside its limits, Chinese", plan(R"(, "spares": 10)"),
            "无法使用：“spares”：须为0至9之间的整数。", Language::Chinese);
        row("a level not in the list", plan({}, R"(, "level": "extreme")"),
            " cannot be used: group 1, \"level\": must be \"light\", \"medium\" or \"heavy\".");
        row("no terminals", R"({"quarvelPlan": 1, "groups": [{"kind": "vdi"}]})",
            " cannot be used: group 1, \"terminals\": is missing.");
        row("a name too long", plan(", \"name\": \"" + QByteArray(201, 'x') + '"'),
            " cannot be used: \"name\": must be at most 200 characters long.");
        row("a chosen processor not a text", plan(R"(, "chosen": {"rdp": 5})"),
            " cannot be used: \"chosen.rdp\": must be a text or null.");
        row("a group not an object", R"({"quarvelPlan": 1, "groups": [5]})",
            " cannot be used: group 1: must be a JSON object.");
    }
    // Refused with the first thing wrong; the file as it was.
    void fileRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(Language, language);
        QFETCH(QString, refusal);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("site.quarvel"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        const auto read = PlanFile::read(path, language);
        const QString quoted = language == Language::English ? u'"' + QDir::toNativeSeparators(path) + u'"'
                                                             : u'“' + QDir::toNativeSeparators(path) + u'”';
        QCOMPARE(std::get<QString>(read).section(quoted, 1), refusal);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == content);
    }

    // Keys left out take their defaults: Intel, one spare, no growth, no ceiling; a group's kind RDP, medium work,
    // every terminal at work. Keys it does not know are no harm; -0 is 0.
    void fileDefaults()
    {
        const auto read = PlanFile::parsed(R"({"quarvelPlan": 1, "future": [1], "groups": [{"terminals": 10}],
                                               "growth": {"years": -0}})",
                                           "p", Language::English);
        SitePlan defaults = siteOf({{QString(), Kind::Rdp, TaskLevel::Medium, 10, 100}});
        defaults.vendor = Vendor::Intel;
        QVERIFY(std::get<SitePlan>(read) == defaults);
    }

    void groupsByKeys_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<QString>("vdiPlan");
        QTest::addColumn<QStringList>("headings");
        QTest::newRow("English")
            << Language::English
            << QStringList{"Pupils | RDP terminal server | Medium-Sized Tasks | 25 | 100%",
                           " | VDI | Heavy Duty | 12 | 100%"}
            << "1 + 1 | Intel Xeon Silver 4214R | 12 | 106% | unknown | unknown | unknown | unknown"
            << QStringList{"Name", "Server kind", "Task level", "Terminals", "At work (%)"};
        QTest::newRow("Chinese") << Language::Chinese
                                 << QStringList{"Pupils | RDP终端服务器 | 中型任务(推荐) | 25 | 100%",
                                                " | VDI | 重型任务 | 12 | 100%"}
                                 << "1 + 1 | Intel Xeon Silver 4214R | 12 | 106% | 未知 | 未知 | 未知 | 未知"
                                 << QStringList{"名称", "服务器类型", "任务类型", "终端数量", "同时在线（%）"};
    }
    // Ctrl+G takes over the main window's count; a group added by Insert, typed into (typing replaces), its
    // level and kind chosen by F2 and Enter, the arrows moving between cells; both farms planned as they change;
    // a group removed by Delete, the last one never.
    void groupsByKeys()
    {
        QFETCH(Language, language);
        QFETCH(QStringList, groups);
        QFETCH(QString, vdiPlan);
        QFETCH(QStringList, headings);
        const WindowUnderTest test(sampleCatalogue, language);
        QPointer<PlanWindow> window = planWindowFrom(test.main, "25");
        const auto goes = qScopeGuard([&window] { delete window.data(); });
        QVERIFY(window && !test.main->isEnabled());
        auto *table = in<QTableView>(window, "groupsTable");
        for (int column = 0; column < headings.size(); ++column)
            QCOMPARE(table->model()->headerData(column, Qt::Horizontal).toString(), headings.at(column));
        press({Qt::Key_Tab, Qt::Key_Tab}); // from the name by the notes
        QCOMPARE(QApplication::focusWidget(), table);
        press({Qt::Key_Left, Qt::Key_Left, Qt::Key_Left}); // from the count to the name
        type("Pupils");                                    // typing replaces
        press({Qt::Key_Return, Qt::Key_Insert});
        type("12");
        press({Qt::Key_Return});
        for (const Qt::Key edit : {Qt::Key_F2, Qt::Key_Return}) // the level, then the kind
            press({Qt::Key_Left, edit, Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(groupsIn(window), groups);
        QTRY_COMPARE(firstPlanIn(window, "vdiPlansTable"), vdiPlan);
        QVERIFY(window->isWindowModified());
        clickIn(window, "duplicateGroupButton");
        QCOMPARE(groupsIn(window).value(2), groups.value(1));
        press({Qt::Key_Delete, Qt::Key_Delete, Qt::Key_Delete});
        QCOMPARE(groupsIn(window), groups.mid(0, 1));
        QVERIFY(!in<QPushButton>(window, "removeGroupButton")->isEnabled());
        QTRY_VERIFY(!in<QTabWidget>(window, "farmTabs")->isTabVisible(1));
    }

    // Saved (the dialog offers the plan's name), changed (the title's mark), closed with the changes discarded,
    // reopened from the main window's recent files: the plan as it was saved.
    void savedAndReopened()
    {
        const WindowUnderTest test(sampleCatalogue, Language::Chinese);
        QPointer<PlanWindow> window = planWindowFrom(test.main, "30");
        const auto goes = qScopeGuard([&window] { delete window.data(); });
        QInputMethodEvent chinese; // as an input method types it
        chinese.setCommitString("学区");
        QApplication::sendEvent(in<QLineEdit>(window, "nameEdit"), &chinese);
        const QString path = m_settings.filePath("学区.quarvel");
        QString offered;
        FileDialogs::setChooser([&](QWidget *, const QString &suggested) {
            offered = QFileInfo(suggested).fileName();
            return path;
        });
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(offered, "学区.quarvel");
        QCOMPARE(window->windowTitle(), "学区.quarvel[*] - 服务器群规划 v" + Version::shortText());
        QVERIFY(!window->isWindowModified());
        const SitePlan saved = window->plan();
        QCOMPARE(std::get<SitePlan>(PlanFile::read(path, Language::Chinese)), saved);
        QTest::keyClick(in<QSpinBox>(window, "sparesBox"), Qt::Key_Up);
        QVERIFY(window->isWindowModified());
        {
            const MessageBoxCatcher catcher(QMessageBox::Discard);
            window->close();
            QCOMPARE(catcher.boxes.value(0).text, "规划“学区.quarvel”已修改。是否保存所做的修改？");
        }
        QTRY_VERIFY(!window);
        QVERIFY(test.main->isEnabled());
        QCOMPARE(RecentPlans::list().value(0), QFileInfo(path).absoluteFilePath());
        QMenu *recent = nullptr;
        for (QMenu *menu : test.main->findChildren<QMenu *>()) {
            if (menu->title() == "最近打开")
                recent = menu;
        }
        emit recent->aboutToShow();
        recent->actions().constFirst()->trigger();
        window = qobject_cast<PlanWindow *>(openedWindow("PlanWindow"));
        QVERIFY(window && window->plan() == saved && !window->isWindowModified());
    }

    // Unsaved changes: New asks, Cancel leaves everything as it was, Save saves before going on.
    void unsavedChangesAsked()
    {
        const WindowUnderTest test(sampleCatalogue, Language::English);
        QPointer<PlanWindow> window = planWindowFrom(test.main, "30");
        const auto goes = qScopeGuard([&window] { delete window.data(); });
        QTest::keyClicks(in<QLineEdit>(window, "nameEdit"), "Site");
        const SitePlan changed = window->plan();
        {
            const MessageBoxCatcher catcher(QMessageBox::Cancel);
            QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
            QCOMPARE(catcher.boxes.size(), 1);
        }
        window->activateWindow(); // again, once the box has gone, as a window manager does
        QVERIFY(QTest::qWaitForWindowActive(window));
        FileDialogs::setChooser([](QWidget *, const QString &) { return QString(); });
        {
            const MessageBoxCatcher catcher(QMessageBox::Save);
            QTest::keyClick(window, Qt::Key_O, Qt::ControlModifier); // Open… and Save as… cancelled in their dialogs
            QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
            QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier); // Save chosen, its dialog cancelled
            QCOMPARE(catcher.boxes.size(), 1);
        }
        QVERIFY(window->plan() == changed && window->isWindowModified());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        FileDialogs::setChooser([&](QWidget *, const QString &) { return m_settings.filePath("site"); });
        {
            const MessageBoxCatcher catcher(QMessageBox::Save);
            QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
            QCOMPARE(catcher.boxes.size(), 1);
        }
        QCOMPARE(std::get<SitePlan>(PlanFile::read(m_settings.filePath("site.quarvel"), Language::English)), changed);
        QVERIFY(window->plan().name.isEmpty() && !window->isWindowModified());
    }

    // Files dropped on a window: a refused one says why and opens no plan window or leaves it as it was; a good
    // one on the main window opens the plan window on it; a recent file that has gone is said so and dropped from the
    // list.
    void droppedAndGoneFiles()
    {
        const WindowUnderTest test(sampleCatalogue, Language::English);
        const QString bad = m_settings.filePath("bad.quarvel");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("{\"quarvelPlan\": 2}") > 0);
        file.close();
        const MessageBoxCatcher catcher;
        drop(test.main, bad);
        QVERIFY(catcher.boxes.size() == 1 && !openedWindow("PlanWindow"));
        const QString good = m_settings.filePath("good.quarvel");
        SitePlan plan = siteOf({{"Lab", Kind::Vdi, TaskLevel::Light, 8, 50}});
        QVERIFY(!PlanFile::write(plan, good, Language::English));
        drop(test.main, good);
        QPointer<PlanWindow> window = qobject_cast<PlanWindow *>(openedWindow("PlanWindow"));
        const auto goes = qScopeGuard([&window] { delete window.data(); });
        QVERIFY(window && window->plan() == plan && window->path() == good);
        drop(window, bad);
        QCOMPARE(catcher.boxes.value(1).text,
                 "\"" + QDir::toNativeSeparators(bad)
                     + "\" was made by a newer Quarvel (plan format 2); this Quarvel "
                       "reads format 1.");
        QVERIFY(window->plan() == plan && window->path() == good && !window->isWindowModified());
        QVERIFY(QFile::remove(good));
        window->open(good);
        QCOMPARE(catcher.boxes.value(2).text,
                 "The file \"" + QDir::toNativeSeparators(good)
                     + "\" no longer exists; it is taken off the recent plans.");
        QVERIFY(!RecentPlans::list().contains(QFileInfo(good).absoluteFilePath()));
    }

    // At the most groups a plan holds, nothing adds one; a group removed, both buttons add again.
    void mostGroups()
    {
        const WindowUnderTest test(sampleCatalogue, Language::English);
        const QString path = m_settings.filePath("most.quarvel");
        QVERIFY(!PlanFile::write(
            siteOf(QList<Group>(SitePlanLimits::mostGroups, Group{"", Kind::Rdp, TaskLevel::Light, 1, 100})), path,
            Language::English));
        drop(test.main, path);
        QPointer<PlanWindow> window = qobject_cast<PlanWindow *>(openedWindow("PlanWindow"));
        const auto goes = qScopeGuard([&window] { delete window.data(); });
        QVERIFY(window);
        auto *table = in<QTableView>(window, "groupsTable");
        table->setFocus();
        table->setCurrentIndex(table->model()->index(0, 0));
        const auto adding = [&] {
            return in<QPushButton>(window, "addGroupButton")->isEnabled()
                + in<QPushButton>(window, "duplicateGroupButton")->isEnabled();
        };
        press({Qt::Key_Insert});
        QCOMPARE(table->model()->rowCount(), SitePlanLimits::mostGroups);
        QCOMPARE(adding(), 0);
        press({Qt::Key_Delete});
        QCOMPARE(adding(), 2);
    }

    // A change while the catalogue is read plans again from the start, for the plan as it is now; a window
    // closed during a reading goes.
    void changedDuringReading()
    {
        QByteArray lines;
        for (int i = 0; i < 200; ++i)
            lines += "Intel Xeon " + QByteArray::number(i) + ",60000\r\n";
        const WindowUnderTest test(lines, Language::English);
        QPointer<PlanWindow> window = planWindowFrom(test.main, "100");
        const auto goes = qScopeGuard([&window] { delete window.data(); });
        QTRY_COMPARE(firstPlanIn(window, "rdpPlansTable").section(" | ", 0, 0), "2 + 1");
        QStringList shown; // the servers of the first plan, each time the plans are shown
        connect(in<QTableView>(window, "rdpPlansTable")->model(), &QAbstractItemModel::modelReset, window,
                [&] { shown << firstPlanIn(window, "rdpPlansTable").section(" | ", 0, 0); });
        atPump(50, [&] { in<QSpinBox>(window, "sparesBox")->setValue(4); });
        clickIn(window, "planButton");
        QTRY_COMPARE(shown, QStringList{"2 + 4"});             // never the answer of the reading the change cut short
        const MessageBoxCatcher catcher(QMessageBox::Discard); // the changes of the spares
        atPump(20, [&] { window->close(); });
        clickIn(window, "planButton");
        QTRY_VERIFY(!window);
    }

    // A count no single processor carries: the list shows a hint, not an entry.
    void hintWhereNoneCarries()
    {
        const WindowUnderTest test(TestCatalogue::lines({"Intel X,5000"}), Language::English);
        typeInto(test.main, "400");
        clickIn(test.main, "Command1");
        const auto *list = in<QComboBox>(test.main, "Combo1");
        QCOMPARE(list->count(), 0);
        QCOMPARE(list->placeholderText(), "No single processor carries this load: see Tools > Server farm planning.");
    }

    // A file that cannot be written leaves the old one as it was, and says why.
    void fileNotWritten()
    {
        const QTemporaryDir folder;
        const SitePlan site = siteOf({{QString(), Kind::Rdp, TaskLevel::Medium, 10, 100}});
        const QString missing = folder.filePath(QStringLiteral("no such folder/plan.quarvel"));
        QVERIFY(PlanFile::write(site, missing, Language::English)->startsWith("The plan file \""));
        QVERIFY(!QFile::exists(missing));
        const QString underFile = folder.filePath(QStringLiteral("plan.quarvel"));
        QVERIFY(!PlanFile::write(site, underFile, Language::English));
        QVERIFY(PlanFile::write(site, underFile + QStringLiteral("/x.quarvel"), Language::English));
        QVERIFY(std::holds_alternative<SitePlan>(PlanFile::read(underFile, Language::English)));
    }

private:
    QTemporaryDir m_settings;
};

QTEST_MAIN(TestFarm)
#include "tst_farm.moc"
