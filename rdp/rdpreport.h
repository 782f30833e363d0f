#pragma once

#include "rdpsizing.h"
#include "sizingreport.h"

namespace RdpReport {
// The main window's answer as a report: the shared sizing sections, then its six results under their captions.
Report make(const SizingReport::Inputs &inputs, const RdpSizing::Result &result);
// Its six results under the main window's captions.
ReportSection::Results results(const RdpSizing::Result &result, Language language);
// How it was worked out, with its figures.
ReportSection::Reasoning reasoning(const RdpSizing::Result &result, Language language);
} // namespace RdpReport
