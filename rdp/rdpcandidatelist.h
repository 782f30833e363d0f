#pragma once

#include "candidate.h"
#include "cpurecord.h"
#include "vendor.h"

#include <QString>

#include <functional>
#include <optional>

// The processors that carry an RDP load: every catalogue record of the chosen vendor whose truncated score
// reaches the required score, listed in catalogue order with its score as a whole percentage of it.
namespace RdpCandidateList {
// trunc(trunc(score) / required × 100) in IEEE double, dividing first: 4370 against 3800 gives 114.
double percentage(double score, qint32 required);

// The entry of a record, or nothing when it does not qualify. The vendor choice is read anew for every
// record that reaches the score, so a choice changed during a reading applies from then on.
std::optional<Candidate> entry(const CpuRecord &record, qint32 required, const std::function<Vendor()> &vendor);
}
