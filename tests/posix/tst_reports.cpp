// What reaches other programs from a report: hostile model texts and counts through the clipboard's HTML (read
// back by libxml2), the CSV (RFC 4180) and the plain text; the pages of a PDF, whose paper follows the locale.

#include "displaytext.h"
#include "farmreport.h"
#include "fuzzreports.h"
#include "htmlemitter.h"
#include "planreport.h"
#include "rdpreport.h"
#include "readback.h"
#include "reportpdf.h"
#include "testcatalogue.h"
#include "workbookemitter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestReports : public QObject
{
    Q_OBJECT

private slots:
    // The report fuzz target's seeds: markup, formulas, control and direction characters, placeholders, blanks.
    void readBack_data()
    {
        QTest::addColumn<QByteArray>("texts");
        for (const QFileInfo &seed : QDir(QUARVEL_CORPUS).entryInfoList(QDir::Files)) {
            QFile file(seed.filePath());
            QTest::newRow(qPrintable(seed.fileName())) << (file.open(QIODevice::ReadOnly) ? file.readAll() : "");
        }
    }
    void readBack()
    {
        QFETCH(QByteArray, texts);
        Fuzz::checkReports(texts); // ends the program with the invariant that failed
    }

    // The same seeds as an Excel workbook: every model text a text (never a formula), the scores and percentages
    // numbers, the heading row of the candidates kept in view.
    void workbookReadBack_data() { readBack_data(); }
    void workbookReadBack()
    {
        QFETCH(QByteArray, texts);
        const Report report = Fuzz::reportOf(texts);
        const QTemporaryDir folder;
        const QString path = folder.filePath("report.xlsx");
        QVERIFY(!WorkbookEmitter::save(report, path));
        const auto sheets = Readback::workbook(path);
        QVERIFY(sheets && sheets->size() == 2);
        const Readback::Sheet &answer = sheets->constFirst();
        const auto &candidates = std::get<ReportSection::Candidates>(report.sections[3]).rows;
        const QList<QStringList> rows = answer.rows.mid(answer.frozenRows, candidates.size());
        for (qsizetype i = 0; i < candidates.size(); ++i) {
            const Candidate &candidate = candidates[i];
            QCOMPARE(rows.value(i),
                     (QStringList{DisplayText::escaped(candidate.model).left(32766),
                                  QString::number(candidate.score, 'g', 16) + " | General",
                                  QString::number(candidate.percentage / 100, 'g', 16) + " | 0%"}));
        }
    }

    // A site's plan in Chinese: its answer, its groups and its reasoning on sheets of their own, figures as
    // numbers with their units, each sheet's heading row in view.
    void planWorkbook()
    {
        SitePlan site;
        site.groups = {{"学生", SitePlan::Kind::Rdp, TaskLevel::Light, 600, 100},
                       {"=HYPERLINK(\"x\")", SitePlan::Kind::Vdi, TaskLevel::Heavy, 30, 50}};
        const TestCatalogue catalogue(TestCatalogue::lines({"Intel Xeon X,300000"}));
        catalogue.addDetails("Intel Xeon X\t2\t32\t64\t175\n");
        const FarmPlanning::Outcome outcome = FarmPlanning::plan(site, catalogue.path(), Language::Chinese);
        const Report report = PlanReport::make(outcome.result, PlanReport::chosenRanks(outcome.result),
                                               Language::Chinese, QDateTime::currentDateTime());
        const QTemporaryDir folder;
        QVERIFY(!WorkbookEmitter::save(report, folder.filePath("plan.xlsx")));
        const auto sheets = Readback::workbook(folder.filePath("plan.xlsx"));
        QVERIFY(sheets);
        QStringList names;
        for (const Readback::Sheet &sheet : *sheets)
            names << sheet.name;
        QCOMPARE(names, (QStringList{"结果", "用户组", "计算依据"}));
        const Readback::Sheet &groups = sheets->at(1);
        QCOMPARE(groups.frozenRows, 1);
        QCOMPARE(groups.rows.value(2),
                 (QStringList{"=HYPERLINK(\"x\")", "VDI", "重型任务", "30 | General", "30 | General", "15 | General",
                              "0.5 | 0%"}));
        QVERIFY(groups.widths.value(0) >= 16 && groups.widths.value(0) < 25);
        const Readback::Sheet &answer = sheets->at(0);
        QVERIFY(answer.widths.value(0) < 40); // the licences' paragraphs run on to the right
        QCOMPARE(answer.rows.value(answer.frozenRows),
                 (QStringList{"2 + 1", "Intel Xeon X", "300 | General", "1.95 | 0%", "2 × 32", "128 | General",
                              "192 | General", "1050 | 0\" W\""}));
        QCOMPARE(sheets->at(2).rows.value(1).value(0), "同时在线终端数");
    }

    void farmInputs_data()
    {
        QTest::addColumn<bool>("vdi");
        QTest::addColumn<QStringList>("levelAndVendor");
        QTest::newRow("RDP") << false << QStringList{"Light Task", "Intel + AMD"};
        QTest::newRow("VDI") << true << QStringList{"Light Duty", "Intel+AMD"};
    }
    // A farm's inputs in its kind's own words.
    void farmInputs()
    {
        QFETCH(bool, vdi);
        QFETCH(QStringList, levelAndVendor);
        const auto kind = vdi ? FarmPlanning::Kind::Vdi : FarmPlanning::Kind::Rdp;
        const TestCatalogue catalogue(TestCatalogue::lines({"Intel Xeon X,300000"}));
        const auto site = FarmPlanning::oneGroup(kind, "10", TaskLevel::Light, Vendor::Both, 100, 1);
        const FarmPlanning::Outcome outcome = FarmPlanning::plan(*site, catalogue.path(), Language::English);
        const Report report
            = FarmReport::make({kind, "10", TaskLevel::Light, Vendor::Both, Language::English, {}}, outcome.result, 0);
        const QList<ReportRow> rows = std::get<ReportSection::Inputs>(report.sections.constFirst()).rows;
        QCOMPARE((QStringList{rows.value(2).value, rows.value(3).value}), levelAndVendor);
    }

    // A table's headings and cells read back whole, whatever markup their texts look like; figures to the right.
    void table()
    {
        const QList<ReportCell> row{QStringLiteral("a&b"), QStringLiteral("</td>"), ReportCell::number(5, "GB")};
        const Report report{Language::English, "T", {}, {ReportSection::Table{"C", {"<th>", "=1", "x"}, {row}}}};
        QCOMPARE(Readback::htmlBlocks(HtmlEmitter::html(report)).mid(3), // after the title and the time
                 (QStringList{"p: C:", "th: <th>", "th: =1", "th: x", "td: a&b", "td: </td>", "td right: 5 GB"}));
    }

    // A page holds a model text as text, whatever markup it looks like; controls shown escaped.
    void pages()
    {
        RdpSizing::Result result;
        const QString model = QStringLiteral("Intel <b>X</b> &amp; \x1b[2J");
        result.candidates.append({model, 5000, 135, model + QString(24, u' ') + "135%"});
        const QTemporaryDir folder;
        QVERIFY(!ReportPdf::save(RdpReport::make({"3", TaskLevel::Light, Vendor::Intel, Language::English, {}}, result),
                                 folder.filePath("report.pdf")));
        const auto pages = Readback::pdfPages(folder.filePath("report.pdf"));
        QVERIFY(pages && pages->size() == 1);
        QVERIFY(pages->constFirst().contains("Intel <b>X</b> &amp; \\x1b[2J 135% unknown unknown unknown unknown"));
    }

    // A table longer than a page runs on over the pages it needs: each row once and in order, the heading row again
    // at the top of each page, each page's number at its foot; a row taller than a page runs on over pages of its
    // own, each line whole on one of them, and what follows it comes after.
    void longTable_data()
    {
        QTest::addColumn<QString>("tall"); // a row's text
        QTest::addRow("short rows") << QString();
        QTest::addRow("a row taller than a page") << QString("word ").repeated(6000);
    }
    void longTable()
    {
        QFETCH(QString, tall);
        ReportSection::Table table{"Rows", {"Name", "Figure"}, {}};
        for (int i = 1; i <= 150; ++i)
            table.rows.append({QStringLiteral("row %1").arg(i), ReportCell::number(i, "GB")});
        if (!tall.isEmpty())
            table.rows.insert(75, {tall, ReportCell::number(0, "GB")});
        const QTemporaryDir folder;
        QVERIFY(!ReportPdf::save(Report{Language::English, "T", {}, {table}}, folder.filePath("report.pdf")));
        const auto pages = Readback::pdfPages(folder.filePath("report.pdf"));
        QVERIFY(pages && pages->size() >= (tall.isEmpty() ? 3 : 6));
        QStringList rows, expected;
        qsizetype words = 0;
        for (qsizetype page = 0; page < pages->size(); ++page) {
            QStringList lines = pages->at(page);
            QCOMPARE(lines.takeLast(), QString::number(page + 1));
            if (page > 0)
                QCOMPARE(lines.takeFirst(), "Name Figure");
            rows << lines.filter(QRegularExpression("^row "));
            words += lines.join(u' ').count("word");
        }
        for (int i = 1; i <= 150; ++i)
            expected << QStringLiteral("row %1 %1 GB").arg(i);
        QCOMPARE(rows, expected);
        QCOMPARE(words, 6000 * !tall.isEmpty());
    }

    // A4, or Letter where the locale measures in US units.
    void paper()
    {
        QCOMPARE(ReportPdf::pageSize(QLocale("zh_CN")), QPageSize::A4);
        QCOMPARE(ReportPdf::pageSize(QLocale("en_US")), QPageSize::Letter);
    }
};

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
