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
    double lastScore = 0;
};

Reading readAll(const QString &path, const CpuCatalogue::Pump &pump = {})
{
    Reading reading{};
    reading.outcome = CpuCatalogue::read(
        path,
        [&](const CpuRecord &record) {
            ++reading.records;
            reading.lastScore = record.score();
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

} // namespace

class TestHostile : public QObject
{
    Q_OBJECT

private slots:
    void folderAndLinks();
    void hugeLine();
    void unreadable();
    void truncatedWhileRead();
};

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

void TestHostile::truncatedWhileRead()
{
    // Cut short during the reading: the line the cut went through ends without a line end in a file whose
    // size changed, so the reading fails rather than answer from a part of the file.
    const TestCatalogue catalogue(QByteArray("Intel Xeon Model 12345,5000\r\n").repeated(200000));
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
