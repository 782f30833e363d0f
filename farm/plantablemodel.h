#pragma once

#include "farmplan.h"

#include <QAbstractTableModel>

// The plans of a farm as a table: servers ("4 + 1"), processor, terminals per server, percentage. Each cell
// gives its figure for sorting (Qt::UserRole).
class PlanTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    PlanTableModel(QObject *parent, Language language);

    void setPlans(const FarmPlanning::Result &result);
    const FarmPlanning::Result &result() const { return m_result; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    Language m_language;
    FarmPlanning::Result m_result;
};
