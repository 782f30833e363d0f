#pragma once

#include <QAbstractListModel>
#include <QStringList>

class QComboBox;

// The entries of a processor list box. A calculation adds them one by one; the list takes them in batches,
// one insertion for a batch of a hundred thousand entries rather than one for each.
class EntryListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    // A new model as the list box's entries.
    static EntryListModel *attachTo(QComboBox *list);

    void add(const QString &entry); // waits for showAdded()
    void showAdded();
    void clear();
    // Every entry shown, and a whole list put back in their place (after a reading that failed).
    QStringList entries() const { return m_entries; }
    void setEntries(const QStringList &entries);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;

private:
    QStringList m_entries;
    QStringList m_added;
};
