#include "windowundertest.h"

#include "eventpump.h"
#include "messageboxes.h"

#include <QtTest>
#include <QtWidgets>

WindowUnderTest::WindowUnderTest(const QByteArray &content, Language language, const QString &name)
    : catalogue(content)
    , platform(catalogue.folder().toStdString(), language == Language::English ? "1033" : "2052")
    , main(new Form1(platform))
{
    EventPump::setInterval(0); // the windows process their events after every line, as tests count them
    main->showCentred();
    main->activateWindow();
    if (name != QLatin1String("Form1"))
        clickIn(main, name == QLatin1String("Form2") ? "Command2" : "Command4");
    form = name == QLatin1String("Form1") ? main.data() : openedWindow(qPrintable(name));
    if (!QTest::qWaitForWindowActive(form))
        qWarning("%s did not become active", qPrintable(name));
}

WindowUnderTest::~WindowUnderTest()
{
    if (form != main)
        delete form.data();
    delete main.data();
}

MessageBoxCatcher::MessageBoxCatcher(QMessageBox::StandardButton answer)
    : answer(answer)
{
    MessageBoxes::setObserver([this](QMessageBox *box) {
        QAbstractButton *button = box->button(this->answer) ? box->button(this->answer) : box->buttons().constFirst();
        boxes.append({box->windowTitle(), box->text(), button->text(), box->isModal()});
        button->click();
    });
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    MessageBoxes::setObserver({});
}

QWidget *openedWindow(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return widget;
    }
    return nullptr;
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
