#pragma once

#include "reasoning.h"
#include "sizingreport.h"
#include "vdisizing.h"

namespace VdiReport {
// "VDI Server Configuration Calculation v1.8.118", in the interface language.
QString windowTitle(Language language);
// The minimums under the VDI window's captions, and as its four-line hardware text (lines joined by CR LF).
QList<ReportRow> hardware(const ServerMinimums &minimums, Language language);
QString hardwareText(const ServerMinimums &minimums, Language language);
// The VDI window's answer as a report: the shared sizing sections, then its hardware under its caption.
Report make(const SizingReport::Inputs &inputs, const VdiSizing::Result &result);
// How it was worked out, with its figures: the score at the level it was worked out for, the minimums at theirs.
ReportSection::Reasoning reasoning(const VdiSizing::Result &result, Language language);
// The same for one server carrying terminals of several levels.
ReportSection::Reasoning reasoning(const Reasoning::LoadMix &mix, const VdiSizing::Result &result, Language language);
} // namespace VdiReport
