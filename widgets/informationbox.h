#pragma once

#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

// Every message box of the program: modal, the information icon, one OK button, the caller's window title.
namespace InformationBox {
void show(QWidget *parent, const QString &title, const QString &text);

// For tests: called with each box once its own event loop runs, so that a test can read and close it.
void setObserver(std::function<void(QMessageBox *)> observer);
} // namespace InformationBox
