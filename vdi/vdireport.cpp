#include "vdireport.h"

#include "vditexts.h"
#include "version.h"

QString VdiReport::windowTitle(Language language)
{
    return VdiTexts::titlePrefix.in(language) + Version::shortText();
}

Report VdiReport::make(const SizingReport::Inputs &inputs, const VdiSizing::Result &result)
{
    Report report = SizingReport::make(
        inputs, {windowTitle(inputs.language), VdiTexts::choices, VdiTexts::candidatesCaption}, result);
    report.sections.append(ReportSection::Text{VdiTexts::hardwareCaption.in(inputs.language), result.text});
    return report;
}
