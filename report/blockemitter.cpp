#include "blockemitter.h"

#include "decimal.h"
#include "factscells.h"
#include "reporttexts.h"
#include "version.h"

namespace {

QString dateTime(const QDateTime &moment)
{
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

} // namespace

void BlockEmitter::title(const QString &title, const QDateTime &created)
{
    paragraph(title, Style::Title);
    paragraph(ReportTexts::created.in(m_language).arg(QLatin1String(Version::full), dateTime(created)), Style::Line);
}

void BlockEmitter::inputs(const ReportSection::Inputs &inputs)
{
    rows(inputs.rows);
}

void BlockEmitter::catalogue(const ReportSection::Catalogue &catalogue)
{
    paragraph(catalogue.found
                  ? ReportTexts::catalogue.in(m_language).arg(catalogue.records).arg(dateTime(catalogue.modified))
                  : ReportTexts::noCatalogue.in(m_language),
              Style::Line);
    answerFollows();
}

void BlockEmitter::heading(const ReportSection::Heading &heading)
{
    paragraph(heading.text, Style::Heading);
}

void BlockEmitter::candidates(const ReportSection::Candidates &candidates)
{
    caption(candidates.caption);
    Table list;
    list.header
        = QStringList{ReportTexts::candidatesHeading.in(m_language), ReportTexts::percentageHeading.in(m_language)}
        + FactsCells::headings(m_language);
    for (const Candidate &candidate : candidates.rows) {
        QList<ReportCell> row{candidate.model, ReportCell::percentage(candidate.percentage)};
        row << FactsCells::cells(candidate.facts, m_language);
        QStringList facts;
        for (qsizetype column = 2; column < row.size(); ++column)
            facts << row[column].text;
        list.cells.append(row);
        // The list's own line, then the facts.
        list.lines.append(candidate.entry + QStringLiteral(" | ") + facts.join(QStringLiteral(" | ")));
    }
    if (list.cells.isEmpty())
        list = none();
    table(list);
}

void BlockEmitter::results(const ReportSection::Results &results)
{
    if (!results.caption.isEmpty())
        caption(results.caption);
    rows(results.rows);
}

void BlockEmitter::text(const ReportSection::Text &text)
{
    if (!text.caption.isEmpty())
        caption(text.caption);
    QStringList lines = text.text.split(QStringLiteral("\r\n"));
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        lines.append(ReportTexts::none.in(m_language));
    for (const QString &line : std::as_const(lines))
        paragraph(line, Style::Line);
}

void BlockEmitter::table(const ReportSection::Table &table)
{
    if (!table.caption.isEmpty())
        caption(table.caption);
    Table rows;
    rows.header = table.header;
    for (const QList<ReportCell> &row : table.rows) {
        QStringList texts;
        for (const ReportCell &cell : row)
            texts << cell.text;
        rows.cells.append(row);
        rows.lines.append(texts.join(QStringLiteral(" | ")));
    }
    if (rows.cells.isEmpty())
        rows = none();
    this->table(rows);
}

void BlockEmitter::reasoning(const ReportSection::Reasoning &reasoning)
{
    caption(reasoning.caption);
    Table steps;
    for (const ReportRow &step : reasoning.steps) {
        steps.cells.append({step.caption, step.value});
        steps.lines.append(step.caption + ReportTexts::separator.in(m_language) + step.value);
    }
    table(steps);
}

BlockEmitter::Table BlockEmitter::none() const
{
    Table table;
    table.cells = {{ReportTexts::none.in(m_language)}};
    table.lines = {ReportTexts::none.in(m_language)};
    return table;
}

void BlockEmitter::rows(const QList<ReportRow> &rows)
{
    for (const ReportRow &row : rows)
        paragraph(row.caption + ReportTexts::separator.in(m_language) + row.value, Style::Line);
}

void BlockEmitter::caption(const QString &caption)
{
    paragraph(caption + ReportTexts::separator.in(m_language).trimmed(), Style::Caption);
}
