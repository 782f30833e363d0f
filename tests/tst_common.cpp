#include "listentry.h"
#include "int32.h"
#include "stepup.h"
#include "terminalcount.h"

#include <QTest>

#include <limits>

using OptionalInt = std::optional<qint32>;
using OptionalDouble = std::optional<double>;
Q_DECLARE_METATYPE(OptionalInt)
Q_DECLARE_METATYPE(OptionalDouble)

class TestCommon : public QObject
{
    Q_OBJECT

private slots:
    void stepUp_data();
    void stepUp();
    void network_data();
    void network();
    void terminalCount_data();
    void terminalCount();
    void int32Limits_data();
    void int32Limits();
    void wholeNumbers_data();
    void wholeNumbers();
};

void TestCommon::stepUp_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<qint32>("step");
    QTest::addColumn<OptionalInt>("expected");

    QTest::newRow("zero goes a whole step") << 0 << 8 << OptionalInt(8);
    QTest::newRow("7 -> 8") << 7 << 8 << OptionalInt(8);
    QTest::newRow("multiple 8 -> 16") << 8 << 8 << OptionalInt(16);
    QTest::newRow("multiple 32 -> 40") << 32 << 8 << OptionalInt(40);
    QTest::newRow("ssd 120 -> 180") << 120 << 60 << OptionalInt(180);
    QTest::newRow("ssd 87 -> 120") << 87 << 60 << OptionalInt(120);
    QTest::newRow("hdd 500 -> 1000") << 500 << 500 << OptionalInt(1000);
    QTest::newRow("hdd 1450 -> 1500") << 1450 << 500 << OptionalInt(1500);
    QTest::newRow("negative keeps the truncating remainder") << -5 << 8 << OptionalInt(8);
    QTest::newRow("just fits") << 2147483639 << 8 << OptionalInt(2147483640);
    QTest::newRow("would pass 32 bits") << 2147483640 << 8 << OptionalInt();
    QTest::newRow("largest value") << std::numeric_limits<qint32>::max() << 500 << OptionalInt();
}

void TestCommon::stepUp()
{
    QFETCH(qint32, value);
    QFETCH(qint32, step);
    QFETCH(OptionalInt, expected);
    QCOMPARE(StepUp::nextMultipleAbove(value, step), expected);
}

void TestCommon::network_data()
{
    QTest::addColumn<qint32>("base");
    QTest::addColumn<qint32>("expected");

    QTest::newRow("0") << 0 << 100;
    QTest::newRow("50") << 50 << 100;
    QTest::newRow("90") << 90 << 100;
    QTest::newRow("100 is a multiple of the small step") << 100 << 200;
    QTest::newRow("101 takes the large step") << 101 << 1000;
    QTest::newRow("120") << 120 << 1000;
    QTest::newRow("1000 is a multiple of the large step") << 1000 << 2000;
    QTest::newRow("5000") << 5000 << 6000;
}

void TestCommon::network()
{
    QFETCH(qint32, base);
    QFETCH(qint32, expected);
    QCOMPARE(StepUp::network(base), OptionalInt(expected));
}

void TestCommon::terminalCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<OptionalDouble>("expected");

    QTest::newRow("empty") << QString() << OptionalDouble();
    QTest::newRow("0") << "0" << OptionalDouble();
    QTest::newRow("00 is valid") << "00" << OptionalDouble(0);
    QTest::newRow("000") << "000" << OptionalDouble(0);
    QTest::newRow("007") << "007" << OptionalDouble(7);
    QTest::newRow("30") << "30" << OptionalDouble(30);
    QTest::newRow("many leading zeros") << "0000000000000000000000025" << OptionalDouble(25);
    QTest::newRow("pasted blank before") << " 30" << OptionalDouble();
    QTest::newRow("pasted blank after") << "30 " << OptionalDouble();
    QTest::newRow("pasted letters") << "12a" << OptionalDouble();
    QTest::newRow("pasted sign") << "-5" << OptionalDouble();
    QTest::newRow("pasted plus") << "+5" << OptionalDouble();
    QTest::newRow("pasted fraction") << "1.5" << OptionalDouble();
    QTest::newRow("pasted exponent") << "1e3" << OptionalDouble();
    QTest::newRow("full-width digits") << QString::fromUtf8("１２") << OptionalDouble();
    QTest::newRow("Arabic-Indic digit") << QString::fromUtf8("٣") << OptionalDouble();
    QTest::newRow("huge") << "99999999999999999999" << OptionalDouble(1e20);
    QTest::newRow("beyond a double") << QString(400, u'9') << OptionalDouble();
}

void TestCommon::terminalCount()
{
    QFETCH(QString, text);
    QFETCH(OptionalDouble, expected);
    QCOMPARE(TerminalCount::parse(text), expected);
}

void TestCommon::int32Limits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<OptionalInt>("expected");

    QTest::newRow("largest") << 2147483647.0 << OptionalInt(2147483647);
    QTest::newRow("largest with a fraction") << 2147483647.9 << OptionalInt(2147483647);
    QTest::newRow("one past") << 2147483648.0 << OptionalInt();
    QTest::newRow("smallest") << -2147483648.0 << OptionalInt(std::numeric_limits<qint32>::min());
    QTest::newRow("one below") << -2147483649.0 << OptionalInt();
    QTest::newRow("4.5 truncates") << 4.5 << OptionalInt(4);
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << OptionalInt();
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << OptionalInt();
}

void TestCommon::int32Limits()
{
    QFETCH(double, value);
    QFETCH(OptionalInt, expected);
    QCOMPARE(Int32::truncate(value), expected);
}

void TestCommon::wholeNumbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("100") << 100.0 << "Xeon  100%";
    QTest::newRow("beyond 32 bits") << 26315789473.0 << "Xeon  26315789473%";
    QTest::newRow("beyond 2^53") << 1e20 << "Xeon  100000000000000000000%";
}

void TestCommon::wholeNumbers()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(ListEntry::make(u"Xeon", 2, value), expected);
}

QTEST_APPLESS_MAIN(TestCommon)
#include "tst_common.moc"
