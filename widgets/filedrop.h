#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace FileDrop {
// Files of that suffix dropped on the window (from a file manager) are handed to open, one by one; other drops are
// refused.
void accept(QWidget *window, const QString &suffix, std::function<void(const QString &path)> open);
} // namespace FileDrop
