#include "rdpsizing.h"

#include "decimal.h"
#include "int32.h"
#include "rdptexts.h"
#include "soughttext.h"

namespace {

struct LevelConstants {
    double scorePerTerminal;
    double memoryPerTerminal;  // GB
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

bool ofVendorOrAny(const CpuRecord &record, Vendor vendor)
{
    static const SoughtText intel(u"Intel");
    static const SoughtText amd(u"AMD");
    switch (vendor) {
    case Vendor::Intel:
        return record.modelContains(intel);
    case Vendor::Amd:
        return record.modelContains(amd);
    case Vendor::Both:
        break;
    }
    return true;
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

const SizingRule RdpSizing::rule{requiredScore, hardware, ofVendorOrAny, 24, 28};

QString RdpSizing::serverSystem(double terminals, Language language)
{
    return (terminals <= 14 ? RdpTexts::desktopOrServer : RdpTexts::serverOnly).in(language);
}

RdpSizing::Outcome RdpSizing::calculate(const Request &request, const Progress &progress)
{
    SizingOutcome<SizingResult> sized = Sizing::run(request, progress, rule);
    if (sized.status != Status::Done)
        return {sized.status, {}};
    const ServerMinimums hardware = sized.result.hardware;
    const double terminals = sized.result.terminals;
    return {Status::Done,
            {std::move(sized.result), Decimal::gigabytes(hardware.memory), Decimal::gigabytes(hardware.ssd),
             Decimal::gigabytes(hardware.hdd), Decimal::megabits(hardware.network),
             RdpTexts::graphicsCard.in(request.language), serverSystem(terminals, request.language)}};
}
