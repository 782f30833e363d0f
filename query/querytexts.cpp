#include "querytexts.h"

#include "capacity.h"
#include "decimal.h"

QString QueryTexts::entry(QStringView model, const Capacity &capacity, Language language)
{
    const QLatin1String crLf("\r\n");
    QString text = QueryTexts::model.in(language);
    text += model;
    text += crLf;
    if (capacity.tooLow())
        return text + performanceTooLow.in(language) + crLf + crLf;
    return text + terminals.in(language) + QString::number(capacity.terminals) + crLf + memory.in(language)
        + Decimal::gigabytes(capacity.minimums.memory) + crLf + ssd.in(language)
        + Decimal::gigabytes(capacity.minimums.ssd) + crLf + hdd.in(language)
        + Decimal::gigabytes(capacity.minimums.hdd) + crLf + network.in(language)
        + Decimal::megabits(capacity.minimums.network) + crLf + crLf;
}
