// Catalogue files that anyone may have edited, truncated, grown or locked: each gives a defined outcome.

#include "cataloguereader.h"
#include "cpucatalogue.h"
#include "testcatalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Reading {
    CpuCatalogue::Outcome outcome;
    qsizetype records = 0;
    QString firstModel;
    double lastScore = 0;
    qsizetype longestModel = 0;
};

Reading readAll(const QString &path, const CpuCatalogue::Pump &pump = {})
{
    Reading reading{};
    reading.outcome = CpuCatalogue::read(
        path,
        [&](const CpuRecord &record) {
            if (reading.records++ == 0)
                reading.firstModel = record.model().left(20).toString();
            reading.lastScore = record.score();
            reading.longestModel = std::max(reading.longestModel, record.model().size());
        },
        pump);
    return reading;
}

// The process's peak resident memory, and a fresh start for it.
qint64 peakMemoryKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

QByteArray manyLines(int count)
{
    QByteArray content;
    content.reserve(count * 30);
    for (int i = 0; i < count; ++i)
        content += "Intel Xeon Model " + QByteArray::number(i) + ',' + QByteArray::number(i % 9000) + "\r\n";
    return content;
}

} // namespace

class TestHostile : public QObject
{
    Q_OBJECT

private slots:
    void shapes_data();
    void shapes();
    void folderAndLinks();
    void hugeLine();
    void unreadable();
    void growsWhileRead();
    void truncatedWhileRead();
};

void TestHostile::shapes_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qsizetype>("records");
    QTest::addColumn<QString>("firstModel");

    const QByteArray fifty(50 * 1024 * 1024, 'x');
    QTest::newRow("50 MB line without line end") << "Intel " + fifty + ",5000" << qsizetype(0) << "";
    QTest::newRow("50 MB line without comma") << fifty << qsizetype(0) << "";
    QTest::newRow("one million lines") << manyLines(1000000) << qsizetype(1000000) << "Intel Xeon Model 0";
    QTest::newRow("only CRs") << QByteArray(1000, '\r') << qsizetype(0) << "";
    QTest::newRow("only LFs") << QByteArray(1000, '\n') << qsizetype(0) << "";
    QTest::newRow("records ended by CRs") << QByteArray("A,1\rB,2\rC,3") << qsizetype(3) << "A";
    QTest::newRow("NUL bytes") << QByteArray(4096, '\0') + "\r\nIntel A,5000\r\n" << qsizetype(1) << "Intel A";
    QTest::newRow("invalid UTF-8") << QByteArray("\xC0\xAF,1\r\n\xED\xA0\x80,2\r\n\xF4\x90\x80\x80,3\r\n\xFF\xFE,4\r\nA,5\r\n")
                                   << qsizetype(1) << "A";
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFIntel A,5000\r\n") << qsizetype(1) << "Intel A";
    QTest::newRow("blanks and signs") << QByteArray("A, +5 \r\nB,-5\r\nC,- 5\r\nD,5-\r\nE,+-5\r\nF,\t7\t\r\n") << qsizetype(3) << "A";
    QTest::newRow("numbers that are no scores")
        << QByteArray("A,1e309\r\nB,nan\r\nC,inf\r\nD,0x10\r\nE,1,5\r\nF,-0\r\n") << qsizetype(2) << "E";
}

void TestHostile::shapes()
{
    QFETCH(QByteArray, content);
    QFETCH(qsizetype, records);
    QFETCH(QString, firstModel);
    const TestCatalogue catalogue(content);
    content.clear();
    qsizetype pumps = 0;
    const Reading reading = readAll(catalogue.path(), [&] { return ++pumps > 0; });
    QCOMPARE(reading.outcome, CpuCatalogue::Outcome::Complete);
    QCOMPARE(reading.records, records);
    QCOMPARE(reading.firstModel, firstModel);
    QVERIFY(pumps >= records);
}

void TestHostile::folderAndLinks()
{
    const TestCatalogue catalogue("Intel A,5000\r\n");
    const QString folder = catalogue.folder();
    QVERIFY(QFile::link(catalogue.path(), folder + "/link.dll"));
    QCOMPARE(readAll(folder + "/link.dll").records, 1);
    QVERIFY(QFile::link(folder + "/nowhere.dll", folder + "/dangling.dll"));
    QCOMPARE(readAll(folder + "/dangling.dll").outcome, CpuCatalogue::Outcome::Missing);
    QVERIFY(QDir(folder).mkdir("folder.dll"));
    QCOMPARE(readAll(folder + "/folder.dll").outcome, CpuCatalogue::Outcome::Missing);
    // A FIFO put in the file's place after the caller looked at it: not waited on, not read.
    QVERIFY(mkfifo(QFile::encodeName(folder + "/fifo.dll").constData(), 0600) == 0);
    QVERIFY(!CatalogueReader(folder + "/fifo.dll").isOpen());
}

void TestHostile::hugeLine()
{
    // A line of 256 MiB is let go as it is read: memory stays flat and the pump keeps running.
    const TestCatalogue catalogue("");
    QFile file(catalogue.path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray block(1024 * 1024, 'x');
    QVERIFY(file.write("Intel A,1\r\nIntel ") > 0);
    for (int i = 0; i < 256; ++i)
        QVERIFY(file.write(block) == block.size());
    QVERIFY(file.write(",5000\r\nAMD B,2\r\n") > 0);
    file.close();

    resetPeakMemory();
    const qint64 before = peakMemoryKiB();
    qsizetype pumps = 0;
    const Reading reading = readAll(catalogue.path(), [&] { return ++pumps > 0; });
    QCOMPARE(reading.outcome, CpuCatalogue::Outcome::Complete);
    QCOMPARE(reading.records, 2);
    QCOMPARE(reading.lastScore, 2);
    QVERIFY2(peakMemoryKiB() - before < 16 * 1024, qPrintable(QString::number(peakMemoryKiB() - before)));
    QVERIFY(pumps > 1000);
}

void TestHostile::unreadable()
{
    // A file its reader may not open: no records, as for a missing one. Root reads every file, so the
    // reading runs in a child process as nobody; the folder is under /tmp, which nobody can reach whatever
    // TMPDIR says.
    QTemporaryDir folder(QStringLiteral("/tmp/quarvel-unreadable-XXXXXX"));
    const QString path = folder.filePath(QStringLiteral("data.dll"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Intel A,5000\r\n") > 0);
    file.close();
    QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                     | QFile::ReadOther | QFile::ExeOther));
    QVERIFY(QFile::setPermissions(path, {}));
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        const Reading reading = readAll(path);
        _exit(reading.outcome == CpuCatalogue::Outcome::Unreadable && reading.records == 0 ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
}

void TestHostile::growsWhileRead()
{
    // Lines appended before the reading reaches the end of the file are read too.
    const TestCatalogue catalogue(TestCatalogue::lines({"Intel A,1", "Intel B,2", "Intel C,3"}));
    bool grown = false;
    const Reading reading = readAll(catalogue.path(), [&] {
        if (!grown) {
            QFile file(catalogue.path());
            grown = file.open(QIODevice::Append) && file.write("Intel D,4\r\nIntel E,5\r\n") > 0;
        }
        return true;
    });
    QVERIFY(grown);
    QCOMPARE(reading.records, 5);
    QCOMPARE(reading.lastScore, 5);
}

void TestHostile::truncatedWhileRead()
{
    // Cut short during the reading: the line the cut went through ends without a line end in a file whose
    // size changed, so the reading fails rather than answer from a part of the file.
    const QByteArray content = manyLines(200000);
    const TestCatalogue catalogue(content);
    bool truncated = false;
    const Reading reading = readAll(catalogue.path(), [&] {
        if (!truncated)
            truncated = QFile::resize(catalogue.path(), 0);
        return true;
    });
    QVERIFY(truncated);
    QCOMPARE(reading.outcome, CpuCatalogue::Outcome::Failed);
}

QTEST_APPLESS_MAIN(TestHostile)
#include "tst_hostile.moc"
