#include "reports.h"

#include "rdptexts.h"
#include "reporttexts.h"
#include "vditexts.h"

namespace {

// What the RDP and VDI reports share: the inputs, the heading and the candidate list.
template <class Texts, class Result>
Report sizing(const Reports::SizingInputs &inputs, const QString &title, const Result &result)
{
    const Language language = inputs.language;
    Report report;
    report.language = language;
    report.title = title;
    report.created = inputs.created;
    report.inputs = {{ReportTexts::terminals.in(language), inputs.countText},
                     {ReportTexts::level.in(language), Texts::levelName(inputs.level, language)},
                     {ReportTexts::vendor.in(language), Texts::vendorName(inputs.vendor)}};
    report.catalogue = result.catalogue;
    report.heading = result.heading;
    report.listCaption = Texts::candidatesCaption.in(language);
    report.candidates = result.candidates;
    return report;
}

struct Rdp {
    static constexpr const Bilingual &candidatesCaption = RdpTexts::candidatesCaption;
    static QString levelName(TaskLevel level, Language language) { return RdpTexts::levelName(level, language); }
    static QString vendorName(Vendor vendor) { return RdpTexts::vendorName(vendor); }
};

struct Vdi {
    static constexpr const Bilingual &candidatesCaption = VdiTexts::candidatesCaption;
    static QString levelName(TaskLevel level, Language language) { return VdiTexts::levelName(level, language); }
    static QString vendorName(Vendor vendor) { return VdiTexts::vendorName(vendor); }
};

} // namespace

Report Reports::rdp(const SizingInputs &inputs, const RdpSizing::Result &result)
{
    const Language language = inputs.language;
    Report report = sizing<Rdp>(inputs, RdpTexts::windowTitle(), result);
    report.results = {{RdpTexts::memoryCaption.in(language), result.memory},
                      {RdpTexts::ssdCaption.in(language), result.ssd},
                      {RdpTexts::hddCaption.in(language), result.hdd},
                      {RdpTexts::networkCaption.in(language), result.network},
                      {RdpTexts::graphicsCaption.in(language), result.graphics},
                      {RdpTexts::systemCaption.in(language), result.system}};
    return report;
}

Report Reports::vdi(const SizingInputs &inputs, const VdiSizing::Result &result)
{
    Report report = sizing<Vdi>(inputs, VdiTexts::windowTitle(inputs.language), result);
    report.textCaption = VdiTexts::hardwareCaption.in(inputs.language);
    report.text = result.text;
    return report;
}

Report Reports::query(const QString &typed, const CapacityQuery::Outcome &outcome, Language language,
                      const QDateTime &created)
{
    Report report;
    report.language = language;
    report.title = RdpTexts::windowTitle(); // the query window takes the main window's title
    report.created = created;
    report.inputs = {{ReportTexts::query.in(language), typed}};
    report.catalogue = outcome.catalogue;
    report.text = outcome.text;
    return report;
}
