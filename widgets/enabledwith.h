#pragma once

class QAction;
class QWidget;

namespace EnabledWith {
// The action is enabled exactly while the control is: a menu's door to what a button does follows the button's
// rules.
void follow(QAction *action, QWidget *control);
} // namespace EnabledWith
