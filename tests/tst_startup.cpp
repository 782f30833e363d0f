#include "fakeplatform.h"
#include "languageselection.h"
#include "posixplatform.h"
#include "startupprobe.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList strings(const std::vector<std::string> &list)
{
    QStringList result;
    for (const std::string &item : list)
        result << QString::fromStdString(item);
    return result;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void probe_data();
    void probe();
    void language_data();
    void language();
    void locale();
};

void TestStartup::probe_data()
{
    QTest::addColumn<QString>("systemType");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("tested");
    QTest::addColumn<QStringList>("started");
    const QString wowMs = "c:/windows/syswow64/MSCOMCTL.OCX", wowComctl = "c:/windows/syswow64/Comctl32.ocx";
    const QString ms = "c:/windows/system32/MSCOMCTL.OCX", comctl = "c:/windows/system32/Comctl32.ocx";
    const QString copyMs = "C:\\Program Files\\Q\\MSCOMCTL.OCX", copyComctl = "C:\\Program Files\\Q\\Comctl32.ocx";
    const QString folder = "C:\\Program Files\\Q";
    QTest::newRow("64-bit, both there") << "x64-based PC" << folder << QStringList{wowMs, wowComctl, copyMs, copyComctl}
                                        << QStringList{wowMs, wowComctl} << QStringList{};
    QTest::newRow("64-bit, one missing, no copy")
        << "x64-based PC" << folder << QStringList{wowComctl} << QStringList{wowMs, copyMs, wowComctl} << QStringList{};
    QTest::newRow("32-bit, both missing, both copies, quoted")
        << "X86-based PC" << folder << QStringList{copyMs, copyComctl} << QStringList{comctl, copyComctl, ms, copyMs}
        << QStringList{"regsvr32 /s \"" + copyComctl + "\"", "regsvr32 /s \"" + copyMs + "\""};
    QTest::newRow("a drive's root: two backslashes")
        << "ARM64-based PC"
        << "C:\\" << QStringList{"C:\\\\MSCOMCTL.OCX", wowComctl} << QStringList{wowMs, "C:\\\\MSCOMCTL.OCX", wowComctl}
        << QStringList{"regsvr32 /s \"C:\\\\MSCOMCTL.OCX\""};
    QTest::newRow("no object, no check") << "" << folder << QStringList{} << QStringList{} << QStringList{};
}

void TestStartup::probe()
{
    QFETCH(QString, systemType);
    QFETCH(QString, folder);
    QFETCH(QStringList, files);
    QFETCH(QStringList, tested);
    QFETCH(QStringList, started);
    FakePlatform platform(folder.toStdString());
    if (!systemType.isEmpty())
        platform.systemTypeTexts = {systemType.toStdString()};
    for (const QString &file : files)
        platform.files.insert(file.toStdString());
    StartupProbe::run(platform);
    QCOMPARE(strings(platform.callsOf("isOrdinaryFile")), tested);
    QCOMPARE(strings(platform.callsOf("startHidden")), started);
    QCOMPARE(platform.callsOf("yield").size(), platform.systemTypeTexts.size()); // the event loop runs once for each
}

// The system's language codes (the last decides; none: the user's interface language), en.dll beside the
// program, the language before: English?
void TestStartup::language_data()
{
    QTest::addColumn<QStringList>("row"); // codes, interface language, en.dll, initial, English
    for (const char *row : {"2052 1033 - - 0", "2052 2052 en.dll - 1", "1033 2052 - - 1", "1028 2052 - - 1",
                            "- 2052 - initial 0", "- 1033 - - 1", "1033,2052 1033 - - 0", "2052,1033 2052 - - 1"})
        QTest::newRow(row) << QString(row).split(u' ');
}

void TestStartup::language()
{
    QFETCH(QStringList, row);
    FakePlatform platform;
    platform.languageCodes.clear();
    for (const QString &code : row[0].split(u',', Qt::SkipEmptyParts))
        if (code != "-")
            platform.languageCodes.push_back(code.toStdString());
    platform.interfaceLanguageCode = row[1].toStdString();
    if (row[2] != "-")
        platform.files.insert("/opt/quarvel/en.dll");
    QCOMPARE(LanguageSelection::english(platform, row[3] != "-"), row[4] == "1");
    QCOMPARE(platform.callsOf("yield").size(), platform.languageCodes.size()); // once per reported object
}

// On Linux and the like: the messages locale from LC_ALL, LC_MESSAGES or LANG (empty counts as unset), its
// code (only Chinese of the People's Republic gives 2052); an en.dll folder is no marker, an empty file is.
void TestStartup::locale()
{
    const struct {
        const char *all, *messages, *lang, *locale, *code;
    } rows[] = {{"zh_CN.UTF-8", "en_US", "en_US", "zh_CN.UTF-8", "2052"},
                {"", "zh_CN.GB18030", "en_US", "zh_CN.GB18030", "2052"},
                {"", "", "zh_CN@stroke", "zh_CN@stroke", "2052"},
                {"", "en_GB", "zh_CN.UTF-8", "en_GB", "0"},
                {"", "", "zh_TW.UTF-8", "zh_TW.UTF-8", "0"},
                {"", "", "zh", "zh", "0"},
                {"", "", "C.UTF-8", "C.UTF-8", "0"},
                {"", "", "", "C", "0"}};
    for (const auto &row : rows) {
        qputenv("LC_ALL", row.all);
        qputenv("LC_MESSAGES", row.messages);
        qputenv("LANG", row.lang);
        QCOMPARE(QString::fromStdString(PosixPlatform::messagesLocale()), row.locale);
        QCOMPARE(QString::fromStdString(PosixPlatform::languageCode(row.locale)), row.code);
    }
    QTemporaryDir folder;
    const std::string path = folder.filePath("en.dll").toStdString();
    PosixPlatform platform;
    QVERIFY(!platform.isOrdinaryFile(path) && QDir(folder.path()).mkdir("en.dll") && !platform.isOrdinaryFile(path));
    QVERIFY(QDir(folder.path()).rmdir("en.dll"));
    QFile empty(folder.filePath("en.dll"));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    QVERIFY(platform.isOrdinaryFile(path));
}

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
