#pragma once

#include "language.h"
#include "sizingrun.h"

#include <QList>

class CalculationRun;
class EntryListModel;
class QComboBox;
class QLabel;
class QWidget;

// What a sizing window shows of a reading: its heading, the values it empties, its processor list.
struct SizingView {
    QLabel *heading;
    qreal headingPoints;
    QList<QLabel *> values;
    QComboBox *list;
    EntryListModel *entries;
};

// The part of the RDP and VDI windows' generate buttons that they share.
namespace SizingWindow {
// The busy heading and an empty list once the count is valid, the entries in batches as the window pumps.
SizingProgress progress(CalculationRun &run, const SizingView &view);
// Whether the reading is done and the window there for its answer, the whole list shown and its first entry
// current; otherwise the window has shown its message, or it went.
bool answered(CalculationRun &run, const SizingView &view, SizingStatus status, Language language);
} // namespace SizingWindow
