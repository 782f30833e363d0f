#include "rdpsizing.h"

#include "int32.h"
#include "stepup.h"
#include "terminalcount.h"

namespace {

struct LevelConstants {
    double scorePerTerminal;
    double memoryPerTerminal; // GB
    double networkPerTerminal; // Mbps
};

LevelConstants constantsOf(TaskLevel level)
{
    switch (level) {
    case TaskLevel::Light:
        return {500, 0.5, 30};
    case TaskLevel::Medium:
        return {600, 1, 40};
    case TaskLevel::Heavy:
        break;
    }
    return {700, 1.5, 50};
}

} // namespace

std::optional<qint32> RdpSizing::requiredScore(double terminals, TaskLevel level)
{
    return Int32::truncate(terminals * constantsOf(level).scorePerTerminal + 3200);
}

std::optional<RdpHardware> RdpSizing::hardware(double terminals, TaskLevel level)
{
    const LevelConstants constants = constantsOf(level);
    const auto memoryBase = Int32::truncate(terminals * constants.memoryPerTerminal + 2);
    const auto ssdBase = Int32::truncate(terminals * 7 + 80);
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
    return RdpHardware{*memory, *ssd, *hdd, *network};
}

std::optional<RdpSizing::Count> RdpSizing::validCount(QStringView text, TaskLevel level)
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
