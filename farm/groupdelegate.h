#pragma once

#include "language.h"

#include <QStyledItemDelegate>

// The editors of the groups' cells: a line for the name, a choice of kinds and of levels (in the words of the
// group's kind), a count box that takes digits only, a spin box for the concurrency.
class GroupDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    GroupDelegate(QObject *parent, Language language);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    Language m_language;
};
