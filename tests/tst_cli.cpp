// The command-line tool as a script runs it: whole outputs, exit statuses, the catalogue check, failures to
// read or write, what it makes of control characters, and its JSON written as it is made.

#include "clirun.h"
#include "jsonstream.h"
#include "processordetails.h"
#include "testcatalogue.h"

#include <QtTest>

const QByteArray sampleCatalogue
    = TestCatalogue::lines({"AMD EPYC 7302,25000.5", "Intel Xeon E-2388G,23761", "Intel Xeon Silver 4214R,18200",
                            "  AMD Ryzen 9 5950X ,46000", "Generic \"9000\",30000"});
// The facts of two of them, one with its TDP unknown; the others have none.
namespace {

// A JSON value of every kind, hostile keys and texts among them, nested to the depth given.
QJsonValue generated(QRandomGenerator &random, int depth)
{
    const QStringList texts{"", "plain", "\"quoted\"\\", "line\nend\t\x01", "终端", "\u202e\U0001F600", "a/b"};
    switch (random.bounded(depth > 0 ? 8 : 6)) {
    case 0:
        return QJsonValue();
    case 1:
        return random.bounded(2) == 1;
    case 2:
        return double(random.bounded(-1000000, 1000000));
    case 3:
        return random.generateDouble() * std::pow(10.0, random.bounded(-30, 30));
    case 4:
        return 1e300 * random.bounded(1, 9);
    case 5:
        return texts[random.bounded(texts.size())];
    case 6: {
        QJsonArray array;
        for (int i = random.bounded(4); i > 0; --i)
            array << generated(random, depth - 1);
        return array;
    }
    default: {
        QJsonObject object;
        for (int i = random.bounded(5); i > 0; --i)
            object.insert(texts[random.bounded(texts.size())] + QString::number(i), generated(random, depth - 1));
        return object;
    }
    }
}

// The paths of the object's arrays, however deep, under keys a path can name.
void arrays(const QJsonObject &object, const QString &path, QStringList &paths)
{
    for (auto member = object.constBegin(); member != object.constEnd(); ++member) {
        const QString at = path.isEmpty() ? member.key() : path + u'/' + member.key();
        if (member.key().contains(u'/'))
            continue;
        if (member->isArray())
            paths << at;
        else if (member->isObject())
            arrays(member->toObject(), at, paths);
    }
}

} // namespace

const QByteArray sampleDetails = "model_text\tsockets\tcores_per_socket\tthreads_per_socket\ttdp_watts_per_socket\n"
                                 "AMD EPYC 7302\t1\t16\t32\t155\nAMD Ryzen 9 5950X\t1\t16\t32\t\n";

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("output"); // JSON in its compact form
        const auto row = [](const char *name, const char *arguments, const QString &output) {
            QTest::newRow(name) << QString(arguments).split(u' ') << output;
        };
        row("rdp, heavy, AMD, Chinese: no processor", "rdp 100 --level heavy --vendor amd --lang zh",
            "100台终端 - 服务器配置信息：\n可选CPU列表：\n  （无）\n内存-最小值：160 GB\nSSD-最小值：840 GB\n"
            "HDD-最小值：5500 GB\n网卡速度-最小值：6000 Mbps\n建议的显卡：GT1030 2GB 或 集成显卡\n"
            "服务器系统：Windows Server 2012 2016 2019 2022\n");
        row("rdp, JSON, typed 00: facts known and unknown", "rdp 00 --vendor amd --lang en --json",
            QString("{\"candidateDetails\":[{\"coreLicencesPerServer\":16,\"coresPerSocket\":16,"
                    "\"model\":\"AMD EPYC 7302\",\"sockets\":1,\"tdpWattsPerSocket\":155,"
                    "\"threadsPerSocket\":32},{\"coreLicencesPerServer\":16,\"coresPerSocket\":16,"
                    "\"model\":\"AMD Ryzen 9 5950X\",\"sockets\":1,\"tdpWattsPerSocket\":null,"
                    "\"threadsPerSocket\":32}],"
                    "\"candidates\":[\"AMD EPYC 7302                        781%\","
                    "\"AMD Ryzen 9 5950X                        1437%\"],"
                    "\"graphics\":\"GT1030 2GB Or Integrated Graphics\",\"hdd\":\"500 GB\","
                    "\"heading\":\"00 terminals - server configuration information:\","
                    "\"memory\":\"8 GB\",\"network\":\"100 Mbps\",\"ssd\":\"120 GB\","
                    "\"system\":\"Windows 7 10 Or Server 2012 2016\"}"));
        row("vdi, JSON, no processor", "vdi 1000 --lang en --json",
            QString("{\"candidateDetails\":[],\"candidates\":[],"
                    "\"heading\":\"1000 terminals - server configuration information:\","
                    "\"text\":\"Memory: 2360 GB\\r\\nSSD: 30120 GB\\r\\nHDD: 50500 GB\\r\\nNIC speed: 31000 Mbps\"}"));
        row("query, no match", "query 9999 --lang en", QString("  (none)\n"));
        row("rdp, CSV: scores as given, a quoted model, facts known and unknown",
            "rdp 30 --vendor both --lang en --csv",
            QString("Model,Score,Percentage (%),Sockets,Cores per socket,Threads per socket,"
                    "TDP per socket (W),Core licences per server\r\nAMD EPYC 7302,25000.5,117,1,16,"
                    "32,155,16\r\nIntel Xeon E-2388G,23761,112,,,,,\r\nAMD Ryzen 9 5950X,46000,216,1,"
                    "16,32,,16\r\n\"Generic \"\"9000\"\"\",30000,141,,,,,\r\n"));
        row("farm: 90 % of 100 terminals, both vendors, one spare", "farm 100 --vendor both --concurrency 90 --lang en",
            QString("100 terminals - server farm plan:\nServer farm plans:\n"
                    "  Servers | Processor | Terminals per server | Percentage | Sockets × cores | Threads | Core "
                    "licences (farm) | TDP (farm)\n"
                    "  2 + 1 | AMD Ryzen 9 5950X | 45 | 152% | 1 × 16 | 32 | 48 | unknown\n"
                    "  3 + 1 | Intel Xeon E-2388G | 30 | 112% | unknown | unknown | unknown | unknown\n"
                    "  3 + 1 | AMD EPYC 7302 | 30 | 117% | 1 × 16 | 32 | 64 | 620 W\n"
                    "  3 + 1 | Generic \"9000\" | 30 | 141% | unknown | unknown | unknown | unknown\n"
                    "  4 + 1 | Intel Xeon Silver 4214R | 23 | 107% | unknown | unknown | unknown | unknown\n"
                    "Plan: 2 + 1 × AMD Ryzen 9 5950X, 45 terminals each\nProcessor: 1 × 16 cores,"
                    " 32 threads, unknown\nMemory Minimum: 48 GB\nSSD Minimum: 420 GB\n"
                    "HDD Minimum: 2500 GB\nNIC Speed Min: 2000 Mbps\n"
                    "Recommended Graphics Card: GT1030 2GB Or Integrated Graphics\n"
                    "Server System: Windows Server 2012 2016 2019 2022\n"
                    "Servers in all: 3 (2 at work + 1 spare)\nMemory across the farm: 144 GB\n"
                    "Windows Server core licences: 48 (3 servers × 16)\nProcessors' TDP: unknown\n"
                    "Licences:\nWindows Server is licensed by physical core: every core of a server,"
                    " at least 8 a processor and 16 a server,"
                    " sold in packs of two (spare servers run Windows Server too,"
                    " and are counted). Standard edition covers two Windows Server virtual machines on a fully "
                    "licensed server,"
                    " Datacenter any number; both need the same core licences.\n"));
        row("farm, VDI, no spare, JSON", "farm 100 --kind vdi --level light --vendor amd --spare 0 --lang en --json",
            QString("{\"heading\":\"100 terminals - server farm plan:\",\"plans\":[{\"active\":2,"
                    "\"coreLicences\":32,\"coreLicencesPerServer\":16,\"coresPerSocket\":16,"
                    "\"model\":\"AMD Ryzen 9 5950X\",\"perServer\":50,\"percentage\":134,"
                    "\"score\":46000,\"servers\":2,\"sockets\":1,\"spare\":0,\"tdpWatts\":null,"
                    "\"tdpWattsPerSocket\":null,"
                    "\"text\":\"Memory: 120 GB\\r\\nSSD: 1620 GB\\r\\nHDD: 3000 GB\\r\\nNIC speed: 2000 Mbps\","
                    "\"threadsPerSocket\":32},{\"active\":4,\"coreLicences\":64,"
                    "\"coreLicencesPerServer\":16,\"coresPerSocket\":16,\"model\":\"AMD EPYC 7302\","
                    "\"perServer\":25,\"percentage\":115,\"score\":25000,\"servers\":4,\"sockets\":1,"
                    "\"spare\":0,\"tdpWatts\":620,\"tdpWattsPerSocket\":155,"
                    "\"text\":\"Memory: 64 GB\\r\\nSSD: 840 GB\\r\\nHDD: 1500 GB\\r\\nNIC speed: 1000 Mbps\","
                    "\"threadsPerSocket\":32}]}"));
        row("farm, CSV, every one at work", "farm 100 --vendor amd --concurrency 100 --csv --lang en",
            QString("Servers,Processor,Terminals per server,Percentage,Sockets × cores,Threads,"
                    "Core licences (farm),TDP (farm)\r\n2 + 1,AMD Ryzen 9 5950X,50,138%,1 × 16,32,48,"
                    "unknown\r\n3 + 1,AMD EPYC 7302,34,105%,1 × 16,32,64,620 W\r\n"));
    }
    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        const TestCatalogue catalogue(sampleCatalogue);
        catalogue.addDetails(sampleDetails);
        const bool json = arguments.contains("--json");
        const CliRun run = runCli(arguments << "--catalogue" << catalogue.path());
        QVERIFY2(run.err.isEmpty(), run.err.constData());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::fromUtf8(json ? QJsonDocument::fromJson(run.out).toJson(QJsonDocument::Compact) : run.out),
                 output);
    }

    void plan_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("output"); // JSON in its compact form
        const QByteArray groups = R"("groups": [{"name": "Alpha", "level": "light", "terminals": 50},
            {"name": "Beta", "level": "heavy", "terminals": 10}, {"kind": "vdi", "terminals": 5}])";
        QTest::newRow("two farms, JSON")
            << R"({"quarvelPlan": 1, "name": "T", "vendor": "amd", "spares": 0, )" + groups + "}"
            << QString("{\"farms\":{\"rdp\":{\"chosen\":0,\"plans\":[{\"active\":1,"
                       "\"coreLicences\":16,\"coreLicencesPerServer\":16,\"coresPerSocket\":16,"
                       "\"graphics\":\"GT1030 2GB Or Integrated Graphics\",\"hdd\":\"3500 GB\","
                       "\"memory\":\"48 GB\",\"model\":\"AMD Ryzen 9 5950X\","
                       "\"network\":\"3000 Mbps\",\"perServer\":[50,10],\"percentage\":130,"
                       "\"score\":46000,\"servers\":1,\"sockets\":1,\"spare\":0,\"ssd\":\"540 GB\","
                       "\"system\":\"Windows Server 2012 2016 2019 2022\",\"tdpWatts\":null,"
                       "\"tdpWattsPerSocket\":null,\"terminalsPerServer\":60,"
                       "\"threadsPerSocket\":32},{\"active\":2,\"coreLicences\":32,"
                       "\"coreLicencesPerServer\":16,\"coresPerSocket\":16,"
                       "\"graphics\":\"GT1030 2GB Or Integrated Graphics\",\"hdd\":\"2000 GB\","
                       "\"memory\":\"24 GB\",\"model\":\"AMD EPYC 7302\",\"network\":\"2000 Mbps\","
                       "\"perServer\":[25,5],\"percentage\":130,\"score\":25000,\"servers\":2,"
                       "\"sockets\":1,\"spare\":0,\"ssd\":\"300 GB\","
                       "\"system\":\"Windows Server 2012 2016 2019 2022\",\"tdpWatts\":310,"
                       "\"tdpWattsPerSocket\":155,\"terminalsPerServer\":30,"
                       "\"threadsPerSocket\":32}]},\"vdi\":{\"chosen\":0,\"plans\":[{\"active\":1,"
                       "\"coreLicences\":16,\"coreLicencesPerServer\":16,\"coresPerSocket\":16,"
                       "\"hdd\":\"500 GB\",\"memory\":\"24 GB\",\"model\":\"AMD EPYC 7302\","
                       "\"network\":\"1000 Mbps\",\"perServer\":[5],\"percentage\":206,"
                       "\"score\":25000,\"servers\":1,\"sockets\":1,\"spare\":0,\"ssd\":\"240 GB\","
                       "\"tdpWatts\":155,\"tdpWattsPerSocket\":155,\"terminalsPerServer\":5,"
                       "\"threadsPerSocket\":32},{\"active\":1,\"coreLicences\":16,"
                       "\"coreLicencesPerServer\":16,\"coresPerSocket\":16,\"hdd\":\"500 GB\","
                       "\"memory\":\"24 GB\",\"model\":\"AMD Ryzen 9 5950X\","
                       "\"network\":\"1000 Mbps\",\"perServer\":[5],\"percentage\":380,"
                       "\"score\":46000,\"servers\":1,\"sockets\":1,\"spare\":0,\"ssd\":\"240 GB\","
                       "\"tdpWatts\":null,\"tdpWattsPerSocket\":null,\"terminalsPerServer\":5,"
                       "\"threadsPerSocket\":32}]}},\"groups\":[{\"atWork\":50,\"concurrency\":100,"
                       "\"grown\":50,\"kind\":\"rdp\",\"level\":\"light\",\"name\":\"Alpha\","
                       "\"terminals\":50},{\"atWork\":10,\"concurrency\":100,\"grown\":10,"
                       "\"kind\":\"rdp\",\"level\":\"heavy\",\"name\":\"Beta\",\"terminals\":10},"
                       "{\"atWork\":5,\"concurrency\":100,\"grown\":5,\"kind\":\"vdi\","
                       "\"level\":\"medium\",\"name\":\"\",\"terminals\":5}],\"name\":\"T\","
                       "\"totals\":{\"coreLicences\":32,\"memoryGB\":72,\"rdsCals\":65,\"servers\":2,"
                       "\"tdpWatts\":null}}");
        QTest::newRow("a processor named and no longer listed, CSV")
            << QByteArray(
                   R"({"quarvelPlan": 1, "vendor": "amd", "chosen": {"rdp": "Gone"}, "groups": [{"terminals": 40}]})")
            << QString("Server kind,Servers,Processor,Terminals per server,Percentage,"
                       "Sockets × cores,Threads,Core licences (farm),TDP (farm)\r\n"
                       "RDP terminal server,1 + 1,AMD Ryzen 9 5950X,40,169%,1 × 16,32,32,unknown\r\n"
                       "RDP terminal server,2 + 1,AMD EPYC 7302,20,164%,1 × 16,32,48,465 W\r\n");
    }
    // A site's plan file: its farms as JSON and as CSV.
    void plan()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, output);
        const TestCatalogue catalogue(sampleCatalogue);
        catalogue.addDetails(sampleDetails);
        const QString path = catalogue.folder() + "/site.quarvel";
        QFile plan(path);
        QVERIFY(plan.open(QIODevice::WriteOnly) && plan.write(file) == file.size());
        plan.close();
        const bool json = output.startsWith(u'{');
        const CliRun run
            = runCli({"plan", path, json ? "--json" : "--csv", "--lang", "en", "--catalogue", catalogue.path()});
        QVERIFY2(run.err.isEmpty(), run.err.constData());
        QCOMPARE(QString::fromUtf8(json ? QJsonDocument::fromJson(run.out).toJson(QJsonDocument::Compact) : run.out),
                 output);
    }

    void exitStatuses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error"); // how standard error starts
        const auto row = [](const char *name, const char *arguments, int status, const char *error) {
            QTest::newRow(name) << QString(arguments).split(u' ') << status << QString::fromUtf8(error);
        };
        const char *const invalid = "Please enter the correct number of terminals!\n";
        row("rdp 0", "rdp 0 --lang en", 2, invalid);
        row("rdp, beyond 32 bits", "rdp 4294961 --level light --lang en", 2, invalid);
        row("farm 00: no terminal", "farm 00 --lang en", 2, invalid);
        row("rdp, a number not in digits", "rdp 1e2 --lang en", 2, invalid);
        row("query, too short", "query 123 --lang zh", 2, "输入的字符数量少于4个,请输入4个字符\n");
        row("plan, no such file", "plan /nowhere/x.quarvel --lang en", 2, "The plan file \"");
        row("no catalogue: a warning", "rdp 5 --lang en --catalogue /nowhere", 0,
            "warning: no catalogue file, the CPU list is empty: ");
        for (const char *usage : {"rdp", "sizes 5", "rdp 5 --level extreme", "rdp 5 --vendor arm", "rdp 5 --lang fr",
                                  "query 1234 --level light", "query 1234 --csv", "rdp 5 --csv --json",
                                  "check-catalogue a b", "check-catalogue --pdf x.pdf", "farm 5 --concurrency 0",
                                  "farm 5 --spare 10", "farm 5 --kind sbc", "rdp 5 --kind vdi", "vdi 5 --spare 1"})
            row(qPrintable(QStringLiteral("usage: ") + usage), usage, 2, "quarvel-cli: ");
    }
    void exitStatuses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, error);
        const CliRun run = runCli(arguments);
        QCOMPARE(run.exitCode, status);
        QVERIFY2(error.isEmpty() ? run.err.isEmpty() : QString::fromUtf8(run.err).startsWith(error),
                 run.err.constData());
    }

    void checkCatalogue_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("catalogue");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("report");
        QTest::newRow("skipped lines, lines never read")
            << "en" << QByteArray("Intel A,5000\r\nno comma\r\nAMD B,five\r\nC\xFF,1\r\n\r\nIntel D,1\r\nIntel E,2\r\n")
            << 1
            << "line 2: skipped, no comma: \"no comma\"\nline 3: skipped, the score is not a number: \"AMD B,five\"\n"
               "line 4: skipped, bytes that cannot be read as text: \"C\\xff,1\"\n"
               "line 5 is empty: the catalogue ends there, lines 6 to 7 are never read\n"
               "records: 1 (Intel 1, AMD 0, neither 0); lines skipped: 3\n"
               "no details file (data-details.tsv): cores, threads, licences and TDP are unknown\n";
        QTest::newRow("an empty first line, Chinese")
            << "zh" << QByteArray("\r\nIntel A,5000\r\n") << 1
            << "第1行为空行：CPU列表到此结束，第2至2行不会被读取\n记录：0条（"
               "Intel 0条，AMD 0条，两者皆无0条）；跳过：0行\n"
               "警告：CPU列表中没有任何记录，CPU列表将为空\n"
               "没有CPU细节文件（data-details.tsv）：核心、线程、许可证和TDP均为未知\n";
        QTest::newRow("warnings") << "en"
                                  << "\xEF\xBB\xBFIntel \x1b]0;x\aA,5000\r\n" + QByteArray(70000, ' ')
                + ",1\r\nAMD \xE2\x80\xAE"
                  "B,2000000000000\r\nAMD C,25800000000\r\n"
                                  << 1
                                  << "line 1: warning, the model text holds control, text-direction or non-characters: "
                                     "\"Intel \\x1b]0;x\\x07A\"\nline 2: skipped, longer than 64 KiB: \""
                + QString(80, u' ')
                + "…\"\n"
                  "line 3: warning, the model text holds control, text-direction or non-characters: \"AMD \\u202eB\"\n"
                  "line 3: warning, the score is too large: the capacity query leaves this line out: \"AMD \\u202eB\"\n"
                  "line 4: warning, the score is too large: the capacity query leaves this line out: \"AMD C\"\n"
                  "records: 3 (Intel 1, AMD 2, neither 0); lines skipped: 1\n"
                  "no details file (data-details.tsv): cores, threads, licences and TDP are unknown\n";
        // Facts for the catalogue's lines that the check finds wanting, line by line; the catalogue itself sound.
        QTest::newRow("a details file with hostile lines")
            << "en" << QByteArray("Intel A,5000\r\nIntel B,6000\r\nAMD C,7000\r\n") << 0
            << "records: 3 (Intel 2, AMD 1, neither 0); lines skipped: 0\n"
               "details line 2: skipped, 0 sockets: \"Intel A\\x090\\x094\\x098\\x09\"\n"
               "details line 3: skipped, fewer threads than cores: \"Intel B\\x091\\x098\\x094\\x0965\"\n"
               "details line 4: skipped, a count that is not a whole number from 1 to 1000000: "
               "\"AMD C\\x091\\x092.5\\x094\\x09\"\n"
               "details line 5: skipped, not five fields set apart by tabs: \"AMD C 1 8 16 65\"\n"
               "details line 6: skipped, bytes that are not UTF-8 text: \"AMD \\xff\\x091\\x094\\x098\\x0935\"\n"
               "details line 8: warning, an earlier line has this model (it counts for the catalogue line in its "
               "place while the two go line by line, else only the first counts): \"AMD D\\x092\\x094\\x098\\x0935\"\n"
               "details line 9: skipped, no model text: \"\\x091\\x094\\x098\\x0935\"\n"
               "line 1: the details file gives no facts for this model: \"Intel A\"\n"
               "line 2: the details file gives no facts for this model: \"Intel B\"\n"
               "line 3: the details file gives no facts for this model: \"AMD C\"\n"
               "details line 7: no catalogue line has this model: \"AMD D\"\n"
               "processor details: known for 0 of 3 records\n";
    }
    void namedProcessor_data()
    {
        QTest::addColumn<QByteArray>("chosen");
        QTest::addColumn<bool>("unlisted");
        QTest::newRow("none named") << QByteArray("null") << false;
        QTest::newRow("named and listed") << QByteArray(R"("AMD EPYC 7302")") << false;
        QTest::newRow("named and no longer listed") << QByteArray(R"("Gone")") << true;
    }
    // The report says so, plainly, when the processor a plan names is no longer among the farm's plans.
    void namedProcessor()
    {
        QFETCH(QByteArray, chosen);
        QFETCH(bool, unlisted);
        const TestCatalogue catalogue(sampleCatalogue);
        const QString path = catalogue.folder() + "/site.quarvel";
        QFile plan(path);
        QVERIFY(plan.open(QIODevice::WriteOnly));
        plan.write(R"({"quarvelPlan": 1, "vendor": "amd", "chosen": {"rdp": )" + chosen
                   + R"(}, "groups": [{"terminals": 40}]})");
        plan.close();
        const CliRun run = runCli({"plan", path, "--lang", "en", "--catalogue", catalogue.path()});
        QCOMPARE(run.out.contains("is no longer listed"), unlisted);
        QVERIFY(!unlisted
                || run.out.contains("Plan: The processor the plan names, \"Gone\", is no longer listed: the first "
                                    "plan is shown instead.\n"));
        QCOMPARE(run.out.contains("Plan: 2 + 1 × AMD EPYC 7302,"), chosen.contains("7302"));
    }

    void checkCatalogue()
    {
        QFETCH(QString, language);
        QFETCH(QByteArray, catalogue);
        QFETCH(int, status);
        QFETCH(QString, report);
        const TestCatalogue file(catalogue);
        if (QString(QTest::currentDataTag()).startsWith("a details file"))
            file.addDetails(
                QByteArray(ProcessorDetails::header)
                + "\nIntel A\t0\t4\t8\t\nIntel B\t1\t8\t4\t65\nAMD C\t1\t2.5\t4\t\n"
                  "AMD C 1 8 16 65\nAMD \xFF\t1\t4\t8\t35\nAMD D\t1\t4\t8\t35\nAMD D\t2\t4\t8\t35\n\t1\t4\t8\t35\n");
        const CliRun run = runCli({"check-catalogue", file.path(), "--lang", language});
        QCOMPARE(QString::fromUtf8(run.out), report);
        QCOMPARE(run.exitCode, status);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("error");
        const auto row = [](const char *name, const char *command, const char *error) {
            QTest::newRow(name) << QString(command) << QString::fromUtf8(error);
        };
        row("rdp, a catalogue that fails to be read", "exec \"$CLI\" rdp 5 --lang en --catalogue /proc/self/mem",
            "The CPU catalogue (data.dll) could not be read to its end");
        row("query, Chinese", "exec \"$CLI\" query 1234 --lang zh --catalogue /proc/self/mem",
            "无法完整读取CPU数据文件");
        row("a full disk", "exec \"$CLI\" rdp 5 --lang en --catalogue \"$CAT\" >/dev/full",
            "quarvel-cli: cannot write the output: No space left on device");
    }
    // Through a POSIX shell, its redirections, /proc and /dev/full: exit status 3 and the reason.
    void failures()
    {
        QFETCH(QString, command);
        QFETCH(QString, error);
        if (QSysInfo::productType() == QLatin1String("windows"))
            QSKIP("needs a POSIX shell");
        const TestCatalogue catalogue(sampleCatalogue);
        const CliRun run = runCli({"-c", command}, catalogue.path(), "sh");
        QCOMPARE(run.exitCode, 3);
        QVERIFY2(run.err.contains(error.toUtf8()), run.err.constData());
    }

    // Plain text shows them escaped (JSON escapes them in its own way). UTF-8 by its byte-order mark: the
    // direction override has no place in a code page such as GBK. U+2065 lies between the isolates (U+2066 to
    // U+2069) and the embeddings (U+202A to U+202E): shown as it is.
    void controlCharacters()
    {
        const TestCatalogue catalogue(
            "\xEF\xBB\xBFIntel \x1b[2J\xE2\x80\xAE\xE2\x80\xAA\xE2\x81\xA6\xE2\x81\xA9\xE2\x81\xA5X,99999\r\n");
        const CliRun run = runCli({"rdp", "5", "--lang", "en", "--catalogue", catalogue.path()});
        QVERIFY2(run.out.contains("  Intel \\x1b[2J\\u202e\\u202a\\u2066\\u2069\xE2\x81\xA5X" + QByteArray(24, ' ')
                                  + "1612% | unknown | unknown | unknown | unknown\n"),
                 run.out.constData());
        QVERIFY(!run.out.contains('\x1b'));
    }

    // Streamed or not, an object's JSON is byte for byte the one QJsonDocument writes: any arrays streamed (each
    // element made once), however deep, whatever their keys and texts, empty ones too.
    void streamedJson()
    {
        QRandomGenerator random(29);
        for (int round = 0; round < 500; ++round) {
            const QJsonObject object = generated(random, 4).toObject();
            QStringList paths;
            arrays(object, QString(), paths);
            QHash<QString, JsonStream::Array> streamed;
            qsizetype elements = 0, made = 0;
            for (const QString &path : std::as_const(paths)) {
                if (random.bounded(2) == 0)
                    continue;
                QJsonValue array = object;
                for (const QString &key : path.split(u'/'))
                    array = array.toObject().value(key);
                const QJsonArray streamedArray = array.toArray();
                elements += streamedArray.size();
                streamed.insert(path, {streamedArray.size(), [streamedArray, &made](qsizetype i) {
                                           ++made;
                                           return streamedArray.at(i);
                                       }});
            }
            QByteArray written;
            JsonStream::write(object, streamed, [&written](const QByteArray &bytes) { written += bytes; });
            QCOMPARE(written, QJsonDocument(object).toJson(QJsonDocument::Indented));
            QCOMPARE(made, elements);
        }
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
