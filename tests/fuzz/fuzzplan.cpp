#include "fuzzplan.h"

#include "fuzzsupport.h"
#include "planfile.h"

void Fuzz::checkPlan(const QByteArray &bytes)
{
    const Language language = bytes.size() % 2 ? Language::English : Language::Chinese;
    const auto read = PlanFile::parsed(bytes, QStringLiteral("plan.quarvel"), language);
    if (const auto *refusal = std::get_if<QString>(&read)) {
        FUZZ_REQUIRE(refusal->contains(QStringLiteral("plan.quarvel")));
        return;
    }
    const SitePlan &plan = std::get<SitePlan>(read);
    FUZZ_REQUIRE(!SitePlanLimits::firstProblem(plan, language));
    const auto again = PlanFile::parsed(PlanFile::serialised(plan), QStringLiteral("plan.quarvel"), language);
    FUZZ_REQUIRE(std::holds_alternative<SitePlan>(again) && std::get<SitePlan>(again) == plan);
}
