#include "messageboxcatcher.h"

#include "messagebox.h"

#include <QAbstractButton>

MessageBoxCatcher::MessageBoxCatcher()
{
    MessageBox::setObserver([this](QMessageBox *box) {
        boxes.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(), box->isModal()});
        box->button(QMessageBox::Ok)->click();
    });
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    MessageBox::setObserver({});
}
