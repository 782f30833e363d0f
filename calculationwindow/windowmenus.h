#pragma once

#include "bilingual.h"

#include <QString>

#include <functional>

class QMenu;
class QMenuBar;
class QWidget;
class ReportActions;

// What every window offers through the main window, whichever window asks: its Help menu's description and About,
// shown over the window that asks, and a plan file opened in the plan window (dropped on the window, say). Each
// holds what it needs, never the main window, which may go first.
struct WindowDoors {
    std::function<void(QWidget *window)> description;
    std::function<void(QWidget *window)> about;
    std::function<void(const QString &path)> openPlan;
};

// The menus of a window's menu bar, in both languages, each with its access key and its accessible name.
namespace WindowMenus {
QMenu *menu(QMenuBar *bar, const Bilingual &title, Language language);
// File: the report actions, then one that closes the window (Close; in the main window, Exit).
QMenu *file(QMenuBar *bar, QWidget *window, ReportActions *reports, const Bilingual &close, Language language);
// Help: the description and About, while the window's run button is enabled (not during a reading).
QMenu *help(QMenuBar *bar, QWidget *window, const WindowDoors &help, QWidget *runButton, Language language);
} // namespace WindowMenus
