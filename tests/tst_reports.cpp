// The last answer of each window handed over: copied, saved as PDF, from the windows and the rules alike.

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
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

const QByteArray sampleCatalogue = TestCatalogue::lines(
    {"AMD EPYC 7302,25000", "Intel Xeon E-2388G,23761", "Intel Xeon Silver 4214R,18200", "Intel Core i5-10400,12000"});

// The catalogue's modification time, known.
void dated(const MainWindow &main)
{
    QFile file(main.catalogue.path());
    if (!file.open(QIODevice::Append) || !file.setFileTime({{2026, 1, 2}, {3, 4}}, QFileDevice::FileModificationTime))
        qWarning("the catalogue's time could not be set");
}

// A report's creation time as "<now>".
QString masked(QString text)
{
    static const QRegularExpression now("(created |生成于)\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d");
    return text.replace(now, "\\1<now>");
}

// What the copy shortcut puts on the clipboard, as plain text.
QString copied(QWidget *window)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("the window did not become active");
    QApplication::clipboard()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    return masked(QApplication::clipboard()->text());
}

int enabledActions(QWidget *window)
{
    return int(
        std::count_if(window->actions().cbegin(), window->actions().cend(), [](QAction *a) { return a->isEnabled(); }));
}

// Text without its blanks (a page sets columns apart by position), blank lines and page numbers.
QString squeezed(const QString &text)
{
    return QString(text)
        .remove(QRegularExpression("^\\s*\\d+\\s*$", QRegularExpression::MultilineOption))
        .remove(QRegularExpression("\\s+"));
}

} // namespace

class TestReports : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ReportActions::setFileChooser({}); }
    void copiedReport_data();
    void copiedReport();
    void actionsFollowTheLastAnswer_data();
    void actionsFollowTheLastAnswer();
    void pages_data();
    void pages();
};

void TestReports::copiedReport_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("menuArea");
    QTest::addColumn<QStringList>("lines");
    const QString version = QString::fromLatin1(Version::full);
    QTest::newRow("main window, English") << Language::English << "Form1"
                                          << "30"
                                          << "Frame2"
                                          << QStringList{"Quarvel v" + Version::shortText(),
                                                         "Quarvel " + version + ", created <now>",
                                                         "Terminals: 30",
                                                         "Task level: Medium-Sized Tasks",
                                                         "Processor vendor: Intel",
                                                         "CPU catalogue: 4 records, modified 2026-01-02 03:04",
                                                         "",
                                                         "30 terminals - server configuration information:",
                                                         "List of Optional CPUs:",
                                                         "  Intel Xeon E-2388G" + QString(24, u' ') + "112%",
                                                         "Memory Minimum: 40 GB",
                                                         "SSD Minimum: 300 GB",
                                                         "HDD Minimum: 2000 GB",
                                                         "NIC Speed Min: 2000 Mbps",
                                                         "Recommended Graphics Card: GT1030 2GB Or Integrated Graphics",
                                                         "Server System: Windows Server 2012 2016 2019 2022"};
    QTest::newRow("VDI window, Chinese") << Language::Chinese << "Form3"
                                         << "10"
                                         << "Text2"
                                         << QStringList{"VDI服务器配置计算 v" + Version::shortText(),
                                                        "Quarvel " + version + "，生成于<now>",
                                                        "终端数量：10",
                                                        "任务类型：轻型任务",
                                                        "CPU厂商：Intel",
                                                        "CPU数据文件：4条记录，修改于2026-01-02 03:04",
                                                        "",
                                                        "10台终端 - 服务器配置信息：",
                                                        "CPU可选列表：",
                                                        "  Intel Xeon E-2388G       167%",
                                                        "  Intel Xeon Silver 4214R       128%",
                                                        "其它硬件信息：",
                                                        "内存：24 GB",
                                                        "SSD：420 GB",
                                                        "HDD：1000 GB",
                                                        "网卡速度：1000 Mbps"};
    QTest::newRow("query window, English") << Language::English << "Form2"
                                           << "2388"
                                           << "Text2"
                                           << QStringList{"Quarvel v" + Version::shortText(),
                                                          "Quarvel " + version + ", created <now>",
                                                          "Query: 2388",
                                                          "CPU catalogue: 4 records, modified 2026-01-02 03:04",
                                                          "",
                                                          "CPU model: Intel Xeon E-2388G",
                                                          "Number of loadable terminals: 34",
                                                          "Server memory minimum:56 GB",
                                                          "Server SSD min:360 GB",
                                                          "Server HDD min:2000 GB",
                                                          "Server NIC speed min:2000 Mbps"};
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
    dated(main);
    const Window form(main, window);
    QWidget *target = form.form;
    typeInto(target, input);
    clickIn(target, "Command1");
    QCOMPARE(copied(target).split("\r\n"), lines << QString()); // CR LF after every line
    QTextDocument html;
    html.setHtml(QApplication::clipboard()->mimeData()->html());
    QCOMPARE(squeezed(masked(html.toPlainText())), squeezed(lines.join(u'\n')));
    // Pasted into a spreadsheet, the candidates fill a table of two columns, one row each.
    const QList<QTextFrame *> frames = html.rootFrame()->childFrames();
    const auto *table = frames.isEmpty() ? nullptr : qobject_cast<QTextTable *>(frames.first());
    QCOMPARE(table ? QSize(table->columns(), table->rows()) : QSize(),
             window == "Form2" ? QSize() : QSize(2, int(lines.filter(QRegularExpression("%$")).size())));

    QWidget *area = in<QWidget>(target, menuArea.toLatin1());
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), area->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(area, &event);
    QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    const QList<QAction *> offered = menu->actions().mid(menu->actions().size() - 3);
    menu->close();
    QCOMPARE((QStringList{offered[0]->text(), offered[1]->text(), offered[2]->text()}),
             language == Language::English ? QStringList({"Copy result", "Save as PDF…", "Print…"})
                                           : QStringList({"复制结果", "另存为 PDF…", "打印…"}));
}

void TestReports::actionsFollowTheLastAnswer_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("good");
    QTest::addColumn<QString>("bad");
    QTest::newRow("main") << "Form1" << Language::Chinese << "30"
                          << "99999999";
    QTest::newRow("VDI") << "Form3" << Language::English << "10"
                         << "99999999";
    QTest::newRow("query") << "Form2" << Language::English << "2388"
                           << "23";
}

// Nothing to hand over before the first answer and while a reading runs; an input message leaves the last
// answer in place, and that is what is saved; a folder that cannot hold the file says so and keeps nothing.
void TestReports::actionsFollowTheLastAnswer()
{
    QFETCH(QString, window);
    QFETCH(Language, language);
    QFETCH(QString, good);
    QFETCH(QString, bad);
    const MainWindow main(sampleCatalogue, language);
    const Window form(main, window);
    QWidget *target = form.form;
    typeInto(target, good);
    QCOMPARE(enabledActions(target), 0);
    clickIn(target, "Command1");
    QCOMPARE(enabledActions(target), int(target->actions().size()));
    int whileReading = -1; // a second reading, with an answer to hand over from the first
    atPump(1, [&] { whileReading = enabledActions(target); });
    clickIn(target, "Command1");
    QCOMPARE(whileReading, 0);
    QCOMPARE(enabledActions(target), int(target->actions().size()));
    const QString goodReport = copied(target);
    in<QLineEdit>(target, "txbNumber1")->clear();
    typeInto(target, bad);
    const MessageBoxCatcher catcher;
    clickIn(target, "Command1");
    QCOMPARE(copied(target), goodReport);

    QTemporaryDir folder;
    QStringList paths{folder.filePath("report.pdf"), folder.filePath("report.pdf/unwritable.pdf")};
    ReportActions::setFileChooser([&](QWidget *, const QString &suggested) {
        return suggested.endsWith(".pdf") && !suggested.startsWith(folder.path()) ? paths.takeFirst() : QString();
    });
    QTest::keyClick(target, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_S, Qt::ControlModifier);
    QFile saved(folder.filePath("report.pdf"));
    QVERIFY(saved.open(QIODevice::ReadOnly) && saved.read(5) == "%PDF-");
    QCOMPARE(catcher.boxes.size(), 2);
    const QString path = QDir::toNativeSeparators(folder.filePath("report.pdf/unwritable.pdf"));
    QVERIFY2(catcher.boxes[1].text.startsWith(language == Language::English
                                                  ? "The PDF file \"" + path + "\" could not be saved: "
                                                  : "无法保存PDF文件“" + path + "”："),
             qPrintable(catcher.boxes[1].text));
    QVERIFY(catcher.boxes[1].text.endsWith(language == Language::English ? ". No file was written."
                                                                         : "。没有写入任何文件。"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"report.pdf"});
}

void TestReports::pages_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("csv");
    QTest::newRow("zh")
        << Language::Chinese
        << "型号,分数,百分比(%)\r\nIntel 至强 E-2388G,23761,138\r\n\"AMD \"\"EPYC\"\" 7302\",25000.5,145\r\n";
    QTest::newRow("en")
        << Language::English
        << "Model,Score,Percentage (%)\r\nIntel 至强 E-2388G,23761,138\r\n\"AMD \"\"EPYC\"\" 7302\",25000.5,145\r\n";
}

// The PDF holds the report's lines, Chinese included, in fonts that travel with the file; the CSV list quotes
// what needs quoting, its header in the chosen language.
void TestReports::pages()
{
    QFETCH(Language, language);
    QFETCH(QString, csv);
    const TestCatalogue catalogue(TestCatalogue::lines({"Intel 至强 E-2388G,23761", "AMD \"EPYC\" 7302,25000.5"}));
    const auto outcome = RdpSizing::calculate(
        {"20", [] { return TaskLevel::Heavy; }, [] { return Vendor::Both; }, catalogue.path(), language}, {});
    QCOMPARE(ReportFormat::csv(outcome.result.candidates, language), csv);
#ifdef Q_OS_WIN
    QSKIP("poppler's tools are Linux programs; scripts/windows-check reads the Windows program's PDF");
#endif
    const Report report
        = Reports::rdp({"20", TaskLevel::Heavy, Vendor::Both, language, QDateTime::currentDateTime()}, outcome.result);
    QTemporaryDir folder;
    QCOMPARE(ReportPdf::save(report, folder.filePath("r.pdf")), std::nullopt);
    const auto run = [&](const QString &program, const QStringList &arguments) {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    const QString pdf = folder.filePath("r.pdf");
    QCOMPARE(squeezed(run("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"})),
             squeezed(ReportFormat::lines(report).join(u'\n')));
    const QStringList fonts = run("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString &font : fonts) // name, type, encoding, embedded, subset, unicode, object, generation
        QVERIFY2(font.section(QRegularExpression(" +"), -5, -5) == "yes", qPrintable(font));
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
