#include "fakeplatform.h"
#include "languageselection.h"
#include "posixplatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Codes = std::vector<std::string>;
Q_DECLARE_METATYPE(Codes)

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void rule_data();
    void rule();
    void languageCode_data();
    void languageCode();
    void messagesLocale_data();
    void messagesLocale();
    void markerFile();
};

void TestLanguage::rule_data()
{
    QTest::addColumn<Codes>("codes");
    QTest::addColumn<bool>("marker");
    QTest::addColumn<bool>("initial");
    QTest::addColumn<bool>("english");

    QTest::newRow("2052, no en.dll: Chinese") << Codes{"2052"} << false << false << false;
    QTest::newRow("2052 with en.dll: English") << Codes{"2052"} << true << false << true;
    QTest::newRow("1033: English") << Codes{"1033"} << false << false << true;
    QTest::newRow("1033 with en.dll") << Codes{"1033"} << true << false << true;
    QTest::newRow("1028 (Taiwan): English") << Codes{"1028"} << false << false << true;
    QTest::newRow("no code keeps Chinese") << Codes{} << false << false << false;
    QTest::newRow("no code keeps English") << Codes{} << false << true << true;
    QTest::newRow("no code, en.dll") << Codes{} << true << false << true;
    QTest::newRow("the last code decides: 2052") << Codes{"1033", "2052"} << false << false << false;
    QTest::newRow("the last code decides: 1033") << Codes{"2052", "1033"} << false << false << true;
}

void TestLanguage::rule()
{
    QFETCH(Codes, codes);
    QFETCH(bool, marker);
    QFETCH(bool, initial);
    QFETCH(bool, english);
    FakePlatform platform;
    platform.folder = "/opt/quarvel";
    platform.languageCodes = codes;
    if (marker)
        platform.files.insert("/opt/quarvel/en.dll");
    QCOMPARE(LanguageSelection::english(platform, initial), english);
    QCOMPARE(platform.yields, int(codes.size())); // the event loop runs once per reported object
}

void TestLanguage::languageCode_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("code");

    QTest::newRow("zh_CN.UTF-8") << "zh_CN.UTF-8" << "2052";
    QTest::newRow("zh_CN") << "zh_CN" << "2052";
    QTest::newRow("zh_CN.GB18030") << "zh_CN.GB18030" << "2052";
    QTest::newRow("zh_CN@modifier") << "zh_CN@stroke" << "2052";
    QTest::newRow("zh_TW") << "zh_TW.UTF-8" << "0";
    QTest::newRow("zh_HK") << "zh_HK.UTF-8" << "0";
    QTest::newRow("zh_SG") << "zh_SG" << "0";
    QTest::newRow("zh alone") << "zh" << "0";
    QTest::newRow("en_US") << "en_US.UTF-8" << "0";
    QTest::newRow("C") << "C" << "0";
    QTest::newRow("C.UTF-8") << "C.UTF-8" << "0";
}

void TestLanguage::languageCode()
{
    QFETCH(QString, locale);
    QFETCH(QString, code);
    QCOMPARE(QString::fromStdString(PosixPlatform::languageCode(locale.toStdString())), code);
}

void TestLanguage::messagesLocale_data()
{
    QTest::addColumn<QByteArray>("all");
    QTest::addColumn<QByteArray>("messages");
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<QString>("locale");

    QTest::newRow("LC_ALL first") << QByteArray("zh_CN.UTF-8") << QByteArray("en_US") << QByteArray("en_US") << "zh_CN.UTF-8";
    QTest::newRow("then LC_MESSAGES") << QByteArray() << QByteArray("zh_CN.UTF-8") << QByteArray("en_US") << "zh_CN.UTF-8";
    QTest::newRow("then LANG") << QByteArray() << QByteArray() << QByteArray("zh_CN.UTF-8") << "zh_CN.UTF-8";
    QTest::newRow("LC_MESSAGES over LANG") << QByteArray() << QByteArray("en_GB") << QByteArray("zh_CN.UTF-8") << "en_GB";
    QTest::newRow("none set") << QByteArray() << QByteArray() << QByteArray() << "C";
}

void TestLanguage::messagesLocale()
{
    QFETCH(QByteArray, all);
    QFETCH(QByteArray, messages);
    QFETCH(QByteArray, lang);
    QFETCH(QString, locale);
    const auto set = [](const char *name, const QByteArray &value) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    };
    set("LC_ALL", all);
    set("LC_MESSAGES", messages);
    set("LANG", lang);
    QCOMPARE(QString::fromStdString(PosixPlatform::messagesLocale()), locale);
    if (all.isEmpty()) {
        qputenv("LC_ALL", ""); // an empty value counts as unset
        QCOMPARE(QString::fromStdString(PosixPlatform::messagesLocale()), locale);
    }
}

void TestLanguage::markerFile()
{
    QTemporaryDir folder;
    const std::string path = folder.filePath("en.dll").toStdString();
    PosixPlatform platform;
    QVERIFY(!platform.isOrdinaryFile(path));
    QVERIFY(QDir(folder.path()).mkdir("en.dll"));
    QVERIFY(!platform.isOrdinaryFile(path)); // a folder of that name does not count
    QVERIFY(QDir(folder.path()).rmdir("en.dll"));
    QFile empty(folder.filePath("en.dll"));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QVERIFY(platform.isOrdinaryFile(path)); // even an empty file does
}

QTEST_APPLESS_MAIN(TestLanguage)
#include "tst_language.moc"
