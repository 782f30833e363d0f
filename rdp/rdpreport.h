#pragma once

#include "rdpsizing.h"
#include "reasoning.h"
#include "sizingreport.h"

namespace RdpReport {
// The main window's answer as a report: the shared sizing sections, then its six results under their captions.
Report make(const SizingReport::Inputs &inputs, const RdpSizing::Result &result);
// Its six results under the main window's captions.
ReportSection::Results results(const RdpSizing::Result &result, Language language);
// How it was worked out, with its figures: the score at the level it was worked out for, the minimums at theirs.
ReportSection::Reasoning reasoning(const RdpSizing::Result &result, Language language);
// The same for one server carrying terminals of several levels.
ReportSection::Reasoning reasoning(const Reasoning::LoadMix &mix, const RdpSizing::Result &result, Language language);
} // namespace RdpReport
