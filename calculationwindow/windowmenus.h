#pragma once

#include "bilingual.h"

#include <functional>

class QMenu;
class QMenuBar;
class QWidget;
class ReportActions;

// The help that every window's Help menu offers, shown over the window that asks for it.
struct WindowHelp {
    std::function<void(QWidget *window)> description;
    std::function<void(QWidget *window)> about;
};

// The menus of a window's menu bar, in both languages, each with its access key and its accessible name.
namespace WindowMenus {
QMenu *menu(QMenuBar *bar, const Bilingual &title, Language language);
// File: the report actions, then one that closes the window (Close; in the main window, Exit).
QMenu *file(QMenuBar *bar, QWidget *window, ReportActions *reports, const Bilingual &close, Language language);
// Help: the description and About, while the window's run button is enabled (not during a reading).
QMenu *help(QMenuBar *bar, QWidget *window, const WindowHelp &help, QWidget *runButton, Language language);
} // namespace WindowMenus
