#pragma once

#include <QtGlobal>

class QLabel;
class QString;

// A one-line heading whose text may be wider than its label (a long count): the font shrinks until the text
// fits; below the smallest size the text is aligned to its start, so that the count stays in view.
namespace HeadingFit {
void setText(QLabel *heading, const QString &text, qreal designedPoints);
}
