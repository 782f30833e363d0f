#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The entries of a processor list box. A calculation adds them one by one; the list takes them in batches,
// one insertion for a batch of a hundred thousand entries rather than one for each.
class EntryListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void add(const QString &entry); // waits for showAdded()
    void showAdded();
    void clear();

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;

private:
    QStringList m_entries;
    QStringList m_added;
};
