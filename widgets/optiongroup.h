#pragma once

#include <QButtonGroup>
#include <QRadioButton>

#include <initializer_list>

// Option buttons that exclude each other whatever their containers, numbered in the order given: one of
// them stays selected, pressing the selected one keeps it so, and the keyboard treats them as one stop
// whose arrows stay inside.
namespace OptionGroup {
QButtonGroup *make(QObject *owner, std::initializer_list<QRadioButton *> options);

// The choice the selected option stands for (the enumeration's values in the order of the options).
template <class Choice> Choice chosen(const QButtonGroup *group)
{
    const int id = group->checkedId();
    Q_ASSERT_X(id >= 0, "OptionGroup::chosen", "no option selected"); // a design fault, not a user's choice
    return Choice(id);
}
} // namespace OptionGroup
