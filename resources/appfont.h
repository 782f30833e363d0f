#pragma once

#include <QFont>

namespace AppFont {
// 微软雅黑 where it is installed, otherwise a font with Chinese glyphs.
QFont font(qreal points, bool bold = false);
} // namespace AppFont
