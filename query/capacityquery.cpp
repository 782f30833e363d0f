#include "capacityquery.h"

#include "blanks.h"
#include "decimal.h"
#include "querytexts.h"
#include "soughttext.h"

QString CapacityQuery::entry(const Match &match, Language language)
{
    const QLatin1String crLf("\r\n");
    const Capacity &capacity = match.capacity;
    const auto line = [&](const Bilingual &caption, const Bilingual &separator, const QString &value) {
        return caption.in(language) + separator.in(language) + value + crLf;
    };
    const QString text = line(QueryTexts::model, QueryTexts::separator, match.model);
    if (capacity.tooLow())
        return text + QueryTexts::performanceTooLow.in(language) + crLf + crLf;
    const Bilingual &tight = QueryTexts::minimumSeparator;
    return text + line(QueryTexts::terminals, QueryTexts::separator, QString::number(capacity.terminals))
        + line(QueryTexts::memory, tight, Decimal::gigabytes(capacity.minimums.memory))
        + line(QueryTexts::ssd, tight, Decimal::gigabytes(capacity.minimums.ssd))
        + line(QueryTexts::hdd, tight, Decimal::gigabytes(capacity.minimums.hdd))
        + line(QueryTexts::network, tight, Decimal::megabits(capacity.minimums.network)) + crLf;
}

QString CapacityQuery::text(const Answer &answer, Language language)
{
    QString text;
    for (auto match = answer.matches.crbegin(); match != answer.matches.crend(); ++match)
        text += entry(*match, language);
    return text;
}

CapacityQuery::Outcome CapacityQuery::run(const QString &typed, const QString &catalogue, Language language,
                                          const Progress &progress)
{
    if (typed.size() < minimumLength)
        return Outcome::refused(QueryTexts::tooShort.in(language));
    if (progress.cleared)
        progress.cleared();

    const SoughtText sought(Blanks::trimmed(typed));
    Answer answer;
    const auto onRecord = [&](const CpuRecord &record) {
        // Case-sensitive, code unit by code unit, anywhere in the model text; an empty sought text matches
        // every model text that is not empty.
        if (sought.isEmpty() ? record.modelIsEmpty() : !record.modelContains(sought))
            return;
        const auto capacity = Capacity::of(record.score());
        if (!capacity)
            return;
        answer.matches.append({record.model().toString(), record.score(), *capacity});
        if (progress.entry)
            progress.entry(entry(answer.matches.constLast(), language));
    };
    const CalculationEnd end
        = CalculationEnds::afterReading(CpuCatalogue::read(catalogue, onRecord, progress.pump, &answer.catalogue));
    if (end != CalculationEnd::Done)
        return Outcome::ended(end);
    return {CalculationEnd::Done, {}, std::move(answer)};
}
