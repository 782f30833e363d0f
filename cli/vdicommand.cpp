#include "vdicommand.h"

#include "clioptions.h"
#include "clitexts.h"
#include "output.h"
#include "terminalcount.h"
#include "vdisizing.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

int VdiCommand::run(const CliOptions &options)
{
    // As the VDI window opens: light tasks, Intel.
    const TaskLevel level = options.level.value_or(TaskLevel::Light);
    const Vendor vendor = options.vendor.value_or(Vendor::Intel);
    QStringList candidates;
    VdiSizing::Progress progress;
    progress.candidate = [&](const QString &entry) { candidates << entry; };
    const VdiSizing::Outcome outcome = VdiSizing::calculate(
        {options.argument, [level] { return level; }, [vendor] { return vendor; }, options.catalogue, options.language},
        progress);
    if (outcome.status == VdiSizing::Status::ReadFailed)
        return CliTexts::readFailed(options.catalogue, options.language);
    if (outcome.status != VdiSizing::Status::Done) {
        Output::error(TerminalCount::invalidMessage.in(options.language));
        return 2;
    }
    CliTexts::warnAboutCatalogue(options.catalogue, options.language);
    if (options.json) {
        Output::json(QJsonObject{{QStringLiteral("heading"), outcome.result.heading},
                                 {QStringLiteral("candidates"), QJsonArray::fromStringList(candidates)},
                                 {QStringLiteral("text"), outcome.result.text}});
        return 0;
    }
    Output::line(outcome.result.heading);
    if (candidates.isEmpty())
        Output::line(QStringLiteral("  ") + CliTexts::noCandidate.in(options.language));
    for (const QString &candidate : candidates)
        Output::line(QStringLiteral("  ") + candidate);
    Output::line(QString(outcome.result.text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    return 0;
}
