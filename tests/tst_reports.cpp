// The last answer of each window handed over: copied, saved as PDF, from the windows and the rules alike.

#include "reportactions.h"
#include "reportformat.h"
#include "reportpdf.h"
#include "reports.h"
#include "version.h"
#include "windowundertest.h"

#include <QtTest>
#include <QtWidgets>

namespace {

const QByteArray sampleCatalogue = TestCatalogue::lines(
    {"AMD EPYC 7302,25000", "Intel Xeon E-2388G,23761", "Intel Xeon Silver 4214R,18200", "Intel Core i5-10400,12000"});

// The catalogue's modification time, known.
void dated(const WindowUnderTest &window)
{
    QFile file(window.catalogue.path());
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

    // Language, window, input, the area whose menu is asked for, then the lines copied ("<v>": the version).
    void copiedReport_data()
    {
        tableRows({"en|Form1|30|Frame2|Quarvel v<s>|Quarvel <v>, created <now>|Terminals: 30"
                   "|Task level: Medium-Sized Tasks|Processor vendor: Intel"
                   "|CPU catalogue: 4 records, modified 2026-01-02 03:04||30 terminals - server configuration "
                   "information:|List of Optional CPUs:|  Intel Xeon E-2388G{24}112%|Memory Minimum: 40 GB"
                   "|SSD Minimum: 300 GB|HDD Minimum: 2000 GB|NIC Speed Min: 2000 Mbps"
                   "|Recommended Graphics Card: GT1030 2GB Or Integrated Graphics"
                   "|Server System: Windows Server 2012 2016 2019 2022",
                   "zh|Form3|10|Text2|VDI服务器配置计算 v<s>|Quarvel <v>，生成于<now>|终端数量：10|任务类型：轻型任务"
                   "|CPU厂商：Intel|CPU数据文件：4条记录，修改于2026-01-02 03:04||10台终端 - 服务器配置信息："
                   "|CPU可选列表：|  Intel Xeon E-2388G{7}167%|  Intel Xeon Silver 4214R{7}128%|其它硬件信息："
                   "|内存：24 GB|SSD：420 GB|HDD：1000 GB|网卡速度：1000 Mbps",
                   "en|Form2|2388|Text2|Quarvel v<s>|Quarvel <v>, created <now>|Query: 2388"
                   "|CPU catalogue: 4 records, modified 2026-01-02 03:04||CPU model: Intel Xeon E-2388G"
                   "|Number of loadable terminals: 34|Server memory minimum:56 GB|Server SSD min:360 GB"
                   "|Server HDD min:2000 GB|Server NIC speed min:2000 Mbps"},
                  u'|');
    }
    // A finished calculation goes to the clipboard by its shortcut, from the count box, as plain text with
    // CR LF and as HTML; the context menus offer the three actions in the window's language.
    void copiedReport()
    {
        QFETCH(QStringList, row);
        const WindowUnderTest window(sampleCatalogue, row[0] == "en" ? Language::English : Language::Chinese, row[1]);
        dated(window);
        QWidget *target = window.form;
        typeInto(target, row[2]);
        clickIn(target, "Command1");
        QStringList lines = row.mid(4).replaceInStrings("<s>", Version::shortText());
        lines.replaceInStrings("<v>", QString::fromLatin1(Version::full));
        QCOMPARE(copied(target).split("\r\n"), lines << QString()); // CR LF after every line
        QTextDocument html;
        html.setHtml(QApplication::clipboard()->mimeData()->html());
        QCOMPARE(squeezed(masked(html.toPlainText())), squeezed(lines.join(u'\n')));
        // Pasted into a spreadsheet, the candidates fill a table of two columns, one row each.
        const QList<QTextFrame *> frames = html.rootFrame()->childFrames();
        const auto *table = frames.isEmpty() ? nullptr : qobject_cast<QTextTable *>(frames.first());
        QCOMPARE(table ? QSize(table->columns(), table->rows()) : QSize(),
                 row[1] == "Form2" ? QSize() : QSize(2, int(lines.filter(QRegularExpression("%$")).size())));

        QWidget *area = in<QWidget>(target, qPrintable(row[3]));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), area->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(area, &event);
        QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QStringList offered;
        for (const QAction *action : menu->actions().mid(menu->actions().size() - 3))
            offered << action->text();
        menu->close();
        QCOMPARE(offered.join(u'|'), row[0] == "en" ? "Copy result|Save as PDF…|Print…" : "复制结果|另存为 PDF…|打印…");
    }

    // Window, language, a good input, a bad one.
    void actionsFollowTheLastAnswer_data()
    {
        tableRows({"Form1 zh 30 99999999", "Form3 en 10 99999999", "Form2 en 2388 23"});
    }
    // Nothing to hand over before the first answer and while a reading runs; an input message leaves the last
    // answer in place, and that is what is saved; a folder that cannot hold the file says so and keeps nothing.
    void actionsFollowTheLastAnswer()
    {
        QFETCH(QStringList, row);
        const bool english = row[1] == "en";
        const WindowUnderTest window(sampleCatalogue, english ? Language::English : Language::Chinese, row[0]);
        QWidget *target = window.form;
        typeInto(target, row[2]);
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
        typeInto(target, row[3]);
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
        const QString text = catcher.boxes[1].text;
        QVERIFY2(english ? text.startsWith("The PDF file \"" + path + "\" could not be saved: ")
                         && text.endsWith(". No file was written.")
                         : text.startsWith("无法保存PDF文件“" + path + "”：") && text.endsWith("。没有写入任何文件。"),
                 qPrintable(text));
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"report.pdf"});
    }

    void pages_data() { tableRows({"zh 型号,分数,百分比(%)", "en Model,Score,Percentage{1}(%)"}); }
    // The PDF holds the report's lines, Chinese included, in fonts that travel with the file; the CSV list
    // quotes what needs quoting, its header in the chosen language.
    void pages()
    {
        QFETCH(QStringList, row);
        const Language language = row[0] == "en" ? Language::English : Language::Chinese;
        const TestCatalogue catalogue(TestCatalogue::lines({"Intel 至强 E-2388G,23761", "AMD \"EPYC\" 7302,25000.5"}));
        const auto outcome = RdpSizing::calculate(
            {"20", [] { return TaskLevel::Heavy; }, [] { return Vendor::Both; }, catalogue.path(), language}, {});
        QCOMPARE(ReportFormat::csv(outcome.result.candidates, language),
                 row[1] + "\r\nIntel 至强 E-2388G,23761,138\r\n\"AMD \"\"EPYC\"\" 7302\",25000.5,145\r\n");
#ifdef Q_OS_WIN
        QSKIP("poppler's tools are Linux programs; scripts/windows-check reads the Windows program's PDF");
#endif
        const Report report = Reports::rdp(
            {"20", TaskLevel::Heavy, Vendor::Both, language, QDateTime::currentDateTime()}, outcome.result);
        QTemporaryDir folder;
        const QString pdf = folder.filePath("r.pdf");
        QCOMPARE(ReportPdf::save(report, pdf), std::nullopt);
        const auto run = [&](const QString &program, const QStringList &arguments) {
            QProcess process;
            process.start(program, arguments);
            process.waitForFinished(60000);
            return QString::fromUtf8(process.readAllStandardOutput());
        };
        QCOMPARE(squeezed(run("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"})),
                 squeezed(ReportFormat::lines(report).join(u'\n')));
        const QStringList fonts = run("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!fonts.isEmpty());
        for (const QString &font : fonts) // name, type, encoding, embedded, subset, unicode, object, generation
            QVERIFY2(font.section(QRegularExpression(" +"), -5, -5) == "yes", qPrintable(font));
    }
};

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
