// Server farm planning: the rule at its boundaries, its two properties over the shipped catalogue and generated
// ones, and its window driven by keys and clicks.

#include "capacity.h"
#include "farmplan.h"
#include "rdpsizing.h"
#include "vdisizing.h"
#include "windowundertest.h"

#include <QtTest>
#include <QtWidgets>

#include <random>

Q_DECLARE_METATYPE(FarmPlanning::Kind)
Q_DECLARE_METATYPE(FarmPlanning::Status)
Q_DECLARE_METATYPE(TaskLevel)

namespace {

using Kind = FarmPlanning::Kind;

FarmPlanning::Outcome planned(Kind kind, const QString &count, TaskLevel level, int concurrency, int spares,
                              const QString &catalogue, Vendor vendor = Vendor::Both)
{
    return FarmPlanning::plan({kind, count, level, vendor, concurrency, spares, catalogue, Language::English}, {});
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

} // namespace

class TestFarm : public QObject
{
    Q_OBJECT

private slots:
    void plans_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("concurrency");
        QTest::addColumn<int>("spares");
        QTest::addColumn<QByteArray>("score");
        QTest::addColumn<QList<qint32>>("plan"); // C, A, P, percentage; none where the processor is not listed
        const auto row = [](const char *name, Kind kind, const char *count, int concurrency, int spares,
                            const char *score, QList<qint32> plan) {
            QTest::newRow(name) << kind << QString(count) << concurrency << spares << QByteArray(score) << plan;
        };
        // Medium work: RDP needs 600 a terminal and 3200; VDI (350 n + 5500) ÷ 0.6.
        row("a score exactly on 10 terminals' score", Kind::Rdp, "10", 100, 1, "9200", {10, 1, 10, 100});
        row("one below it", Kind::Rdp, "10", 100, 1, "9199.9", {9, 2, 5, 148});
        row("U a multiple of C", Kind::Rdp, "20", 100, 1, "9200", {10, 2, 10, 100});
        row("U one more", Kind::Rdp, "21", 100, 0, "9200", {10, 3, 7, 124});
        row("90 % of 15: 13.5, so 14", Kind::Rdp, "15", 90, 1, "9200", {10, 2, 7, 124});
        row("1 % of 1: one terminal", Kind::Rdp, "1", 1, 9, "3800", {1, 1, 1, 100});
        row("VDI, exactly on 10 terminals' score", Kind::Vdi, "10", 100, 1, "15000", {10, 1, 10, 100});
        row("VDI, one below", Kind::Vdi, "10", 100, 1, "14999", {9, 2, 5, 124});
        row("far beyond the strongest: as many as fit 32 bits", Kind::Rdp, "3579134", 100, 1, "1e300",
            {3579134, 1, 3579134, 2147483647});
        row("too slow for one terminal", Kind::Rdp, "10", 100, 1, "3799", {});
    }
    void plans()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, count);
        QFETCH(int, concurrency);
        QFETCH(int, spares);
        QFETCH(QByteArray, score);
        QFETCH(QList<qint32>, plan);
        const TestCatalogue catalogue("Intel X," + score + "\r\n");
        const auto outcome = planned(kind, count, TaskLevel::Medium, concurrency, spares, catalogue.path());
        QCOMPARE(outcome.status, FarmPlanning::Status::Done);
        QList<qint32> found;
        for (const FarmPlanning::Plan &p : outcome.result.plans())
            found << p.capacity << p.active << p.perServer << qint32(std::min(p.percentage, 2147483647.0));
        QCOMPARE(found, plan);
        QCOMPARE(outcome.result.spares, spares);
    }

    // Fewest servers in all first, then the least processor that does it, then file order; scores beyond 32 bits
    // too, which the ranking compares rather than sorts by their bits.
    void order()
    {
        const auto ranked = [](const QByteArray &lines) {
            const TestCatalogue catalogue(lines);
            QStringList models;
            for (const auto &plan :
                 planned(Kind::Rdp, "30", TaskLevel::Medium, 100, 1, catalogue.path()).result.plans())
                models << plan.model + u' ' + QString::number(plan.active);
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
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("concurrency");
        QTest::addColumn<int>("spares");
        QTest::addColumn<FarmPlanning::Status>("status");
        QTest::newRow("typed 00: no terminal") << "00" << 100 << 1 << FarmPlanning::Status::InvalidCount;
        QTest::newRow("beyond 32 bits") << "3579135" << 100 << 1 << FarmPlanning::Status::InvalidCount;
        QTest::newRow("letters pasted") << "1a" << 100 << 1 << FarmPlanning::Status::InvalidCount;
        QTest::newRow("21 nines") << QString(21, u'9') << 100 << 1 << FarmPlanning::Status::InvalidCount;
        QTest::newRow("a blank pasted") << " 1" << 100 << 1 << FarmPlanning::Status::InvalidCount;
        QTest::newRow("a full-width digit pasted") << "１" << 100 << 1 << FarmPlanning::Status::InvalidCount;
        QTest::newRow("no one at work") << "10" << 0 << 1 << FarmPlanning::Status::InvalidSettings;
        QTest::newRow("more than all") << "10" << 101 << 1 << FarmPlanning::Status::InvalidSettings;
        QTest::newRow("ten spares") << "10" << 100 << 10 << FarmPlanning::Status::InvalidSettings;
    }
    void refused()
    {
        QFETCH(QString, count);
        QFETCH(int, concurrency);
        QFETCH(int, spares);
        QFETCH(FarmPlanning::Status, status);
        QCOMPARE(planned(Kind::Rdp, count, TaskLevel::Medium, concurrency, spares, {}).status, status);
    }

    // Every one at work, no spare: a processor's plan has one server exactly where the single server's list for
    // the count lists it.
    void oneServerExactlyWhereListed()
    {
        for (const QByteArray &content : catalogues()) {
            const TestCatalogue catalogue(content);
            for (const auto &[kind, rule] :
                 {std::pair(Kind::Rdp, &RdpSizing::rule), std::pair(Kind::Vdi, &VdiSizing::rule)}) {
                for (const char *count : {"1", "30", "400"}) {
                    for (TaskLevel level : {TaskLevel::Light, TaskLevel::Heavy}) {
                        QStringList listed;
                        const SizingRequest request{count, [=] { return level; }, [] { return Vendor::Both; },
                                                    catalogue.path(), Language::English};
                        for (const Candidate &candidate : Sizing::run(request, {}, *rule).result.candidates)
                            listed << candidate.model;
                        QStringList oneServer;
                        for (const auto &plan : planned(kind, count, level, 100, 0, catalogue.path()).result.plans()) {
                            if (plan.active == 1)
                                oneServer << plan.model;
                        }
                        listed.sort();
                        oneServer.sort();
                        QCOMPARE(oneServer, listed);
                    }
                }
            }
        }
    }

    // RDP at medium work: a server's capacity is the query's, for every processor that carries a terminal.
    void capacityAsTheQuery()
    {
        for (const QByteArray &content : catalogues()) {
            const TestCatalogue catalogue(content);
            int compared = 0;
            CpuCatalogue::read(catalogue.path(), [&](const CpuRecord &record) {
                const auto query = Capacity::of(record.score());
                if (!query || query->terminals < 1)
                    return;
                QCOMPARE(FarmPlanning::capacity(RdpSizing::rule, TaskLevel::Medium, std::trunc(record.score())),
                         query->terminals);
                ++compared;
            });
            QVERIFY(compared > 100);
        }
    }

    // Opened by its shortcut, it takes over the main window's count, level and vendor, which it holds disabled;
    // Tab stops at each option group's choice; 90 % of 25 typed and chosen, its plans in a table, the first chosen,
    // what one server must have and the totals, in the window's language (the English texts are the report's, in
    // tst_cli).
    void window()
    {
        const WindowUnderTest test(TestCatalogue::lines({"AMD EPYC 7302,17000", "Intel Xeon E-2388G,23761",
                                                         "Intel Xeon Silver 4214R,18200", "Sample 1234,5000"}),
                                   Language::Chinese);
        typeInto(test.main, "25");
        clickIn(test.main, "Option6");
        QTest::keyClick(test.main, Qt::Key_G, Qt::ControlModifier);
        QPointer<QWidget> farm = openedWindow("FarmWindow");
        const auto goes = qScopeGuard([&farm] { delete farm.data(); });
        QVERIFY(farm && !test.main->isEnabled() && QTest::qWaitForWindowActive(farm));
        QCOMPARE(QApplication::focusWidget(), in<QWidget>(farm, "txbNumber1"));
        QCOMPARE(textIn(farm, "txbNumber1"), "25");
        QVERIFY(in<QRadioButton>(farm, "Option2")->isChecked() && in<QRadioButton>(farm, "Option6")->isChecked());
        for (const char *stop : {"Option7", "Option2", "Option6", "spnConcurrency"}) { // a stop for each group
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), stop);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), "90");
        clickIn(farm, "Command1");
        const auto *table = in<QTableView>(farm, "tblPlans");
        QStringList first;
        for (int column = 0; column < 4; ++column)
            first << table->model()->index(0, column).data().toString();
        QCOMPARE(table->currentIndex().row(), 0);
        QCOMPARE((QStringList{textIn(farm, "Label2"), first.join(" | "), textIn(farm, "Label6").section(u'\n', 0, 0),
                              textIn(farm, "Label3")}),
                 (QStringList{"25台终端 - 服务器群规划：", "1 + 1 | AMD EPYC 7302 | 23 | 100%", "内存-最小值：32 GB",
                              "服务器总数：2（1台工作 + 1台备用）\n全部服务器内存：64 GB"}));
        QTest::mouseClick(table->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(table->horizontalHeader()->sectionViewportPosition(2) + 5, 5));
        QCOMPARE(table->model()->index(0, 1).data().toString(), "Sample 1234"); // 3 terminals each
        farm->close();
        QVERIFY(test.main->isEnabled());
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
};

QTEST_MAIN(TestFarm)
#include "tst_farm.moc"
