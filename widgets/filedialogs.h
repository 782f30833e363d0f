#pragma once

#include <QString>

#include <functional>

class QWidget;

// The system's dialogs that name a file to open or to save; in the tests, an answer of their own.
namespace FileDialogs {
QString toSave(QWidget *window, const QString &title, const QString &suggested, const QString &filter);
QString toOpen(QWidget *window, const QString &title, const QString &folder, const QString &filter);

// For tests: what every dialog answers, given the path it suggests (or the folder it opens in); an empty path
// cancels.
using Chooser = std::function<QString(QWidget *window, const QString &suggested)>;
void setChooser(Chooser chooser);
} // namespace FileDialogs
