#include "sizingcommand.h"

#include "clicatalogue.h"
#include "clioptions.h"
#include "csvemitter.h"
#include "minimumsjson.h"
#include "output.h"
#include "plaintextemitter.h"
#include "rdpreport.h"
#include "reportfile.h"
#include "vdireport.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

QJsonArray entries(const SizingResult &result)
{
    QJsonArray candidates;
    for (const Candidate &candidate : result.candidates)
        candidates << candidate.entry;
    return candidates;
}

// What the two commands share: the options with the window's defaults, the failures, the plain answer, the CSV
// list and the report file. Each has its own JSON.
template <class Calculate, class Describe, class Json>
ExitStatus run(const CliOptions &options, TaskLevel defaultLevel, Calculate calculate, Describe describe, Json json)
{
    const TaskLevel level = options.level.value_or(defaultLevel);
    const Vendor vendor = options.vendor.value_or(Vendor::Intel);
    const auto outcome = calculate(SizingRequest{options.argument, [level] { return level; },
                                                 [vendor] { return vendor; }, options.catalogue, options.language},
                                   SizingProgress{});
    if (!outcome.done())
        return CliCatalogue::unfinished(outcome.end, outcome.refusal, options.catalogue, options.language);
    CliCatalogue::warnWhenMissing(options.catalogue, options.language);
    const Report report
        = describe({options.argument, level, vendor, options.language, QDateTime::currentDateTime()}, outcome.result);
    if (options.csv) {
        Output::text(CsvEmitter::csv(report));
    } else if (options.json) {
        Output::json(json(outcome.result));
    } else {
        const auto scope = options.explain ? ReportWalker::Scope::Explained : ReportWalker::Scope::Answer;
        for (const QString &line : PlainTextEmitter::lines(report, scope))
            Output::line(line);
    }
    return ReportFile::write(options, report);
}

} // namespace

ExitStatus SizingCommand::rdp(const CliOptions &options)
{
    return run(options, TaskLevel::Medium, RdpSizing::calculate, RdpReport::make, [](const RdpSizing::Result &result) {
        QJsonObject object = MinimumsJson::rdp(result);
        object.insert(QStringLiteral("heading"), result.heading);
        object.insert(QStringLiteral("candidates"), entries(result));
        object.insert(QStringLiteral("candidateDetails"), MinimumsJson::candidateDetails(result));
        return object;
    });
}

ExitStatus SizingCommand::vdi(const CliOptions &options)
{
    // As the VDI window opens: light tasks, Intel.
    const Language language = options.language;
    return run(options, TaskLevel::Light, VdiSizing::calculate, VdiReport::make,
               [language](const VdiSizing::Result &result) {
                   QJsonObject object = MinimumsJson::vdi(result, language);
                   object.insert(QStringLiteral("heading"), result.heading);
                   object.insert(QStringLiteral("candidates"), entries(result));
                   object.insert(QStringLiteral("candidateDetails"), MinimumsJson::candidateDetails(result));
                   return object;
               });
}
