#pragma once

#include <QRect>
#include <QWidget>

class QLabel;

// The window layouts are given in twips; at 96 dpi a pixel is 15 twips.
namespace Twips {
inline int toPixels(int twips)
{
    return qRound(twips / 15.0);
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

// A new control with its object name, at its place in its container.
template <class Control> Control *place(QWidget *container, const char *name, int left, int top, int width, int height)
{
    auto *control = new Control(container);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(rect(left, top, width, height));
    return control;
}

// A new label of plain text in the program's font at that size, at its place in its container.
QLabel *label(QWidget *container, const char *name, int left, int top, int width, int height, qreal points = 9,
              bool bold = false);
} // namespace Twips
