#include "rdpsizing.h"

#include "decimal.h"
#include "int32.h"
#include "rdptexts.h"
#include "soughttext.h"

namespace {

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

RdpSizing::LevelFigures RdpSizing::figures(TaskLevel level)
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

std::optional<qint32> RdpSizing::requiredScore(double terminals, TaskLevel level)
{
    return Int32::truncate(scoreFormula(terminals, level));
}

double RdpSizing::scoreFormula(double terminals, TaskLevel level)
{
    return terminals * figures(level).score + scoreBase;
}

double RdpSizing::terminalsFor(double score, TaskLevel level)
{
    return (score - scoreBase) / figures(level).score;
}

MinimumBases RdpSizing::bases(double terminals, TaskLevel level)
{
    const LevelFigures perTerminal = figures(level);
    return {terminals * perTerminal.memory + memoryBase, terminals * ssdPerTerminal + ssdBase,
            terminals * hddPerTerminal, terminals * perTerminal.network};
}

const SizingRule RdpSizing::rule{requiredScore, terminalsFor, bases, ofVendorOrAny, 24, 28};

QString RdpSizing::serverSystem(double terminals, Language language)
{
    return (terminals <= desktopTerminals ? RdpTexts::desktopOrServer : RdpTexts::serverOnly).in(language);
}

RdpSizing::Outcome RdpSizing::calculate(const Request &request, const Progress &progress)
{
    SizingOutcome<SizingResult> sized = Sizing::run(request, progress, rule);
    if (sized.status != Status::Done)
        return {sized.status, {}};
    return {Status::Done, completed(std::move(sized.result), request.language)};
}

RdpSizing::Result RdpSizing::completed(SizingResult answer, Language language)
{
    const ServerMinimums hardware = answer.hardware;
    const double terminals = answer.terminals;
    return {std::move(answer),
            Decimal::gigabytes(hardware.memory),
            Decimal::gigabytes(hardware.ssd),
            Decimal::gigabytes(hardware.hdd),
            Decimal::megabits(hardware.network),
            RdpTexts::graphicsCard.in(language),
            serverSystem(terminals, language)};
}
