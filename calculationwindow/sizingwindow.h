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
// The end of a reading (CalculationRun::finish); for a finished one, the whole list shown with its first entry
// current. Whether there is an answer to write into the window (not when the window went).
bool showListOrMessage(CalculationRun &run, const SizingView &view, CalculationEnd end, const QString &refusal,
                       Language language);
} // namespace SizingWindow
