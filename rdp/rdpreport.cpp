#include "rdpreport.h"

#include "rdptexts.h"
#include "version.h"

Report RdpReport::make(const SizingReport::Inputs &inputs, const RdpSizing::Result &result)
{
    const Language language = inputs.language;
    Report report = SizingReport::make(
        inputs, {Version::mainWindowTitle(), RdpTexts::choices, RdpTexts::candidatesCaption}, result);
    report.sections.append(ReportSection::Results{{{RdpTexts::memoryCaption.in(language), result.memory},
                                                   {RdpTexts::ssdCaption.in(language), result.ssd},
                                                   {RdpTexts::hddCaption.in(language), result.hdd},
                                                   {RdpTexts::networkCaption.in(language), result.network},
                                                   {RdpTexts::graphicsCaption.in(language), result.graphics},
                                                   {RdpTexts::systemCaption.in(language), result.system}}});
    return report;
}
