#include "fakeplatform.h"
#include "languageselection.h"
#include "posixplatform.h"
#include "startupprobe.h"
#include "tablerows.h"

#include <QDir>
#include <QTemporaryDir>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    // The system type (- for none), the program's folder, the files there, then the files tested and the
    // commands started, in order. W stands for c:/windows/syswow64/, S for c:/windows/system32/, P for the
    // folder C:\Program Files\Q.
    void probe_data()
    {
        tableRows(
            {"x64-based PC|P|WMSCOMCTL.OCX,WComctl32.ocx,PMSCOMCTL.OCX,PComctl32.ocx|WMSCOMCTL.OCX,WComctl32.ocx|",
             "x64-based PC|P|WComctl32.ocx|WMSCOMCTL.OCX,PMSCOMCTL.OCX,WComctl32.ocx|",
             "X86-based PC|P|PMSCOMCTL.OCX,PComctl32.ocx|SComctl32.ocx,PComctl32.ocx,SMSCOMCTL.OCX,PMSCOMCTL.OCX"
             "|regsvr32 regsvr32 /s \"PComctl32.ocx\",regsvr32 regsvr32 /s \"PMSCOMCTL.OCX\"",
             "ARM64-based PC|C:\\|C:\\\\MSCOMCTL.OCX,WComctl32.ocx|WMSCOMCTL.OCX,C:\\\\MSCOMCTL.OCX,WComctl32.ocx"
             "|regsvr32 regsvr32 /s \"C:\\\\MSCOMCTL.OCX\"",
             "-|P|||"},
            u'|');
    }
    void probe()
    {
        QFETCH(QStringList, row);
        FakePlatform platform(row[1] == "P" ? "C:\\Program Files\\Q" : row[1].toStdString());
        for (QString &field : row) {
            field.replace(QRegularExpression("(^|,|\")W"), "\\1c:/windows/syswow64/")
                .replace(QRegularExpression("(^|,|\")S"), "\\1c:/windows/system32/")
                .replace(QRegularExpression("(^|,|\")P"), "\\1C:\\Program Files\\Q\\");
        }
        if (row[0] != "-")
            platform.systemTypeTexts = {row[0].toStdString()};
        for (const QString &file : row[2].split(u',', Qt::SkipEmptyParts))
            platform.files.insert(file.toStdString());
        StartupProbe::run(platform);
        QCOMPARE(platform.callsOf("isOrdinaryFile"), row[3].split(u',', Qt::SkipEmptyParts));
        QCOMPARE(platform.callsOf("startSystemTool"), row[4].split(u',', Qt::SkipEmptyParts));
        // The event loop runs once for each system object.
        QCOMPARE(platform.callsOf("yield").size(), platform.systemTypeTexts.size());
    }

    // The system's language codes (the last decides; none: the user's interface language), en.dll beside the
    // program, the language before; English?
    void language_data()
    {
        tableRows({"2052 1033 - - 0", "2052 2052 en.dll - 1", "1033 2052 - - 1", "1028 2052 - - 1",
                   "- 2052 - initial 0", "- 1033 - - 1", "1033,2052 1033 - - 0", "2052,1033 2052 - - 1"});
    }
    void language()
    {
        QFETCH(QStringList, row);
        FakePlatform platform;
        platform.languageCodes.clear();
        for (const QString &code : row[0].split(u','))
            if (code != "-")
                platform.languageCodes.push_back(code.toStdString());
        platform.interfaceLanguageCode = row[1].toStdString();
        if (row[2] != "-")
            platform.files.insert("/opt/quarvel/en.dll");
        QCOMPARE(LanguageSelection::english(platform, row[3] != "-"), row[4] == "1");
        QCOMPARE(platform.callsOf("yield").size(), platform.languageCodes.size()); // once per reported object
    }

    // LC_ALL, LC_MESSAGES, LANG (- for empty, which counts as unset), then the messages locale and its code:
    // only Chinese of the People's Republic gives 2052.
    void locale_data()
    {
        tableRows({"zh_CN.UTF-8 en_US en_US zh_CN.UTF-8 2052", "- zh_CN.GB18030 en_US zh_CN.GB18030 2052",
                   "- - zh_CN@stroke zh_CN@stroke 2052", "- en_GB zh_CN.UTF-8 en_GB 0", "- - zh_TW.UTF-8 zh_TW.UTF-8 0",
                   "- - zh zh 0", "- - C.UTF-8 C.UTF-8 0", "- - - C 0"});
    }
    void locale()
    {
        QFETCH(QStringList, row);
        for (int i = 0; i < 3; ++i)
            qputenv(QList<const char *>{"LC_ALL", "LC_MESSAGES", "LANG"}[i], row[i] == "-" ? "" : row[i].toLatin1());
        QCOMPARE(QString::fromStdString(PosixPlatform::messagesLocale()), row[3]);
        QCOMPARE(QString::fromStdString(PosixPlatform::languageCode(row[3].toStdString())), row[4]);
    }

    // An en.dll folder is no marker, an empty file is.
    void marker()
    {
        QTemporaryDir folder;
        const std::string path = folder.filePath("en.dll").toStdString();
        PosixPlatform platform;
        QVERIFY(!platform.isOrdinaryFile(path) && QDir(folder.path()).mkdir("en.dll")
                && !platform.isOrdinaryFile(path));
        QVERIFY(QDir(folder.path()).rmdir("en.dll"));
        QFile empty(folder.filePath("en.dll"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        QVERIFY(platform.isOrdinaryFile(path));
    }
};

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
