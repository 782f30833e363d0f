// Catalogue files as written, edited, truncated, grown, swapped or failing: each gives a defined outcome.

#include "cataloguereader.h"
#include "cpucatalogue.h"
#include "tablerows.h"
#include "testcatalogue.h"
#ifdef Q_OS_UNIX
#include "fuzzsupport.h"

#include <sys/resource.h>
#include <sys/stat.h>
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
    // The fuzz target's seeds; lines at the reader's block boundaries and beyond its 64 KiB.
    void asThePlainReading_data()
    {
        QTest::addColumn<QByteArray>("content");
        for (const QFileInfo &seed : QDir(QUARVEL_CORPUS).entryInfoList(QDir::Files)) {
            QFile file(seed.filePath());
            QTest::newRow(qPrintable(seed.fileName())) << (file.open(QIODevice::ReadOnly) ? file.readAll() : "");
        }
        const QByteArray boundary = "Intel " + QByteArray(65535 - 11, 'x') + ",5000"; // its CR ends the first read
        QTest::newRow("a line to the first block's end") << boundary + "\r\nB,6\r\n";
        for (int length : {65536, 65537, 300000}) {
            const QByteArray line = "Intel " + QByteArray(length - 11, 'y') + ",5000";
            QTest::addRow("a line of %d, CR", length) << "A,1\r\n" + line + "\rB,2\n";
            QTest::addRow("a line of %d, last", length) << "A,1\n" + line;
        }
        // The last byte, a CR, is read in a block of its own after a full buffer of LF lines.
        for (const char *last : {"B,2\r", "B,2222\r"})
            QTest::newRow(last) << QByteArray("A,1\n").repeated(32769) + last;
    }
    // The reader agrees with the fuzz targets' plain reading of the format: lines end at CR LF, CR or LF, the
    // first empty line ends the catalogue, a score is a decimal number the C library reads, lines beyond 64 KiB
    // and bytes that are no UTF-8 are skipped; and it pumps once for every line read.
    void asThePlainReading()
    {
        QFETCH(QByteArray, content);
        Fuzz::checkReading(content); // ends the program with the invariant that failed
    }
#endif

    // In the system's encoding, or UTF-8 by a byte-order mark.
    void encodings()
    {
        const TestCatalogue system(TestCatalogue::lines({"英特尔 Intel X,5000"}));
        QCOMPARE(recordsOf(system.path()), QStringList{"英特尔 Intel X|5000"});
        const TestCatalogue utf8("\xEF\xBB\xBF英特尔 X,5000\r\n至强 AMD,1\r\n");
        QCOMPARE(recordsOf(utf8.path()), (QStringList{"英特尔 X|5000", "至强 AMD|1"}));
    }

    // Missing, a folder of that name, a dangling link: no records; a FIFO swapped in is not waited on.
    void notAFile()
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

    // What is appended during the reading (none: the file is cut to nothing), whether the reading completes,
    // the records read.
    void changedWhileRead_data()
    {
        tableRows({"312\r\nC,3\r\n/1/Intel A|1/Intel B|61312/C|3", "3/0/Intel A|1", "/0/Intel A|1"}, u'/');
    }
    // A writer still at the last line, which has no line end yet; or the file cut short during the reading: a
    // reading that cannot tell where the file ends fails rather than answer from a part of it.
    void changedWhileRead()
    {
        QFETCH(QStringList, row);
        const QByteArray appended = row[0].toLatin1();
        const TestCatalogue catalogue("Intel A,1\r\nIntel B,61");
        bool changed = false;
        CpuCatalogue::Outcome outcome;
        QCOMPARE(recordsOf(catalogue.path(), &outcome,
                           [&] {
                               QFile file(catalogue.path());
                               changed = changed
                                   || (appended.isEmpty() ? file.resize(0)
                                                          : file.open(QIODevice::Append) && file.write(appended) > 0);
                               return true;
                           }),
                 row.mid(2));
        QVERIFY(changed);
        QCOMPARE(outcome, row[1] == "1" ? CpuCatalogue::Outcome::Complete : CpuCatalogue::Outcome::Failed);
    }
#ifdef Q_OS_LINUX
    // A disk that fails after the first 64 KiB, where a line ends: the lines read before are no answer.
    void readError()
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
    void hugeLineInLittleMemory()
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
        QCOMPARE(recordsOf(catalogue.path(), nullptr, [&] { return ++pumps > 0; }),
                 (QStringList{"Intel A|1", "AMD B|2"}));
        QVERIFY2(peakKiB() - before < 16 * 1024, qPrintable(QString::number(peakKiB() - before)));
        QVERIFY(pumps > 1000);
    }

    // A file its reader cannot open (here: no descriptor is left for it): no records, as for a missing one.
    void unopenable()
    {
        const TestCatalogue catalogue("Intel A,5000\r\n");
        rlimit limit{};
        QVERIFY(getrlimit(RLIMIT_NOFILE, &limit) == 0);
        rlimit fewer = limit;
        fewer.rlim_cur = rlim_t(dup(0)); // the lowest descriptor free
        close(int(fewer.rlim_cur));
        QVERIFY(setrlimit(RLIMIT_NOFILE, &fewer) == 0);
        CpuCatalogue::Outcome outcome;
        const QStringList records = recordsOf(catalogue.path(), &outcome);
        setrlimit(RLIMIT_NOFILE, &limit);
        QVERIFY(records.isEmpty());
        QCOMPARE(outcome, CpuCatalogue::Outcome::Unreadable);
    }
#endif
};

QTEST_APPLESS_MAIN(TestCatalogueReading)
#include "tst_catalogue.moc"
