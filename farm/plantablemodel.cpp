#include "plantablemodel.h"

#include "decimal.h"
#include "farmreport.h"
#include "farmtexts.h"

PlanTableModel::PlanTableModel(QObject *parent, Language language)
    : QAbstractTableModel(parent)
    , m_language(language)
{ }

void PlanTableModel::setPlans(const FarmPlanning::Result &result)
{
    beginResetModel();
    m_result = result;
    endResetModel();
}

int PlanTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_result.plans.size());
}

int PlanTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant PlanTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_result.plans.size())
        return {};
    const FarmPlanning::Plan &plan = m_result.plans.at(index.row());
    if (role == Qt::UserRole) {
        const QVariant figures[] = {plan.active + m_result.spares, plan.model, plan.perServer, plan.percentage};
        return figures[index.column()];
    }
    if (role == Qt::TextAlignmentRole)
        return int((index.column() == 1 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const QString texts[] = {FarmReport::servers(plan, m_result.spares), plan.model, QString::number(plan.perServer),
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
