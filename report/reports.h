#pragma once

#include "capacityquery.h"
#include "rdpsizing.h"
#include "report.h"
#include "vdisizing.h"

// The report of each calculation, for the windows and the command line alike. The inputs are the ones the
// finished calculation answered: the count text as typed, the options as they stood at its end.
namespace Reports {

struct SizingInputs {
    QString countText;
    TaskLevel level;
    Vendor vendor;
    Language language;
    QDateTime created;
};

Report rdp(const SizingInputs &inputs, const RdpSizing::Result &result);
Report vdi(const SizingInputs &inputs, const VdiSizing::Result &result);
Report query(const QString &typed, const CapacityQuery::Outcome &outcome, Language language, const QDateTime &created);
} // namespace Reports
