#include "plantablemodel.h"

#include "decimal.h"
#include "farmreport.h"
#include "farmtexts.h"

#include <algorithm>
#include <numeric>

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
    return parent.isValid() ? 0 : 4;
}

QVariant PlanTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_farm.count())
        return {};
    const FarmPlanning::Plan &plan = m_farm.plan(rankAt(index.row()));
    if (role == Qt::TextAlignmentRole)
        return int((index.column() == 1 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const qint64 perServer = FarmReport::terminalsPerServer(m_farm, plan);
    const QString texts[] = {FarmReport::servers(m_farm, plan), plan.model, QString::number(perServer),
                             Decimal::whole(plan.percentage) + u'%'};
    return texts[index.column()];
}

QVariant PlanTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 3)
        return {};
    const Bilingual *const headings[]
        = {&FarmTexts::servers, &FarmTexts::processor, &FarmTexts::perServer, &FarmTexts::percentage};
    return headings[section]->in(m_language);
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
        const auto key = [this, column](qsizetype rank) {
            const FarmPlanning::Plan &plan = m_farm.plan(rank);
            return column == 0 ? double(plan.active)
                : column == 2  ? double(FarmReport::terminalsPerServer(m_farm, plan))
                               : plan.percentage;
        };
        const auto less = [&](qsizetype one, qsizetype other) {
            return column == 1 ? m_farm.plan(one).model < m_farm.plan(other).model : key(one) < key(other);
        };
        std::stable_sort(m_rows.begin(), m_rows.end(), [&](qsizetype one, qsizetype other) {
            return order == Qt::AscendingOrder ? less(one, other) : less(other, one);
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
