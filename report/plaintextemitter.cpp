#include "plaintextemitter.h"

#include "displaytext.h"
#include "reporttexts.h"
#include "reportwording.h"

QStringList PlainTextEmitter::lines(const Report &report, ReportWalker::Scope scope)
{
    PlainTextEmitter emitter(report.language);
    ReportWalker::walk(report, emitter, scope);
    for (QString &line : emitter.m_lines)
        line = DisplayText::escaped(line);
    return emitter.m_lines;
}

QString PlainTextEmitter::text(const Report &report)
{
    return lines(report).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

void PlainTextEmitter::title(const QString &title, const QDateTime &created)
{
    m_lines << title << ReportWording::createdLine(created, m_language);
}

void PlainTextEmitter::inputs(const ReportSection::Inputs &inputs)
{
    rows(inputs.rows);
}

void PlainTextEmitter::catalogue(const ReportSection::Catalogue &catalogue)
{
    // The last line before the answer, which an empty line sets apart.
    m_lines << ReportWording::catalogueLine(catalogue, m_language) << QString();
}

void PlainTextEmitter::heading(const ReportSection::Heading &heading)
{
    m_lines << heading.text;
}

void PlainTextEmitter::candidates(const ReportSection::Candidates &candidates)
{
    m_lines << captionLine(candidates.caption);
    if (candidates.rows.isEmpty())
        m_lines << QStringLiteral("  ") + ReportTexts::none.in(m_language);
    for (const ReportCandidate &candidate : candidates.rows)
        m_lines << QStringLiteral("  ") + candidate.entry;
}

void PlainTextEmitter::results(const ReportSection::Results &results)
{
    rows(results.rows);
}

void PlainTextEmitter::text(const ReportSection::Text &text)
{
    if (!text.caption.isEmpty())
        m_lines << captionLine(text.caption);
    const QStringList lines = ReportWording::linesOf(text.text);
    m_lines << (lines.isEmpty() ? QStringList{ReportTexts::none.in(m_language)} : lines);
}

void PlainTextEmitter::rows(const QList<ReportRow> &rows)
{
    for (const ReportRow &row : rows)
        m_lines << row.caption + ReportTexts::separator.in(m_language) + row.value;
}

QString PlainTextEmitter::captionLine(const QString &caption) const
{
    return caption + ReportTexts::separator.in(m_language).trimmed();
}
