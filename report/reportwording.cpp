#include "reportwording.h"

#include "decimal.h"
#include "reporttexts.h"
#include "version.h"

namespace {

QString dateTime(const QDateTime &moment)
{
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

} // namespace

QString ReportWording::createdLine(const QDateTime &created, Language language)
{
    return ReportTexts::created.in(language).arg(QLatin1String(Version::full), dateTime(created));
}

QString ReportWording::catalogueLine(const ReportSection::Catalogue &catalogue, Language language)
{
    if (!catalogue.found)
        return ReportTexts::noCatalogue.in(language);
    return ReportTexts::catalogue.in(language).arg(catalogue.records).arg(dateTime(catalogue.modified));
}

QStringList ReportWording::linesOf(const QString &text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

QString ReportWording::percentage(const ReportCandidate &candidate)
{
    return Decimal::whole(candidate.percentage);
}
