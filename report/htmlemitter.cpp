#include "htmlemitter.h"

#include "displaytext.h"
#include "reporttexts.h"
#include "reportwalker.h"
#include "reportwording.h"

namespace {

QString escaped(const QString &text)
{
    return DisplayText::escaped(text).toHtmlEscaped();
}

} // namespace

QString HtmlEmitter::html(const Report &report)
{
    HtmlEmitter emitter(report.language);
    ReportWalker::walk(report, emitter);
    return emitter.m_html + QStringLiteral("</body></html>\n");
}

void HtmlEmitter::title(const QString &title, const QDateTime &created)
{
    m_html += QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head><body>\n")
                  .arg(escaped(title));
    paragraph(title, "h3");
    paragraph(ReportWording::createdLine(created, m_language));
}

void HtmlEmitter::inputs(const ReportSection::Inputs &inputs)
{
    rows(inputs.rows);
}

void HtmlEmitter::catalogue(const ReportSection::Catalogue &catalogue)
{
    paragraph(ReportWording::catalogueLine(catalogue, m_language));
}

void HtmlEmitter::heading(const ReportSection::Heading &heading)
{
    paragraph(heading.text, "h4");
}

void HtmlEmitter::candidates(const ReportSection::Candidates &candidates)
{
    m_html += QStringLiteral("<p><b>%1</b></p>\n")
                  .arg(escaped(candidates.caption + ReportTexts::separator.in(m_language).trimmed()));
    m_html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n");
    if (candidates.rows.isEmpty())
        m_html += QStringLiteral("<tr><td>%1</td></tr>\n").arg(escaped(ReportTexts::none.in(m_language)));
    for (const ReportCandidate &candidate : candidates.rows) {
        m_html += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2%</td></tr>\n")
                      .arg(escaped(candidate.model), ReportWording::percentage(candidate));
    }
    m_html += QStringLiteral("</table>\n");
}

void HtmlEmitter::results(const ReportSection::Results &results)
{
    rows(results.rows);
}

void HtmlEmitter::text(const ReportSection::Text &text)
{
    if (!text.caption.isEmpty())
        paragraph(text.caption + ReportTexts::separator.in(m_language).trimmed());
    const QStringList lines = ReportWording::linesOf(text.text);
    for (const QString &line : lines)
        paragraph(line);
    if (lines.isEmpty())
        paragraph(ReportTexts::none.in(m_language));
}

void HtmlEmitter::paragraph(const QString &text, const char *tag)
{
    m_html += QStringLiteral("<%1>%2</%1>\n").arg(QLatin1String(tag), escaped(text));
}

void HtmlEmitter::rows(const QList<ReportRow> &rows)
{
    for (const ReportRow &row : rows)
        paragraph(row.caption + ReportTexts::separator.in(m_language) + row.value);
}
