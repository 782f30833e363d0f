#include "sizingwindow.h"

#include "calculationrun.h"
#include "calculationwindowtexts.h"
#include "cataloguetexts.h"
#include "entrylistmodel.h"
#include "headingfit.h"
#include "sizingtexts.h"

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

bool SizingWindow::showListOrMessage(CalculationRun &run, const SizingView &view, SizingStatus status,
                                     Language language)
{
    switch (status) {
    case SizingStatus::Abandoned:
        return false;
    case SizingStatus::InvalidCount:
        run.showMessage(SizingTexts::invalidCount.in(language));
        return false;
    case SizingStatus::ReadFailed:
        run.restoreAndShowMessage(CatalogueTexts::readFailed.in(language));
        return false;
    case SizingStatus::Done:
        break;
    }
    view.entries->showAdded();
    if (view.list->count() > 0)
        view.list->setCurrentIndex(0);
    // A hint, not an entry: the entries stay as the list has them.
    view.list->setPlaceholderText(view.list->count() > 0 ? QString()
                                                         : CalculationWindowTexts::noSingleProcessor.in(language));
    return true;
}
