#include "informationbox.h"

#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace {

std::function<void(QMessageBox *)> &observer()
{
    static std::function<void(QMessageBox *)> instance;
    return instance;
}

} // namespace

void InformationBox::show(QWidget *parent, const QString &title, const QString &text)
{
    // On the heap: the parent may be destroyed while the box runs its event loop, taking the box with it.
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    if (observer())
        QTimer::singleShot(0, box, [box] { observer()(box); });
    box->exec();
    delete box.data();
}

void InformationBox::setObserver(std::function<void(QMessageBox *)> newObserver)
{
    observer() = std::move(newObserver);
}
