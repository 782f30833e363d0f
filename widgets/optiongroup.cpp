#include "optiongroup.h"

QButtonGroup *OptionGroup::make(QObject *owner, std::initializer_list<QRadioButton *> options)
{
    auto *group = new QButtonGroup(owner);
    int id = 0;
    for (QRadioButton *option : options)
        group->addButton(option, id++);
    // Tab stops at the selected option only, from the start (Qt itself sees to it only once one of them has
    // had the focus).
    QObject::connect(group, &QButtonGroup::buttonToggled, group, [group](QAbstractButton *, bool) {
        const QAbstractButton *selected = group->checkedButton();
        for (QAbstractButton *option : group->buttons())
            option->setFocusPolicy(!selected || option == selected ? Qt::StrongFocus : Qt::ClickFocus);
    });
    return group;
}
