#include "headingfit.h"

#include <QFontMetricsF>
#include <QLabel>

namespace {

constexpr qreal smallestPoints = 7;

} // namespace

void HeadingFit::setText(QLabel *heading, const QString &text, qreal designedPoints)
{
    const qreal room = heading->contentsRect().width() - 2 * heading->margin();
    QFont font = heading->font();
    font.setPointSizeF(designedPoints);
    while (QFontMetricsF(font).horizontalAdvance(text) > room && font.pointSizeF() > smallestPoints)
        font.setPointSizeF(std::max(smallestPoints, font.pointSizeF() - 0.5));
    const bool fits = QFontMetricsF(font).horizontalAdvance(text) <= room;
    heading->setFont(font);
    heading->setAlignment((fits ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    heading->setText(text);
}
