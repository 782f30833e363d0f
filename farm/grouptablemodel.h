#pragma once

#include "siteplan.h"

#include <QAbstractTableModel>

// A plan's user groups as a table the user edits in place: name, kind, task level, terminals, concurrency. The
// terminals are kept as typed (an empty cell is no count yet) and become a count when the plan is made.
class GroupTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Name, Kind, Level, Terminals, Concurrency, Columns };

    struct Row {
        QString name;
        SitePlan::Kind kind = SitePlan::Kind::Rdp;
        TaskLevel level = TaskLevel::Medium;
        QString terminals;
        int concurrency = 100;
    };

    GroupTableModel(QObject *parent, Language language);

    void setGroups(const QList<SitePlan::Group> &groups);
    void insertGroup(int row, const Row &group);
    // The groups as the plan takes them: a count the count boxes would not take is none (which the plan refuses,
    // naming the group).
    QList<SitePlan::Group> groups() const;
    const Row &group(int row) const { return m_rows.at(row); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;

private:
    Language m_language;
    QList<Row> m_rows;
};
