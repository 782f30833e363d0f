#include "windowplacement.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QPoint WindowPlacement::centredIn(QSize frame, const QRect &available)
{
    const auto place = [](int start, int room, int length) {
        const int centred = start + (room - length) / 2;
        return std::max(start, std::min(centred, start + room - length));
    };
    return {place(available.left(), available.width(), frame.width()),
            place(available.top(), available.height(), frame.height())};
}

void WindowPlacement::centre(QWidget *window)
{
    if (window->layout()) // its size comes from its layout: the menu bar above its client area
        window->layout()->activate();
    if (const QScreen *screen = window->screen())
        window->move(centredIn(window->frameGeometry().size(), screen->availableGeometry()));
}
