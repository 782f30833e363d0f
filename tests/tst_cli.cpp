// The command-line tool as a script runs it: whole outputs, exit statuses, the catalogue check, failures to
// read or write, and what it makes of control characters.

#include "tablerows.h"
#include "testcatalogue.h"

#include <QtTest>

namespace {

struct CliRun {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

// The tool, or with "sh" a POSIX shell for its redirections: $CLI is the tool, $CAT a catalogue.
CliRun runCli(const QStringList &arguments, const QString &catalogue = {}, const QString &program = QUARVEL_CLI)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("LC_ALL");
    environment.remove("LC_MESSAGES");
    environment.insert("LANG", "C.UTF-8");
    environment.insert("CLI", QStringLiteral(QUARVEL_CLI));
    environment.insert("CAT", catalogue);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {-1, {}, "did not finish"};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

const QByteArray sampleCatalogue
    = TestCatalogue::lines({"AMD EPYC 7302,25000.5", "Intel Xeon E-2388G,23761", "Intel Xeon Silver 4214R,18200",
                            "  AMD Ryzen 9 5950X ,46000", "Generic \"9000\",30000"});

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    // Arguments (the sample catalogue added), then standard output.
    void answers_data()
    {
        tableRows(
            {"rdp 100 --level heavy --vendor amd --lang zh|100台终端 - 服务器配置信息：\n可选CPU列表：\n  （无）\n"
             "内存-最小值：160 GB\nSSD-最小值：840 GB\nHDD-最小值：5500 GB\n网卡速度-最小值：6000 Mbps\n"
             "建议的显卡：GT1030 2GB 或 集成显卡\n服务器系统：Windows Server 2012 2016 2019 2022\n",
             "rdp 00 --vendor amd --lang en --json|{\n    \"candidates\": [\n        \"AMD EPYC 7302{24}781%\",\n"
             "        \"AMD Ryzen 9 5950X{24}1437%\"\n    ],\n"
             "    \"graphics\": \"GT1030 2GB Or Integrated Graphics\",\n    \"hdd\": \"500 GB\",\n    \"heading\": "
             "\"00 terminals - server configuration information:\",\n"
             "    \"memory\": \"8 GB\",\n    \"network\": \"100 Mbps\",\n    \"ssd\": \"120 GB\",\n"
             "    \"system\": \"Windows 7 10 Or Server 2012 2016\"\n}\n",
             "vdi 10 --lang zh|10台终端 - 服务器配置信息：\nCPU可选列表：\n  Intel Xeon E-2388G{7}167%\n"
             "  Intel Xeon Silver 4214R{7}128%\n其它硬件信息：\n内存：24 GB\nSSD：420 GB\nHDD：1000 GB\n网卡速度：1000 "
             "Mbps\n",
             "vdi 1000 --lang en --json|{\n    \"candidates\": [\n    ],\n"
             "    \"heading\": \"1000 terminals - server configuration information:\",\n"
             "    \"text\": \"Memory: 2360 GB\\r\\nSSD: 30120 GB\\r\\nHDD: 50500 GB\\r\\nNIC speed: 31000 Mbps\"\n}\n",
             "query 4214 --lang en|CPU model: Intel Xeon Silver 4214R\nNumber of loadable terminals: 25\n"
             "Server memory minimum:40 GB\nServer SSD min:300 GB\nServer HDD min:1500 GB\n"
             "Server NIC speed min:2000 Mbps\n",
             "query 9999 --json|{\n    \"text\": \"\"\n}\n",
             "rdp 30 --vendor both --lang en --csv|Model,Score,Percentage (%)\r\nAMD EPYC 7302,25000.5,117\r\n"
             "Intel Xeon E-2388G,23761,112\r\nAMD Ryzen 9 5950X,46000,216\r\n\"Generic \"\"9000\"\"\",30000,141\r\n",
             "rdp 30 --vendor amd --lang zh --csv|型号,分数,百分比(%)\r\nAMD EPYC 7302,25000.5,117\r\n"
             "AMD Ryzen 9 5950X,46000,216\r\n"},
            u'|');
    }
    void answers()
    {
        QFETCH(QStringList, row);
        const TestCatalogue catalogue(sampleCatalogue);
        const CliRun run = runCli(row[0].split(u' ') << "--catalogue" << catalogue.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.isEmpty(), run.err.constData());
        QCOMPARE(QString::fromUtf8(run.out), row[1]);
    }

    // Arguments, exit status, the start of standard error.
    void exitStatuses_data()
    {
        const QString invalid = "|2|Please enter the correct number of terminals!\n";
        QStringList rows{
            "rdp 0 --lang en" + invalid,
            "rdp 4294961 --level light --lang en" + invalid,
            "vdi 0 --lang en" + invalid,
            "rdp  --lang zh|2|请输入正确的终端数量！\n",
            "query 123 --lang zh|2|输入的字符数量少于4个,请输入4个字符\n",
            "rdp 5 --lang en --catalogue /nonexistent|0|warning: no catalogue file, the CPU list is empty: ",
            "check-catalogue /nonexistent --lang en|1|warning: no catalogue file",
            "--version|0|",
            "--help|0|"};
        for (const char *wrong : {"rdp", "sizes 5", "rdp 5 --level extreme", "rdp 5 --vendor arm", "rdp 5 --lang fr",
                                  "query 1234 --level light", "query 1234 --csv", "rdp 5 --csv --json",
                                  "check-catalogue a b", "check-catalogue --pdf x.pdf"})
            rows << QString(wrong) + "|2|quarvel-cli: ";
        tableRows(rows, u'|');
    }
    void exitStatuses()
    {
        QFETCH(QStringList, row);
        const CliRun run = runCli(row[0].split(u' '));
        QCOMPARE(run.exitCode, row[1].toInt());
        QVERIFY2(row[2].isEmpty() ? run.err.isEmpty() : QString::fromUtf8(run.err).startsWith(row[2]),
                 run.err.constData());
        if (row[0] == "--help")
            QVERIFY(run.out.contains("rdp COUNT") && !run.out.contains("--help-all"));
    }

    // Language, exit status, the catalogue (%FF: a byte that is no text; {N}: N blanks), the report.
    void checkCatalogue_data()
    {
        tableRows(
            {"en|0|Intel A,5000\n\n|line 2 is empty: the catalogue ends there\n"
             "records: 1 (Intel 1, AMD 0, neither 0); lines skipped: 0\n",
             "en|1|Intel A,5000\r\nno comma\r\nAMD B,five\r\nC%FF,1\r\n\r\nIntel D,1\r\nIntel E,2\r\n"
             "|line 2: skipped, no comma\nline 3: skipped, the score is not a number\n"
             "line 4: skipped, bytes that cannot be read as text\n"
             "line 5 is empty: the catalogue ends there, lines 6 to 7 are never read\n"
             "records: 1 (Intel 1, AMD 0, neither 0); lines skipped: 3\n",
             "zh|1|\r\nIntel A,5000\r\n|第1行为空行：CPU列表到此结束，第2至2行不会被读取\n"
             "记录：0条（Intel 0条，AMD 0条，两者皆无0条）；跳过：0行\n警告：CPU列表中没有任何记录，CPU列表将为空\n",
             "en|1||records: 0 (Intel 0, AMD 0, neither 0); lines skipped: 0\n"
             "warning: the catalogue holds no record, every list will be empty\n",
             "en|1|\uFEFFIntel \x1b]0;x\aA,5000\r\n{70000},1\r\nAMD \u202EB,2000000000000\r\nAMD C,25800000000\r\n"
             "|line 1: warning, the model text holds control or text-direction characters\n"
             "line 2: skipped, longer than 64 KiB\n"
             "line 3: warning, the model text holds control or text-direction characters\n"
             "line 3: warning, the score is too large: the capacity query leaves this line out\n"
             "line 4: warning, the score is too large: the capacity query leaves this line out\n"
             "records: 3 (Intel 1, AMD 2, neither 0); lines skipped: 1\n"},
            u'|');
    }
    void checkCatalogue()
    {
        QFETCH(QStringList, row);
        const TestCatalogue catalogue(QByteArray::fromPercentEncoding(row[2].toUtf8()));
        const CliRun run = runCli({"check-catalogue", catalogue.path(), "--lang", row[0]});
        QCOMPARE(QString::fromUtf8(run.out), row[3]);
        QCOMPARE(run.exitCode, row[1].toInt());
    }

#ifdef Q_OS_UNIX // through a POSIX shell, its redirections, /proc and /dev/full
    // A shell command, then the error it gives with exit status 3.
    void failures_data()
    {
        tableRows({"\"$CLI\" rdp 5 --lang en --catalogue /proc/self/mem|The CPU catalogue (data.dll) could not be "
                   "read to its end",
                   "\"$CLI\" query 1234 --lang zh --catalogue /proc/self/mem|无法完整读取CPU数据文件",
                   "\"$CLI\" check-catalogue /proc/self/mem --lang en|could not be read",
                   "\"$CLI\" rdp 5 --lang en --catalogue \"$CAT\" >/dev/full|quarvel-cli: cannot write the output: No "
                   "space left on device",
                   "\"$CLI\" vdi 5 --json --catalogue \"$CAT\" >&-|quarvel-cli: cannot write the output",
                   "awk 'BEGIN { while (n++ < 2000) print \"x\" }' >\"$CAT\"; \"$CLI\" check-catalogue \"$CAT\" "
                   ">/dev/full|cannot write the output",
                   "\"$CLI\" rdp 30 --lang en --catalogue \"$CAT\" --pdf \"$CAT/report.pdf\"|The PDF file \""},
                  u'|');
    }
    void failures()
    {
        QFETCH(QStringList, row);
        const TestCatalogue catalogue(sampleCatalogue);
        const CliRun run = runCli({"-c", row[0]}, catalogue.path(), "sh");
        QCOMPARE(run.exitCode, 3);
        QVERIFY2(run.err.contains(row[1].toUtf8()), run.err.constData());
    }
#endif

    // Plain text shows them escaped; JSON escapes them in its own way. UTF-8 by its byte-order mark: the
    // direction override has no place in a code page such as GBK. U+2065 lies between the isolates (U+2066 to
    // U+2069) and the embeddings (U+202A to U+202E): shown as it is.
    void controlCharacters()
    {
        const TestCatalogue catalogue(
            "\xEF\xBB\xBFIntel \x1b[2J\xE2\x80\xAE\xE2\x81\xA6\xE2\x81\xA9\xE2\x81\xA5X,99999\r\n");
        CliRun run = runCli({"rdp", "5", "--lang", "en", "--catalogue", catalogue.path()});
        QVERIFY2(
            run.out.contains("  Intel \\x1b[2J\\u202e\\u2066\\u2069\xE2\x81\xA5X" + QByteArray(24, ' ') + "1612%\n"),
            run.out.constData());
        QVERIFY(!run.out.contains('\x1b'));
        run = runCli({"rdp", "5", "--lang", "en", "--catalogue", catalogue.path(), "--json"});
        QCOMPARE(QJsonDocument::fromJson(run.out)["candidates"][0].toString(),
                 QString::fromUtf8("Intel \x1b[2J\u202e\u2066\u2069\u2065X") + QString(24, ' ') + "1612%");
    }

    // Two rows of the shipped catalogue that once were missing, through every command.
    void shippedCatalogue()
    {
        const QString shipped = QStringLiteral(QUARVEL_SHIPPED_CATALOGUE);
        const auto listed = [&](const QString &command, const QString &vendor) {
            return runCli({command, "50", "--vendor", vendor, "--lang", "en", "--catalogue", shipped}).out;
        };
        QVERIFY(listed("rdp", "intel").contains("  Intel Xeon 6517P  ") && !listed("rdp", "amd").contains("6517P"));
        QVERIFY(listed("vdi", "amd").contains("  AMD EPYC 9575F Dual  ") && !listed("vdi", "intel").contains("9575F"));
        QVERIFY(runCli({"query", "6517P", "--lang", "en", "--catalogue", shipped})
                    .out.contains("CPU model: Intel Xeon 6517P\n"));
        const CliRun run = runCli({"check-catalogue", shipped, "--lang", "en"});
        QCOMPARE(run.out, "records: 537 (Intel 347, AMD 190, neither 0); lines skipped: 0\n");
        QCOMPARE(run.exitCode, 0);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
