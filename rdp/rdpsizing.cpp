#include "rdpsizing.h"

#include "int32.h"

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

std::optional<ServerMinimums> RdpSizing::hardware(double terminals, TaskLevel level)
{
    const LevelConstants constants = constantsOf(level);
    return ServerMinimums::fromBases(terminals * constants.memoryPerTerminal + 2, terminals * 7 + 80, terminals * 50,
                                     terminals * constants.networkPerTerminal);
}

std::optional<SizingCount> RdpSizing::validCount(QStringView text, TaskLevel level)
{
    return TerminalCount::accepted(text, level, requiredScore, hardware);
}
