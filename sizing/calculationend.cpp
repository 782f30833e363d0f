#include "calculationend.h"

#include "cataloguetexts.h"

CalculationEnd CalculationEnds::afterReading(CpuCatalogue::Outcome reading)
{
    switch (reading) {
    case CpuCatalogue::Outcome::Missing:
    case CpuCatalogue::Outcome::Unreadable:
    case CpuCatalogue::Outcome::Complete:
        return CalculationEnd::Done;
    case CpuCatalogue::Outcome::Failed:
        return CalculationEnd::ReadFailed;
    case CpuCatalogue::Outcome::Abandoned:
        break;
    }
    return CalculationEnd::Abandoned;
}

QString CalculationEnds::message(CalculationEnd end, const QString &refusal, Language language)
{
    switch (end) {
    case CalculationEnd::InvalidInput:
        return refusal;
    case CalculationEnd::ReadFailed:
        return CatalogueTexts::readFailed.in(language);
    case CalculationEnd::Done:
    case CalculationEnd::Abandoned:
        break;
    }
    return {};
}
