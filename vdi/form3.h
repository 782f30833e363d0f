#pragma once

#include "childwindow.h"
#include "language.h"
#include "windowmenus.h"

class EntryListModel;
class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QMenuBar;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class ReportActions;
enum class TaskLevel;
enum class Vendor;

// The VDI window, a child window of the main window.
class Form3 : public ChildWindow
{
    Q_OBJECT

public:
    Form3(QWidget *mainWindow, const QString &catalogue, Language language, const WindowDoors &doors);

private:
    void createControls();
    void Form_Load();
    void Command1_Click();

    TaskLevel taskLevel() const;
    Vendor vendor() const;

    QString m_catalogue;
    Language m_language;
    WindowDoors m_doors;
    QMenuBar *m_menuBar;
    EntryListModel *m_candidates;
    ReportActions *m_reportActions;
    QButtonGroup *m_levels;
    QButtonGroup *m_vendors;

    QFrame *Frame1;
    QLabel *Label1;
    QLineEdit *txbNumber1;
    QFrame *Frame2;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QFrame *Frame3;
    QRadioButton *Option4;
    QRadioButton *Option5;
    QRadioButton *Option6;
    QPushButton *Command1;
    QFrame *Frame4;
    QLabel *Label2;
    QLabel *Label3;
    QComboBox *Combo1;
    QLabel *Label4;
    QFrame *Line1;
    QPlainTextEdit *Text2;
    QLabel *Label5;
};
