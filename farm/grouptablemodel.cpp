#include "grouptablemodel.h"

#include "farmtexts.h"
#include "planreport.h"
#include "planwindowtexts.h"
#include "reporttexts.h"
#include "terminalcount.h"

#include <algorithm>

GroupTableModel::GroupTableModel(QObject *parent, Language language)
    : QAbstractTableModel(parent)
    , m_language(language)
{ }

void GroupTableModel::setGroups(const QList<SitePlan::Group> &groups)
{
    beginResetModel();
    m_rows.clear();
    for (const SitePlan::Group &group : groups)
        m_rows.append({group.name, group.kind, group.level, QString::number(group.terminals), group.concurrency});
    endResetModel();
}

void GroupTableModel::insertGroup(int row, const Row &group)
{
    beginInsertRows({}, row, row);
    m_rows.insert(row, group);
    endInsertRows();
}

QList<SitePlan::Group> GroupTableModel::groups() const
{
    QList<SitePlan::Group> groups;
    for (const Row &row : m_rows) {
        // Beyond what any limit takes, a count is held at a value that each limit refuses.
        const double count = TerminalCount::parse(row.terminals).value_or(0);
        groups.append({row.name, row.kind, row.level, qint64(std::min(count, 4e18)), row.concurrency});
    }
    return groups;
}

int GroupTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int GroupTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant GroupTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &row = m_rows[index.row()];
    if (role == Qt::TextAlignmentRole)
        return int((index.column() >= Terminals ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const bool edit = role == Qt::EditRole;
    switch (index.column()) {
    case Name:
        return row.name;
    case Kind:
        return edit ? QVariant(int(row.kind)) : FarmTexts::kinds[int(row.kind)].in(m_language);
    case Level:
        return edit ? QVariant(int(row.level))
                    : PlanReport::levelName({row.name, row.kind, row.level, 0, row.concurrency}, m_language);
    case Terminals:
        return row.terminals;
    default:
        break;
    }
    return edit ? QVariant(row.concurrency) : QString::number(row.concurrency) + u'%';
}

QVariant GroupTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0 || section >= Columns)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    const Bilingual *const headings[] = {&FarmTexts::name, &FarmTexts::kind, &ReportTexts::level,
                                         &ReportTexts::terminals, &PlanWindowTexts::concurrencyHeading};
    return headings[section]->in(m_language);
}

Qt::ItemFlags GroupTableModel::flags(const QModelIndex &index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool GroupTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.row() >= m_rows.size())
        return false;
    Row &row = m_rows[index.row()];
    const Row before = row;
    switch (index.column()) {
    case Name:
        row.name = value.toString().left(SitePlanLimits::longestName);
        break;
    case Kind:
        row.kind = SitePlan::Kind(std::clamp(value.toInt(), 0, 1));
        break;
    case Level:
        row.level = TaskLevel(std::clamp(value.toInt(), 0, 2));
        break;
    case Terminals:
        row.terminals = value.toString();
        break;
    default:
        row.concurrency = int(
            std::clamp<qint64>(value.toInt(), SitePlanLimits::concurrency.least, SitePlanLimits::concurrency.most));
        break;
    }
    if (row.name == before.name && row.kind == before.kind && row.level == before.level
        && row.terminals == before.terminals && row.concurrency == before.concurrency)
        return true;
    // A group of the other kind names its level in that kind's words.
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), Columns - 1));
    return true;
}

bool GroupTableModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count <= 0 || row + count > m_rows.size())
        return false;
    beginRemoveRows({}, row, row + count - 1);
    m_rows.remove(row, count);
    endRemoveRows();
    return true;
}
