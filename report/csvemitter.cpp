#include "csvemitter.h"

#include "reporttexts.h"
#include "reportwalker.h"
#include "reportwording.h"

#include <QLocale>

namespace {

QString field(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    return u'"' + QString(text).replace(u'"', QLatin1String("\"\"")) + u'"';
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
            + u',' + ReportWording::percentage(candidate) + QLatin1String("\r\n");
    }
}
