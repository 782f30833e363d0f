#include "rdpcalculation.h"

#include "cpucatalogue.h"
#include "decimal.h"
#include "rdpcandidatelist.h"
#include "rdpsizing.h"
#include "rdptexts.h"

RdpCalculation::Outcome RdpCalculation::calculate(const Request &request, const Progress &progress)
{
    const auto count = RdpSizing::validCount(request.countText, request.level());
    if (!count)
        return {Status::InvalidCount, {}};
    if (progress.started)
        progress.started(RdpTexts::busyHeading(request.countText, request.language));

    Result result;
    const auto onRecord = [&](const CpuRecord &record) {
        if (auto listed = RdpCandidateList::entry(record, count->requiredScore, request.vendor)) {
            if (progress.candidate)
                progress.candidate(listed->entry);
            result.candidates << std::move(*listed);
        }
    };
    switch (CpuCatalogue::read(request.catalogue, onRecord, progress.pump, &result.catalogue)) {
    case CpuCatalogue::Outcome::Abandoned:
        return {Status::Abandoned, {}};
    case CpuCatalogue::Outcome::Failed:
        return {Status::ReadFailed, {}};
    default:
        break;
    }

    // validCount has checked the minimums at every level.
    const ServerMinimums hardware = *RdpSizing::hardware(count->terminals, request.level());
    result.memory = Decimal::gigabytes(hardware.memory);
    result.ssd = Decimal::gigabytes(hardware.ssd);
    result.hdd = Decimal::gigabytes(hardware.hdd);
    result.network = Decimal::megabits(hardware.network);
    result.graphics = RdpTexts::graphicsCard.in(request.language);
    result.heading = RdpTexts::finalHeading(request.countText, request.language);
    result.system = RdpTexts::serverSystem(count->terminals, request.language);
    return {Status::Done, result};
}
