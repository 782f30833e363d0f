#pragma once

#include <QPointer>
#include <QWidget>

// A window that the main window opens (and disables itself for): it takes the main window's icon, it goes when
// it is closed, and it gives the main window back (enabled) then, whatever the cause of the closing; a
// calculation that runs in it at that moment is abandoned.
class ChildWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ChildWindow(QWidget *mainWindow);

protected:
    void closeEvent(QCloseEvent *event) override;
    QWidget *mainWindow() const { return m_mainWindow; }
    // Whether the window is being closed: a reading in it stops at its next line.
    bool isUnloading() const { return m_unloading; }

private:
    QPointer<QWidget> m_mainWindow;
    bool m_unloading = false;
};
