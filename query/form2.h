#pragma once

#include "childwindow.h"
#include "language.h"
#include "windowmenus.h"

#include <QStringList>

class QFrame;
class QLabel;
class QMenuBar;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class ReportActions;

// The query window: how many terminals the processors matching a model number carry. Beside the contract of a
// child window, it takes the main window's title.
class Form2 : public ChildWindow
{
    Q_OBJECT

public:
    Form2(QWidget *mainWindow, const QString &catalogue, Language language, const WindowDoors &doors);

private:
    void createControls();
    void Form_Load();
    void Command1_Click();
    void showPendingEntries();

    QString m_catalogue;
    Language m_language;
    WindowDoors m_doors;
    QMenuBar *m_menuBar;
    QStringList m_pendingEntries; // found but not shown yet, oldest first
    ReportActions *m_reportActions;

    QFrame *Frame1;
    QLabel *Label1;
    QLineEdit *txbNumber1;
    QPushButton *Command1;
    QPlainTextEdit *Text2;
};
