#include "fakeplatform.h"
#include "languageselection.h"
#include "posixplatform.h"
#include "startupprobe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Codes = std::vector<std::string>;
Q_DECLARE_METATYPE(Codes)

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void probe_data();
    void probe();
    void rule_data();
    void rule();
    void languageCode_data();
    void languageCode();
    void messagesLocale_data();
    void messagesLocale();
    void markerFile();
};

void TestStartup::probe_data()
{
    QTest::addColumn<Codes>("systemTypes");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("tested");
    QTest::addColumn<QStringList>("started");

    const QString wowMs = "c:/windows/syswow64/MSCOMCTL.OCX";
    const QString wowComctl = "c:/windows/syswow64/Comctl32.ocx";
    const QString nativeMs = "c:/windows/system32/MSCOMCTL.OCX";
    const QString nativeComctl = "c:/windows/system32/Comctl32.ocx";
    const QString tools = "C:\\Tools";
    const QString toolsMs = tools + "\\MSCOMCTL.OCX";
    const QString toolsComctl = tools + "\\Comctl32.ocx";
    const Codes x64{"x64-based PC"};
    const Codes x86{"X86-based PC"};

    QTest::newRow("64-bit, both system files") << x64 << tools << QStringList{wowMs, wowComctl, toolsMs, toolsComctl}
                                               << QStringList{wowMs, wowComctl} << QStringList{};
    QTest::newRow("64-bit, one missing, no copy") << x64 << tools << QStringList{wowComctl}
                                                  << QStringList{wowMs, toolsMs, wowComctl} << QStringList{};
    QTest::newRow("64-bit, both missing, both copies")
        << x64 << tools << QStringList{toolsMs, toolsComctl} << QStringList{wowMs, toolsMs, wowComctl, toolsComctl}
        << QStringList{"regsvr32 /s \"C:\\Tools\\MSCOMCTL.OCX\"", "regsvr32 /s \"C:\\Tools\\Comctl32.ocx\""};
    QTest::newRow("32-bit, both missing, both copies")
        << x86 << tools << QStringList{toolsMs, toolsComctl}
        << QStringList{nativeComctl, toolsComctl, nativeMs, toolsMs}
        << QStringList{"regsvr32 /s \"C:\\Tools\\Comctl32.ocx\"", "regsvr32 /s \"C:\\Tools\\MSCOMCTL.OCX\""};
    QTest::newRow("a drive's root: two backslashes")
        << x64 << "C:\\" << QStringList{"C:\\\\MSCOMCTL.OCX", wowComctl}
        << QStringList{wowMs, "C:\\\\MSCOMCTL.OCX", wowComctl} << QStringList{"regsvr32 /s \"C:\\\\MSCOMCTL.OCX\""};
    QTest::newRow("a folder with blanks, quoted")
        << x64 << "C:\\Program Files\\Quarvel" << QStringList{"C:\\Program Files\\Quarvel\\MSCOMCTL.OCX", wowComctl}
        << QStringList{wowMs, "C:\\Program Files\\Quarvel\\MSCOMCTL.OCX", wowComctl}
        << QStringList{"regsvr32 /s \"C:\\Program Files\\Quarvel\\MSCOMCTL.OCX\""};
    QTest::newRow("no object, no check") << Codes{} << tools << QStringList{} << QStringList{} << QStringList{};
}

void TestStartup::probe()
{
    QFETCH(Codes, systemTypes);
    QFETCH(QString, folder);
    QFETCH(QStringList, files);
    QFETCH(QStringList, tested);
    QFETCH(QStringList, started);
    FakePlatform platform;
    platform.folder = folder.toStdString();
    platform.systemTypeTexts = systemTypes;
    for (const QString &file : files)
        platform.files.insert(file.toStdString());
    StartupProbe::run(platform);
    const auto strings = [](const std::vector<std::string> &list) {
        QStringList result;
        for (const std::string &item : list)
            result << QString::fromStdString(item);
        return result;
    };
    QCOMPARE(strings(platform.callsOf("isOrdinaryFile")), tested);
    QCOMPARE(strings(platform.callsOf("startHidden")), started);
    QCOMPARE(platform.callsOf("yield").size(), systemTypes.size());
}

void TestStartup::rule_data()
{
    QTest::addColumn<Codes>("codes");
    QTest::addColumn<bool>("marker");
    QTest::addColumn<bool>("initial");
    QTest::addColumn<bool>("english");

    QTest::addColumn<QString>("uiLanguage"); // the user's interface language, asked only when no code came

    QTest::newRow("2052, no en.dll: Chinese") << Codes{"2052"} << false << false << false << "1033";
    QTest::newRow("2052 with en.dll: English") << Codes{"2052"} << true << false << true << "2052";
    QTest::newRow("1033: English") << Codes{"1033"} << false << false << true << "2052";
    QTest::newRow("1028 (Taiwan): English") << Codes{"1028"} << false << false << true << "2052";
    QTest::newRow("no code, Chinese interface") << Codes{} << false << true << false << "2052";
    QTest::newRow("no code, English interface") << Codes{} << false << false << true << "1033";
    QTest::newRow("the last code decides: 2052") << Codes{"1033", "2052"} << false << false << false << "1033";
    QTest::newRow("the last code decides: 1033") << Codes{"2052", "1033"} << false << false << true << "2052";
}

void TestStartup::rule()
{
    QFETCH(Codes, codes);
    QFETCH(bool, marker);
    QFETCH(bool, initial);
    QFETCH(bool, english);
    QFETCH(QString, uiLanguage);
    FakePlatform platform;
    platform.folder = "/opt/quarvel";
    platform.languageCodes = codes;
    platform.interfaceLanguageCode = uiLanguage.toStdString();
    if (marker)
        platform.files.insert("/opt/quarvel/en.dll");
    QCOMPARE(LanguageSelection::english(platform, initial), english);
    QCOMPARE(platform.callsOf("yield").size(), codes.size()); // the event loop runs once per reported object
}

void TestStartup::languageCode_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("code");

    QTest::newRow("zh_CN.UTF-8") << "zh_CN.UTF-8" << "2052";
    QTest::newRow("zh_CN.GB18030") << "zh_CN.GB18030" << "2052";
    QTest::newRow("zh_CN@modifier") << "zh_CN@stroke" << "2052";
    QTest::newRow("zh_TW") << "zh_TW.UTF-8" << "0";
    QTest::newRow("zh alone") << "zh" << "0";
    QTest::newRow("en_US") << "en_US.UTF-8" << "0";
    QTest::newRow("C.UTF-8") << "C.UTF-8" << "0";
}

void TestStartup::languageCode()
{
    QFETCH(QString, locale);
    QFETCH(QString, code);
    QCOMPARE(QString::fromStdString(PosixPlatform::languageCode(locale.toStdString())), code);
}

void TestStartup::messagesLocale_data()
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

void TestStartup::messagesLocale()
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

void TestStartup::markerFile()
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

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
