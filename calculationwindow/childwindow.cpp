#include "childwindow.h"

#include <QCloseEvent>

ChildWindow::ChildWindow(QWidget *mainWindow)
    : m_mainWindow(mainWindow)
{
    setAttribute(Qt::WA_DeleteOnClose);
    if (m_mainWindow)
        setWindowIcon(m_mainWindow->windowIcon());
}

void ChildWindow::closeEvent(QCloseEvent *event)
{
    m_unloading = true;
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
    event->accept();
}
