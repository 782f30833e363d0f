#include "vdisizing.h"

#include "decimal.h"
#include "int32.h"
#include "soughttext.h"
#include "vditexts.h"

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

} // namespace

VdiSizing::LevelFigures VdiSizing::figures(TaskLevel level)
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

std::optional<qint32> VdiSizing::requiredScore(double terminals, TaskLevel level)
{
    return Int32::truncate(scoreFormula(terminals, level));
}

double VdiSizing::scoreFormula(double terminals, TaskLevel level)
{
    return (terminals * figures(level).score + scoreBase) / scoreDivisor;
}

double VdiSizing::terminalsFor(double score, TaskLevel level)
{
    return (score * scoreDivisor - scoreBase) / figures(level).score;
}

MinimumBases VdiSizing::bases(double terminals, TaskLevel level)
{
    const LevelFigures perTerminal = figures(level);
    return {terminals * perTerminal.memory / memoryDivisor, terminals * ssdPerTerminal + ssdBase,
            terminals * hddPerTerminal, terminals * perTerminal.network};
}

const SizingRule VdiSizing::rule{requiredScore, terminalsFor, bases, ofVendorOrEitherWord, 7, 7};

VdiSizing::Outcome VdiSizing::calculate(const Request &request, const Progress &progress)
{
    SizingOutcome<SizingResult> sized = Sizing::run(request, progress, rule);
    if (sized.status != Status::Done)
        return {sized.status, {}};
    return {Status::Done, completed(std::move(sized.result), request.language)};
}

VdiSizing::Result VdiSizing::completed(SizingResult answer, Language language)
{
    const ServerMinimums hardware = answer.hardware;
    return {std::move(answer), hardwareText(hardware, language)};
}

QString VdiSizing::hardwareText(const ServerMinimums &hardware, Language language)
{
    const QLatin1String crLf("\r\n");
    return VdiTexts::memory.in(language) + Decimal::gigabytes(hardware.memory) + crLf + VdiTexts::ssd.in(language)
        + Decimal::gigabytes(hardware.ssd) + crLf + VdiTexts::hdd.in(language) + Decimal::gigabytes(hardware.hdd) + crLf
        + VdiTexts::network.in(language) + Decimal::megabits(hardware.network);
}
