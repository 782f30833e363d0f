#include "cataloguereader.h"
#include "cpucatalogue.h"
#include "faultydisk.h"
#include "testcatalogue.h"

#include <QDir>
#include <QTest>

#include <cstring>

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
    void longLines_data();
    void longLines();
    void skipReasons();
    void missingFile();
    void folderOfThatName();
    void loneCrAtTheEnd_data();
    void loneCrAtTheEnd();
    void pumpAfterEveryLine();
    void pumpAbandons();
    void overlappingReadings();
    void readError();
    void writtenWhileRead_data();
    void writtenWhileRead();
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
    QTest::newRow("Chinese model text") << TestCatalogue::lines({"英特尔 Intel X,5000"}) << QStringList{"英特尔 Intel X|5000"};
    QTest::newRow("UTF-8 with a byte-order mark") << QByteArray("\xEF\xBB\xBF英特尔 Intel X,5000\r\n至强 AMD,1\r\n")
                                                  << QStringList{"英特尔 Intel X|5000", "至强 AMD|1"};
    QTest::newRow("a later byte-order mark is a character") << QByteArray("\xEF\xBB\xBF" "A,1\r\n\xEF\xBB\xBF至强,2\r\n")
                                                            << QStringList{"A|1", QChar(0xFEFF) + QString("至强|2")};
    QTest::newRow("line without comma skipped") << QByteArray("garbage\r\nIntel X,5000\r\n") << QStringList{"Intel X|5000"};
    QTest::newRow("scores that are no finite decimal number skipped")
        << QByteArray("A,abc\r\nB,0x10\r\nC,inf\r\nD,nan\r\nE,1e309\r\nF,1.2.3\r\nG,\r\nH,5 000\r\nI,,5000\r\n"
                      "J,1e\r\nK,-\r\nL,.\r\nOK,5000\r\n")
        << QStringList{"OK|5000"};
    // The largest double is about 1.8e308: a whole number of 309 digits may still be one.
    QTest::newRow("whole numbers beyond a double skipped")
        << "A,1" + QByteArray(308, '0') + "\r\nB,2" + QByteArray(308, '0') + "\r\nC,1" + QByteArray(400, '0') + "\r\n"
        << QStringList{"A|1e+308"};
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

void TestCatalogueReading::longLines_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::addColumn<bool>("read");
    QTest::newRow("longest line") << 65536 << QByteArray("\r\n") << true;
    QTest::newRow("a byte too long") << 65537 << QByteArray("\r\n") << false;
    QTest::newRow("far too long") << 300000 << QByteArray("\n") << false;
    QTest::newRow("too long, CR only") << 300000 << QByteArray("\r") << false;
    QTest::newRow("longest last line") << 65536 << QByteArray() << true;
    QTest::newRow("too long last line") << 65537 << QByteArray() << false;
}

void TestCatalogueReading::longLines()
{
    QFETCH(int, length);
    QFETCH(QByteArray, lineEnd);
    QFETCH(bool, read);
    const QByteArray line = "Intel " + QByteArray(length - 11, 'y') + ",5000";
    QCOMPARE(line.size(), length);
    const QByteArray after = lineEnd.isEmpty() ? QByteArray() : "AMD B,2" + lineEnd;
    const TestCatalogue catalogue("AMD A,1\r\n" + line + lineEnd + after);
    QStringList expected{"AMD A|1"};
    if (read)
        expected << QString::fromLatin1(line).replace(",", "|");
    if (!after.isEmpty())
        expected << "AMD B|2";
    CpuCatalogue::Outcome outcome;
    QCOMPARE(recordsOf(catalogue.path(), &outcome), expected);
    QCOMPARE(outcome, CpuCatalogue::Outcome::Complete);
}

void TestCatalogueReading::skipReasons()
{
    const TestCatalogue catalogue("Intel A,5000\r\nno comma\r\nB,five\r\nC\xC3,1\r\n" + QByteArray(300000, 'x')
                                  + ",1\r\nD,1\r\n\r\nE,1\r\n");
    CatalogueReader reader(catalogue.path());
    using Line = CatalogueReader::Line;
    const QList<Line> expected{Line::Record, Line::NoComma, Line::BadScore, Line::BadBytes, Line::TooLong,
                               Line::Record, Line::Empty,  Line::Record,   Line::EndOfFile};
    for (qsizetype i = 0; i < expected.size(); ++i) {
        Line line = reader.next();
        int blocks = 0;
        for (; line == Line::Skipping; line = reader.next())
            ++blocks;
        QCOMPARE(line, expected[i]);
        QCOMPARE(blocks > 0, expected[i] == Line::TooLong); // the long line lets the caller pump on the way
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

void TestCatalogueReading::loneCrAtTheEnd_data()
{
    QTest::addColumn<QByteArray>("lastLine");
    for (const char *line : {"B,2\r", "B,22\r", "B,222\r", "B,2222\r"})
        QTest::addRow("last line of %d bytes", int(std::strlen(line))) << QByteArray(line);
}

void TestCatalogueReading::loneCrAtTheEnd()
{
    // The last byte of the file is a CR, read in a block of its own after a full buffer of LF lines: what
    // lies behind it in the buffer is no LF of the file.
    QFETCH(QByteArray, lastLine);
    QByteArray content;
    for (int i = 0; i < 32769; ++i)
        content += "A,1\n";
    const TestCatalogue catalogue(content + lastLine);
    int records = 0;
    int pumps = 0;
    const auto outcome = CpuCatalogue::read(
        catalogue.path(), [&](const CpuRecord &) { ++records; }, [&] { return ++pumps > 0; });
    QCOMPARE(outcome, CpuCatalogue::Outcome::Complete);
    QCOMPARE(records, 32770);
    QCOMPARE(pumps, 32770);
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

void TestCatalogueReading::readError()
{
    // A disk that fails after the first 64 KiB, where a line ends: the lines read before are no answer.
    QByteArray content;
    for (int i = 0; content.size() < 200000; ++i)
        content += "Intel Xeon " + QByteArray::number(i).rightJustified(13, '0') + ",61312\r\n";
    QCOMPARE(content.indexOf("\r\n", 64 * 1024 - 2), 64 * 1024 - 2);
    const TestCatalogue catalogue(content);
    const FaultyDisk disk(catalogue.path(), 64 * 1024);
    QCOMPARE(CpuCatalogue::read(catalogue.path(), [](const CpuRecord &) {}), CpuCatalogue::Outcome::Failed);
}

void TestCatalogueReading::writtenWhileRead_data()
{
    QTest::addColumn<QByteArray>("appended");
    QTest::addColumn<CpuCatalogue::Outcome>("outcome");
    QTest::addColumn<QStringList>("records");
    QTest::newRow("last line finished") << QByteArray("312\r\n") << CpuCatalogue::Outcome::Complete
                                        << QStringList{"Intel A|1", "Intel B|61312"};
    QTest::newRow("last line still cut") << QByteArray("3") << CpuCatalogue::Outcome::Failed
                                         << QStringList{"Intel A|1"};
}

void TestCatalogueReading::writtenWhileRead()
{
    // A writer is still at the last line, which has no line end yet.
    QFETCH(QByteArray, appended);
    QFETCH(CpuCatalogue::Outcome, outcome);
    QFETCH(QStringList, records);
    const TestCatalogue catalogue("Intel A,1\r\nIntel B,61");
    QStringList read;
    bool written = false;
    const auto result = CpuCatalogue::read(
        catalogue.path(), [&](const CpuRecord &record) { read << record.model().toString() + u'|' + QString::number(record.score()); },
        [&] {
            if (!written) {
                QFile file(catalogue.path());
                written = file.open(QIODevice::Append) && file.write(appended) == appended.size();
            }
            return true;
        });
    QVERIFY(written);
    QCOMPARE(result, outcome);
    QCOMPARE(read, records);
}

QTEST_APPLESS_MAIN(TestCatalogueReading)
#include "tst_catalogue.moc"
