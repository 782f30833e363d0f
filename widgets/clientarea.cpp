#include "clientarea.h"

#include "twips.h"

#include <QMenuBar>
#include <QVBoxLayout>

QWidget *ClientArea::belowMenuBar(QWidget *window, QMenuBar *menuBar, int widthTwips, int heightTwips)
{
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setMenuBar(menuBar);
    auto *area = new QWidget(window);
    area->setFixedSize(Twips::toPixels(widthTwips), Twips::toPixels(heightTwips));
    layout->addWidget(area);
    return area;
}
