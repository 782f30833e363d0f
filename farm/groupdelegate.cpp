#include "groupdelegate.h"

#include "countkeyfilter.h"
#include "farmtexts.h"
#include "grouptablemodel.h"
#include "rdptexts.h"
#include "siteplan.h"
#include "vditexts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

GroupDelegate::GroupDelegate(QObject *parent, Language language)
    : QStyledItemDelegate(parent)
    , m_language(language)
{ }

QWidget *GroupDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    switch (index.column()) {
    case GroupTableModel::Kind:
    case GroupTableModel::Level: {
        auto *choices = new QComboBox(parent);
        if (index.column() == GroupTableModel::Kind) {
            for (const Bilingual &kind : FarmTexts::kinds)
                choices->addItem(kind.in(m_language));
        } else {
            const auto kind = SitePlan::Kind(index.siblingAtColumn(GroupTableModel::Kind).data(Qt::EditRole).toInt());
            const ChoiceNames &names = kind == SitePlan::Kind::Rdp ? RdpTexts::choices : VdiTexts::choices;
            for (const TaskLevel level : {TaskLevel::Light, TaskLevel::Medium, TaskLevel::Heavy})
                choices->addItem(names.level(level, m_language));
        }
        return choices;
    }
    case GroupTableModel::Terminals: {
        auto *count = new QLineEdit(parent);
        CountKeyFilter::install(count);
        return count;
    }
    case GroupTableModel::Concurrency: {
        auto *share = new QSpinBox(parent);
        share->setRange(int(SitePlanLimits::concurrency.least), int(SitePlanLimits::concurrency.most));
        share->setSuffix(QStringLiteral("%"));
        return share;
    }
    default:
        break;
    }
    auto *name = qobject_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
    if (name)
        name->setMaxLength(int(SitePlanLimits::longestName));
    return name;
}

void GroupDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *choices = qobject_cast<QComboBox *>(editor))
        choices->setCurrentIndex(index.data(Qt::EditRole).toInt());
    else
        QStyledItemDelegate::setEditorData(editor, index);
}

void GroupDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *choices = qobject_cast<QComboBox *>(editor))
        model->setData(index, choices->currentIndex());
    else
        QStyledItemDelegate::setModelData(editor, model, index);
}
