#include "cataloguereader.h"
#include "cpucatalogue.h"
#include "testcatalogue.h"

#include <QDir>
#include <QTest>

namespace {

// Every record of a reading as "model|score".
QStringList recordsOf(const QString &path, CpuCatalogue::Outcome *outcome = nullptr)
{
    QStringList records;
    const auto result = CpuCatalogue::read(path, [&](const CpuRecord &record) {
        records << record.model().toString() + u'|' + QString::number(record.score());
    });
    if (outcome)
        *outcome = result;
    return records;
}

} // namespace

class TestCatalogueReading : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void lineEndAtChunkBoundary();
    void lineLongerThanAChunk();
    void skipReasons();
    void missingFile();
    void folderOfThatName();
    void pumpAfterEveryLine();
    void pumpAbandons();
    void overlappingReadings();
};

void TestCatalogueReading::lines_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("records");

    QTest::newRow("CR LF") << QByteArray("Intel A,5000\r\nAMD B,6000\r\n") << QStringList{"Intel A|5000", "AMD B|6000"};
    QTest::newRow("LF only") << QByteArray("Intel A,5000\nAMD B,6000\n") << QStringList{"Intel A|5000", "AMD B|6000"};
    QTest::newRow("CR only") << QByteArray("Intel A,5000\rAMD B,6000\r") << QStringList{"Intel A|5000", "AMD B|6000"};
    QTest::newRow("last line without line end") << QByteArray("Intel A,5000\r\nAMD B,6000")
                                                << QStringList{"Intel A|5000", "AMD B|6000"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("empty first line") << QByteArray("\r\nIntel A,5000\r\n") << QStringList{};
    QTest::newRow("empty line in the middle") << QByteArray("A,1\r\n\r\nB,2\r\n") << QStringList{"A|1"};
    QTest::newRow("empty line in an LF file") << QByteArray("A,1\n\nB,2\n") << QStringList{"A|1"};
    QTest::newRow("LF CR is two line ends") << QByteArray("A,1\n\rB,2\n") << QStringList{"A|1"};
    QTest::newRow("a line of blanks is not empty") << QByteArray("A,1\r\n   \r\nB,2\r\n") << QStringList{"A|1", "B|2"};
    QTest::newRow("four fields") << QByteArray("Intel X,5000,foo,bar\r\n") << QStringList{"Intel X|5000"};
    QTest::newRow("fractional score") << QByteArray("Intel X,4999.9\r\n") << QStringList{"Intel X|4999.9"};
    QTest::newRow("blanks around the score") << QByteArray("Intel X, 5000 \r\nAMD Y,\t6000\r\n")
                                             << QStringList{"Intel X|5000", "AMD Y|6000"};
    QTest::newRow("model kept as read") << QByteArray("  AMD Y  ,7000\r\n") << QStringList{"  AMD Y  |7000"};
    QTest::newRow("signs, exponents, bare fractions")
        << QByteArray("A,1e3\r\nB,+5\r\nC,.5\r\nD,5.\r\nE,1e-400\r\nF,-12\r\n")
        << QStringList{"A|1000", "B|5", "C|0.5", "D|5", "E|0", "F|-12"};
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFIntel X,5000\r\n") << QStringList{"Intel X|5000"};
    QTest::newRow("UTF-8 model text") << QByteArray("英特尔 Intel X,5000\r\n") << QStringList{"英特尔 Intel X|5000"};
    QTest::newRow("line without comma skipped") << QByteArray("garbage\r\nIntel X,5000\r\n") << QStringList{"Intel X|5000"};
    QTest::newRow("scores that are no finite decimal number skipped")
        << QByteArray("A,abc\r\nB,0x10\r\nC,inf\r\nD,nan\r\nE,1e309\r\nF,1.2.3\r\nG,\r\nH,5 000\r\nI,,5000\r\n"
                      "J,1e\r\nK,-\r\nL,.\r\nOK,5000\r\n")
        << QStringList{"OK|5000"};
    QTest::newRow("comma in the score field splits it") << QByteArray("Intel X,1,5\r\n") << QStringList{"Intel X|1"};
    QTest::newRow("undecodable bytes skipped") << QByteArray("Intel \xFF,5000\r\nAMD,6000\r\n") << QStringList{"AMD|6000"};
    QTest::newRow("NUL byte skipped") << QByteArray("Intel") + '\0' + "X,5000\r\nAMD,6000\r\n" << QStringList{"AMD|6000"};
}

void TestCatalogueReading::lines()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, records);
    const TestCatalogue catalogue(content);
    CpuCatalogue::Outcome outcome;
    QCOMPARE(recordsOf(catalogue.path(), &outcome), records);
    QCOMPARE(outcome, CpuCatalogue::Outcome::Complete);
}

void TestCatalogueReading::lineEndAtChunkBoundary()
{
    // The CR of the first line is the last byte of the first 64 KiB read, its LF the first of the next.
    QByteArray first = "Intel ";
    first += QByteArray(65536 - 1 - first.size() - 5, 'x') + ",5000";
    QCOMPARE(first.size(), 65535);
    const TestCatalogue catalogue(first + "\r\nAMD Y,6000\r\n");
    const QStringList records = recordsOf(catalogue.path());
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[1], "AMD Y|6000");
}

void TestCatalogueReading::lineLongerThanAChunk()
{
    const QByteArray model = "Intel " + QByteArray(300000, 'y');
    const TestCatalogue catalogue("AMD A,1\r\n" + model + ",5000\r\nAMD B,2\r\n");
    const QStringList records = recordsOf(catalogue.path());
    QCOMPARE(records.size(), 3);
    QCOMPARE(records[1], QString::fromLatin1(model) + "|5000");
}

void TestCatalogueReading::skipReasons()
{
    const TestCatalogue catalogue("Intel A,5000\r\nno comma\r\nB,five\r\nC\xC3,1\r\nD,1\r\n\r\nE,1\r\n");
    CatalogueReader reader(catalogue.path());
    using Line = CatalogueReader::Line;
    const QList<Line> expected{Line::Record, Line::NoComma, Line::BadScore, Line::BadBytes, Line::Record, Line::Empty,
                               Line::Record, Line::EndOfFile};
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(reader.next(), expected[i]);
        if (expected[i] != Line::EndOfFile)
            QCOMPARE(reader.lineNumber(), i + 1);
    }
}

void TestCatalogueReading::missingFile()
{
    const TestCatalogue catalogue("Intel A,5000\r\n");
    CpuCatalogue::Outcome outcome;
    QVERIFY(recordsOf(catalogue.folder() + "/nothing.dll", &outcome).isEmpty());
    QCOMPARE(outcome, CpuCatalogue::Outcome::Missing);
}

void TestCatalogueReading::folderOfThatName()
{
    const TestCatalogue catalogue("");
    QFile::remove(catalogue.path());
    QVERIFY(QDir(catalogue.folder()).mkdir("data.dll"));
    QVERIFY(!CpuCatalogue::exists(catalogue.path()));
    CpuCatalogue::Outcome outcome;
    QVERIFY(recordsOf(catalogue.path(), &outcome).isEmpty());
    QCOMPARE(outcome, CpuCatalogue::Outcome::Missing);
}

void TestCatalogueReading::pumpAfterEveryLine()
{
    // Four lines before the empty one, one of them skipped: four pumps, each after its line's record.
    const TestCatalogue catalogue(TestCatalogue::lines({"A,1", "skipped", "B,2", "C,3", "", "D,4"}));
    QStringList events;
    CpuCatalogue::read(
        catalogue.path(), [&](const CpuRecord &record) { events << record.model().toString(); },
        [&] {
            events << "pump";
            return true;
        });
    QCOMPARE(events, (QStringList{"A", "pump", "pump", "B", "pump", "C", "pump"}));
}

void TestCatalogueReading::pumpAbandons()
{
    const TestCatalogue catalogue(TestCatalogue::lines({"A,1", "B,2", "C,3"}));
    QStringList models;
    int pumps = 0;
    const auto outcome = CpuCatalogue::read(
        catalogue.path(), [&](const CpuRecord &record) { models << record.model().toString(); }, [&] { return ++pumps < 2; });
    QCOMPARE(outcome, CpuCatalogue::Outcome::Abandoned);
    QCOMPARE(models, (QStringList{"A", "B"}));
}

void TestCatalogueReading::overlappingReadings()
{
    const TestCatalogue catalogue(TestCatalogue::lines({"A,1", "B,2", "C,3"}));
    QStringList outer;
    QStringList inner;
    bool nested = false;
    CpuCatalogue::read(
        catalogue.path(), [&](const CpuRecord &record) { outer << record.model().toString(); },
        [&] {
            if (!nested) {
                nested = true;
                inner = recordsOf(catalogue.path());
            }
            return true;
        });
    QCOMPARE(outer, (QStringList{"A", "B", "C"}));
    QCOMPARE(inner, (QStringList{"A|1", "B|2", "C|3"}));
}

QTEST_APPLESS_MAIN(TestCatalogueReading)
#include "tst_catalogue.moc"
