#include "sizingrun.h"

#include "listentry.h"
#include "sizingtexts.h"

#include <cmath>

double Sizing::percentage(double score, qint32 required)
{
    return std::trunc(std::trunc(score) / required * 100);
}

std::optional<Candidate> Sizing::candidate(const CpuRecord &record, qint32 required,
                                           const std::function<Vendor()> &vendor, const SizingRule &rule)
{
    if (std::trunc(record.score()) < required)
        return std::nullopt;
    const Vendor chosen = vendor();
    if (!rule.vendorMatches(record, chosen))
        return std::nullopt;
    QString model = record.trimmedModel();
    const double share = percentage(record.score(), required);
    QString entry = ListEntry::make(model, chosen == Vendor::Both ? rule.blanksForBoth : rule.blanks, share);
    return Candidate{std::move(model), record.score(), share, std::move(entry), record.facts()};
}

SizingResult Sizing::answerFor(const TerminalLoad &load, const SizingRule &rule)
{
    SizingResult answer;
    answer.terminals = load.terminals;
    answer.requiredScore = rule.requiredScore(load).value_or(0);
    answer.bases = rule.basesOf(load);
    answer.hardware = ServerMinimums::fromBases(answer.bases).value_or(ServerMinimums{});
    return answer;
}

SizingResult Sizing::answerAt(double terminals, TaskLevel level, const SizingRule &rule)
{
    SizingResult answer = answerFor(rule.load(terminals, level), rule);
    answer.scoreLevel = level;
    answer.hardwareLevel = level;
    return answer;
}

CalculationOutcome<SizingResult> Sizing::run(const SizingRequest &request, const SizingProgress &progress,
                                             const SizingRule &rule)
{
    const TaskLevel scoreLevel = request.level();
    const auto count = TerminalCount::accepted(request.countText, scoreLevel, rule);
    if (!count)
        return CalculationOutcome<SizingResult>::refused(SizingTexts::invalidCount.in(request.language));
    if (progress.started)
        progress.started(request.countText + SizingTexts::busySuffix.in(request.language));

    SizingResult result;
    const auto onRecord = [&](const CpuRecord &record) {
        if (auto listed = candidate(record, count->requiredScore, request.vendor, rule)) {
            if (progress.candidate)
                progress.candidate(listed->entry);
            result.candidates << std::move(*listed);
        }
    };
    const CalculationEnd end = CalculationEnds::afterReading(
        CpuCatalogue::read(request.catalogue, onRecord, progress.pump, &result.catalogue));
    if (end != CalculationEnd::Done)
        return CalculationOutcome<SizingResult>::ended(end);
    const SizingResult answer = answerAt(count->terminals, request.level(), rule);
    result.terminals = count->terminals;
    result.scoreLevel = scoreLevel;
    result.requiredScore = count->requiredScore;
    result.hardwareLevel = answer.hardwareLevel;
    result.bases = answer.bases;
    result.hardware = answer.hardware;
    result.heading = request.countText + SizingTexts::finalSuffix.in(request.language);
    return {CalculationEnd::Done, {}, std::move(result)};
}
