#include "querycommand.h"

#include "answer.h"
#include "capacityquery.h"
#include "clicatalogue.h"
#include "clioptions.h"
#include "output.h"
#include "queryreport.h"

#include <QJsonObject>

ExitStatus QueryCommand::run(const CliOptions &options)
{
    const CapacityQuery::Outcome outcome
        = CapacityQuery::run(options.argument, options.catalogue, options.language, {});
    if (!outcome.done())
        return CliCatalogue::unfinished(outcome.end, outcome.refusal, options.catalogue, options.language);
    CliCatalogue::warnWhenMissing(options.catalogue, options.language);
    return Answer::print(
        options,
        [&] {
            return QueryReport::make(options.argument, outcome.result, options.language, QDateTime::currentDateTime());
        },
        [&] {
            Output::json(QJsonObject{{QStringLiteral("text"), CapacityQuery::text(outcome.result, options.language)}});
        });
}
