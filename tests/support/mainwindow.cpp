#include "mainwindow.h"

#include "eventpump.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QSignalSpy>
#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

MainWindow::MainWindow(const QByteArray &content, Language language)
    : catalogue(content)
    , platform(language == Language::English ? FakePlatform::english(catalogue.folder().toStdString())
                                             : FakePlatform::chinese(catalogue.folder().toStdString()))
    , window(new Form1(platform))
{
    EventPump::setInterval(0); // the windows process their events after every line, as tests count them
    window->showCentred();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("the main window did not become active");
}

MainWindow::~MainWindow()
{
    delete window.data();
}

QString MainWindow::text(const char *name) const
{
    QObject *object = window->findChild<QObject *>(QLatin1String(name));
    return object ? object->property("text").toString() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

void MainWindow::click(const char *name) const
{
    clickIn(window, name);
}

void MainWindow::type(const QString &keys) const
{
    typeInto(window, keys);
}

QWidget *MainWindow::openedWindow(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return widget;
    }
    return nullptr;
}

QWidget *MainWindow::open(const char *button) const
{
    click(button);
    return openedWindow(QLatin1String(button) == QLatin1String("Command2") ? "Form2" : "Form3");
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

void typeInto(QWidget *window, const QString &keys)
{
    QTest::keyClicks(window->findChild<QLineEdit *>(QStringLiteral("txbNumber1")), keys);
}

void clickIn(QWidget *window, const char *name)
{
    // Where a user clicks: an option button takes clicks on its circle and caption only.
    QAbstractButton *button = window->findChild<QAbstractButton *>(QLatin1String(name));
    QPoint where = button->rect().center();
    if (qobject_cast<QRadioButton *>(button)) {
        QStyleOptionButton option;
        option.initFrom(button);
        where = button->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &option, button).center();
    }
    QTest::mouseClick(button, Qt::LeftButton, {}, where);
}

QStringList resultsShown(QWidget *window)
{
    QStringList shown;
    for (const QLabel *label : window->findChildren<QLabel *>())
        shown << label->objectName() + u'=' + label->text();
    for (const QPlainTextEdit *box : window->findChildren<QPlainTextEdit *>())
        shown << box->objectName() + u'=' + box->toPlainText();
    if (const auto *list = in<QComboBox>(window, "Combo1"))
        shown << itemsIn(window) << QStringLiteral("current=%1").arg(list->currentIndex());
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

QStringList selectedOptions(QWidget *window)
{
    QStringList selected;
    for (const QRadioButton *option : window->findChildren<QRadioButton *>()) {
        if (option->isChecked())
            selected << option->objectName();
    }
    selected.sort();
    return selected;
}

void pressOption(QWidget *window, const char *name, const QString &how)
{
    auto *option = in<QRadioButton>(window, name);
    if (how == QLatin1String("mouse")) {
        clickIn(window, name);
    } else if (how == QLatin1String("space")) {
        option->setFocus();
        QTest::keyClick(option, Qt::Key_Space);
    } else {
        // The press action clicks a moment later: wait for that click, not for a time.
        QSignalSpy clicked(option, &QAbstractButton::clicked);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(option);
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(clicked.size(), 1);
    }
}

void checkOptionGroups(QWidget *window, const QString &option, const QString &how, const QStringList &selected)
{
    const QByteArray name = option.toLatin1();
    const bool levels = option <= QLatin1String("Option3");
    if (how == QLatin1String("mouse") || how == QLatin1String("space") || how == QLatin1String("accessibility")) {
        pressOption(window, name.constData(), how);
    } else {
        clickIn(window, name.constData());
        const QMap<QString, Qt::Key> arrows{{"Up", Qt::Key_Up}, {"Down", Qt::Key_Down}, {"Left", Qt::Key_Left},
                                            {"Right", Qt::Key_Right}};
        focusWalk(window, arrows.value(how), Qt::NoModifier, 1);
        const QString focus = QApplication::focusWidget()->objectName();
        QVERIFY2(levels ? focus <= QLatin1String("Option3") : focus >= QLatin1String("Option4"), qPrintable(focus));
        QVERIFY(in<QRadioButton>(window, focus.toLatin1().constData())->isChecked());
    }
    QCOMPARE(selectedOptions(window), selected);
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
