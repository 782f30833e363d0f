#include "rdpcommand.h"

#include "clioptions.h"
#include "clitexts.h"
#include "cpucatalogue.h"
#include "form1texts.h"
#include "output.h"
#include "rdpcalculation.h"
#include "terminalcount.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

namespace {

void report(const RdpCalculation::Result &result, const QStringList &candidates, Language language)
{
    const QString separator = CliTexts::rowSeparator.in(language);
    const auto row = [&](const char *name, const QString &value) {
        Output::line(Form1Texts::caption(name, language) + separator + value);
    };
    Output::line(result.heading);
    Output::line(Form1Texts::caption("Label3", language) + separator.trimmed());
    if (candidates.isEmpty())
        Output::line(QStringLiteral("  ") + CliTexts::noCandidate.in(language));
    for (const QString &candidate : candidates)
        Output::line(QStringLiteral("  ") + candidate);
    row("Label4", result.memory);
    row("Label5", result.ssd);
    row("Label6", result.hdd);
    row("Label7", result.network);
    row("Label8", result.graphics);
    row("Label18", result.system);
}

void reportJson(const RdpCalculation::Result &result, const QStringList &candidates)
{
    Output::json(QJsonObject{{QStringLiteral("heading"), result.heading},
                             {QStringLiteral("candidates"), QJsonArray::fromStringList(candidates)},
                             {QStringLiteral("memory"), result.memory},
                             {QStringLiteral("ssd"), result.ssd},
                             {QStringLiteral("hdd"), result.hdd},
                             {QStringLiteral("network"), result.network},
                             {QStringLiteral("graphics"), result.graphics},
                             {QStringLiteral("system"), result.system}});
}

} // namespace

int RdpCommand::run(const CliOptions &options)
{
    const TaskLevel level = options.level.value_or(TaskLevel::Medium);
    const Vendor vendor = options.vendor.value_or(Vendor::Intel);
    QStringList candidates;
    RdpCalculation::Progress progress;
    progress.candidate = [&](const QString &entry) { candidates << entry; };
    const RdpCalculation::Outcome outcome = RdpCalculation::calculate(
        {options.argument, [level] { return level; }, [vendor] { return vendor; }, options.catalogue, options.language},
        progress);
    if (outcome.status == RdpCalculation::Status::ReadFailed)
        return CliTexts::readFailed(options.catalogue, options.language);
    if (outcome.status != RdpCalculation::Status::Done) {
        Output::error(TerminalCount::invalidMessage.in(options.language));
        return 2;
    }
    CliTexts::warnAboutCatalogue(options.catalogue, options.language);
    if (options.json)
        reportJson(outcome.result, candidates);
    else
        report(outcome.result, candidates, options.language);
    return 0;
}
