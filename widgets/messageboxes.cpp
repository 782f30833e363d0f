#include "messageboxes.h"

#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace {

std::function<void(QMessageBox *)> &observer()
{
    static std::function<void(QMessageBox *)> instance;
    return instance;
}

// On the heap: the parent may be destroyed while the box runs its event loop, taking the box with it.
QMessageBox::StandardButton run(QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text,
                                QMessageBox::StandardButtons buttons)
{
    QPointer<QMessageBox> box = new QMessageBox(icon, title, text, buttons, parent);
    box->setTextFormat(Qt::PlainText);
    if (observer())
        QTimer::singleShot(0, box, [box] { observer()(box); });
    box->exec();
    const QMessageBox::StandardButton clicked = box ? box->standardButton(box->clickedButton()) : QMessageBox::Cancel;
    delete box.data();
    return clicked;
}

} // namespace

void MessageBoxes::inform(QWidget *parent, const QString &title, const QString &text)
{
    run(QMessageBox::Information, parent, title, text, QMessageBox::Ok);
}

MessageBoxes::Unsaved MessageBoxes::askToSave(QWidget *parent, const QString &title, const QString &text)
{
    switch (run(QMessageBox::Warning, parent, title, text,
                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel)) {
    case QMessageBox::Save:
        return Unsaved::Save;
    case QMessageBox::Discard:
        return Unsaved::Discard;
    default:
        break;
    }
    return Unsaved::Cancel;
}

void MessageBoxes::setObserver(std::function<void(QMessageBox *)> newObserver)
{
    observer() = std::move(newObserver);
}
