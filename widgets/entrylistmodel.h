#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The entries of a processor list box, appended in batches: one insertion for a batch of a hundred thousand
// entries rather than one for each.
class EntryListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void append(const QStringList &entries);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;

private:
    QStringList m_entries;
};
