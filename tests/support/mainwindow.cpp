#include "mainwindow.h"

#include "eventpump.h"
#include "informationbox.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

MainWindow::MainWindow(const QByteArray &content, Language language)
    : catalogue(content)
    , platform(catalogue.folder().toStdString(), language == Language::English ? "1033" : "2052")
    , window(new Form1(platform))
{
    EventPump::setInterval(0); // the windows process their events after every line, as tests count them
    window->showCentred();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("the main window did not become active");
}

QString MainWindow::text(const char *name) const
{
    return textIn(window, name);
}

void MainWindow::click(const char *name) const
{
    clickIn(window, name);
}

void MainWindow::type(const QString &keys) const
{
    typeInto(window, keys);
}

QWidget *MainWindow::open(const char *button) const
{
    click(button);
    return openedWindow(QLatin1String(button) == QLatin1String("Command2") ? "Form2" : "Form3");
}

QWidget *MainWindow::openedWindow(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return widget;
    }
    return nullptr;
}

Window::Window(const MainWindow &main, const QString &name)
    : form(name == QLatin1String("Form1") ? main.window.data()
                                          : main.open(name == QLatin1String("Form2") ? "Command2" : "Command4"))
{
    if (!QTest::qWaitForWindowActive(form))
        qWarning("%s did not become active", qPrintable(name));
}

Window::~Window()
{
    if (!qobject_cast<Form1 *>(form))
        delete form.data();
}

MessageBoxCatcher::MessageBoxCatcher()
{
    InformationBox::setObserver([this](QMessageBox *box) {
        boxes.append({box->windowTitle(), box->text(), box->button(QMessageBox::Ok)->text(), box->isModal()});
        box->button(QMessageBox::Ok)->click();
    });
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    InformationBox::setObserver({});
}

void typeInto(QWidget *window, const QString &keys)
{
    QTest::keyClicks(in<QLineEdit>(window, "txbNumber1"), keys);
}

void clickIn(QWidget *window, const char *name)
{
    auto *button = in<QAbstractButton>(window, name);
    QPoint where = button->rect().center();
    if (qobject_cast<QRadioButton *>(button)) {
        QStyleOptionButton option;
        option.initFrom(button);
        where = button->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &option, button).center();
    }
    QTest::mouseClick(button, Qt::LeftButton, {}, where);
}

QString textIn(QWidget *window, const char *name)
{
    if (auto *box = in<QPlainTextEdit>(window, name))
        return box->toPlainText();
    return window->findChild<QObject *>(QLatin1String(name))->property("text").toString();
}

QStringList itemsIn(QWidget *window)
{
    QStringList items;
    const auto *combo = in<QComboBox>(window, "Combo1");
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QStringList resultsShown(QWidget *window)
{
    QStringList shown;
    for (const QLabel *label : window->findChildren<QLabel *>())
        shown << label->objectName() + u'=' + label->text() + u'@' + label->font().toString();
    for (const QPlainTextEdit *box : window->findChildren<QPlainTextEdit *>())
        shown << box->objectName() + u'=' + box->toPlainText();
    if (const auto *list = in<QComboBox>(window, "Combo1"))
        shown << itemsIn(window) << QString::number(list->currentIndex());
    return shown;
}

QStringList focusWalk(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers, int presses)
{
    QStringList visited;
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, key, modifiers);
        visited << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
    }
    return visited;
}

void checkOptionGroups(QWidget *window, const QString &option, const QString &how, const QStringList &selected)
{
    const QByteArray name = option.toLatin1();
    auto *pressed = in<QRadioButton>(window, name.constData());
    if (how == QLatin1String("space")) {
        pressed->setFocus();
        QTest::keyClick(pressed, Qt::Key_Space);
    } else if (how == QLatin1String("accessibility")) {
        // The press action clicks a moment later: wait for that click, not for a time.
        QSignalSpy clicked(pressed, &QAbstractButton::clicked);
        QAccessible::queryAccessibleInterface(pressed)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(clicked.size(), 1);
    } else {
        clickIn(window, name.constData());
        if (how != QLatin1String("mouse")) {
            const QMap<QString, Qt::Key> arrows{{"Up", Qt::Key_Up}, {"Down", Qt::Key_Down}, {"Right", Qt::Key_Right}};
            focusWalk(window, arrows.value(how), Qt::NoModifier, 1);
            const QString focus = QApplication::focusWidget()->objectName();
            QCOMPARE(focus <= QLatin1String("Option3"), option <= QLatin1String("Option3"));
        }
    }
    QStringList actual;
    for (const QRadioButton *button : window->findChildren<QRadioButton *>()) {
        if (button->isChecked())
            actual << button->objectName();
    }
    actual.sort();
    QCOMPARE(actual, selected);
}

void atPump(int n, std::function<void()> action)
{
    // Events posted while posted events are delivered wait for the next round, so each round is one pump.
    QTimer::singleShot(0, [n, action = std::move(action)]() mutable {
        if (n <= 1)
            action();
        else
            atPump(n - 1, std::move(action));
    });
}
