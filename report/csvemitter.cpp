#include "csvemitter.h"

#include "decimal.h"
#include "displaytext.h"
#include "reporttexts.h"
#include "reportwalker.h"

#include <QLocale>

namespace {

// A text as a field: escaped as everywhere, kept from being a formula (a spreadsheet would run "=HYPERLINK(...)"
// from a hostile catalogue: an apostrophe before it marks it as text), quoted where it must be.
QString field(const QString &shown)
{
    QString text = DisplayText::escaped(shown);
    if (!text.isEmpty() && QStringView(u"=+-@").contains(text.front()))
        text.prepend(u'\'');
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    return u'"' + text.replace(u'"', QLatin1String("\"\"")) + u'"';
}

} // namespace

QString CsvEmitter::csv(const Report &report)
{
    CsvEmitter emitter(report.language);
    ReportWalker::walk(report, emitter, ReportWalker::Scope::Answer);
    return emitter.m_csv;
}

void CsvEmitter::candidates(const ReportSection::Candidates &candidates)
{
    m_csv += ReportTexts::csvHeader.in(m_language) + QLatin1String("\r\n");
    const auto known = [](std::optional<qint64> value) { return value ? QString::number(*value) : QString(); };
    for (const Candidate &candidate : candidates.rows) {
        const ProcessorFacts &facts = candidate.facts;
        row({candidate.model, QString::number(candidate.score, 'g', QLocale::FloatingPointShortest),
             Decimal::whole(candidate.percentage), known(facts.sockets()), known(facts.coresPerSocket()),
             known(facts.threadsPerSocket()), known(facts.tdpWattsPerSocket()), known(facts.coreLicencesPerServer())});
    }
}

void CsvEmitter::table(const ReportSection::Table &table)
{
    row(table.header);
    for (const QList<ReportCell> &cells : table.rows) {
        QStringList fields;
        for (const ReportCell &cell : cells)
            fields << cell.text;
        row(fields);
    }
}

void CsvEmitter::row(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &text : fields)
        quoted << field(text);
    m_csv += quoted.join(u',') + QLatin1String("\r\n");
}
