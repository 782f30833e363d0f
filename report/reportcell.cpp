#include "reportcell.h"

#include "decimal.h"

ReportCell ReportCell::number(double value, const QString &unit)
{
    ReportCell cell(unit.isEmpty() ? Decimal::whole(value) : Decimal::whole(value) + u' ' + unit);
    cell.kind = Kind::Number;
    cell.value = value;
    cell.unit = unit;
    return cell;
}

ReportCell ReportCell::percentage(double value)
{
    ReportCell cell(Decimal::whole(value) + u'%');
    cell.kind = Kind::Percentage;
    cell.value = value;
    return cell;
}
