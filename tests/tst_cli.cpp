#include "testcatalogue.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

struct CliRun {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

CliRun runCli(const QStringList &arguments, const QByteArray &lang = "C.UTF-8")
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("LC_ALL");
    environment.remove("LC_MESSAGES");
    environment.insert("LANG", QString::fromLatin1(lang));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUARVEL_CLI), arguments);
    if (!process.waitForFinished(60000))
        return {-1, {}, "did not finish"};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

const QByteArray sampleCatalogue
    = TestCatalogue::lines({"AMD EPYC 7302,25000", "Intel Xeon E-2388G,23761", "Intel Xeon Silver 4214R,18200",
                            "  AMD Ryzen 9 5950X ,46000", "Generic 9000,30000"});

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void exitStatuses_data();
    void exitStatuses();
    void checkCatalogue_data();
    void checkCatalogue();
#ifdef Q_OS_UNIX // through a POSIX shell, its redirections, /proc and /dev/full
    void failures_data();
    void failures();
#endif
    void controlCharacters();
    void reportFiles();
    void shippedCatalogue();
};

void TestCli::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("out");
    const QString gap(24, u' ');
    QTest::newRow("rdp, defaults")
        << QStringList{"rdp", "30", "--lang", "en"}
        << QString("30 terminals - server configuration information:\nList of Optional CPUs:\n  Intel Xeon E-2388G"
                   + gap
                   + "112%\n"
                     "Memory Minimum: 40 GB\nSSD Minimum: 300 GB\nHDD Minimum: 2000 GB\nNIC Speed Min: 2000 Mbps\n"
                     "Recommended Graphics Card: GT1030 2GB Or Integrated Graphics\nServer System: Windows Server 2012 "
                     "2016 2019 2022\n");
    QTest::newRow("rdp, heavy AMD, none")
        << QStringList{"rdp", "100", "--level", "heavy", "--vendor", "amd", "--lang", "zh"}
        << QString::fromUtf8(
               "100台终端 - 服务器配置信息：\n可选CPU列表：\n  （无）\n内存-最小值：160 GB\nSSD-最小值：840 GB\n"
               "HDD-最小值：5500 GB\n网卡速度-最小值：6000 Mbps\n建议的显卡：GT1030 2GB 或 集成显卡\n"
               "服务器系统：Windows Server 2012 2016 2019 2022\n");
    QTest::newRow("rdp, JSON")
        << QStringList{"rdp", "00", "--vendor", "both", "--lang", "en", "--json"}
        << QString(
               "{\n    \"candidates\": [\n        \"AMD EPYC 7302" + QString(28, u' ')
               + "781%\",\n        \"Intel Xeon E-2388G" + QString(28, u' ')
               + "742%\",\n        \"Intel Xeon Silver 4214R" + QString(28, u' ')
               + "568%\",\n"
                 "        \"  AMD Ryzen 9 5950X "
               + QString(28, u' ') + "1437%\",\n        \"Generic 9000" + QString(28, u' ')
               + "937%\"\n    ],\n    \"graphics\": \"GT1030 2GB Or Integrated Graphics\",\n    \"hdd\": \"500 GB\",\n"
                 "    \"heading\": \"00 terminals - server configuration information:\",\n    \"memory\": \"8 GB\",\n"
                 "    \"network\": \"100 Mbps\",\n    \"ssd\": \"120 GB\",\n    \"system\": \"Windows 7 10 Or Server "
                 "2012 2016\"\n}\n")
               .replace("\"  AMD Ryzen 9 5950X " + QString(28, u' '), "\"AMD Ryzen 9 5950X" + QString(28, u' '));
    QTest::newRow("vdi, defaults")
        << QStringList{"vdi", "10", "--lang", "zh"}
        << QString::fromUtf8(
               "10台终端 - 服务器配置信息：\n  Intel Xeon E-2388G       167%\n  Intel Xeon Silver 4214R       128%\n"
               "内存：24 GB\nSSD：420 GB\nHDD：1000 GB\n网卡速度：1000 Mbps\n");
    QTest::newRow("vdi, JSON") << QStringList{"vdi", "1000", "--lang", "en", "--json"}
                               << QString("{\n    \"candidates\": [\n    ],\n    \"heading\": \"1000 terminals - "
                                          "server configuration information:\",\n"
                                          "    \"text\": \"Memory: 2360 GB\\r\\nSSD: 30120 GB\\r\\nHDD: 50500 "
                                          "GB\\r\\nNIC speed: 31000 Mbps\"\n}\n");
    QTest::newRow("query")
        << QStringList{"query", "4214", "--lang", "en"}
        << QString("CPU model: Intel Xeon Silver 4214R\r\nNumber of loadable terminals: 25\r\nServer memory minimum:40 "
                   "GB\r\n"
                   "Server SSD min:300 GB\r\nServer HDD min:1500 GB\r\nServer NIC speed min:2000 Mbps\r\n\r\n");
    QTest::newRow("query, JSON") << QStringList{"query", "9999", "--json"} << "{\n    \"text\": \"\"\n}\n";
}

void TestCli::answers()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, out);
    const TestCatalogue catalogue(sampleCatalogue);
    const CliRun run = runCli(arguments << "--catalogue" << catalogue.path());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    QCOMPARE(QString::fromUtf8(run.out), out);
}

void TestCli::exitStatuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err"); // its start
    const QString invalid = "Please enter the correct number of terminals!\n";
    QTest::newRow("rdp 0") << QStringList{"rdp", "0", "--lang", "en"} << 2 << invalid;
    QTest::newRow("rdp, empty, zh") << QStringList{"rdp", "", "--lang", "zh"} << 2
                                    << QString::fromUtf8("请输入正确的终端数量！\n");
    QTest::newRow("rdp, beyond 32 bits") << QStringList{"rdp", "4294961", "--level", "light", "--lang", "en"} << 2
                                         << invalid;
    QTest::newRow("vdi 0") << QStringList{"vdi", "0", "--lang", "en"} << 2 << invalid;
    QTest::newRow("query, too short") << QStringList{"query", "123", "--lang", "zh"} << 2
                                      << QString::fromUtf8("输入的字符数量少于4个,请输入4个字符\n");
    QTest::newRow("missing catalogue") << QStringList{"rdp", "5", "--lang", "en", "--catalogue", "/nonexistent"} << 0
                                       << "warning: no catalogue file, the CPU list is empty: ";
    QTest::newRow("check-catalogue, missing")
        << QStringList{"check-catalogue", "/nonexistent", "--lang", "en"} << 1 << "warning: no catalogue file";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "";
    const QString usage = "quarvel-cli: ";
    for (const QStringList &wrong :
         {QStringList{"rdp"}, QStringList{"sizes", "5"}, QStringList{"rdp", "5", "--level", "extreme"},
          QStringList{"rdp", "5", "--vendor", "arm"}, QStringList{"rdp", "5", "--lang", "fr"},
          QStringList{"query", "1234", "--level", "light"}, QStringList{"query", "1234", "--csv"},
          QStringList{"rdp", "5", "--csv", "--json"}, QStringList{"check-catalogue", "a", "b"},
          QStringList{"check-catalogue", "--pdf", "x.pdf"}})
        QTest::newRow(qPrintable(wrong.join(u' '))) << wrong << 2 << usage;
}

void TestCli::exitStatuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, err);
    const CliRun run = runCli(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(err.isEmpty() ? run.err.isEmpty() : QString::fromUtf8(run.err).startsWith(err), run.err.constData());
    if (arguments.first() == "--version")
        QCOMPARE(run.out, "quarvel-cli 1.8.0.118\n");
    if (arguments.first() == "--help")
        QVERIFY(run.out.contains("rdp COUNT") && !run.out.contains("--help-all"));
}

void TestCli::checkCatalogue_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("report");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("sound") << TestCatalogue::lines({"Intel A,5000", "AMD B,6000", "Generic C,7000"}) << "en"
                           << "records: 3 (Intel 1, AMD 1, neither 1); lines skipped: 0\n"
                           << 0;
    QTest::newRow("empty last line") << QByteArray("Intel A,5000\n\n") << "en"
                                     << "line 2 is empty: the catalogue ends there\n"
                                        "records: 1 (Intel 1, AMD 0, neither 0); lines skipped: 0\n"
                                     << 0;
    QTest::newRow("every kind of fault") << QByteArray(
        "Intel A,5000\r\nno comma\r\nAMD B,five\r\nC\xff,1\r\n\r\nIntel D,1\r\nIntel E,2\r\n")
                                         << "en"
                                         << "line 2: skipped, no comma\nline 3: skipped, the score is not a number\n"
                                            "line 4: skipped, bytes that cannot be read as text\n"
                                            "line 5 is empty: the catalogue ends there, lines 6 to 7 are never read\n"
                                            "records: 1 (Intel 1, AMD 0, neither 0); lines skipped: 3\n"
                                         << 1;
    QTest::newRow("Chinese") << QByteArray("\r\nIntel A,5000\r\n") << "zh"
                             << QString::fromUtf8("第1行为空行：CPU列表到此结束，第2至2行不会被读取\n"
                                                  "记录：0条（Intel 0条，AMD 0条，两者皆无0条）；跳过：0行\n"
                                                  "警告：CPU列表中没有任何记录，CPU列表将为空\n")
                             << 1;
    QTest::newRow("empty file") << QByteArray() << "en"
                                << "records: 0 (Intel 0, AMD 0, neither 0); lines skipped: 0\n"
                                   "warning: the catalogue holds no record, every list will be empty\n"
                                << 1;
    QTest::newRow("warnings and a long line")
        << "\xEF\xBB\xBFIntel \x1b]0;x\x07A,5000\r\n" + QByteArray(70000, 'x')
            + ",1\r\nAMD \xE2\x80\xAE"
              "B,2000000000000\r\nAMD C,25800000000\r\n"
        << "en"
        << "line 1: warning, the model text holds control or text-direction characters\n"
           "line 2: skipped, longer than 64 KiB\n"
           "line 3: warning, the model text holds control or text-direction characters\n"
           "line 3: warning, the score is too large: the capacity query leaves this line out\n"
           "line 4: warning, the score is too large: the capacity query leaves this line out\n"
           "records: 3 (Intel 1, AMD 2, neither 0); lines skipped: 1\n"
        << 1;
}

void TestCli::checkCatalogue()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, lang);
    QFETCH(QString, report);
    QFETCH(int, exitCode);
    const TestCatalogue catalogue(content);
    const CliRun run = runCli({"check-catalogue", catalogue.path(), "--lang", lang});
    QCOMPARE(QString::fromUtf8(run.out), report);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(runCli({"check-catalogue", catalogue.folder() + "/missing.dll"}).exitCode, 1);
}

#ifdef Q_OS_UNIX
void TestCli::failures_data()
{
    // Through a shell, for its redirections; $CLI is the tool, $CAT a sound catalogue.
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("error");
    QTest::newRow("read error") << "\"$CLI\" rdp 5 --lang en --catalogue /proc/self/mem"
                                << QByteArray("The CPU catalogue (data.dll) could not be read to its end");
    QTest::newRow("read error, query") << "\"$CLI\" query 1234 --lang zh --catalogue /proc/self/mem"
                                       << QByteArray("无法完整读取CPU数据文件");
    QTest::newRow("read error, check") << "\"$CLI\" check-catalogue /proc/self/mem --lang en"
                                       << QByteArray("could not be read");
    QTest::newRow("full disk") << "\"$CLI\" rdp 5 --lang en --catalogue \"$CAT\" >/dev/full"
                               << QByteArray("quarvel-cli: cannot write the output: No space left on device");
    QTest::newRow("closed output") << "\"$CLI\" vdi 5 --json --catalogue \"$CAT\" >&-"
                                   << QByteArray("quarvel-cli: cannot write the output");
}

void TestCli::failures()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, error);
    const TestCatalogue catalogue(sampleCatalogue);
    QProcess shell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("CLI", QStringLiteral(QUARVEL_CLI));
    environment.insert("CAT", catalogue.path());
    shell.setProcessEnvironment(environment);
    shell.start("sh", {"-c", command});
    QVERIFY(shell.waitForFinished(60000));
    QCOMPARE(shell.exitCode(), 3);
    const QByteArray err = shell.readAllStandardError();
    QVERIFY2(err.contains(error), err.constData());
}
#endif

void TestCli::controlCharacters()
{
    // Plain text shows them escaped; JSON escapes them in its own way.
    // UTF-8 by its byte-order mark: the direction override has no place in a code page such as GBK.
    // U+2065 lies between the isolates (U+2066 to U+2069) and the embeddings (U+202A to U+202E): shown as it is.
    const TestCatalogue catalogue(
        "\xEF\xBB\xBFIntel \x1b[2J\xE2\x80\xAE\xE2\x81\xA6\xE2\x81\xA9\xE2\x81\xA5X,99999\r\n");
    CliRun run = runCli({"rdp", "5", "--lang", "en", "--catalogue", catalogue.path()});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains("  Intel \\x1b[2J\\u202e\\u2066\\u2069\xE2\x81\xA5X" + QByteArray(24, ' ') + "1612%\n"),
             run.out.constData());
    QVERIFY(!run.out.contains('\x1b'));
    run = runCli({"rdp", "5", "--lang", "en", "--catalogue", catalogue.path(), "--json"});
    QCOMPARE(QJsonDocument::fromJson(run.out)["candidates"][0].toString(),
             QString::fromUtf8("Intel \x1b[2J\u202e\u2066\u2069\u2065X") + QString(24, ' ') + "1612%");
}

// The candidate list for spreadsheets; the report as a PDF, or a clear failure with nothing left behind.
void TestCli::reportFiles()
{
    const TestCatalogue catalogue(sampleCatalogue);
    CliRun run = runCli({"rdp", "30", "--vendor", "both", "--lang", "en", "--csv", "--catalogue", catalogue.path()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out,
             "Model,Score,Percentage (%)\r\nAMD EPYC 7302,25000,117\r\nIntel Xeon E-2388G,23761,112\r\n"
             "AMD Ryzen 9 5950X,46000,216\r\nGeneric 9000,30000,141\r\n");

    QTemporaryDir folder;
    const QString pdf = folder.filePath("vdi.pdf");
    run = runCli({"vdi", "10", "--lang", "zh", "--catalogue", catalogue.path(), "--pdf", pdf});
    QCOMPARE(run.exitCode, 0);
    QFile written(pdf);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.read(5), "%PDF-");

    const QString blocked = folder.filePath("vdi.pdf/report.pdf");
    run = runCli({"rdp", "30", "--lang", "en", "--catalogue", catalogue.path(), "--pdf", blocked});
    QCOMPARE(run.exitCode, 3);
    QVERIFY(QString::fromUtf8(run.err).startsWith("The PDF file \"" + QDir::toNativeSeparators(blocked)
                                                  + "\" could not be saved: "));
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"vdi.pdf"});
}

// Two rows of the shipped catalogue that once were missing, through every command.
void TestCli::shippedCatalogue()
{
    const QString shipped = QStringLiteral(QUARVEL_SHIPPED_CATALOGUE);
    const auto listed = [&](const QString &command, const QString &vendor) {
        return QString::fromUtf8(
            runCli({command, "50", "--vendor", vendor, "--lang", "en", "--catalogue", shipped}).out);
    };
    QVERIFY(listed("rdp", "intel").contains("  Intel Xeon 6517P  ") && !listed("rdp", "amd").contains("6517P"));
    QVERIFY(listed("vdi", "amd").contains("  AMD EPYC 9575F Dual  ") && !listed("vdi", "intel").contains("9575F"));
    QVERIFY(QString::fromUtf8(runCli({"query", "6517P", "--lang", "en", "--catalogue", shipped}).out)
                .contains("CPU model: Intel Xeon 6517P\r\n"));
    const CliRun run = runCli({"check-catalogue", shipped, "--lang", "en"});
    QCOMPARE(run.out, "records: 537 (Intel 347, AMD 190, neither 0); lines skipped: 0\n");
    QCOMPARE(run.exitCode, 0);
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
