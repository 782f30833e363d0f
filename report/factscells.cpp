#include "factscells.h"

#include "reporttexts.h"

namespace {

ReportCell figure(std::optional<qint64> value, Language language, const QString &unit = {})
{
    return value ? ReportCell::number(double(*value), unit) : ReportCell(ReportTexts::unknown.in(language));
}

QString socketsTimesCores(const ProcessorFacts &facts, Language language)
{
    const auto known = [language](std::optional<qint64> value) {
        return value ? QString::number(*value) : ReportTexts::unknown.in(language);
    };
    return !facts.sockets() && !facts.coresPerSocket()
        ? ReportTexts::unknown.in(language)
        : known(facts.sockets()) + QStringLiteral(" × ") + known(facts.coresPerSocket());
}

std::optional<qint64> times(std::optional<qint64> value, qint64 servers)
{
    return value ? std::optional(*value * servers) : std::nullopt;
}

} // namespace

QStringList FactsCells::headings(Language language, bool farm)
{
    return {ReportTexts::socketsTimesCores.in(language), ReportTexts::threads.in(language),
            (farm ? ReportTexts::farmLicences : ReportTexts::coreLicences).in(language),
            (farm ? ReportTexts::farmTdp : ReportTexts::tdp).in(language)};
}

QList<ReportCell> FactsCells::cells(const ProcessorFacts &facts, Language language, qint64 servers)
{
    return {socketsTimesCores(facts, language), figure(facts.threadsPerServer(), language),
            figure(times(facts.coreLicencesPerServer(), servers), language),
            figure(times(facts.tdpWattsPerServer(), servers), language, QStringLiteral("W"))};
}

QString FactsCells::summary(const ProcessorFacts &facts, Language language)
{
    const QList<ReportCell> shown = cells(facts, language);
    return ReportTexts::factsSummary.in(language).arg(shown[0].text, shown[1].text, shown[3].text);
}
