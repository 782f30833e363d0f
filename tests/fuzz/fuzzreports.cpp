#include "fuzzreports.h"

#include "blanks.h"
#include "csvemitter.h"
#include "displaytext.h"
#include "fuzzsupport.h"
#include "htmlemitter.h"
#include "listentry.h"
#include "plaintextemitter.h"
#include "rdpreport.h"
#include "rdptexts.h"
#include "readback.h"
#include "reporttexts.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {

// What a catalogue line can hold in a model text: no line end, no comma, no NUL.
QString catalogueText(QString text)
{
    for (QChar &c : text) {
        if (c == u'\r' || c == u'\n' || c == u',' || c == QChar(0))
            c = u' ';
    }
    return text;
}

// A model text as a spreadsheet reads it from the CSV: shown as the program shows it, a formula kept text.
QString spreadsheetText(const QString &model)
{
    const QString shown = DisplayText::escaped(model);
    return !shown.isEmpty() && QStringView(u"=+-@").contains(shown.front()) ? u'\'' + shown : shown;
}

} // namespace

Report Fuzz::reportOf(const QByteArray &bytes)
{
    QStringList parts = QString::fromUtf8(bytes).split(QChar(0x1E));
    const QString count = catalogueText(parts.takeFirst());
    const Language language = bytes.size() % 2 ? Language::English : Language::Chinese;
    RdpSizing::Result result;
    result.heading = count + QStringLiteral(" terminals");
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString model = Blanks::trimmed(catalogueText(parts[i])).toString();
        const double score = 3200 + 977.5 * double(i * i);
        const double percentage = std::trunc(score / 3200 * 100);
        result.candidates.append({model, score, percentage, ListEntry::make(model, 28, percentage)});
    }
    return RdpReport::make({count, TaskLevel::Light, Vendor::Both, language, QDateTime(QDate(2026, 1, 2), QTime(3, 4))},
                           result);
}

void Fuzz::checkReports(const QByteArray &bytes)
{
    const Report report = reportOf(bytes);
    const Language language = report.language;
    const auto &listed
        = std::get<ReportSection::Candidates>(report.sections[3]); // after the inputs, the catalogue and the heading
    const QString count = std::get<ReportSection::Inputs>(report.sections[0]).rows[0].value;
    const QString heading = std::get<ReportSection::Heading>(report.sections[2]).text;

    QStringList cells; // the candidates' table: model, percentage and the unknown facts of each
    QStringList rows;  // the CSV: model, score, percentage and the facts' empty fields of each
    QStringList lines; // the plain text's list
    const QString unknown = ReportTexts::unknown.in(language);
    for (const Candidate &candidate : listed.rows) {
        const QString percentage = QString::number(qint64(candidate.percentage));
        cells << QStringLiteral("td: ") + DisplayText::escaped(candidate.model)
              << QStringLiteral("td right: ") + percentage + u'%' << QStringList(4, QStringLiteral("td: ") + unknown);
        rows << spreadsheetText(candidate.model)
             << QString::number(candidate.score, 'g', QLocale::FloatingPointShortest) << percentage
             << QStringList(5, QString());
        lines << QStringLiteral("  ") + DisplayText::escaped(candidate.entry) + QString(" | " + unknown).repeated(4);
    }

    // The title and the heading whole, no text outside the blocks, every paragraph a line of the plain text, the
    // candidates' table first.
    const QStringList plain = PlainTextEmitter::text(report).split(QStringLiteral("\r\n"));
    const QStringList blocks = Readback::htmlBlocks(HtmlEmitter::html(report));
    for (const QString &block : blocks.filter(QRegularExpression("^(h3|h4|p): ")))
        FUZZ_REQUIRE(plain.contains(block.section(QStringLiteral(": "), 1)));
    FUZZ_REQUIRE(blocks.value(0) == QStringLiteral("title: ") + report.title
                 && blocks.filter(QRegularExpression("^: ")).isEmpty());
    FUZZ_REQUIRE(blocks.contains(QStringLiteral("h4: ") + DisplayText::escaped(heading)));
    const QStringList tableCells = blocks.filter(QRegularExpression("^td"));
    FUZZ_REQUIRE(listed.rows.isEmpty() ? tableCells.value(0) == QStringLiteral("td: ") + ReportTexts::none.in(language)
                                       : tableCells.mid(0, cells.size()) == cells);
    const QString separator = ReportTexts::separator.in(language);
    FUZZ_REQUIRE(blocks.contains(QStringLiteral("p: ") + ReportTexts::terminals.in(language) + separator
                                 + DisplayText::escaped(count)));

    const auto csv = Readback::csvRows(CsvEmitter::csv(report));
    FUZZ_REQUIRE(csv && csv->size() == listed.rows.size() + 1);
    QStringList csvFields;
    for (qsizetype row = 1; row < csv->size(); ++row)
        csvFields << csv->at(row);
    FUZZ_REQUIRE(csvFields == rows);

    const qsizetype list = plain.indexOf(RdpTexts::candidatesCaption.in(language) + separator.trimmed());
    FUZZ_REQUIRE(listed.rows.isEmpty() || plain.mid(list + 2, lines.size()) == lines); // after the headings
}
