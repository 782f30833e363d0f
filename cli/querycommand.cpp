#include "querycommand.h"

#include "capacityquery.h"
#include "clicatalogue.h"
#include "clioptions.h"
#include "output.h"
#include "plaintextemitter.h"
#include "queryreport.h"
#include "querytexts.h"
#include "reportfile.h"

#include <QJsonObject>

ExitStatus QueryCommand::run(const CliOptions &options)
{
    const CapacityQuery::Outcome outcome
        = CapacityQuery::run(options.argument, options.catalogue, options.language, {});
    if (outcome.status == CapacityQuery::Status::ReadFailed)
        return CliCatalogue::reportReadFailure(options.catalogue, options.language);
    if (outcome.status != CapacityQuery::Status::Done) {
        Output::error(QueryTexts::tooShort.in(options.language));
        return ExitStatus::Usage;
    }
    CliCatalogue::warnWhenMissing(options.catalogue, options.language);
    const Report report = QueryReport::make(options.argument, outcome, options.language, QDateTime::currentDateTime());
    if (options.json) {
        Output::json(QJsonObject{{QStringLiteral("text"), outcome.text}});
    } else {
        const auto scope = options.explain ? ReportWalker::Scope::Explained : ReportWalker::Scope::Answer;
        for (const QString &line : PlainTextEmitter::lines(report, scope))
            Output::line(line);
    }
    return ReportFile::write(options, report);
}
