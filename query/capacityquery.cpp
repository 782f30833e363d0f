#include "capacityquery.h"

#include "blanks.h"
#include "capacity.h"
#include "decimal.h"
#include "querytexts.h"
#include "soughttext.h"

#include <QStringList>

namespace {

// One processor's entry: its lines, each closed by CR LF, and an empty line after them.
QString entry(QStringView model, const Capacity &capacity, Language language)
{
    const QLatin1String crLf("\r\n");
    QString text = QueryTexts::model.in(language);
    text += model;
    text += crLf;
    if (capacity.tooLow())
        return text + QueryTexts::performanceTooLow.in(language) + crLf + crLf;
    return text + QueryTexts::terminals.in(language) + QString::number(capacity.terminals) + crLf
        + QueryTexts::memory.in(language) + Decimal::gigabytes(capacity.minimums.memory) + crLf
        + QueryTexts::ssd.in(language) + Decimal::gigabytes(capacity.minimums.ssd) + crLf + QueryTexts::hdd.in(language)
        + Decimal::gigabytes(capacity.minimums.hdd) + crLf + QueryTexts::network.in(language)
        + Decimal::megabits(capacity.minimums.network) + crLf + crLf;
}

} // namespace

CapacityQuery::Outcome CapacityQuery::run(const QString &typed, const QString &catalogue, Language language,
                                          const Progress &progress)
{
    if (typed.size() < minimumLength)
        return {Status::TooShort, {}, {}, {}};
    if (progress.cleared)
        progress.cleared();

    const SoughtText sought(Blanks::trimmed(typed));
    QStringList entries; // oldest first; joined once at the end, so a long answer costs no more than its size
    std::optional<Example> example;
    const auto onRecord = [&](const CpuRecord &record) {
        // Case-sensitive, code unit by code unit, anywhere in the model text; an empty sought text matches
        // every model text that is not empty.
        if (sought.isEmpty() ? record.modelIsEmpty() : !record.modelContains(sought))
            return;
        const auto capacity = Capacity::of(record.score());
        if (!capacity)
            return;
        entries << entry(record.model(), *capacity, language);
        if (!capacity->tooLow())
            example = Example{record.model().toString(), record.score(), *capacity};
        if (progress.entry)
            progress.entry(entries.constLast());
    };
    CpuCatalogue::Facts facts;
    switch (CpuCatalogue::read(catalogue, onRecord, progress.pump, &facts)) {
    case CpuCatalogue::Outcome::Abandoned:
        return {Status::Abandoned, {}, {}, {}};
    case CpuCatalogue::Outcome::Failed:
        return {Status::ReadFailed, {}, {}, {}};
    default:
        break;
    }

    QString text;
    qsizetype size = 0;
    for (const QString &entry : entries)
        size += entry.size();
    text.reserve(size);
    for (auto entry = entries.crbegin(); entry != entries.crend(); ++entry)
        text += *entry;
    return {Status::Done, text, facts, example};
}
