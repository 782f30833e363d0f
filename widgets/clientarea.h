#pragma once

class QMenuBar;
class QWidget;

namespace ClientArea {
// A window's designed client area, of its designed size in twips, below its menu bar: the window grows by the
// menu bar's height, and keeps its size.
QWidget *belowMenuBar(QWidget *window, QMenuBar *menuBar, int widthTwips, int heightTwips);
} // namespace ClientArea
