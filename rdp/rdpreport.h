#pragma once

#include "rdpsizing.h"
#include "sizingreport.h"

namespace RdpReport {
// The main window's answer as a report: the shared sizing sections, then its six results under their captions.
Report make(const SizingReport::Inputs &inputs, const RdpSizing::Result &result);
} // namespace RdpReport
