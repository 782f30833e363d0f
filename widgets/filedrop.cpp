#include "filedrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

class DropFilter : public QObject
{
public:
    DropFilter(QWidget *window, const QString &suffix, std::function<void(const QString &)> open)
        : QObject(window)
        , m_suffix(suffix)
        , m_open(std::move(open))
    { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)
            return QObject::eventFilter(watched, event);
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList files = filesIn(drop->mimeData());
        if (files.isEmpty())
            return false;
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop) {
            for (const QString &file : files)
                m_open(file);
        }
        return true;
    }

private:
    QStringList filesIn(const QMimeData *data) const
    {
        QStringList files;
        for (const QUrl &url : data->urls()) {
            if (url.isLocalFile() && QFileInfo(url.toLocalFile()).suffix().compare(m_suffix, Qt::CaseInsensitive) == 0)
                files << url.toLocalFile();
        }
        return files;
    }

    QString m_suffix;
    std::function<void(const QString &)> m_open;
};

} // namespace

void FileDrop::accept(QWidget *window, const QString &suffix, std::function<void(const QString &)> open)
{
    window->setAcceptDrops(true);
    auto *filter = new DropFilter(window, suffix, std::move(open));
    window->installEventFilter(filter);
    // A text box takes what is dropped on it as text: it hands a file over too.
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->acceptDrops())
            control->installEventFilter(filter);
    }
}
