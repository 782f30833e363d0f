#include "rdpcandidatelist.h"

#include "blanks.h"
#include "listentry.h"
#include "soughttext.h"

#include <cmath>

namespace {

bool passesVendorTest(const CpuRecord &record, Vendor vendor)
{
    static const SoughtText intel(u"Intel");
    static const SoughtText amd(u"AMD");
    switch (vendor) {
    case Vendor::Intel:
        return record.modelContains(intel);
    case Vendor::Amd:
        return record.modelContains(amd);
    case Vendor::Both:
        break;
    }
    return true;
}

} // namespace

double RdpCandidateList::percentage(double score, qint32 required)
{
    return std::trunc(std::trunc(score) / required * 100);
}

std::optional<Candidate> RdpCandidateList::entry(const CpuRecord &record, qint32 required,
                                                 const std::function<Vendor()> &vendor)
{
    if (std::trunc(record.score()) < required)
        return std::nullopt;
    const Vendor chosen = vendor();
    if (!passesVendorTest(record, chosen))
        return std::nullopt;
    const QStringView model = Blanks::trimmed(record.model());
    const double share = percentage(record.score(), required);
    return Candidate{model.toString(), record.score(), share, ListEntry::make(model, chosen == Vendor::Both ? 28 : 24, share)};
}
