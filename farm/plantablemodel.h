#pragma once

#include "farmplan.h"

#include <QAbstractTableModel>

// The plans of a farm as a table: servers ("4 + 1"), processor, terminals per server, percentage; in the plans'
// own order, or sorted by a column (the sort is the model's own: a million rows need no proxy between).
class PlanTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    PlanTableModel(QObject *parent, Language language);

    void setPlans(const FarmPlanning::Farm &farm);
    const FarmPlanning::Farm &farm() const { return m_farm; }
    // The place in the plans' order of the plan a row shows.
    qsizetype rankAt(int row) const { return m_rows.isEmpty() ? row : m_rows.at(row); }
    // The row that shows the plan at that place.
    int rowOf(qsizetype rank) const { return int(m_rows.isEmpty() ? rank : m_rows.indexOf(rank)); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // A column below 0 goes back to the plans' order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    Language m_language;
    FarmPlanning::Farm m_farm;
    QList<qsizetype> m_rows; // the rows' places in the plans' order, where sorted by a column
};
