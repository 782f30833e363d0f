#include "rdpsizing.h"

#include "decimal.h"
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

double scoreOf(const TerminalLoad &load)
{
    return load.score + RdpSizing::scoreBase;
}

MinimumBases basesOf(const TerminalLoad &load)
{
    return {load.memory + RdpSizing::memoryBase, load.terminals * RdpSizing::ssdPerTerminal + RdpSizing::ssdBase,
            load.terminals * RdpSizing::hddPerTerminal, load.network};
}

} // namespace

LevelFigures RdpSizing::figures(TaskLevel level)
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

const SizingRule RdpSizing::rule{figures, scoreOf, basesOf, ofVendorOrAny, 24, 28};

QString RdpSizing::serverSystem(double terminals, Language language)
{
    return (terminals <= desktopTerminals ? RdpTexts::desktopOrServer : RdpTexts::serverOnly).in(language);
}

RdpSizing::Outcome RdpSizing::calculate(const Request &request, const Progress &progress)
{
    CalculationOutcome<SizingResult> sized = Sizing::run(request, progress, rule);
    return {sized.end, sized.refusal, sized.done() ? completed(std::move(sized.result), request.language) : Result{}};
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
