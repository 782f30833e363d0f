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

    // Opens the window of that slot over the main window (making it first where there is none), brings it forward
    // and disables the main window, before showing it or after.
    enum class Disable { First, AfterShowing };
    template <class Window, class Make>
    static Window *open(QPointer<Window> &window, QWidget *mainWindow, Disable when, Make make)
    {
        if (when == Disable::First)
            mainWindow->setEnabled(false);
        if (!window)
            window = make();
        window->show();
        window->raise();
        window->activateWindow();
        mainWindow->setEnabled(false);
        return window;
    }

protected:
    void closeEvent(QCloseEvent *event) override;
    QWidget *mainWindow() const { return m_mainWindow; }
    // Whether the window is being closed: a reading in it stops at its next line.
    bool isUnloading() const { return m_unloading; }

private:
    QPointer<QWidget> m_mainWindow;
    bool m_unloading = false;
};
