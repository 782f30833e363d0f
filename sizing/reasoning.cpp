#include "reasoning.h"

#include "decimal.h"
#include "int32.h"
#include "sizingtexts.h"
#include "stepup.h"

#include <cmath>

QString Reasoning::products(const LoadMix &mix, const SizingRule &rule, double LevelFigures::*figure)
{
    QStringList terms;
    for (const LevelShare &share : mix)
        terms << Decimal::whole(share.terminals) + QStringLiteral(" × ")
                + Decimal::figure(rule.figuresOf(share.level).*figure);
    return terms.join(QStringLiteral(" + "));
}

TerminalLoad Reasoning::load(const LoadMix &mix, const SizingRule &rule)
{
    TerminalLoad sum;
    for (const LevelShare &share : mix)
        sum += rule.load(share.terminals, share.level);
    return sum;
}

QString Reasoning::worked(const QString &expression, double value, Language language)
{
    const QString result = expression + QStringLiteral(" = ") + Decimal::figure(value);
    const QString whole = Decimal::whole(std::trunc(value));
    return Decimal::figure(value) == whole ? expression + QStringLiteral(" = ") + whole
                                           : SizingTexts::truncated.in(language).arg(result, whole);
}

QString Reasoning::steppedUp(const QString &expression, double base, qint32 step, const QString &result,
                             Language language)
{
    return SizingTexts::steppedUp.in(language).arg(worked(expression, base, language), QString::number(step), result);
}

QList<ReportRow> Reasoning::minimums(const MinimumExpressions &expressions, const MinimumBases &bases,
                                     const ServerMinimums &minimums, Language language)
{
    const qint32 networkStep = StepUp::networkStep(Int32::truncate(bases.network).value_or(0));
    return {{SizingTexts::memory.in(language),
             steppedUp(expressions.memory, bases.memory, StepUp::memoryStep, Decimal::gigabytes(minimums.memory),
                       language)},
            {SizingTexts::ssd.in(language),
             steppedUp(expressions.ssd, bases.ssd, StepUp::ssdStep, Decimal::gigabytes(minimums.ssd), language)},
            {SizingTexts::hdd.in(language),
             steppedUp(expressions.hdd, bases.hdd, StepUp::hddStep, Decimal::gigabytes(minimums.hdd), language)},
            {SizingTexts::network.in(language),
             steppedUp(expressions.network, bases.network, networkStep, Decimal::megabits(minimums.network), language)
                 + SizingTexts::networkRule.in(language)
                       .arg(StepUp::networkFineLimit)
                       .arg(StepUp::networkFineStep)
                       .arg(StepUp::networkCoarseStep)}};
}
