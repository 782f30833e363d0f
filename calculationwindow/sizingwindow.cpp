#include "sizingwindow.h"

#include "calculationrun.h"
#include "calculationwindowtexts.h"
#include "entrylistmodel.h"
#include "headingfit.h"

#include <QComboBox>
#include <QLabel>

SizingProgress SizingWindow::progress(CalculationRun &run, const SizingView &view)
{
    SizingProgress progress;
    progress.started = [&run, view](const QString &busyHeading) {
        QList<QWidget *> shown{view.heading};
        for (QLabel *value : view.values)
            shown << value;
        run.snapshotResults(shown, view.list);
        HeadingFit::setText(view.heading, busyHeading, view.headingPoints);
        for (QLabel *value : view.values)
            value->clear();
        view.entries->clear();
    };
    progress.candidate = [view](const QString &entry) { view.entries->add(entry); };
    progress.pump = [&run, view] { return run.pump([view] { view.entries->showAdded(); }); };
    return progress;
}

bool SizingWindow::showListOrMessage(CalculationRun &run, const SizingView &view, CalculationEnd end,
                                     const QString &refusal, Language language)
{
    if (!run.finish(end, refusal))
        return false;
    view.entries->showAdded();
    if (view.list->count() > 0)
        view.list->setCurrentIndex(0);
    // A hint, not an entry: the entries stay as the list has them.
    view.list->setPlaceholderText(view.list->count() > 0 ? QString()
                                                         : CalculationWindowTexts::noSingleProcessor.in(language));
    return true;
}
