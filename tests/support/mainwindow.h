#pragma once

#include "fakeplatform.h"
#include "form1.h"
#include "language.h"
#include "testcatalogue.h"

#include <QMessageBox>
#include <QPointer>
#include <QTest>

Q_DECLARE_METATYPE(Language)

// A main window on a catalogue of its own, in the chosen language, shown and active (offscreen).
class MainWindow
{
public:
    MainWindow(const QByteArray &catalogue, Language language);
    ~MainWindow() { delete window.data(); }

    template <class Control> Control *control(const char *name) const
    {
        return window->findChild<Control *>(QLatin1String(name));
    }
    QString text(const char *name) const; // a label's, box's or button's text
    void click(const char *name) const;
    void type(const QString &keys) const;
    // Clicks the query button (Command2) or the VDI button (Command4) and returns the window it opens.
    QWidget *open(const char *button) const;
    static QWidget *openedWindow(const char *name);

    TestCatalogue catalogue;
    FakePlatform platform;
    QPointer<Form1> window;
};

// The window a test works in: the main window, or the one its button opens ("Form2", "Form3"), active; the
// opened one goes with this.
struct Window {
    Window(const MainWindow &main, const QString &name);
    ~Window();
    QPointer<QWidget> form;
};

// Answers every message box shown while it lives, from inside the box's own event loop, and keeps what
// each showed.
struct MessageBoxCatcher {
    struct Box {
        QString title, text, button;
        bool modal;
    };
    MessageBoxCatcher();
    ~MessageBoxCatcher();
    QList<Box> boxes;
};

template <class Control> Control *in(QWidget *window, const char *name)
{
    return window->findChild<Control *>(QLatin1String(name));
}
void typeInto(QWidget *window, const QString &keys);
void clickIn(QWidget *window, const char *name); // where a user clicks, on an option's circle or caption
QString textIn(QWidget *window, const char *name);
QStringList itemsIn(QWidget *window); // the entries of its processor list
// Everything a window's labels, result boxes and processor list show, with the list's current entry.
QStringList resultsShown(QWidget *window);
// Presses a key on the focused control `presses` times: the names of the controls focused after each.
QStringList focusWalk(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers, int presses);
// Presses the option ("mouse", "space", "accessibility", or clicks it and presses an arrow key "Up"...),
// checks which options are then selected, and that the focus stayed in the pressed option's group.
void checkOptionGroups(QWidget *window, const QString &option, const QString &how, const QStringList &selected);
// Runs an action inside the n-th event pump from now (1: the next one), e.g. during a catalogue reading.
void atPump(int n, std::function<void()> action);
