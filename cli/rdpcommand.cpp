#include "rdpcommand.h"

#include "clioptions.h"
#include "clitexts.h"
#include "output.h"
#include "rdpcalculation.h"
#include "reportfile.h"
#include "reportformat.h"
#include "reports.h"
#include "terminalcount.h"

#include <QJsonArray>
#include <QJsonObject>

int RdpCommand::run(const CliOptions &options)
{
    const TaskLevel level = options.level.value_or(TaskLevel::Medium);
    const Vendor vendor = options.vendor.value_or(Vendor::Intel);
    const RdpCalculation::Outcome outcome = RdpCalculation::calculate(
        {options.argument, [level] { return level; }, [vendor] { return vendor; }, options.catalogue, options.language},
        {});
    if (outcome.status == RdpCalculation::Status::ReadFailed)
        return CliTexts::readFailed(options.catalogue, options.language);
    if (outcome.status != RdpCalculation::Status::Done) {
        Output::error(TerminalCount::invalidMessage.in(options.language));
        return 2;
    }
    CliTexts::warnAboutCatalogue(options.catalogue, options.language);
    const RdpCalculation::Result &result = outcome.result;
    const Report report = Reports::rdp({options.argument, level, vendor, options.language, QDateTime::currentDateTime()},
                                       result);
    if (options.csv) {
        Output::text(ReportFormat::csv(result.candidates, options.language));
    } else if (options.json) {
        QJsonArray candidates;
        for (const Candidate &candidate : result.candidates)
            candidates << candidate.entry;
        Output::json(QJsonObject{{QStringLiteral("heading"), result.heading},
                                 {QStringLiteral("candidates"), candidates},
                                 {QStringLiteral("memory"), result.memory},
                                 {QStringLiteral("ssd"), result.ssd},
                                 {QStringLiteral("hdd"), result.hdd},
                                 {QStringLiteral("network"), result.network},
                                 {QStringLiteral("graphics"), result.graphics},
                                 {QStringLiteral("system"), result.system}});
    } else {
        for (const QString &line : ReportFormat::resultLines(report))
            Output::line(line);
    }
    return ReportFile::write(options, report);
}
