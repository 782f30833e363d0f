#include "sizingcommand.h"

#include "clioptions.h"
#include "clitexts.h"
#include "output.h"
#include "rdpsizing.h"
#include "reportfile.h"
#include "reportformat.h"
#include "reports.h"
#include "reporttexts.h"
#include "terminalcount.h"
#include "vdisizing.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

// What the two commands share: the options with the window's defaults, the failures, the CSV list and the
// report file. Each writes its own text and JSON.
template <class Outcome, class Calculate, class Describe, class Write>
int run(const CliOptions &options, TaskLevel defaultLevel, Calculate calculate, Describe describe, Write write)
{
    const TaskLevel level = options.level.value_or(defaultLevel);
    const Vendor vendor = options.vendor.value_or(Vendor::Intel);
    const Outcome outcome = calculate(SizingRequest{options.argument, [level] { return level; },
                                                    [vendor] { return vendor; }, options.catalogue, options.language},
                                      SizingProgress{});
    if (outcome.status == SizingStatus::ReadFailed)
        return CliTexts::readFailed(options.catalogue, options.language);
    if (outcome.status != SizingStatus::Done) {
        Output::error(TerminalCount::invalidMessage.in(options.language));
        return 2;
    }
    CliTexts::warnAboutCatalogue(options.catalogue, options.language);
    const Report report = describe(
        Reports::SizingInputs{options.argument, level, vendor, options.language, QDateTime::currentDateTime()},
        outcome.result);
    if (options.csv) {
        Output::text(ReportFormat::csv(outcome.result.candidates, options.language));
    } else {
        QJsonArray candidates;
        for (const Candidate &candidate : outcome.result.candidates)
            candidates << candidate.entry;
        write(outcome.result, report, candidates);
    }
    return ReportFile::write(options, report);
}

} // namespace

int SizingCommand::rdp(const CliOptions &options)
{
    return run<RdpSizing::Outcome>(
        options, TaskLevel::Medium, RdpSizing::calculate, Reports::rdp,
        [&](const RdpSizing::Result &result, const Report &report, const QJsonArray &candidates) {
            if (!options.json) {
                for (const QString &line : ReportFormat::resultLines(report))
                    Output::line(line);
                return;
            }
            Output::json(QJsonObject{{QStringLiteral("heading"), result.heading},
                                     {QStringLiteral("candidates"), candidates},
                                     {QStringLiteral("memory"), result.memory},
                                     {QStringLiteral("ssd"), result.ssd},
                                     {QStringLiteral("hdd"), result.hdd},
                                     {QStringLiteral("network"), result.network},
                                     {QStringLiteral("graphics"), result.graphics},
                                     {QStringLiteral("system"), result.system}});
        });
}

int SizingCommand::vdi(const CliOptions &options)
{
    // As the VDI window opens: light tasks, Intel.
    return run<VdiSizing::Outcome>(options, TaskLevel::Light, VdiSizing::calculate, Reports::vdi,
                                   [&](const VdiSizing::Result &result, const Report &, const QJsonArray &candidates) {
                                       if (options.json) {
                                           Output::json(QJsonObject{{QStringLiteral("heading"), result.heading},
                                                                    {QStringLiteral("candidates"), candidates},
                                                                    {QStringLiteral("text"), result.text}});
                                           return;
                                       }
                                       Output::line(result.heading);
                                       if (result.candidates.isEmpty())
                                           Output::line(QStringLiteral("  ") + ReportTexts::none.in(options.language));
                                       for (const Candidate &candidate : result.candidates)
                                           Output::line(QStringLiteral("  ") + candidate.entry);
                                       Output::line(
                                           QString(result.text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
                                   });
}
