#pragma once

#include "fakeplatform.h"
#include "form1.h"
#include "language.h"
#include "testcatalogue.h"

#include <QPointer>
#include <QTest>

Q_DECLARE_METATYPE(Language)

// A main window on a catalogue of its own, in the chosen language, shown and active (offscreen).
class MainWindow
{
public:
    MainWindow(const QByteArray &catalogue, Language language);
    ~MainWindow();

    template <class Control>
    Control *control(const char *name) const
    {
        return window->findChild<Control *>(QLatin1String(name));
    }
    QString text(const char *name) const; // the text of a label, box or button
    void click(const char *name) const;
    void type(const QString &keys) const;
    // The window of that object name that a button of the main window opened, or null.
    static QWidget *openedWindow(const char *name);
    // Clicks the query button (Command2) or the VDI button (Command4) and returns the window it opens.
    QWidget *open(const char *button) const;

    TestCatalogue catalogue;
    FakePlatform platform;
    QPointer<Form1> window;
};

void typeInto(QWidget *window, const QString &keys);
void clickIn(QWidget *window, const char *name);

template <class Control>
Control *in(QWidget *window, const char *name)
{
    return window->findChild<Control *>(QLatin1String(name));
}
// What a control shows: a label's, box's or button's text, a result box's plain text.
QString textIn(QWidget *window, const char *name);
// The entries of a window's processor list.
QStringList itemsIn(QWidget *window);
// Everything a window's labels, result boxes and processor list show, with the list's current entry.
QStringList resultsShown(QWidget *window);

// Presses a key on the focused control of the window `presses` times; the names of the controls that had the
// focus after each press.
QStringList focusWalk(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers, int presses);
// The option buttons of a window that are selected, in name order.
QStringList selectedOptions(QWidget *window);
// Presses an option button: "mouse", "space" (with the focus on it) or "accessibility" (its press action).
void pressOption(QWidget *window, const char *name, const QString &how);

// Presses the option as told and checks which options are then selected, and that the focus stayed in the
// pressed option's group.
void checkOptionGroups(QWidget *window, const QString &option, const QString &how, const QStringList &selected);

// Runs an action inside the n-th event pump from now (1: the next one), e.g. during a catalogue reading.
void atPump(int n, std::function<void()> action);
