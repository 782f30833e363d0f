#include "queryreport.h"

#include "decimal.h"
#include "querytexts.h"
#include "reasoning.h"
#include "reporttexts.h"
#include "sizingreport.h"
#include "sizingtexts.h"
#include "version.h"

namespace {

// The capacity from the score, and the minimums from the capacity, with the figures of the first processor shown
// that carries terminals.
ReportSection::Reasoning reasoning(const std::optional<CapacityQuery::Example> &example, Language language)
{
    const QString score = Decimal::figure(Capacity::scoreBase);
    const QString perTerminal = Decimal::figure(Capacity::scorePerTerminal);
    QString capacity = QueryTexts::capacityRule.in(language).arg(score, perTerminal);
    QList<ReportRow> steps;
    if (example) {
        const QString expression
            = QStringLiteral("(%1 − %2) ÷ %3").arg(Decimal::figure(example->score), score, perTerminal);
        capacity += QueryTexts::example.in(language).arg(
            example->model,
            Reasoning::worked(expression, (example->score - Capacity::scoreBase) / Capacity::scorePerTerminal,
                              language));
        const QString t = QString::number(example->capacity.terminals);
        const auto times = [&t](double figure) { return Decimal::figure(figure) + QStringLiteral(" × ") + t; };
        steps = Reasoning::minimums(
            {times(Capacity::memoryPerTerminal) + QStringLiteral(" + ") + Decimal::figure(Capacity::memoryBase),
             times(Capacity::ssdPerTerminal) + QStringLiteral(" + ") + Decimal::figure(Capacity::ssdBase),
             times(Capacity::hddPerTerminal), times(Capacity::networkPerTerminal)},
            example->capacity.bases, example->capacity.minimums, language);
    }
    steps.prepend({QueryTexts::terminalsCarried.in(language), capacity});
    steps.append(
        {QueryTexts::tooLow.in(language),
         QueryTexts::tooLowRule.in(language).arg(Decimal::figure(Capacity::scoreBase + Capacity::scorePerTerminal))});
    return {SizingTexts::reasoningCaption.in(language), steps};
}

} // namespace

Report QueryReport::make(const QString &typed, const CapacityQuery::Outcome &outcome, Language language,
                         const QDateTime &created)
{
    return {language,
            Version::mainWindowTitle(), // the query window takes the main window's title
            created,
            {ReportSection::Inputs{{{ReportTexts::query.in(language), typed}}},
             SizingReport::catalogueSection(outcome.catalogue), ReportSection::Text{QString(), outcome.text},
             reasoning(outcome.example, language)}};
}
