#include "appfont.h"

#include <QStringList>

QFont AppFont::font(qreal points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Microsoft YaHei"), QStringLiteral("微软雅黑"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Source Han Sans SC")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
