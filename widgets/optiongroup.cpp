#include "optiongroup.h"

QButtonGroup *OptionGroup::make(QObject *owner, std::initializer_list<QRadioButton *> options)
{
    auto *group = new QButtonGroup(owner);
    int id = 0;
    for (QRadioButton *option : options)
        group->addButton(option, id++);
    return group;
}
