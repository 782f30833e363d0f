// What reaches other programs from a report: hostile model texts and counts through the clipboard's HTML (read
// back by libxml2), the CSV (RFC 4180) and the plain text; the pages of a PDF, whose paper follows the locale.

#include "fuzzreports.h"
#include "htmlemitter.h"
#include "pagesemitter.h"
#include "rdpreport.h"
#include "readback.h"
#include "reportpdf.h"

#include <QDir>
#include <QTest>
#include <QTextDocument>
#include <QTextTable>

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
        QTextDocument document;
        PagesEmitter::build(RdpReport::make({"3", TaskLevel::Light, Vendor::Intel, Language::English, {}}, result),
                            document);
        const QTextTable *table = qobject_cast<QTextTable *>(document.rootFrame()->childFrames().value(0));
        QCOMPARE(table->cellAt(0, 0).firstCursorPosition().block().text(), "Intel <b>X</b> &amp; \\x1b[2J");
        QCOMPARE(table->cellAt(0, 1).firstCursorPosition().block().text(), "135%");
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
