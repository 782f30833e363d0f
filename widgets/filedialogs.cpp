#include "filedialogs.h"

#include <QFileDialog>

namespace {

FileDialogs::Chooser &chooser()
{
    static FileDialogs::Chooser instance;
    return instance;
}

} // namespace

QString FileDialogs::toSave(QWidget *window, const QString &title, const QString &suggested, const QString &filter)
{
    return chooser() ? chooser()(window, suggested) : QFileDialog::getSaveFileName(window, title, suggested, filter);
}

QString FileDialogs::toOpen(QWidget *window, const QString &title, const QString &folder, const QString &filter)
{
    return chooser() ? chooser()(window, folder) : QFileDialog::getOpenFileName(window, title, folder, filter);
}

void FileDialogs::setChooser(Chooser newChooser)
{
    chooser() = std::move(newChooser);
}
