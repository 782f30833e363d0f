#include "enabledwith.h"

#include <QAction>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

class Follower : public QObject
{
public:
    Follower(QAction *action, QWidget *control)
        : QObject(action)
        , m_action(action)
        , m_control(control)
    {
        control->installEventFilter(this);
        action->setEnabled(control->isEnabled());
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::EnabledChange && watched == m_control && m_action)
            m_action->setEnabled(m_control->isEnabled());
        return false;
    }

private:
    QPointer<QAction> m_action;
    QPointer<QWidget> m_control;
};

} // namespace

void EnabledWith::follow(QAction *action, QWidget *control)
{
    new Follower(action, control);
}
