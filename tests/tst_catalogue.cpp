// Catalogue files as written, edited, truncated, grown, swapped or failing: each gives a defined outcome.

#include "cataloguereader.h"
#include "cpucatalogue.h"
#include "testcatalogue.h"
#ifdef Q_OS_UNIX
#include "fuzzsupport.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include "faultydisk.h"
#endif

#include <QDir>
#include <QTest>

namespace {

// Every record of a reading as "model|score".
QStringList recordsOf(const QString &path, CpuCatalogue::Outcome *outcome = nullptr,
                      const CpuCatalogue::Pump &pump = {})
{
    QStringList records;
    const auto result = CpuCatalogue::read(
        path,
        [&](const CpuRecord &record) { records << record.model().toString() + u'|' + QString::number(record.score()); },
        pump);
    if (outcome)
        *outcome = result;
    return records;
}

} // namespace

class TestCatalogueReading : public QObject
{
    Q_OBJECT

private slots:
#ifdef Q_OS_UNIX
    void asThePlainReading_data();
    void asThePlainReading();
#endif
    void encodings_data();
    void encodings();
    void skipReasons();
    void pumps();
    void notAFile();
    void changedWhileRead_data();
    void changedWhileRead();
#ifdef Q_OS_LINUX
    void readError();
    void hugeLineInLittleMemory();
    void unreadable();
#endif
};

#ifdef Q_OS_UNIX
void TestCatalogueReading::asThePlainReading_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray boundary = "Intel " + QByteArray(65535 - 11, 'x') + ",5000"; // its CR ends the first read
    QList<QByteArray> rows{"A,5\r\nB,6\r\n",
                           "A,5\nB,6\n",
                           "A,5\rB,6\r",
                           "A,5\r\nB,6",
                           "",
                           "\r\nA,5\r\n",
                           "A,1\r\n\r\nB,2\r\n",
                           "A,1\n\rB,2\n",
                           "A,1\r\n   \r\nB,2\r\n",
                           "X,5000,foo\r\n",
                           "X,4999.9\r\n",
                           "X, 5000 \r\nY,\t6\r\n",
                           "  AMD Y  ,7\r\n",
                           "A,1e3\r\nB,+5\r\nC,.5\r\nD,5.\r\nE,1e-400\r\nF,-12\r\nG,1E2\r\n",
                           ",5,\xC3\xA9\r\n,6\r\n",
                           "garbage\r\nX,5\r\n",
                           "A,abc\r\nB,0x10\r\nC,inf\r\nD,nan\r\nE,1e309\r\nF,1.2.3\r\nG,\r\nH,5 000\r\n",
                           "I,,5\r\nJ,1e\r\nK,-\r\nL,.\r\nOK,5\r\n",
                           "A,1" + QByteArray(308, '0') + "\r\nB,2" + QByteArray(308, '0'),
                           "A,0." + QByteArray(400, '0') + "1e710\r\nB,1e-400\r\n",
                           "A\xFF,5\r\nB,6\r\n",
                           "A" + QByteArray(1, '\0') + "X,5\r\nB,6\r\n",
                           boundary + "\r\nB,6\r\n"};
    for (int length : {65536, 65537, 300000}) {
        const QByteArray line = "Intel " + QByteArray(length - 11, 'y') + ",5000";
        rows << "A,1\r\n" + line + "\rB,2\n"
             << "A,1\n" + line;
    }
    // The last byte, a CR, is read in a block of its own after a full buffer of LF lines.
    rows << QByteArray("A,1\n").repeated(32769) + "B,2\r" << QByteArray("A,1\n").repeated(32769) + "B,2222\r";
    for (const QByteArray &row : rows)
        QTest::newRow(row.left(40).toPercentEncoding(" ,.").constData()) << row;
}

// The reader agrees with the fuzz targets' plain reading of the format: lines end at CR LF, CR or LF, the first
// empty line ends the catalogue, a score is a decimal number the C library reads, lines beyond 64 KiB and bytes
// that are no UTF-8 are skipped; and it pumps once for every line read.
void TestCatalogueReading::asThePlainReading()
{
    QFETCH(QByteArray, content);
    const TestCatalogue catalogue(content);
    const Fuzz::Reading plain = Fuzz::plainReading(content);
    QStringList expected;
    for (const Fuzz::Record &record : plain.records)
        expected << record.model + u'|' + QString::number(record.score);
    CpuCatalogue::Outcome outcome;
    int pumps = 0;
    QCOMPARE(recordsOf(catalogue.path(), &outcome, [&] { return ++pumps > 0; }), expected);
    QCOMPARE(outcome, CpuCatalogue::Outcome::Complete);
    QVERIFY(plain.longLine ? pumps >= plain.lines : pumps == plain.lines);
}
#endif

void TestCatalogueReading::encodings_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("records");
    QTest::newRow("system encoding") << TestCatalogue::lines({"英特尔 Intel X,5000"})
                                     << QStringList{"英特尔 Intel X|5000"};
    QTest::newRow("UTF-8 by its byte-order mark")
        << QByteArray("\xEF\xBB\xBF英特尔 X,5000\r\n至强 AMD,1\r\n") << QStringList{"英特尔 X|5000", "至强 AMD|1"};
    QTest::newRow("a later byte-order mark is a character") << QByteArray("\xEF\xBB\xBF"
                                                                          "A,1\r\n\xEF\xBB\xBF至强,2\r\n")
                                                            << QStringList{"A|1", QChar(0xFEFF) + QString("至强|2")};
    QTest::newRow("undecodable bytes skipped")
        << QByteArray("Intel \xFF,5000\r\nAMD,6000\r\n") << QStringList{"AMD|6000"};
}

void TestCatalogueReading::encodings()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, records);
    const TestCatalogue catalogue(content);
    QCOMPARE(recordsOf(catalogue.path()), records);
}

void TestCatalogueReading::skipReasons()
{
    const TestCatalogue catalogue("Intel A,5000\r\nno comma\r\nB,five\r\nC\xC3,1\r\n" + QByteArray(300000, 'x')
                                  + ",1\r\nD,1\r\n\r\nE,1\r\n");
    CatalogueReader reader(catalogue.path());
    using Line = CatalogueReader::Line;
    const QList<Line> expected{Line::Record, Line::NoComma, Line::BadScore, Line::BadBytes, Line::TooLong,
                               Line::Record, Line::Empty,   Line::Record,   Line::EndOfFile};
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

// A pump after every line read, each after its line's record; false abandons; a reading inside a pump (another
// window's) reads the whole file.
void TestCatalogueReading::pumps()
{
    const TestCatalogue catalogue(TestCatalogue::lines({"A,1", "skipped", "B,2", "", "D,4"}));
    QStringList events;
    CpuCatalogue::read(
        catalogue.path(), [&](const CpuRecord &record) { events << record.model().toString(); },
        [&] {
            if (events.isEmpty() || events.constLast() != "pump")
                events << recordsOf(catalogue.path()).join(u' ');
            events << "pump";
            return true;
        });
    QCOMPARE(events, (QStringList{"A", "A|1 B|2", "pump", "pump", "B", "A|1 B|2", "pump"}));
    int pumps = 0;
    QCOMPARE(CpuCatalogue::read(
                 catalogue.path(), [](const CpuRecord &) {}, [&] { return ++pumps < 2; }),
             CpuCatalogue::Outcome::Abandoned);
    QCOMPARE(pumps, 2);
}

// Missing, a folder of that name, a dangling link: no records; a FIFO swapped in is not waited on.
void TestCatalogueReading::notAFile()
{
    const TestCatalogue catalogue("");
    const QString folder = catalogue.folder();
    QVERIFY(QFile::remove(catalogue.path()) && QDir(folder).mkdir("data.dll"));
    for (const QString &path : {folder + "/missing.dll", catalogue.path()}) {
        CpuCatalogue::Outcome outcome;
        QVERIFY(recordsOf(path, &outcome).isEmpty());
        QCOMPARE(outcome, CpuCatalogue::Outcome::Missing);
    }
#ifdef Q_OS_UNIX
    QVERIFY(QFile::link(folder + "/nowhere.dll", folder + "/dangling.dll"));
    QCOMPARE(CpuCatalogue::read(folder + "/dangling.dll", {}), CpuCatalogue::Outcome::Missing);
    QVERIFY(mkfifo(QFile::encodeName(folder + "/fifo.dll").constData(), 0600) == 0);
    QVERIFY(!CatalogueReader(folder + "/fifo.dll").isOpen());
#endif
}

void TestCatalogueReading::changedWhileRead_data()
{
    QTest::addColumn<QByteArray>("appended"); // empty: the file is cut to nothing
    QTest::addColumn<CpuCatalogue::Outcome>("outcome");
    QTest::addColumn<QStringList>("records");
    QTest::newRow("last line finished") << QByteArray("312\r\nC,3\r\n") << CpuCatalogue::Outcome::Complete
                                        << QStringList{"Intel A|1", "Intel B|61312", "C|3"};
    QTest::newRow("last line still cut") << QByteArray("3") << CpuCatalogue::Outcome::Failed
                                         << QStringList{"Intel A|1"};
    QTest::newRow("truncated") << QByteArray() << CpuCatalogue::Outcome::Failed << QStringList{"Intel A|1"};
}

// A writer still at the last line, which has no line end yet; or the file cut short during the reading: a
// reading that cannot tell where the file ends fails rather than answer from a part of it.
void TestCatalogueReading::changedWhileRead()
{
    QFETCH(QByteArray, appended);
    QFETCH(CpuCatalogue::Outcome, outcome);
    QFETCH(QStringList, records);
    const TestCatalogue catalogue("Intel A,1\r\nIntel B,61");
    bool changed = false;
    CpuCatalogue::Outcome result;
    QCOMPARE(recordsOf(catalogue.path(), &result,
                       [&] {
                           QFile file(catalogue.path());
                           changed = changed
                               || (appended.isEmpty() ? file.resize(0)
                                                      : file.open(QIODevice::Append) && file.write(appended) > 0);
                           return true;
                       }),
             records);
    QVERIFY(changed);
    QCOMPARE(result, outcome);
}

#ifdef Q_OS_LINUX
// A disk that fails after the first 64 KiB, where a line ends: the lines read before are no answer.
void TestCatalogueReading::readError()
{
    QByteArray content;
    for (int i = 0; content.size() < 200000; ++i)
        content += "Intel Xeon " + QByteArray::number(i).rightJustified(13, '0') + ",61312\r\n";
    QCOMPARE(content.indexOf("\r\n", 64 * 1024 - 2), 64 * 1024 - 2);
    const TestCatalogue catalogue(content);
    const FaultyDisk disk(catalogue.path(), 64 * 1024);
    QCOMPARE(CpuCatalogue::read(catalogue.path(), [](const CpuRecord &) {}), CpuCatalogue::Outcome::Failed);
}

// A line of 256 MiB is let go as it is read: the peak memory stays flat and the pump keeps running.
void TestCatalogueReading::hugeLineInLittleMemory()
{
    const TestCatalogue catalogue("");
    QFile file(catalogue.path());
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Intel A,1\r\nIntel ") > 0);
    for (int i = 0; i < 256; ++i)
        file.write(QByteArray(1024 * 1024, 'x'));
    file.write(",5000\r\nAMD B,2\r\n");
    file.close();
    const auto peakKiB = [] {
        QFile status("/proc/self/status");
        status.open(QIODevice::ReadOnly);
        const QByteArray text = status.readAll();
        return text.mid(text.indexOf("VmHWM:") + 6).trimmed().split(' ').value(0).toLongLong();
    };
    QFile clear("/proc/self/clear_refs"); // a fresh start for the peak
    QVERIFY(clear.open(QIODevice::WriteOnly) && clear.write("5") == 1);
    clear.close();
    const qint64 before = peakKiB();
    int pumps = 0;
    QCOMPARE(recordsOf(catalogue.path(), nullptr, [&] { return ++pumps > 0; }), (QStringList{"Intel A|1", "AMD B|2"}));
    QVERIFY2(peakKiB() - before < 16 * 1024, qPrintable(QString::number(peakKiB() - before)));
    QVERIFY(pumps > 1000);
}

// A file its reader may not open: no records, as for a missing one. Root reads every file, so the reading
// runs in a child process as nobody, in a folder under /tmp that nobody can reach.
void TestCatalogueReading::unreadable()
{
    QTemporaryDir folder(QStringLiteral("/tmp/quarvel-unreadable-XXXXXX"));
    const TestCatalogue catalogue("Intel A,5000\r\n");
    const QString path = folder.filePath("data.dll");
    QVERIFY(QFile::copy(catalogue.path(), path) && QFile::setPermissions(path, {}));
    QVERIFY(
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther));
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        CpuCatalogue::Outcome outcome;
        _exit(recordsOf(path, &outcome).isEmpty() && outcome == CpuCatalogue::Outcome::Unreadable ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}
#endif

QTEST_APPLESS_MAIN(TestCatalogueReading)
#include "tst_catalogue.moc"
