#pragma once

#include "fakeplatform.h"
#include "form1.h"
#include "language.h"
#include "testcatalogue.h"

#include <QMessageBox>
#include <QPointer>

// A main window on a catalogue of its own, in a language, shown and active (offscreen); and the window a test
// works in: the main window ("Form1"), or the one its button opens ("Form2", "Form3"), which goes with this.
class WindowUnderTest
{
public:
    WindowUnderTest(const QByteArray &catalogue, Language language, const QString &name = QStringLiteral("Form1"));
    ~WindowUnderTest();

    TestCatalogue catalogue;
    FakePlatform platform;
    QPointer<Form1> main;
    QPointer<QWidget> form;
};

// Answers every message box shown while it lives, from inside the box's own event loop (OK, or the answer given
// where the box has that button), and keeps what each showed.
struct MessageBoxCatcher {
    struct Box {
        QString title, text, button;
        bool modal;
    };
    explicit MessageBoxCatcher(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~MessageBoxCatcher();
    QList<Box> boxes;
    QMessageBox::StandardButton answer;
};

// Four processors: AMD, two Intel, one of neither vendor.
inline const QByteArray sampleCatalogue = TestCatalogue::lines(
    {"AMD EPYC 7302,25000", "Intel Xeon E-2388G,23761", "Intel Xeon Silver 4214R,18200", "Sample 1234,5000"});

template <class Control> Control *in(QWidget *window, const char *name)
{
    return window->findChild<Control *>(QLatin1String(name));
}
QWidget *openedWindow(const char *name); // a visible top-level window
void typeInto(QWidget *window, const QString &keys);
void clickIn(QWidget *window, const char *name); // where a user clicks, on an option's circle or caption
QString textIn(QWidget *window, const char *name);
QStringList itemsIn(QWidget *window); // the entries of its processor list
// Runs an action inside the n-th event pump from now (1: the next one), e.g. during a catalogue reading.
void atPump(int n, std::function<void()> action);
