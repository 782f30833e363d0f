#pragma once

#include "language.h"

#include <QStringList>

#include <functional>

class QMenu;
class QWidget;

// The plan files opened or saved last, the newest first, at most ten, kept in the user's settings: an INI file of
// the user's own (on Windows too, so that the portable program writes nothing to the registry).
namespace RecentPlans {
constexpr int most = 10;

QStringList list();
void add(const QString &path);
void remove(const QString &path);
// An "Open recent" menu, filled anew each time it opens: each file hands its path to open.
QMenu *menu(QWidget *parent, Language language, const std::function<void(const QString &path)> &open);
} // namespace RecentPlans
