#pragma once

#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

// Every message box of the program, modal, in the caller's window title.
namespace MessageBoxes {
// The information icon and one OK button.
void inform(QWidget *parent, const QString &title, const QString &text);

// Changes not yet saved: save them, discard them, or cancel what would lose them (Escape cancels).
enum class Unsaved { Save, Discard, Cancel };
Unsaved askToSave(QWidget *parent, const QString &title, const QString &text);

// For tests: called with each box once its own event loop runs, so that a test can read and answer it.
void setObserver(std::function<void(QMessageBox *)> observer);
} // namespace MessageBoxes
