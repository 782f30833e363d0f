#include "plantablemodel.h"

#include "decimal.h"
#include "farmreport.h"
#include "farmtexts.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

PlanTableModel::PlanTableModel(QObject *parent, Language language)
    : QAbstractTableModel(parent)
    , m_language(language)
{ }

void PlanTableModel::setPlans(const FarmPlanning::Farm &farm)
{
    beginResetModel();
    m_farm = farm;
    m_rows.clear();
    endResetModel();
}

int PlanTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_farm.count());
}

int PlanTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(FarmReport::headings(m_language).size());
}

QVariant PlanTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_farm.count())
        return {};
    if (role != Qt::TextAlignmentRole && role != Qt::DisplayRole)
        return {};
    const ReportCell cell = FarmReport::row(m_farm, m_farm.plan(rankAt(index.row())), m_language).value(index.column());
    if (role == Qt::TextAlignmentRole)
        return int((index.column() == 1 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    return cell.text;
}

QVariant PlanTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return FarmReport::headings(m_language).value(section);
}

void PlanTableModel::sort(int column, Qt::SortOrder order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<qsizetype> ranks;
    for (const QModelIndex &index : before)
        ranks << rankAt(index.row());
    m_rows.clear();
    if (column >= 0) {
        m_rows.resize(m_farm.count());
        std::iota(m_rows.begin(), m_rows.end(), 0);
        // By the column's figure (the servers by those at work; sockets × cores by the cores), unknown ones
        // last; the processors by their model texts.
        std::vector<double> keys(size_t(m_farm.count()));
        for (qsizetype rank = 0; rank < m_farm.count(); ++rank) {
            const FarmPlanning::Plan &plan = m_farm.plan(rank);
            const ReportCell cell = FarmReport::row(m_farm, plan, m_language).value(column);
            const auto cores = plan.facts.coresPerServer();
            keys[size_t(rank)] = column == 0 ? double(plan.active)
                : column == 4                ? (cores ? double(*cores) : qInf())
                : cell.isFigure()            ? cell.value
                                             : qInf();
        }
        const auto less = [&](qsizetype one, qsizetype other) {
            if (column == 1)
                return m_farm.plan(one).model < m_farm.plan(other).model;
            const double first = keys[size_t(one)];
            const double second = keys[size_t(other)];
            // Unknown figures go last whichever way the column sorts.
            return std::isinf(first) || std::isinf(second)
                ? std::isinf(second) && !std::isinf(first)
                : (order == Qt::AscendingOrder ? first < second : second < first);
        };
        std::stable_sort(m_rows.begin(), m_rows.end(), [&](qsizetype one, qsizetype other) {
            return column == 1 && order == Qt::DescendingOrder ? less(other, one) : less(one, other);
        });
    }
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i) {
        const qsizetype row = m_rows.isEmpty() ? ranks[i] : m_rows.indexOf(ranks[i]);
        after << index(int(row), before[i].column());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
