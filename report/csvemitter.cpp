#include "csvemitter.h"

#include "decimal.h"
#include "displaytext.h"
#include "reporttexts.h"
#include "reportwalker.h"

#include <QLocale>

namespace {

// A model text as a field: escaped as everywhere, kept from being a formula (a spreadsheet would run
// "=HYPERLINK(...)" from a hostile catalogue: an apostrophe before it marks it as text), quoted where it must be.
QString field(const QString &model)
{
    QString text = DisplayText::escaped(model);
    if (!text.isEmpty() && QStringView(u"=+-@").contains(text.front()))
        text.prepend(u'\'');
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    return u'"' + text.replace(u'"', QLatin1String("\"\"")) + u'"';
}

} // namespace

CsvEmitter::CsvEmitter(Language language)
    : m_csv(ReportTexts::csvHeader.in(language) + QLatin1String("\r\n"))
{ }

QString CsvEmitter::csv(const Report &report)
{
    CsvEmitter emitter(report.language);
    ReportWalker::walk(report, emitter, ReportWalker::Scope::Answer);
    return emitter.m_csv;
}

void CsvEmitter::candidates(const ReportSection::Candidates &candidates)
{
    for (const ReportCandidate &candidate : candidates.rows) {
        m_csv += field(candidate.model) + u',' + QString::number(candidate.score, 'g', QLocale::FloatingPointShortest)
            + u',' + Decimal::whole(candidate.percentage) + QLatin1String("\r\n");
    }
}
