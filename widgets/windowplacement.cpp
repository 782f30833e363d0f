#include "windowplacement.h"

#include <QScreen>
#include <QWidget>

void WindowPlacement::centre(QWidget *window)
{
    if (const QScreen *screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}
