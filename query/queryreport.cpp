#include "queryreport.h"

#include "decimal.h"
#include "querytexts.h"
#include "rdpsizing.h"
#include "reasoning.h"
#include "reporttexts.h"
#include "sizingreport.h"
#include "sizingtexts.h"
#include "version.h"

namespace {

ReportSection::Table matches(const CapacityQuery::Answer &answer, Language language)
{
    ReportSection::Table table{{},
                               {QueryTexts::model.in(language), QueryTexts::terminals.in(language),
                                QueryTexts::memory.in(language), QueryTexts::ssd.in(language),
                                QueryTexts::hdd.in(language), QueryTexts::network.in(language)},
                               {}};
    for (auto match = answer.matches.crbegin(); match != answer.matches.crend(); ++match) {
        const Capacity &capacity = match->capacity;
        if (capacity.tooLow()) {
            table.rows.append({match->model, QueryTexts::performanceTooLow.in(language)});
            continue;
        }
        const ServerMinimums &minimums = capacity.minimums;
        table.rows.append({match->model, ReportCell::number(capacity.terminals),
                           ReportCell::number(minimums.memory, QStringLiteral("GB")),
                           ReportCell::number(minimums.ssd, QStringLiteral("GB")),
                           ReportCell::number(minimums.hdd, QStringLiteral("GB")),
                           ReportCell::number(minimums.network, QStringLiteral("Mbps"))});
    }
    return table;
}

// The capacity from the score, and the minimums from the capacity, with the figures of the first processor shown
// that carries terminals.
ReportSection::Reasoning reasoning(const CapacityQuery::Answer &answer, Language language)
{
    const QString base = Decimal::figure(RdpSizing::scoreBase);
    const double perTerminal = RdpSizing::figures(Capacity::scoreLevel).score;
    QString capacity = QueryTexts::capacityRule.in(language).arg(base, Decimal::figure(perTerminal));
    QList<ReportRow> steps;
    const auto shown = std::find_if(answer.matches.crbegin(), answer.matches.crend(),
                                    [](const CapacityQuery::Match &match) { return !match.capacity.tooLow(); });
    if (shown != answer.matches.crend()) {
        const QString expression
            = QStringLiteral("(%1 − %2) ÷ %3").arg(Decimal::figure(shown->score), base, Decimal::figure(perTerminal));
        capacity += QueryTexts::example.in(language).arg(
            shown->model, Reasoning::worked(expression, Capacity::terminalsFor(shown->score), language));
        const QString t = QString::number(shown->capacity.terminals);
        const LevelFigures hardware = RdpSizing::figures(Capacity::hardwareLevel);
        const auto times = [&t](double figure) { return Decimal::figure(figure) + QStringLiteral(" × ") + t; };
        const auto plus = [](const QString &expression, double figure) {
            return expression + QStringLiteral(" + ") + Decimal::figure(figure);
        };
        steps = Reasoning::minimums({plus(times(hardware.memory), RdpSizing::memoryBase),
                                     plus(times(RdpSizing::ssdPerTerminal), RdpSizing::ssdBase),
                                     times(RdpSizing::hddPerTerminal), times(hardware.network)},
                                    shown->capacity.bases, shown->capacity.minimums, language);
    }
    steps.prepend({QueryTexts::terminalsCarried.in(language), capacity});
    steps.append({QueryTexts::tooLow.in(language),
                  QueryTexts::tooLowRule.in(language).arg(Decimal::figure(RdpSizing::scoreBase + perTerminal))});
    return {SizingTexts::reasoningCaption.in(language), steps};
}

} // namespace

Report QueryReport::make(const QString &typed, const CapacityQuery::Answer &answer, Language language,
                         const QDateTime &created)
{
    return {language,
            Version::mainWindowTitle(), // the query window takes the main window's title
            created,
            {ReportSection::Inputs{{{ReportTexts::query.in(language), typed}}},
             SizingReport::catalogueSection(answer.catalogue), matches(answer, language), reasoning(answer, language)}};
}
