#include "querycommand.h"

#include "capacityquery.h"
#include "clioptions.h"
#include "clitexts.h"
#include "output.h"
#include "querytexts.h"
#include "reportfile.h"
#include "reports.h"

#include <QJsonObject>

int QueryCommand::run(const CliOptions &options)
{
    const CapacityQuery::Outcome outcome
        = CapacityQuery::run(options.argument, options.catalogue, options.language, {});
    if (outcome.status == CapacityQuery::Status::ReadFailed)
        return CliTexts::readFailed(options.catalogue, options.language);
    if (outcome.status != CapacityQuery::Status::Done) {
        Output::error(QueryTexts::tooShort.in(options.language));
        return 2;
    }
    CliTexts::warnAboutCatalogue(options.catalogue, options.language);
    if (options.json)
        Output::json(QJsonObject{{QStringLiteral("text"), outcome.text}});
    else
        Output::text(outcome.text);
    return ReportFile::write(options,
                             Reports::query(options.argument, outcome, options.language, QDateTime::currentDateTime()));
}
