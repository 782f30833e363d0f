// Arbitrary text in a count box: the count is accepted exactly when it is a run of ASCII digits other than
// "0" whose figures all fit in 32 bits, and then every figure follows its formula.

#include "fuzzsupport.h"
#include "rdpsizing.h"
#include "terminalcount.h"
#include "vdisizing.h"

#include <cmath>
#include <limits>

namespace {

constexpr qint64 int32Max = std::numeric_limits<qint32>::max();
const TaskLevel levels[] = {TaskLevel::Light, TaskLevel::Medium, TaskLevel::Heavy};

qint64 steppedUp(qint64 base, qint64 step)
{
    return base + step - base % step;
}

qint64 networkStep(qint64 base)
{
    return base <= 100 ? 100 : 1000;
}

// The RDP figures of N at a level, in 64 bits: required score, then the bases and their steps.
struct Figures {
    qint64 required;
    qint64 bases[4];
    qint64 steps[4];
    bool hardwareFits() const
    {
        for (int i = 0; i < 4; ++i) {
            if (bases[i] > int32Max || steppedUp(bases[i], steps[i]) > int32Max)
                return false;
        }
        return true;
    }
};

Figures rdpFigures(qint64 n, int level)
{
    const qint64 memory = level == 0 ? n / 2 + 2 : level == 1 ? n + 2 : n * 3 / 2 + 2;
    const qint64 network = n * (30 + 10 * level);
    return {n * (500 + 100 * level) + 3200, {memory, n * 7 + 80, n * 50, network}, {8, 60, 500, networkStep(network)}};
}

Figures vdiFigures(qint64 n, int level)
{
    const double memory = std::trunc(double(n) * (2 << level) / 0.85);
    const qint64 network = n * (30 + 10 * level);
    return {qint64(std::trunc((double(n) * (300 + 50 * level) + 5500) / 0.6)),
            {qint64(memory), n * 30 + 80, n * 50, network},
            {8, 60, 500, networkStep(network)}};
}

template <class Hardware>
void requireHardware(const Hardware &hardware, const Figures &figures)
{
    const qint64 values[] = {hardware.memory, hardware.ssd, hardware.hdd, hardware.network};
    for (int i = 0; i < 4; ++i) {
        Fuzz::requireSteppedUp(values[i], figures.bases[i], figures.steps[i]);
        FUZZ_REQUIRE(values[i] == steppedUp(figures.bases[i], figures.steps[i]));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    bool digits = !text.isEmpty();
    for (QChar c : text)
        digits = digits && c >= u'0' && c <= u'9';
    const auto terminals = TerminalCount::parse(text);
    if (!digits || text == QLatin1String("0")) {
        FUZZ_REQUIRE(!terminals);
        for (TaskLevel level : levels)
            FUZZ_REQUIRE(!RdpSizing::validCount(text, level) && !VdiSizing::validCount(text, level));
        return 0;
    }
    // Beyond a double's range a run of digits is no count either.
    FUZZ_REQUIRE(terminals || text.size() > 300);
    if (!terminals)
        return 0;
    FUZZ_REQUIRE(*terminals >= 0 && *terminals == std::trunc(*terminals));

    // Counts too large for 32-bit figures are rejected; the 64-bit figures below are exact up to there.
    const bool small = *terminals < 1e12;
    const qint64 n = small ? qint64(*terminals) : 0;
    if (small && text.size() <= 15)
        FUZZ_REQUIRE(n == text.toLongLong());
    for (int level = 0; level < 3; ++level) {
        const auto rdp = RdpSizing::validCount(text, levels[level]);
        const auto vdi = VdiSizing::validCount(text, levels[level]);
        if (!small) {
            FUZZ_REQUIRE(!rdp && !vdi);
            continue;
        }
        // The required score at this level, the minimums at every level (a level may change while the
        // catalogue is read).
        bool rdpFits = rdpFigures(n, level).required <= int32Max;
        bool vdiFits = vdiFigures(n, level).required <= int32Max;
        for (int any = 0; any < 3; ++any) {
            rdpFits = rdpFits && rdpFigures(n, any).hardwareFits();
            vdiFits = vdiFits && vdiFigures(n, any).hardwareFits();
        }
        FUZZ_REQUIRE(bool(rdp) == rdpFits);
        FUZZ_REQUIRE(bool(vdi) == vdiFits);
        if (rdp) {
            FUZZ_REQUIRE(rdp->requiredScore == rdpFigures(n, level).required);
            requireHardware(*RdpSizing::hardware(*terminals, levels[level]), rdpFigures(n, level));
        }
        if (vdi) {
            FUZZ_REQUIRE(vdi->requiredScore == vdiFigures(n, level).required);
            requireHardware(*VdiSizing::hardware(*terminals, levels[level]), vdiFigures(n, level));
        }
    }
    return 0;
}
