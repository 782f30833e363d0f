// The catalogue reader against a plain reading of the format, the plan reader against its own writing, and files
// that only a POSIX system lets a test make: FIFOs and links.

#include "cataloguereader.h"
#include "cpucatalogue.h"
#include "fuzzplan.h"
#include "fuzzsupport.h"
#include "testcatalogue.h"

#include <QDir>
#include <QTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(CpuCatalogue::Outcome)

class TestCatalogueFiles : public QObject
{
    Q_OBJECT

private slots:
    // The plan and details fuzz targets' seeds: each key of the plan file and each way of breaking it; details in
    // step with the catalogue, out of step, repeated, hostile.
    void seeds_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("plan");
        for (const bool plan : {true, false}) {
            for (const QFileInfo &seed :
                 QDir(plan ? QUARVEL_PLAN_CORPUS : QUARVEL_DETAILS_CORPUS).entryInfoList(QDir::Files)) {
                QFile file(seed.filePath());
                QTest::newRow(qPrintable(seed.fileName()))
                    << (file.open(QIODevice::ReadOnly) ? file.readAll() : "") << plan;
            }
        }
    }
    void seeds()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, plan);
        // Each ends the program with the invariant that failed.
        if (plan)
            Fuzz::checkPlan(content);
        else
            Fuzz::checkDetails(content);
    }

    // The fuzz target's seeds; lines at the reader's block boundaries and beyond its 64 KiB.
    void asThePlainReading_data()
    {
        QTest::addColumn<QByteArray>("content");
        for (const QFileInfo &seed : QDir(QUARVEL_CORPUS).entryInfoList(QDir::Files)) {
            QFile file(seed.filePath());
            QTest::newRow(qPrintable(seed.fileName())) << (file.open(QIODevice::ReadOnly) ? file.readAll() : "");
        }
        // The first read of a large file takes 131,076 bytes: it ends between a CR and its LF.
        const QByteArray lines = QByteArray("A,1\n").repeated(32741) + "Intel " + QByteArray(100, 'x') + ",5000\r";
        QTest::newRow("CR LF across two reads") << lines + "\nB,6\r\n";
        for (int length : {65536, 65537, 300000}) {
            const QByteArray line = "Intel " + QByteArray(length - 11, 'y') + ",5000";
            QTest::addRow("a line of %d, CR", length) << "A,1\r\n" + line + "\rB,2\n";
            QTest::addRow("a line of %d, last", length) << "A,1\n" + line;
        }
        // The last byte, a CR, is read in a block of its own after a full buffer of LF lines.
        for (const char *last : {"B,2\r", "B,2222\r"})
            QTest::newRow(last) << QByteArray("A,1\n").repeated(32769) + last;
    }
    // Lines end at CR LF, CR or LF, the first empty line ends the catalogue, a score is a decimal number the C
    // library reads, lines beyond 64 KiB and bytes that are no UTF-8 are skipped; the pump runs once a line.
    void asThePlainReading()
    {
        QFETCH(QByteArray, content);
        Fuzz::checkReading(content); // ends the program with the invariant that failed
    }

    // Missing, a folder or a dangling link is no file; a FIFO swapped in after the look is not waited on.
    void notAFile()
    {
        const TestCatalogue catalogue("");
        const QString folder = catalogue.folder();
        QVERIFY(QFile::link(folder + "/nowhere.dll", folder + "/dangling.dll") && QDir(folder).mkdir("folder.dll"));
        for (const char *name : {"/missing.dll", "/folder.dll", "/dangling.dll"})
            QCOMPARE(CpuCatalogue::read(folder + name, {}), CpuCatalogue::Outcome::Missing);
        QVERIFY(mkfifo(QFile::encodeName(folder + "/fifo.dll").constData(), 0600) == 0);
        QVERIFY(!CatalogueReader(folder + "/fifo.dll").isOpen());
    }
};

QTEST_APPLESS_MAIN(TestCatalogueFiles)
#include "tst_catalogue_files.moc"
