#include "mainwindow.h"
#include "module1.h"

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

const QByteArray sampleCatalogue = TestCatalogue::lines({"AMD EPYC 7302,25000", "Intel Xeon E-2388G,23761",
                                                         "Intel Xeon Silver 4214R,18200", "  AMD Ryzen 9 5950X ,46000",
                                                         "Generic 9000,30000"});

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void sameTextsAsTheWindow_data();
    void sameTextsAsTheWindow();
    void invalidCount_data();
    void invalidCount();
    void languageFromLocale();
    void missingCatalogue();
    void usage();
    void query();
    void vdi();
    void checkCatalogue_data();
    void checkCatalogue();
#ifdef Q_OS_UNIX // through a POSIX shell, its redirections, /proc and /dev/full
    void failures_data();
    void failures();
#endif
    void controlCharacters();
    void reportFiles();
    void shippedCatalogue_data();
    void shippedCatalogue();
};

void TestCli::sameTextsAsTheWindow_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("levelOption");
    QTest::addColumn<QString>("vendorOption");
    QTest::addColumn<QString>("lang");
    QTest::newRow("defaults") << "30" << "" << "" << "en";
    QTest::newRow("light intel en") << "30" << "Option1" << "Option4" << "en";
    QTest::newRow("heavy amd zh") << "7" << "Option3" << "Option5" << "zh";
    QTest::newRow("both, 00") << "00" << "Option2" << "Option6" << "zh";
}

void TestCli::sameTextsAsTheWindow()
{
    QFETCH(QString, count);
    QFETCH(QString, levelOption);
    QFETCH(QString, vendorOption);
    QFETCH(QString, lang);

    const MainWindow main(sampleCatalogue, lang == "en" ? Language::English : Language::Chinese);
    main.type(count);
    if (!levelOption.isEmpty())
        main.click(levelOption.toLatin1().constData());
    if (!vendorOption.isEmpty())
        main.click(vendorOption.toLatin1().constData());
    main.click("Command1");

    QStringList arguments{"rdp", count, "--lang", lang, "--catalogue", main.catalogue.path(), "--json"};
    const QMap<QString, QString> levels{{"Option1", "light"}, {"Option2", "medium"}, {"Option3", "heavy"}};
    const QMap<QString, QString> vendors{{"Option4", "intel"}, {"Option5", "amd"}, {"Option6", "both"}};
    if (!levelOption.isEmpty())
        arguments << "--level" << levels[levelOption];
    if (!vendorOption.isEmpty())
        arguments << "--vendor" << vendors[vendorOption];
    const CliRun run = runCli(arguments);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(json.keys(), (QStringList{"candidates", "graphics", "hdd", "heading", "memory", "network", "ssd", "system"}));

    const QStringList items = itemsIn(main.window);
    QVERIFY(!items.isEmpty());
    QCOMPARE(json["candidates"].toVariant().toStringList(), items);
    QCOMPARE(json["heading"].toString(), main.text("Label15"));
    QCOMPARE(json["memory"].toString(), main.text("Label9"));
    QCOMPARE(json["ssd"].toString(), main.text("Label10"));
    QCOMPARE(json["hdd"].toString(), main.text("Label11"));
    QCOMPARE(json["network"].toString(), main.text("Label12"));
    QCOMPARE(json["graphics"].toString(), main.text("Label13"));
    QCOMPARE(json["system"].toString(), main.text("Label19"));
}

void TestCli::invalidCount_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("message");
    QTest::newRow("0") << "0" << "en" << "Please enter the correct number of terminals!\n";
    QTest::newRow("empty") << "" << "zh" << QString::fromUtf8("请输入正确的终端数量！\n");
    QTest::newRow("letters") << "12a" << "en" << "Please enter the correct number of terminals!\n";
    QTest::newRow("beyond 32 bits") << "4294961" << "en" << "Please enter the correct number of terminals!\n";
}

void TestCli::invalidCount()
{
    QFETCH(QString, count);
    QFETCH(QString, lang);
    QFETCH(QString, message);
    const TestCatalogue catalogue(sampleCatalogue);
    const CliRun run = runCli({"rdp", count, "--level", "light", "--lang", lang, "--catalogue", catalogue.path(), "--json"});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(QString::fromUtf8(run.err), message);
    QVERIFY(run.out.isEmpty());
}

void TestCli::languageFromLocale()
{
#ifdef Q_OS_WIN
    QSKIP("on Windows the language is the system's, from its management service (scripts/windows-check)");
#endif
    const TestCatalogue catalogue(sampleCatalogue);
    const QStringList arguments{"rdp", "5", "--catalogue", catalogue.path(), "--json"};
    QCOMPARE(QJsonDocument::fromJson(runCli(arguments, "zh_CN.UTF-8").out)["heading"].toString(),
             QString::fromUtf8("5台终端 - 服务器配置信息："));
    QCOMPARE(QJsonDocument::fromJson(runCli(arguments, "zh_TW.UTF-8").out)["heading"].toString(),
             "5 terminals - server configuration information:");
}

void TestCli::missingCatalogue()
{
    const TestCatalogue catalogue(sampleCatalogue);
    const CliRun run = runCli({"rdp", "5", "--lang", "en", "--catalogue", catalogue.folder(), "--json"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.startsWith("warning: "));
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(json["candidates"].toArray().size(), 0);
    QCOMPARE(json["memory"].toString(), "8 GB");
}

void TestCli::usage()
{
    CliRun run = runCli({"--version"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, "quarvel-cli 1.8.0.118\n");
    run = runCli({"--help"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains("rdp COUNT"));
    QVERIFY(!run.out.contains("--help-all"));
    QCOMPARE(runCli({"rdp"}).exitCode, 2);
    QCOMPARE(runCli({"rdp", "5", "--level", "extreme"}).exitCode, 2);
    QCOMPARE(runCli({"sizes", "5"}).exitCode, 2);
    QCOMPARE(runCli({"query", "1234", "--csv"}).exitCode, 2);
    QCOMPARE(runCli({"rdp", "5", "--csv", "--json"}).exitCode, 2);
    QCOMPARE(runCli({"check-catalogue", "--pdf", "x.pdf"}).exitCode, 2);
    run = runCli({"rdp", "5", "--lang", "en", "--catalogue", "/nonexistent"});
    QVERIFY(run.out.startsWith("5 terminals - server configuration information:\n"));
    QVERIFY(run.out.contains("Memory Minimum: 8 GB\n"));
}

// The candidate list for spreadsheets; the report as a PDF, or a clear failure with nothing left behind.
void TestCli::reportFiles()
{
    const TestCatalogue catalogue(sampleCatalogue);
    CliRun run = runCli({"rdp", "30", "--vendor", "both", "--lang", "en", "--csv", "--catalogue", catalogue.path()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, "Model,Score,Percentage (%)\r\nAMD EPYC 7302,25000,117\r\nIntel Xeon E-2388G,23761,112\r\n"
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
    QVERIFY(QString::fromUtf8(run.err).startsWith("The PDF file \"" + QDir::toNativeSeparators(blocked) + "\" could not be saved: "));
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"vdi.pdf"});
}

void TestCli::query()
{
    const MainWindow main(TestCatalogue::lines({"Sample 1234,5000", "Sample 12345,3500"}), Language::English);
    QWidget *form2 = main.open("Command2");
    typeInto(form2, "1234");
    clickIn(form2, "Command1");
    const QString shown = textIn(form2, "Text2");
    form2->close();

    CliRun run = runCli({"query", "1234", "--lang", "en", "--catalogue", main.catalogue.path(), "--json"});
    QCOMPARE(run.exitCode, 0);
    const QString text = QJsonDocument::fromJson(run.out)["text"].toString();
    QCOMPARE(QJsonDocument::fromJson(run.out).object().keys(), QStringList{"text"});
    QVERIFY(text.startsWith("CPU model: Sample 12345\r\nCPU performance is too low!\r\n\r\n"));
    QCOMPARE(QString(text).replace("\r\n", "\n"), shown);
    run = runCli({"query", "1234", "--lang", "en", "--catalogue", main.catalogue.path()});
    QCOMPARE(QString::fromUtf8(run.out), text);

    run = runCli({"query", "123", "--lang", "zh", "--catalogue", main.catalogue.path()});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(QString::fromUtf8(run.err), QString::fromUtf8("输入的字符数量少于4个,请输入4个字符\n"));
    QCOMPARE(runCli({"query", "1234", "--level", "light"}).exitCode, 2);
}

void TestCli::vdi()
{
    // As the window opens: light tasks, Intel.
    const MainWindow main(sampleCatalogue, Language::Chinese);
    QWidget *form3 = main.open("Command4");
    typeInto(form3, "10");
    clickIn(form3, "Command1");
    const QStringList items = itemsIn(form3);
    const QString heading = textIn(form3, "Label2");
    const QString text = textIn(form3, "Text2");
    form3->close();

    CliRun run = runCli({"vdi", "10", "--lang", "zh", "--catalogue", main.catalogue.path(), "--json"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(json.keys(), (QStringList{"candidates", "heading", "text"}));
    QCOMPARE(json["heading"].toString(), heading);
    QCOMPARE(json["candidates"].toVariant().toStringList(), items);
    QVERIFY(json["text"].toString().contains("\r\n"));
    QCOMPARE(json["text"].toString().replace("\r\n", "\n"), text);

    run = runCli({"vdi", "0", "--lang", "en", "--catalogue", main.catalogue.path()});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err, "Please enter the correct number of terminals!\n");
}

void TestCli::checkCatalogue_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("report");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("sound") << TestCatalogue::lines({"Intel A,5000", "AMD B,6000", "Generic C,7000"}) << "en"
                           << "records: 3 (Intel 1, AMD 1, neither 1); lines skipped: 0\n" << 0;
    QTest::newRow("empty last line") << QByteArray("Intel A,5000\n\n") << "en"
                                     << "line 2 is empty: the catalogue ends there\n"
                                        "records: 1 (Intel 1, AMD 0, neither 0); lines skipped: 0\n"
                                     << 0;
    QTest::newRow("every kind of fault")
        << QByteArray("Intel A,5000\r\nno comma\r\nAMD B,five\r\nC\xff,1\r\n\r\nIntel D,1\r\nIntel E,2\r\n") << "en"
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
        << "\xEF\xBB\xBFIntel \x1b]0;x\x07A,5000\r\n" + QByteArray(70000, 'x') + ",1\r\nAMD \xE2\x80\xAE" "B,2000000000000\r\nAMD C,25800000000\r\n"
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
    QTest::newRow("read error, VDI") << "\"$CLI\" vdi 5 --lang en --catalogue /proc/self/mem" << QByteArray("could not be read");
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
    const TestCatalogue catalogue("\xEF\xBB\xBFIntel \x1b[2J\xE2\x80\xAEX,99999\r\n");
    CliRun run = runCli({"rdp", "5", "--lang", "en", "--catalogue", catalogue.path()});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains("  Intel \\x1b[2J\\u202eX" + QByteArray(24, ' ') + "1612%\n"), run.out.constData());
    QVERIFY(!run.out.contains('\x1b'));
    run = runCli({"rdp", "5", "--lang", "en", "--catalogue", catalogue.path(), "--json"});
    QCOMPARE(QJsonDocument::fromJson(run.out)["candidates"][0].toString(),
             QString::fromUtf8("Intel \x1b[2J\u202eX") + QString(24, ' ') + "1612%");
}

void TestCli::shippedCatalogue_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("vendor"); // the option that lists it
    QTest::addColumn<QString>("otherVendor"); // the option that does not
    QTest::addColumn<QString>("sought");
    QTest::newRow("Xeon 6, no metal tier") << "Intel Xeon 6517P" << "Option4" << "Option5" << "6517P";
    QTest::newRow("EPYC 9005, two sockets") << "AMD EPYC 9575F Dual" << "Option5" << "Option4" << "9575F";
}

void TestCli::shippedCatalogue()
{
    QFETCH(QString, model);
    QFETCH(QString, vendor);
    QFETCH(QString, otherVendor);
    QFETCH(QString, sought);
    QFile shipped(QStringLiteral(QUARVEL_SHIPPED_CATALOGUE));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const MainWindow main(shipped.readAll(), Language::English);
    const auto listed = [&](const QString &option) {
        main.click(option.toLatin1().constData());
        main.click("Command1");
        return itemsIn(main.window).filter(QRegularExpression("^" + QRegularExpression::escape(model) + " +\\d+%$"));
    };
    main.type("50");
    QCOMPARE(listed(vendor).size(), 1);
    QCOMPARE(listed(otherVendor).size(), 0);
    QCOMPARE(listed("Option6").size(), 1);

    QWidget *form2 = main.open("Command2");
    typeInto(form2, sought);
    clickIn(form2, "Command1");
    const QString answer = textIn(form2, "Text2");
    form2->close();
    QVERIFY2(answer.contains("CPU model: " + model + "\n"), qPrintable(answer));

    const CliRun run = runCli({"check-catalogue", QStringLiteral(QUARVEL_SHIPPED_CATALOGUE), "--lang", "en"});
    QCOMPARE(run.out, "records: 537 (Intel 347, AMD 190, neither 0); lines skipped: 0\n");
    QCOMPARE(run.exitCode, 0);
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
