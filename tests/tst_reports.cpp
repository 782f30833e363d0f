#include "listentry.h"
#include "mainwindow.h"
#include "reportactions.h"
#include "reportformat.h"
#include "reportpdf.h"
#include "reports.h"
#include "version.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>

namespace {

const QByteArray sampleCatalogue = TestCatalogue::lines({"AMD EPYC 7302,25000", "Intel Xeon E-2388G,23761",
                                                         "Intel Xeon Silver 4214R,18200", "Intel Core i5-10400,12000"});

const QDateTime catalogueTime(QDate(2026, 1, 2), QTime(3, 4));

// The window a row works in, its count already typed: the main window, or the one its button opens.
QWidget *prepared(const MainWindow &main, const QString &window, const QString &input)
{
    QFile file(main.catalogue.path());
    if (!file.open(QIODevice::Append) || !file.setFileTime(catalogueTime, QFileDevice::FileModificationTime))
        qWarning("the catalogue's time could not be set");
    QWidget *target = window == QLatin1String("Form1") ? main.window.data()
                                                         : main.open(window == QLatin1String("Form2") ? "Command2" : "Command4");
    typeInto(target, input);
    return target;
}

// The report's creation time as "<now>".
QString masked(QString text)
{
    static const QRegularExpression now(QStringLiteral("(created |生成于)\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d"));
    return text.replace(now, QStringLiteral("\\1<now>"));
}

QString clipboardText()
{
    return masked(QApplication::clipboard()->text());
}

QStringList enabledActions(QWidget *window)
{
    QStringList enabled;
    for (QAction *action : window->actions()) {
        if (action->isEnabled())
            enabled << action->text();
    }
    return enabled;
}

// The lines with their blanks taken out (a page sets its columns apart by position, not by blanks), blank
// lines and page numbers left out.
QStringList compared(const QStringList &lines)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    static const QRegularExpression pageNumber(QStringLiteral("^\\d+$"));
    QStringList kept;
    for (QString line : lines) {
        line.remove(blanks);
        if (!line.isEmpty() && !pageNumber.match(line).hasMatch())
            kept << line;
    }
    return kept;
}

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}

} // namespace

class TestReports : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void copiedReport_data();
    void copiedReport();
    void actionsFollowTheLastAnswer_data();
    void actionsFollowTheLastAnswer();
    void unwritableTarget_data();
    void unwritableTarget();
    void pdfPages_data();
    void pdfPages();
    void csv_data();
    void csv();
};

void TestReports::cleanup()
{
    ReportActions::setFileChooser({});
    // The query and VDI windows outlive a main window that is deleted rather than closed.
    QList<QPointer<QWidget>> left;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("Form2") || window->objectName() == QLatin1String("Form3"))
            left << window;
    }
    qDeleteAll(left);
}

void TestReports::copiedReport_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("menuArea");
    QTest::addColumn<QStringList>("lines");
    const QString title = QStringLiteral("Quarvel v") + Version::shortText();
    const QString version = QString::fromLatin1(Version::full);
    const QString rdpGap(24, u' ');
    QTest::newRow("main window, English") << Language::English << "Form1" << "30" << "Frame2" << QStringList{
        title, "Quarvel " + version + ", created <now>", "Terminals: 30", "Task level: Medium-Sized Tasks",
        "Processor vendor: Intel", "CPU catalogue: 4 records, modified 2026-01-02 03:04", "",
        "30 terminals - server configuration information:", "List of Optional CPUs:",
        "  Intel Xeon E-2388G" + rdpGap + "112%", "Memory Minimum: 40 GB", "SSD Minimum: 300 GB", "HDD Minimum: 2000 GB",
        "NIC Speed Min: 2000 Mbps", "Recommended Graphics Card: GT1030 2GB Or Integrated Graphics",
        "Server System: Windows Server 2012 2016 2019 2022"};
    QTest::newRow("VDI window, Chinese") << Language::Chinese << "Form3" << "10" << "Text2" << QStringList{
        "VDI服务器配置计算 v" + Version::shortText(), "Quarvel " + version + "，生成于<now>", "终端数量：10",
        "任务类型：轻型任务", "CPU厂商：Intel", "CPU数据文件：4条记录，修改于2026-01-02 03:04", "",
        "10台终端 - 服务器配置信息：", "CPU可选列表：", "  Intel Xeon E-2388G       167%",
        "  Intel Xeon Silver 4214R       128%", "其它硬件信息：", "内存：24 GB", "SSD：420 GB", "HDD：1000 GB",
        "网卡速度：1000 Mbps"};
    QTest::newRow("query window, English") << Language::English << "Form2" << "2388" << "Text2" << QStringList{
        title, "Quarvel " + version + ", created <now>", "Query: 2388", "CPU catalogue: 4 records, modified 2026-01-02 03:04",
        "", "CPU model: Intel Xeon E-2388G", "Number of loadable terminals: 34", "Server memory minimum:56 GB",
        "Server SSD min:360 GB", "Server HDD min:2000 GB", "Server NIC speed min:2000 Mbps"};
}

// A finished calculation goes to the clipboard by its shortcut, from the count box, as plain text with CR LF
// and as HTML; the context menus offer the three actions in the window's language.
void TestReports::copiedReport()
{
    QFETCH(Language, language);
    QFETCH(QString, window);
    QFETCH(QString, input);
    QFETCH(QString, menuArea);
    QFETCH(QStringList, lines);
    const MainWindow main(sampleCatalogue, language);
    QWidget *target = prepared(main, window, input);
    clickIn(target, "Command1");
    QApplication::clipboard()->clear();
    QTest::keyClick(in<QLineEdit>(target, "txbNumber1"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(clipboardText().split("\r\n"), lines << QString()); // CR LF after every line
    QTextDocument html;
    html.setHtml(QApplication::clipboard()->mimeData()->html());
    QCOMPARE(compared({masked(html.toPlainText())}).join(""), compared(lines).join(""));

    const QStringList expectedMenu = language == Language::English
        ? QStringList{"Copy result", "Save as PDF…", "Print…"}
        : QStringList{"复制结果", "另存为 PDF…", "打印…"};
    QWidget *area = in<QWidget>(target, menuArea.toLatin1());
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), area->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(area, &event);
    QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList offered;
    for (QAction *action : menu->actions()) {
        if (action->isEnabled() && expectedMenu.contains(action->text()))
            offered << action->text();
    }
    menu->close();
    QCOMPARE(offered, expectedMenu);
}

void TestReports::actionsFollowTheLastAnswer_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("good");
    QTest::addColumn<QString>("bad");
    QTest::newRow("main") << "Form1" << "30" << "99999999";
    QTest::newRow("VDI") << "Form3" << "10" << "99999999";
    QTest::newRow("query") << "Form2" << "2388" << "23";
}

// Nothing to hand over before the first answer and while a reading runs; an input message leaves the last
// answer in place, and that is what is saved.
void TestReports::actionsFollowTheLastAnswer()
{
    QFETCH(QString, window);
    QFETCH(QString, good);
    QFETCH(QString, bad);
    const MainWindow main(sampleCatalogue, Language::English);
    QWidget *target = prepared(main, window, good);
    QCOMPARE(enabledActions(target), QStringList());

    QStringList whileReading{"not pumped"};
    atPump(1, [&] { whileReading = enabledActions(target); });
    clickIn(target, "Command1");
    QCOMPARE(whileReading, QStringList());
    QCOMPARE(enabledActions(target).size(), target->actions().size());

    QTest::keyClick(in<QLineEdit>(target, "txbNumber1"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QString goodReport = clipboardText();
    in<QLineEdit>(target, "txbNumber1")->clear();
    typeInto(target, bad);
    {
        const MessageBoxCatcher catcher;
        clickIn(target, "Command1");
        QCOMPARE(catcher.boxes.size(), 1);
    }
    QCOMPARE(enabledActions(target).size(), target->actions().size());
    QApplication::clipboard()->clear();
    target->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(target));
    QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(clipboardText(), goodReport);

    QTemporaryDir folder;
    const QString path = folder.filePath("report.pdf");
    ReportActions::setFileChooser([&](QWidget *, const QString &suggested) {
        return suggested.endsWith(".pdf") ? path : QString();
    });
    QTest::keyClick(target, Qt::Key_S, Qt::ControlModifier);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.read(5) == "%PDF-");
}

void TestReports::unwritableTarget_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("zh") << Language::Chinese << "无法保存PDF文件“" << "。没有写入任何文件。";
    QTest::newRow("en") << Language::English << "The PDF file \"" << ". No file was written.";
}

// A folder that cannot hold the file: the message says so, and nothing is left behind.
void TestReports::unwritableTarget()
{
    QFETCH(Language, language);
    QFETCH(QString, before);
    QFETCH(QString, after);
    const MainWindow main(sampleCatalogue, language);
    main.type("30");
    main.click("Command1");
    QTemporaryDir folder;
    QFile blocker(folder.filePath("not-a-folder"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = folder.filePath("not-a-folder/report.pdf");
    ReportActions::setFileChooser([&](QWidget *, const QString &) { return path; });
    const MessageBoxCatcher catcher;
    QTest::keyClick(main.window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(catcher.boxes.size(), 1);
    QCOMPARE(catcher.boxes[0].title, main.window->windowTitle());
    QVERIFY2(catcher.boxes[0].text.startsWith(before + QDir::toNativeSeparators(path)), qPrintable(catcher.boxes[0].text));
    QVERIFY(catcher.boxes[0].text.endsWith(after));
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"not-a-folder"});
}

void TestReports::pdfPages_data()
{
    QTest::addColumn<Language>("language");
    QTest::newRow("zh") << Language::Chinese;
    QTest::newRow("en") << Language::English;
}

// The page holds the report's lines, Chinese included, in fonts that travel with the file.
void TestReports::pdfPages()
{
#ifdef Q_OS_WIN
    QSKIP("poppler's tools are Linux programs; scripts/windows-check reads the Windows program's PDF");
#endif
    QFETCH(Language, language);
    const TestCatalogue catalogue(TestCatalogue::lines({"Intel 至强 E-2388G,23761", "AMD \"EPYC\" 7302,25000"}));
    const auto outcome = RdpSizing::calculate(
        {"20", [] { return TaskLevel::Heavy; }, [] { return Vendor::Both; }, catalogue.path(), language}, {});
    QCOMPARE(outcome.status, RdpSizing::Status::Done);
    const Report report = Reports::rdp({"20", TaskLevel::Heavy, Vendor::Both, language, QDateTime::currentDateTime()},
                                       outcome.result);
    QTemporaryDir folder;
    const QString path = folder.filePath("report.pdf");
    QCOMPARE(ReportPdf::save(report, path), std::nullopt);

    const QString text = QString::fromUtf8(run("pdftotext", {"-layout", "-enc", "UTF-8", path, "-"}));
    QCOMPARE(compared(text.split('\n')), compared(ReportFormat::lines(report)));
    const QStringList fonts = QString::fromUtf8(run("pdffonts", {path})).split('\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    static const QRegularExpression embedded(QStringLiteral(" (yes|no) +(yes|no) +(yes|no) +\\d+ +\\d+$"));
    for (const QString &font : fonts)
        QVERIFY2(embedded.match(font).captured(1) == "yes", qPrintable(font));
}

void TestReports::csv_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("model");
    QTest::addColumn<double>("score");
    QTest::addColumn<double>("percentage");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain, zh") << Language::Chinese << "Intel Xeon E-2388G" << 23761.0 << 130.0
                               << "型号,分数,百分比(%)\r\nIntel Xeon E-2388G,23761,130\r\n";
    QTest::newRow("quotes, en") << Language::English << "AMD \"EPYC\" 7302" << 25000.5 << 99.0
                                << "Model,Score,Percentage (%)\r\n\"AMD \"\"EPYC\"\" 7302\",25000.5,99\r\n";
}

void TestReports::csv()
{
    QFETCH(Language, language);
    QFETCH(QString, model);
    QFETCH(double, score);
    QFETCH(double, percentage);
    QFETCH(QString, expected);
    const Candidate candidate{model, score, percentage, ListEntry::make(model, 24, percentage)};
    QCOMPARE(ReportFormat::csv({candidate}, language), expected);
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
