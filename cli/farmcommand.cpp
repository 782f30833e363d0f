#include "farmcommand.h"

#include "clicatalogue.h"
#include "clioptions.h"
#include "csvemitter.h"
#include "farmreport.h"
#include "farmtexts.h"
#include "minimumsjson.h"
#include "output.h"
#include "plaintextemitter.h"
#include "rdpsizing.h"
#include "reportfile.h"
#include "sizingtexts.h"
#include "vdisizing.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

// A plan as the JSON gives it: its figures, and what one server must have under the keys of rdp and vdi.
QJsonObject planObject(const FarmPlanning::Plan &plan, const FarmPlanning::Result &result, FarmPlanning::Kind kind,
                       Language language)
{
    const SizingResult answer = FarmPlanning::perServer(kind, plan, result.level);
    QJsonObject object = kind == FarmPlanning::Kind::Vdi ? MinimumsJson::vdi(VdiSizing::completed(answer, language))
                                                         : MinimumsJson::rdp(RdpSizing::completed(answer, language));
    object.insert(QStringLiteral("model"), plan.model);
    object.insert(QStringLiteral("score"), plan.score);
    object.insert(QStringLiteral("servers"), plan.active + result.spares);
    object.insert(QStringLiteral("active"), plan.active);
    object.insert(QStringLiteral("spare"), result.spares);
    object.insert(QStringLiteral("perServer"), plan.perServer);
    object.insert(QStringLiteral("percentage"), plan.percentage);
    return object;
}

} // namespace

ExitStatus FarmCommand::run(const CliOptions &options)
{
    const FarmPlanning::Kind kind = options.kind.value_or(FarmPlanning::Kind::Rdp);
    const TaskLevel level = options.level.value_or(TaskLevel::Medium);
    const Vendor vendor = options.vendor.value_or(Vendor::Intel);
    const FarmPlanning::Outcome outcome
        = FarmPlanning::plan({kind, options.argument, level, vendor, options.concurrency, options.spares,
                              options.catalogue, options.language},
                             {});
    switch (outcome.status) {
    case FarmPlanning::Status::ReadFailed:
        return CliCatalogue::reportReadFailure(options.catalogue, options.language);
    case FarmPlanning::Status::InvalidCount:
        Output::error(SizingTexts::invalidCount.in(options.language));
        return ExitStatus::Usage;
    case FarmPlanning::Status::InvalidSettings:
    case FarmPlanning::Status::Abandoned:
        Output::error(FarmTexts::invalidSettings.in(options.language));
        return ExitStatus::Usage;
    case FarmPlanning::Status::Done:
        break;
    }
    CliCatalogue::warnWhenMissing(options.catalogue, options.language);
    const FarmPlanning::Result &result = outcome.result;
    const Report report = FarmReport::make(
        {kind, options.argument, level, vendor, options.language, QDateTime::currentDateTime()}, result, 0);
    if (options.csv) {
        Output::text(CsvEmitter::csv(report));
    } else if (options.json) {
        QJsonArray plans;
        for (qsizetype rank = 0; rank < result.count(); ++rank)
            plans << planObject(result.plan(rank), result, kind, options.language);
        Output::json(QJsonObject{{QStringLiteral("heading"), result.heading}, {QStringLiteral("plans"), plans}});
    } else {
        const auto scope = options.explain ? ReportWalker::Scope::Explained : ReportWalker::Scope::Answer;
        for (const QString &line : PlainTextEmitter::lines(report, scope))
            Output::line(line);
    }
    return ReportFile::write(options, report);
}
