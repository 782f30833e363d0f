#include "htmlemitter.h"

#include "displaytext.h"
#include "reportwalker.h"

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
    return QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head><body>\n")
               .arg(escaped(report.title))
        + emitter.m_html + QStringLiteral("</body></html>\n");
}

void HtmlEmitter::paragraph(const QString &text, Style style)
{
    static const char *const tags[] = {"<h3>%1</h3>\n", "<h4>%1</h4>\n", "<p><b>%1</b></p>\n", "<p>%1</p>\n"};
    m_html += QString::fromLatin1(tags[int(style)]).arg(escaped(text));
}

void HtmlEmitter::table(const Table &table)
{
    m_html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n");
    if (!table.header.isEmpty()) {
        m_html += QStringLiteral("<tr>");
        for (const QString &heading : table.header)
            m_html += QStringLiteral("<th>%1</th>").arg(escaped(heading));
        m_html += QStringLiteral("</tr>\n");
    }
    for (const QList<ReportCell> &row : table.cells) {
        m_html += QStringLiteral("<tr>");
        for (const ReportCell &cell : row) {
            m_html += (cell.isFigure() ? QStringLiteral("<td align=\"right\">%1</td>") : QStringLiteral("<td>%1</td>"))
                          .arg(escaped(cell.text));
        }
        m_html += QStringLiteral("</tr>\n");
    }
    m_html += QStringLiteral("</table>\n");
}
