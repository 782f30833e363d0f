#include "countkeyfilter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

void CountKeyFilter::install(QLineEdit *box)
{
    box->installEventFilter(new CountKeyFilter(box));
}

bool CountKeyFilter::admits(int key, Qt::KeyboardModifiers modifiers)
{
    const bool command = modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return !command;
    switch (key) {
    case Qt::Key_Backspace:
        return !(modifiers & Qt::ControlModifier); // Ctrl+Backspace types DEL
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_unknown:
        return false;
    default:
        break;
    }
    // Qt gives keys that stand for a character their character's code, and the other keys codes above it.
    return key >= Qt::Key_Escape;
}

QString CountKeyFilter::admittedCommit(const QString &commit)
{
    QString digits;
    for (QChar c : commit) {
        if (c >= u'0' && c <= u'9')
            digits += c;
    }
    return digits;
}

bool CountKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        return !admits(key->key(), key->modifiers());
    }
    if (event->type() == QEvent::InputMethod) {
        auto *input = static_cast<QInputMethodEvent *>(event);
        const QString digits = admittedCommit(input->commitString());
        if (digits != input->commitString())
            input->setCommitString(digits);
    }
    return QObject::eventFilter(watched, event);
}
