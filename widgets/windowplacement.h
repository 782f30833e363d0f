#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace WindowPlacement {
// Puts a window in the middle of its screen's available area, and wholly inside it where it fits.
void centre(QWidget *window);

// Where a window of that outer size goes: centred in the area, moved inside it where it would cross an
// edge; a window larger than the area keeps its top left corner (title bar, close button) in view.
QPoint centredIn(QSize frame, const QRect &available);
} // namespace WindowPlacement
