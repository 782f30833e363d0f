#include "rdpcandidatelist.h"

#include "blanks.h"
#include "decimal.h"

#include <cmath>

namespace {

bool passesVendorTest(QStringView model, Vendor vendor)
{
    switch (vendor) {
    case Vendor::Intel:
        return model.contains(u"Intel");
    case Vendor::Amd:
        return model.contains(u"AMD");
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

std::optional<QString> RdpCandidateList::entry(const CpuRecord &record, qint32 required,
                                               const std::function<Vendor()> &vendor)
{
    if (std::trunc(record.score) < required)
        return std::nullopt;
    const Vendor chosen = vendor();
    if (!passesVendorTest(record.model, chosen))
        return std::nullopt;
    const qsizetype gap = chosen == Vendor::Both ? 28 : 24;
    return Blanks::trimmed(record.model).toString() + QString(gap, u' ')
        + Decimal::whole(percentage(record.score, required)) + u'%';
}
