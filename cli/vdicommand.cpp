#include "vdicommand.h"

#include "clioptions.h"
#include "clitexts.h"
#include "output.h"
#include "reportfile.h"
#include "reportformat.h"
#include "reports.h"
#include "reporttexts.h"
#include "terminalcount.h"
#include "vdisizing.h"

#include <QJsonArray>
#include <QJsonObject>

int VdiCommand::run(const CliOptions &options)
{
    // As the VDI window opens: light tasks, Intel.
    const TaskLevel level = options.level.value_or(TaskLevel::Light);
    const Vendor vendor = options.vendor.value_or(Vendor::Intel);
    const VdiSizing::Outcome outcome = VdiSizing::calculate(
        {options.argument, [level] { return level; }, [vendor] { return vendor; }, options.catalogue, options.language},
        {});
    if (outcome.status == VdiSizing::Status::ReadFailed)
        return CliTexts::readFailed(options.catalogue, options.language);
    if (outcome.status != VdiSizing::Status::Done) {
        Output::error(TerminalCount::invalidMessage.in(options.language));
        return 2;
    }
    CliTexts::warnAboutCatalogue(options.catalogue, options.language);
    const VdiSizing::Result &result = outcome.result;
    if (options.csv) {
        Output::text(ReportFormat::csv(result.candidates, options.language));
    } else if (options.json) {
        QJsonArray candidates;
        for (const Candidate &candidate : result.candidates)
            candidates << candidate.entry;
        Output::json(QJsonObject{{QStringLiteral("heading"), result.heading},
                                 {QStringLiteral("candidates"), candidates},
                                 {QStringLiteral("text"), result.text}});
    } else {
        Output::line(result.heading);
        if (result.candidates.isEmpty())
            Output::line(QStringLiteral("  ") + ReportTexts::none.in(options.language));
        for (const Candidate &candidate : result.candidates)
            Output::line(QStringLiteral("  ") + candidate.entry);
        Output::line(QString(result.text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    }
    return ReportFile::write(
        options, Reports::vdi({options.argument, level, vendor, options.language, QDateTime::currentDateTime()}, result));
}
