#include "vdisizing.h"

#include "soughttext.h"

namespace {

bool ofVendorOrEitherWord(const CpuRecord &record, Vendor vendor)
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

double scoreOf(const TerminalLoad &load)
{
    return (load.score + VdiSizing::scoreBase) / VdiSizing::scoreDivisor;
}

MinimumBases basesOf(const TerminalLoad &load)
{
    return {load.memory / VdiSizing::memoryDivisor, load.terminals * VdiSizing::ssdPerTerminal + VdiSizing::ssdBase,
            load.terminals * VdiSizing::hddPerTerminal, load.network};
}

} // namespace

LevelFigures VdiSizing::figures(TaskLevel level)
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

const SizingRule VdiSizing::rule{figures, scoreOf, basesOf, ofVendorOrEitherWord, 7, 7};

VdiSizing::Outcome VdiSizing::calculate(const Request &request, const Progress &progress)
{
    return Sizing::run(request, progress, rule);
}
