#include "sizingcommand.h"

#include "answer.h"
#include "clicatalogue.h"
#include "clioptions.h"
#include "minimumsjson.h"
#include "output.h"
#include "rdpreport.h"
#include "vdireport.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

// The candidates' list entries and their facts, written as they are made.
QHash<QString, JsonStream::Array> candidates(const SizingResult &result)
{
    const auto count = result.candidates.size();
    return {{QStringLiteral("candidates"),
             {count, [&result](qsizetype index) { return QJsonValue(result.candidates[index].entry); }}},
            {QStringLiteral("candidateDetails"),
             {count, [&result](qsizetype index) { return MinimumsJson::candidateDetail(result.candidates[index]); }}}};
}

// What the two commands share: the options with the window's defaults, the failures, the plain answer, the CSV
// list and the report file. Each has its own JSON, its object less the candidates.
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
    return Answer::print(
        options,
        [&] {
            return describe({options.argument, level, vendor, options.language, QDateTime::currentDateTime()},
                            outcome.result);
        },
        [&] {
            QJsonObject object = json(outcome.result);
            object.insert(QStringLiteral("candidates"), QJsonArray());
            object.insert(QStringLiteral("candidateDetails"), QJsonArray());
            Output::json(object, candidates(outcome.result));
        });
}

} // namespace

ExitStatus SizingCommand::rdp(const CliOptions &options)
{
    return run(options, TaskLevel::Medium, RdpSizing::calculate, RdpReport::make, [](const RdpSizing::Result &result) {
        QJsonObject object = MinimumsJson::rdp(result);
        object.insert(QStringLiteral("heading"), result.heading);
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
                   return object;
               });
}
