#include "entrylistmodel.h"

#include "dropdownstyle.h"

#include <QApplication>
#include <QComboBox>
#include <QListView>

EntryListModel *EntryListModel::attachTo(QComboBox *list)
{
    auto *model = new EntryListModel(list);
    list->setModel(model);
    // Every entry is one line of the list's font: a million of them need not be measured one by one.
    if (auto *view = qobject_cast<QListView *>(list->view()))
        view->setUniformItemSizes(true);
    auto *style = new DropDownStyle(QApplication::style()->name());
    style->setParent(list);
    list->setStyle(style);
    return model;
}

void EntryListModel::add(const QString &entry)
{
    m_added << entry;
}

void EntryListModel::showAdded()
{
    if (m_added.isEmpty())
        return;
    beginInsertRows({}, int(m_entries.size()), int(m_entries.size() + m_added.size() - 1));
    m_entries.append(m_added);
    m_added.clear();
    endInsertRows();
}

void EntryListModel::clear()
{
    m_added.clear();
    removeRows(0, int(m_entries.size()));
}

void EntryListModel::setEntries(const QStringList &entries)
{
    beginResetModel();
    m_added.clear();
    m_entries = entries;
    endResetModel();
}

int EntryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant EntryListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_entries.at(index.row());
}

bool EntryListModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count <= 0 || row + count > m_entries.size())
        return false;
    beginRemoveRows({}, row, row + count - 1);
    m_entries.remove(row, count);
    endRemoveRows();
    return true;
}
