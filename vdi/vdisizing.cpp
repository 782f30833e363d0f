#include "vdisizing.h"

#include "blanks.h"
#include "decimal.h"
#include "int32.h"
#include "stepup.h"
#include "terminalcount.h"
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

bool passesVendorTest(QStringView model, Vendor vendor)
{
    const bool intel = model.contains(u"Intel");
    const bool amd = model.contains(u"AMD");
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

std::optional<VdiHardware> VdiSizing::hardware(double terminals, TaskLevel level)
{
    const LevelConstants constants = constantsOf(level);
    const auto memoryBase = Int32::truncate(terminals * constants.memoryPerTerminal / 0.85);
    const auto ssdBase = Int32::truncate(terminals * 30 + 80);
    const auto hddBase = Int32::truncate(terminals * 50);
    const auto networkBase = Int32::truncate(terminals * constants.networkPerTerminal);
    if (!memoryBase || !ssdBase || !hddBase || !networkBase)
        return std::nullopt;
    const auto memory = StepUp::memory(*memoryBase);
    const auto ssd = StepUp::ssd(*ssdBase);
    const auto hdd = StepUp::hdd(*hddBase);
    const auto network = StepUp::network(*networkBase);
    if (!memory || !ssd || !hdd || !network)
        return std::nullopt;
    return VdiHardware{*memory, *ssd, *hdd, *network};
}

std::optional<VdiSizing::Count> VdiSizing::validCount(QStringView text, TaskLevel level)
{
    const auto terminals = TerminalCount::parse(text);
    if (!terminals)
        return std::nullopt;
    const auto required = requiredScore(*terminals, level);
    if (!required)
        return std::nullopt;
    for (TaskLevel any : {TaskLevel::Light, TaskLevel::Medium, TaskLevel::Heavy}) {
        if (!hardware(*terminals, any))
            return std::nullopt;
    }
    return Count{*terminals, *required};
}

double VdiSizing::percentage(double score, qint32 required)
{
    return std::trunc(std::trunc(score) / required * 100);
}

std::optional<QString> VdiSizing::entry(const CpuRecord &record, qint32 required, const std::function<Vendor()> &vendor)
{
    if (std::trunc(record.score) < required || !passesVendorTest(record.model, vendor()))
        return std::nullopt;
    return Blanks::trimmed(record.model).toString() + QLatin1String("       ")
        + Decimal::whole(percentage(record.score, required)) + u'%';
}

VdiSizing::Outcome VdiSizing::calculate(const Request &request, const Progress &progress)
{
    const auto count = validCount(request.countText, request.level());
    if (!count)
        return {Status::InvalidCount, {}};
    if (progress.started)
        progress.started(VdiTexts::busyHeading(request.countText, request.language));

    const auto onRecord = [&](const CpuRecord &record) {
        if (auto listed = entry(record, count->requiredScore, request.vendor); listed && progress.candidate)
            progress.candidate(*listed);
    };
    if (CpuCatalogue::read(request.catalogue, onRecord, progress.pump) == CpuCatalogue::Outcome::Abandoned)
        return {Status::Abandoned, {}};

    Result result;
    result.requiredScore = count->requiredScore;
    result.hardware = *hardware(count->terminals, request.level()); // checked at every level by validCount
    result.heading = VdiTexts::finalHeading(request.countText, request.language);
    result.text = VdiTexts::hardwareText(result.hardware, request.language);
    return {Status::Done, result};
}
