#pragma once

class QWidget;

namespace WindowPlacement {
// Puts a window in the middle of its screen's available area.
void centre(QWidget *window);
}
