#include "twips.h"

#include "appfont.h"

#include <QLabel>

QLabel *Twips::label(QWidget *container, const char *name, int left, int top, int width, int height, qreal points,
                     bool bold)
{
    auto *control = place<QLabel>(container, name, left, top, width, height);
    control->setFont(AppFont::font(points, bold));
    control->setTextFormat(Qt::PlainText);
    return control;
}
