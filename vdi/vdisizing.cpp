#include "vdisizing.h"

#include "blanks.h"
#include "cpucatalogue.h"
#include "listentry.h"
#include "soughttext.h"
#include "int32.h"
#include "vditexts.h"

#include <cmath>

namespace {

struct LevelConstants {
    double scorePerTerminal;
    double memoryPerTerminal;  // GB, before dividing by 0.85
    double networkPerTerminal; // Mbps
};

LevelConstants constantsOf(TaskLevel level)
{
    switch (level) {
    case TaskLevel::Light:
        return {300, 2, 30};
    case TaskLevel::Medium:
        return {350, 4, 40};
    case TaskLevel::Heavy:
        break;
    }
    return {400, 8, 50};
}

bool passesVendorTest(const CpuRecord &record, Vendor vendor)
{
    static const SoughtText intelWord(u"Intel");
    static const SoughtText amdWord(u"AMD");
    const bool intel = record.modelContains(intelWord);
    const bool amd = record.modelContains(amdWord);
    switch (vendor) {
    case Vendor::Intel:
        return intel;
    case Vendor::Amd:
        return amd;
    case Vendor::Both:
        break;
    }
    return intel || amd;
}

} // namespace

std::optional<qint32> VdiSizing::requiredScore(double terminals, TaskLevel level)
{
    return Int32::truncate((terminals * constantsOf(level).scorePerTerminal + 5500) / 0.6);
}

std::optional<ServerMinimums> VdiSizing::hardware(double terminals, TaskLevel level)
{
    const LevelConstants constants = constantsOf(level);
    return ServerMinimums::fromBases(terminals * constants.memoryPerTerminal / 0.85, terminals * 30 + 80,
                                     terminals * 50, terminals * constants.networkPerTerminal);
}

std::optional<SizingCount> VdiSizing::validCount(QStringView text, TaskLevel level)
{
    return TerminalCount::accepted(text, level, requiredScore, hardware);
}

double VdiSizing::percentage(double score, qint32 required)
{
    return std::trunc(std::trunc(score) / required * 100);
}

std::optional<Candidate> VdiSizing::entry(const CpuRecord &record, qint32 required, const std::function<Vendor()> &vendor)
{
    if (std::trunc(record.score()) < required || !passesVendorTest(record, vendor()))
        return std::nullopt;
    const QStringView model = Blanks::trimmed(record.model());
    const double share = percentage(record.score(), required);
    return Candidate{model.toString(), record.score(), share, ListEntry::make(model, 7, share)};
}

VdiSizing::Outcome VdiSizing::calculate(const Request &request, const Progress &progress)
{
    const auto count = validCount(request.countText, request.level());
    if (!count)
        return {Status::InvalidCount, {}};
    if (progress.started)
        progress.started(VdiTexts::busyHeading(request.countText, request.language));

    Result result;
    const auto onRecord = [&](const CpuRecord &record) {
        if (auto listed = entry(record, count->requiredScore, request.vendor)) {
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

    result.requiredScore = count->requiredScore;
    result.hardware = *hardware(count->terminals, request.level()); // checked at every level by validCount
    result.heading = VdiTexts::finalHeading(request.countText, request.language);
    result.text = VdiTexts::hardwareText(result.hardware, request.language);
    return {Status::Done, result};
}
