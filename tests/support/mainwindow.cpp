#include "mainwindow.h"

#include "eventpump.h"

#include <QAbstractButton>
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
