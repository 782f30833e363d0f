#include "windowmenus.h"

#include "calculationwindowtexts.h"
#include "enabledwith.h"
#include "reportactions.h"

#include <QMenu>
#include <QMenuBar>

QMenu *WindowMenus::menu(QMenuBar *bar, const Bilingual &title, Language language)
{
    QMenu *menu = bar->addMenu(title.in(language));
    menu->setAccessibleName(QString(title.in(language)).remove(u'&'));
    return menu;
}

QMenu *WindowMenus::file(QMenuBar *bar, QWidget *window, ReportActions *reports, const Bilingual &close,
                         Language language)
{
    QMenu *file = menu(bar, CalculationWindowTexts::fileMenu, language);
    file->addActions(reports->actions());
    file->addSeparator();
    file->addAction(close.in(language), window, &QWidget::close);
    return file;
}

QMenu *WindowMenus::help(QMenuBar *bar, QWidget *window, const WindowDoors &help, QWidget *runButton, Language language)
{
    QMenu *menu = WindowMenus::menu(bar, CalculationWindowTexts::helpMenu, language);
    const auto add = [&](const Bilingual &text, const std::function<void(QWidget *)> &show) {
        QAction *action = menu->addAction(text.in(language), window, [window, show] { show(window); });
        EnabledWith::follow(action, runButton);
    };
    add(CalculationWindowTexts::description, help.description);
    add(CalculationWindowTexts::about, help.about);
    return menu;
}
