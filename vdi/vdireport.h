#pragma once

#include "sizingreport.h"
#include "vdisizing.h"

namespace VdiReport {
// "VDI Server Configuration Calculation v1.8.118", in the interface language.
QString windowTitle(Language language);
// The VDI window's answer as a report: the shared sizing sections, then its hardware text under its caption.
Report make(const SizingReport::Inputs &inputs, const VdiSizing::Result &result);
// How it was worked out, with its figures.
ReportSection::Reasoning reasoning(const VdiSizing::Result &result, Language language);
} // namespace VdiReport
