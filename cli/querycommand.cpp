#include "querycommand.h"

#include "capacityquery.h"
#include "clicatalogue.h"
#include "clioptions.h"
#include "output.h"
#include "plaintextemitter.h"
#include "queryreport.h"
#include "reportfile.h"

#include <QJsonObject>

ExitStatus QueryCommand::run(const CliOptions &options)
{
    const CapacityQuery::Outcome outcome
        = CapacityQuery::run(options.argument, options.catalogue, options.language, {});
    if (!outcome.done())
        return CliCatalogue::unfinished(outcome.end, outcome.refusal, options.catalogue, options.language);
    CliCatalogue::warnWhenMissing(options.catalogue, options.language);
    const Report report
        = QueryReport::make(options.argument, outcome.result, options.language, QDateTime::currentDateTime());
    if (options.json) {
        Output::json(QJsonObject{{QStringLiteral("text"), CapacityQuery::text(outcome.result, options.language)}});
    } else {
        const auto scope = options.explain ? ReportWalker::Scope::Explained : ReportWalker::Scope::Answer;
        for (const QString &line : PlainTextEmitter::lines(report, scope))
            Output::line(line);
    }
    return ReportFile::write(options, report);
}
