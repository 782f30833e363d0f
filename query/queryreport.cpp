#include "queryreport.h"

#include "reporttexts.h"
#include "sizingreport.h"
#include "version.h"

Report QueryReport::make(const QString &typed, const CapacityQuery::Outcome &outcome, Language language,
                         const QDateTime &created)
{
    return {language,
            Version::mainWindowTitle(), // the query window takes the main window's title
            created,
            {ReportSection::Inputs{{{ReportTexts::query.in(language), typed}}},
             SizingReport::catalogueSection(outcome.catalogue), ReportSection::Text{QString(), outcome.text}}};
}
