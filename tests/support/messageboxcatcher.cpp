#include "messageboxcatcher.h"

#include "informationbox.h"

#include <QAbstractButton>

MessageBoxCatcher::MessageBoxCatcher()
{
    InformationBox::setObserver([this](QMessageBox *box) {
        boxes.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(), box->isModal(),
                      box->button(QMessageBox::Ok)->text()});
        box->button(QMessageBox::Ok)->click();
    });
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    InformationBox::setObserver({});
}
