// Start-up: the probe that registers the common-controls components, and the language rule.

#include "fakeplatform.h"
#include "languageselection.h"
#include "startupprobe.h"

#include <QTest>

namespace {

const QString wow64 = QStringLiteral("c:/windows/syswow64/");
const QString system32 = QStringLiteral("c:/windows/system32/");
const QString programFolder = QStringLiteral("C:\\Program Files\\Q");
const QString inProgramFolder = programFolder + u'\\';

QString registration(const QString &path)
{
    return QStringLiteral("regsvr32 regsvr32 /s \"%1\"").arg(path);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void probe_data()
    {
        QTest::addColumn<QStringList>("systemTypes");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("tested");
        QTest::addColumn<QStringList>("started");
        const auto row = [](const char *name, QStringList systemTypes, QStringList files, QStringList tested,
                            QStringList started) { QTest::newRow(name) << systemTypes << files << tested << started; };
        const QString mscomctl = wow64 + "MSCOMCTL.OCX";
        const QString comctl = wow64 + "Comctl32.ocx";
        row("64-bit, both in the system: nothing started", {"x64-based PC"},
            {mscomctl, comctl, inProgramFolder + "MSCOMCTL.OCX"}, {mscomctl, comctl}, {});
        row("64-bit, one missing and no copy: nothing started", {"x64-based PC"}, {comctl},
            {mscomctl, inProgramFolder + "MSCOMCTL.OCX", comctl}, {});
        row("32-bit, both missing, both copies: Comctl32 first", {"X86-based PC"},
            {inProgramFolder + "MSCOMCTL.OCX", inProgramFolder + "Comctl32.ocx"},
            {system32 + "Comctl32.ocx", inProgramFolder + "Comctl32.ocx", system32 + "MSCOMCTL.OCX",
             inProgramFolder + "MSCOMCTL.OCX"},
            {registration(inProgramFolder + "Comctl32.ocx"), registration(inProgramFolder + "MSCOMCTL.OCX")});
    }
    // The files tested and the registrations started, in order; the event loop runs once for each system object.
    void probe()
    {
        QFETCH(QStringList, systemTypes);
        QFETCH(QStringList, files);
        QFETCH(QStringList, tested);
        QFETCH(QStringList, started);
        FakePlatform platform(programFolder.toStdString());
        for (const QString &type : systemTypes)
            platform.systemTypeTexts.push_back(type.toStdString());
        for (const QString &file : files)
            platform.files.insert(file.toStdString());
        StartupProbe::run(platform);
        QCOMPARE(platform.callsOf("isOrdinaryFile"), tested);
        QCOMPARE(platform.callsOf("startSystemTool"), started);
        QCOMPARE(platform.callsOf("yield").size(), systemTypes.size());
    }

    void language_data()
    {
        QTest::addColumn<QStringList>("systemCodes");
        QTest::addColumn<QString>("interfaceCode");
        QTest::addColumn<bool>("marker");
        QTest::addColumn<bool>("english");
        QTest::newRow("2052: Chinese") << QStringList{"2052"} << "1033" << false << false;
        QTest::newRow("2052 and en.dll: English") << QStringList{"2052"} << "2052" << true << true;
        QTest::newRow("1033: English") << QStringList{"1033"} << "2052" << false << true;
        QTest::newRow("no answer: the interface's 2052") << QStringList() << "2052" << false << false;
        QTest::newRow("several: the last decides") << QStringList{"1033", "2052"} << "1033" << false << false;
    }
    // Chinese exactly when the system's language is 2052 and no en.dll lies beside the program.
    void language()
    {
        QFETCH(QStringList, systemCodes);
        QFETCH(QString, interfaceCode);
        QFETCH(bool, marker);
        QFETCH(bool, english);
        FakePlatform platform;
        platform.languageCodes.clear();
        for (const QString &code : systemCodes)
            platform.languageCodes.push_back(code.toStdString());
        platform.interfaceLanguageCode = interfaceCode.toStdString();
        if (marker)
            platform.files.insert("/opt/quarvel/en.dll");
        QCOMPARE(LanguageSelection::choose(platform).english, english);
        QCOMPARE(platform.callsOf("yield").size(), systemCodes.size()); // once for each object reported
    }
};

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
