#include "cataloguereader.h"
#include "cpucatalogue.h"
#ifdef Q_OS_LINUX
#include "faultydisk.h"
#endif
#ifdef Q_OS_UNIX
#include "fuzzsupport.h"
#endif
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
    void skipReasons();
    void folderOfThatName();
    void pumpAfterEveryLine();
    void overlappingReadings();
#ifdef Q_OS_LINUX
    void readError();
#endif
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
    QByteArray boundary = "Intel " + QByteArray(65535 - 11, 'x') + ",5000"; // its CR ends the first 64 KiB read
    QTest::newRow("CR LF across reads") << boundary + "\r\nB,6\r\n" << QStringList{boundary.replace(',', '|'), "B|6"};
    for (int length : {65536, 65537, 300000}) {
        const QByteArray line = "Intel " + QByteArray(length - 11, 'y') + ",5000";
        const QStringList read = length <= 65536 ? QStringList{QString::fromLatin1(line).replace(",", "|")} : QStringList{};
        QTest::addRow("line of %d bytes", length) << "A,1\r\n" + line + "\rB,2\n" << QStringList{"A|1"} + read + QStringList{"B|2"};
        QTest::addRow("last line of %d bytes", length) << "A,1\n" + line << QStringList{"A|1"} + read;
    }
    // The last byte, a CR, is read in a block of its own after a full buffer of LF lines.
    const QByteArray full = QByteArray("A,1\n").repeated(32769);
    for (const char *last : {"B,2\r", "B,2222\r"})
        QTest::addRow("lone CR ending %s", last) << full + last << QStringList(32769, "A|1") + QStringList{QString::fromLatin1(last).chopped(1).replace(",", "|")};
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
#ifdef Q_OS_UNIX // the fuzz targets' plain reading agrees (in UTF-8)
    QStringList plain;
    for (const Fuzz::Record &record : Fuzz::plainReading(content).records)
        plain << record.model + u'|' + QString::number(record.score);
    QCOMPARE(plain, records);
#endif
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

void TestCatalogueReading::folderOfThatName()
{
    const TestCatalogue catalogue("");
    QCOMPARE(CpuCatalogue::read(catalogue.folder() + "/nothing.dll", {}), CpuCatalogue::Outcome::Missing);
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
    int pumps = 0;
    QCOMPARE(CpuCatalogue::read(catalogue.path(), [](const CpuRecord &) {}, [&] { return ++pumps < 2; }),
             CpuCatalogue::Outcome::Abandoned);
    QCOMPARE(pumps, 2);
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

#ifdef Q_OS_LINUX
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
#endif

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
