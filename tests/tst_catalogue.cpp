// Catalogue files as written, edited and changed during a reading, in the system's encoding or UTF-8: each gives
// a defined outcome. (What needs POSIX files is in posix/tst_catalogue_files.)

#include "cpucatalogue.h"
#include "scoretext.h"
#include "testcatalogue.h"

#include <QStringDecoder>
#include <QTest>
#include <cstdlib>

Q_DECLARE_METATYPE(CpuCatalogue::Outcome)

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
    void encodings_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("records");
        QTest::newRow("the system's encoding")
            << TestCatalogue::lines({"英特尔 Intel X,5000"}) << QStringList{"英特尔 Intel X|5000"};
        QTest::newRow("UTF-8 by its byte-order mark")
            << QByteArray("\xEF\xBB\xBF英特尔 X,5000\r\n至强 AMD,1\r\n") << QStringList{"英特尔 X|5000", "至强 AMD|1"};
        QTest::newRow("a byte-order mark alone") << QByteArray("\xEF\xBB\xBF") << QStringList();
        QTest::newRow("a byte-order mark, then an empty line")
            << QByteArray("\xEF\xBB\xBF\r\nIntel X,1\r\n") << QStringList();
    }
    void encodings()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, records);
        const TestCatalogue catalogue(content);
        CpuCatalogue::Outcome outcome;
        QCOMPARE(recordsOf(catalogue.path(), &outcome), records);
        QCOMPARE(outcome, CpuCatalogue::Outcome::Complete);
    }

    void digits_data()
    {
        QTest::addColumn<QByteArray>("score");
        QTest::newRow("15 digits: the line's own reading") << QByteArray("987654321098765");
        QTest::newRow("16 digits, beyond 2^53") << QByteArray("9007199254740993");
        QTest::newRow("15 digits and a blank: the score's own reading") << QByteArray("987654321098765 ");
        QTest::newRow("20 digits") << QByteArray("12345678901234567891");
        QTest::newRow("17 digits and a fraction") << QByteArray("12345678901234567.5");
        QTest::newRow("25 leading zeros") << QByteArray(25, '0') + "98765432109876543";
    }
    // A score with more digits than a double holds exactly comes out as the C library reads it, by whichever
    // path the reader takes.
    void digits()
    {
        QFETCH(QByteArray, score);
        const TestCatalogue catalogue("Intel X," + score + "\r\n");
        double read = 0;
        CpuCatalogue::read(catalogue.path(), [&](const CpuRecord &record) { read = record.score(); });
        QCOMPARE(QString::number(read, 'g', 17), QString::number(std::strtod(score.constData(), nullptr), 'g', 17));
    }

    void scoreEndsWithItsField_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<double>("score");
        QTest::newRow("whole") << QByteArray("15") << 15.0;
        QTest::newRow("17 digits") << QByteArray("12345678901234567") << 12345678901234567.0;
        QTest::newRow("fraction") << QByteArray("1.5") << 1.5;
        QTest::newRow("exponent") << QByteArray("1e5") << 1e5;
    }
    // The reader hands the score its field in place, inside the line's bytes: what follows is not read.
    void scoreEndsWithItsField()
    {
        QFETCH(QByteArray, field);
        QFETCH(double, score);
        const QByteArray line = field + "9";
        QCOMPARE(ScoreText::parse(std::string_view(line.constData(), size_t(field.size()))), score);
    }

    // The bytes of a byte-order mark at the start of a later block are text in the system's encoding (two GBK
    // characters on a Chinese system), not a sign that the file is UTF-8.
    void byteOrderMarkInALaterBlock()
    {
        // A large file is read in blocks of 131,076 bytes: the last line starts the second one.
        QByteArray content;
        for (int i = 0; content.size() < 130000; ++i)
            content += "Intel Xeon " + QByteArray::number(i) + ",1\r\n";
        content += "Intel " + QByteArray(131076 - content.size() - 10, 'x') + ",1\r\n";
        const TestCatalogue catalogue(content + "\xEF\xBB\xBFIntel Late,2\r\n");
        const QString late = QStringDecoder(QStringConverter::System, QStringConverter::Flag::ConvertInitialBom)
                                 .decode(QByteArray("\xEF\xBB\xBFIntel Late"));
        const QStringList records = recordsOf(catalogue.path());
        QCOMPARE(records.size(), content.count('\n') + 1);
        QCOMPARE(records.constLast(), late + "|2");
    }

    void changedWhileRead_data()
    {
        QTest::addColumn<QByteArray>("appended");
        QTest::addColumn<CpuCatalogue::Outcome>("outcome");
        QTest::addColumn<QStringList>("records");
        QTest::newRow("the last line finished by its writer")
            << QByteArray("312\r\nC,3\r\n") << CpuCatalogue::Outcome::Complete
            << QStringList{"Intel A|1", "Intel B|61312", "C|3"};
        QTest::newRow("the last line still growing")
            << QByteArray("3") << CpuCatalogue::Outcome::Failed << QStringList{"Intel A|1"};
        QTest::newRow("the file cut to nothing")
            << QByteArray() << CpuCatalogue::Outcome::Failed << QStringList{"Intel A|1"};
    }
    // A writer still at the last line, which has no line end yet, or a file cut short during the reading: a
    // reading that cannot tell where the file ends fails rather than answer from a part of it.
    void changedWhileRead()
    {
        QFETCH(QByteArray, appended);
        QFETCH(CpuCatalogue::Outcome, outcome);
        QFETCH(QStringList, records);
        const TestCatalogue catalogue("Intel A,1\r\nIntel B,61");
        bool changed = false;
        CpuCatalogue::Outcome read;
        QCOMPARE(recordsOf(catalogue.path(), &read,
                           [&] {
                               QFile file(catalogue.path());
                               changed = changed
                                   || (appended.isEmpty() ? file.resize(0)
                                                          : file.open(QIODevice::Append) && file.write(appended) > 0);
                               return true;
                           }),
                 records);
        QVERIFY(changed);
        QCOMPARE(read, outcome);
    }
};

QTEST_APPLESS_MAIN(TestCatalogueReading)
#include "tst_catalogue.moc"
