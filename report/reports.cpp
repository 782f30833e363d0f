#include "reports.h"

#include "rdptexts.h"
#include "reporttexts.h"
#include "vditexts.h"

namespace {

// What the RDP and VDI reports share: the inputs, the heading and the candidate list; the level, vendor and
// list caption are each window's own words.
Report sizing(const Reports::SizingInputs &inputs, const QString &title, const QString &level, const QString &vendor,
              const Bilingual &listCaption, const SizingResult &result)
{
    const Language language = inputs.language;
    Report report;
    report.language = language;
    report.title = title;
    report.created = inputs.created;
    report.inputs = {{ReportTexts::terminals.in(language), inputs.countText},
                     {ReportTexts::level.in(language), level},
                     {ReportTexts::vendor.in(language), vendor}};
    report.catalogue = result.catalogue;
    report.heading = result.heading;
    report.listCaption = listCaption.in(language);
    report.candidates = result.candidates;
    return report;
}

} // namespace

Report Reports::rdp(const SizingInputs &inputs, const RdpSizing::Result &result)
{
    const Language language = inputs.language;
    Report report = sizing(inputs, RdpTexts::windowTitle(), RdpTexts::levelName(inputs.level, language),
                           RdpTexts::vendorName(inputs.vendor), RdpTexts::candidatesCaption, result);
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
    Report report
        = sizing(inputs, VdiTexts::windowTitle(inputs.language), VdiTexts::levelName(inputs.level, inputs.language),
                 VdiTexts::vendorName(inputs.vendor), VdiTexts::candidatesCaption, result);
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
