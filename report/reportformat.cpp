#include "reportformat.h"

#include "reporttexts.h"
#include "version.h"

#include <QLocale>

namespace {

QString dateTime(const QDateTime &moment)
{
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

// The list entry ends in the percentage, after its last blank.
QString percentageOf(const Candidate &candidate)
{
    return candidate.entry.mid(candidate.entry.lastIndexOf(u' ') + 1);
}

QString row(const ReportRow &row, Language language)
{
    return row.caption + ReportTexts::separator.in(language) + row.value;
}

QStringList textLines(const QString &text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

QString csvField(const QString &field)
{
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\r') && !field.contains(u'\n'))
        return field;
    return u'"' + QString(field).replace(u'"', QLatin1String("\"\"")) + u'"';
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString paragraph(const QString &text, const char *tag = "p")
{
    return QStringLiteral("<%1>%2</%1>\n").arg(QLatin1String(tag), escaped(text));
}

} // namespace

QStringList ReportFormat::lines(const Report &report)
{
    const Language language = report.language;
    QStringList lines{report.title,
                      ReportTexts::created.in(language).arg(QLatin1String(Version::full), dateTime(report.created))};
    for (const ReportRow &input : report.inputs)
        lines << row(input, language);
    lines << (report.catalogue.modified.isValid() ? ReportTexts::catalogue.in(language)
                                                        .arg(report.catalogue.records)
                                                        .arg(dateTime(report.catalogue.modified))
                                                  : ReportTexts::noCatalogue.in(language));
    return lines << QString() << resultLines(report);
}

QStringList ReportFormat::resultLines(const Report &report)
{
    const Language language = report.language;
    QStringList lines;
    if (!report.heading.isEmpty())
        lines << report.heading;
    if (!report.listCaption.isEmpty()) {
        lines << report.listCaption + ReportTexts::separator.in(language).trimmed();
        if (report.candidates.isEmpty())
            lines << QStringLiteral("  ") + ReportTexts::none.in(language);
        for (const Candidate &candidate : report.candidates)
            lines << QStringLiteral("  ") + candidate.entry;
    }
    for (const ReportRow &result : report.results)
        lines << row(result, language);
    if (!report.textCaption.isEmpty())
        lines << report.textCaption + ReportTexts::separator.in(language).trimmed();
    const QStringList text = textLines(report.text);
    lines << (text.isEmpty() && report.listCaption.isEmpty() ? QStringList{ReportTexts::none.in(language)} : text);
    return lines;
}

QString ReportFormat::plainText(const Report &report)
{
    return lines(report).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString ReportFormat::html(const Report &report)
{
    const Language language = report.language;
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head><body>\n")
                       .arg(escaped(report.title));
    const QStringList all = lines(report);
    // The lines before the candidates: title, creation, inputs, catalogue, blank, heading and list caption.
    qsizetype next = 0;
    html += paragraph(all.at(next++), "h3");
    while (next < all.size() && !all.at(next).isEmpty())
        html += paragraph(all.at(next++));
    ++next;
    if (!report.heading.isEmpty())
        html += paragraph(all.at(next++), "h4");
    if (!report.listCaption.isEmpty()) {
        html += QStringLiteral("<p><b>%1</b></p>\n").arg(escaped(all.at(next++)));
        html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n");
        if (report.candidates.isEmpty())
            html += QStringLiteral("<tr><td>%1</td></tr>\n").arg(escaped(ReportTexts::none.in(language)));
        for (const Candidate &candidate : report.candidates) {
            html += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>\n")
                        .arg(escaped(candidate.model), escaped(percentageOf(candidate)));
        }
        html += QStringLiteral("</table>\n");
        next += qMax(qsizetype(1), report.candidates.size());
    }
    for (; next < all.size(); ++next)
        html += paragraph(all.at(next));
    return html + QStringLiteral("</body></html>\n");
}

QString ReportFormat::csv(const QList<Candidate> &candidates, Language language)
{
    const QLatin1String crLf("\r\n");
    QString csv = ReportTexts::csvHeader.in(language) + crLf;
    for (const Candidate &candidate : candidates) {
        const QString percentage = percentageOf(candidate);
        csv += csvField(candidate.model) + u',' + QString::number(candidate.score, 'g', QLocale::FloatingPointShortest)
            + u',' + percentage.left(percentage.size() - 1) + crLf;
    }
    return csv;
}
