#include "capacity.h"
#include "capacityquery.h"
#include "testcatalogue.h"

#include <QTest>

namespace {

CapacityQuery::Outcome query(const QString &typed, const QByteArray &catalogueContent, Language language = Language::English)
{
    const TestCatalogue catalogue(catalogueContent);
    return CapacityQuery::run(typed, catalogue.path(), language, {});
}

// The model texts of the entries, top to bottom.
QStringList modelsShown(const QString &text)
{
    QStringList models;
    for (const QString &line : text.split("\r\n")) {
        if (line.startsWith("CPU model: "))
            models << line.mid(11);
    }
    return models;
}

} // namespace

class TestQuery : public QObject
{
    Q_OBJECT

private slots:
    void workedValues_data();
    void workedValues();
    void englishExample();
    void chineseEntries();
    void matching_data();
    void matching();
    void tooShort();
    void figuresBeyond32Bits();
    void abandoned();
};

void TestQuery::workedValues_data()
{
    QTest::addColumn<double>("score");
    QTest::addColumn<QList<int>>("values"); // T, memory, SSD, HDD, NIC; empty: too low

    QTest::newRow("3799") << 3799.0 << QList<int>{};
    QTest::newRow("3799.99") << 3799.99 << QList<int>{};
    QTest::newRow("3800") << 3800.0 << QList<int>{1, 8, 120, 500, 100};
    QTest::newRow("4400: network base 100") << 4400.0 << QList<int>{2, 8, 120, 500, 200};
    QTest::newRow("5000") << 5000.0 << QList<int>{3, 8, 120, 500, 1000};
    QTest::newRow("5600: memory base 8") << 5600.0 << QList<int>{4, 16, 120, 500, 1000};
    QTest::newRow("8600") << 8600.0 << QList<int>{9, 16, 180, 500, 1000};
    QTest::newRow("9200") << 9200.0 << QList<int>{10, 24, 180, 1000, 1000};
    QTest::newRow("9799.9 is not truncated first") << 9799.9 << QList<int>{10, 24, 180, 1000, 1000};
    QTest::newRow("15200") << 15200.0 << QList<int>{20, 40, 240, 1500, 2000};
    QTest::newRow("27200") << 27200.0 << QList<int>{40, 64, 420, 2500, 3000};
}

void TestQuery::workedValues()
{
    QFETCH(double, score);
    QFETCH(QList<int>, values);
    const auto capacity = Capacity::of(score);
    QVERIFY(capacity);
    QCOMPARE(capacity->tooLow(), values.isEmpty());
    if (!values.isEmpty()) {
        const ServerMinimums &minimums = capacity->minimums;
        QCOMPARE((QList<int>{capacity->terminals, minimums.memory, minimums.ssd, minimums.hdd, minimums.network}), values);
    }
}

void TestQuery::englishExample()
{
    const auto outcome = query("1234", TestCatalogue::lines({"Sample 1234,5000", "Sample 12345,3500"}));
    QCOMPARE(outcome.status, CapacityQuery::Status::Done);
    QCOMPARE(outcome.text, "CPU model: Sample 12345\r\n"
                           "CPU performance is too low!\r\n"
                           "\r\n"
                           "CPU model: Sample 1234\r\n"
                           "Number of loadable terminals: 3\r\n"
                           "Server memory minimum:8 GB\r\n"
                           "Server SSD min:120 GB\r\n"
                           "Server HDD min:500 GB\r\n"
                           "Server NIC speed min:1000 Mbps\r\n"
                           "\r\n");
}

void TestQuery::chineseEntries()
{
    const auto outcome = query("1234", TestCatalogue::lines({" Sample 1234 ,15200", "Sample 12345,3500"}), Language::Chinese);
    QCOMPARE(outcome.text, QString::fromUtf8("CPU型号：Sample 12345\r\n"
                                             "CPU性能过低！\r\n"
                                             "\r\n"
                                             "CPU型号： Sample 1234 \r\n"
                                             "可负载终端数量：20\r\n"
                                             "服务器内存最小值：40 GB\r\n"
                                             "服务器SSD最小值：240 GB\r\n"
                                             "服务器HDD最小值：1500 GB\r\n"
                                             "服务器网卡速度最小值：2000 Mbps\r\n"
                                             "\r\n"));
}

void TestQuery::matching_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("catalogue");
    QTest::addColumn<QStringList>("shown");

    const QByteArray xeons = TestCatalogue::lines({"Intel Xeon E-2388G,23761", "Intel Xeon Silver 4214R,18200",
                                                   "AMD EPYC 7302,25000", "Intel Xeon E-2288G,20000"});
    QTest::newRow("later match stands first") << "2388" << xeons << QStringList{"Intel Xeon E-2388G"};
    QTest::newRow("several, newest first") << " 88G" << xeons << QStringList{"Intel Xeon E-2288G", "Intel Xeon E-2388G"};
    QTest::newRow("case counts") << "xeon" << xeons << QStringList{};
    QTest::newRow("blanks around are not sought") << "    4214" << xeons << QStringList{"Intel Xeon Silver 4214R"};
    QTest::newRow("blanks inside are") << "E- 2388" << xeons << QStringList{};
    QTest::newRow("no match") << "9999" << xeons << QStringList{};
    QTest::newRow("four blanks match every model")
        << "    " << xeons
        << QStringList{"Intel Xeon E-2288G", "AMD EPYC 7302", "Intel Xeon Silver 4214R", "Intel Xeon E-2388G"};
    QTest::newRow("empty model never matches") << "    " << QByteArray(",5000\r\nA,5000\r\n") << QStringList{"A"};
    QTest::newRow("empty line ends the search")
        << "Xeon" << TestCatalogue::lines({"Intel Xeon A,5000", "Intel Xeon B,5000", "", "Intel Xeon C,5000"})
        << QStringList{"Intel Xeon B", "Intel Xeon A"};
    const QByteArray mixed = TestCatalogue::lines({"英特尔 Xeon 1234,5000", "Intel Xeon 1234,5000", "酷睿 i7-1234,5000"});
    QTest::newRow("ASCII text in a Chinese model") << "1234" << mixed
                                                   << QStringList{"酷睿 i7-1234", "Intel Xeon 1234", "英特尔 Xeon 1234"};
    QTest::newRow("Chinese text") << QString::fromUtf8("酷睿 i7") << mixed << QStringList{QString::fromUtf8("酷睿 i7-1234")};
    QTest::newRow("Chinese text in no ASCII model") << QString::fromUtf8("英特尔 ") << mixed
                                                    << QStringList{QString::fromUtf8("英特尔 Xeon 1234")};
    QTest::newRow("duplicates kept") << "Xeon A" << TestCatalogue::lines({"Xeon A,5000", "Xeon A,5000"})
                                     << QStringList{"Xeon A", "Xeon A"};
}

void TestQuery::matching()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, catalogue);
    QFETCH(QStringList, shown);
    QCOMPARE(modelsShown(query(typed, catalogue).text), shown);
}

void TestQuery::tooShort()
{
    const TestCatalogue catalogue("Intel 123,5000\r\n");
    bool cleared = false;
    CapacityQuery::Progress progress;
    progress.cleared = [&] { cleared = true; };
    QCOMPARE(CapacityQuery::run("123", catalogue.path(), Language::English, progress).status,
             CapacityQuery::Status::TooShort);
    QCOMPARE(CapacityQuery::run(" 12", catalogue.path(), Language::English, progress).status,
             CapacityQuery::Status::TooShort);
    QVERIFY(!cleared);
    QCOMPARE(CapacityQuery::run(" 123", catalogue.path(), Language::English, progress).status,
             CapacityQuery::Status::Done);
    QVERIFY(cleared);
}

void TestQuery::figuresBeyond32Bits()
{
    // The network step-up of 50 T is the first figure to leave 32 bits: T = 42949659 is the last that fits.
    const auto outcome = query("Xeon", TestCatalogue::lines({"Xeon small,0", "Xeon last,25769798600",
                                                             "Xeon first beyond,25769799200", "Xeon huge,1e15",
                                                             "Xeon negative,-1e12"}));
    QCOMPARE(modelsShown(outcome.text), (QStringList{"Xeon last", "Xeon small"}));
    QVERIFY(outcome.text.contains("Number of loadable terminals: 42949659\r\n"));
    QVERIFY(outcome.text.contains("Xeon small\r\nCPU performance is too low!"));
}

void TestQuery::abandoned()
{
    const TestCatalogue catalogue(TestCatalogue::lines({"Xeon A,5000", "Xeon B,5000"}));
    QStringList entries;
    CapacityQuery::Progress progress;
    progress.entry = [&](const QString &entry) { entries << entry; };
    progress.pump = [] { return false; };
    QCOMPARE(CapacityQuery::run("Xeon", catalogue.path(), Language::English, progress).status,
             CapacityQuery::Status::Abandoned);
    QCOMPARE(entries.size(), 1);
}

QTEST_APPLESS_MAIN(TestQuery)
#include "tst_query.moc"
