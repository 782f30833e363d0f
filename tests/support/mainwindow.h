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

// Runs an action inside the n-th event pump from now (1: the next one), e.g. during a catalogue reading.
void atPump(int n, std::function<void()> action);
