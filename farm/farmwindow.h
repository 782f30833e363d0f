#pragma once

#include "childwindow.h"
#include "farmplan.h"
#include "windowmenus.h"

class PlanTableModel;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;
class ReportActions;
class QButtonGroup;

// Server farm planning, a child window of the main window: how many servers of which processor carry the
// terminals at work at once, with spare servers beside them. It takes over the main window's count, level and
// vendor; the kind of server (RDP or VDI) is chosen in it.
class FarmWindow : public ChildWindow
{
    Q_OBJECT

public:
    struct Inputs {
        QString countText;
        TaskLevel level;
        Vendor vendor;
    };

    FarmWindow(QWidget *mainWindow, const QString &catalogue, Language language, const WindowHelp &help,
               const Inputs &inputs);

private:
    void createControls();
    void Form_Load(const Inputs &inputs);
    void Command1_Click();
    // The plan chosen in the table: what one of its servers must have, the totals, the report.
    void showChosen();

    QString m_catalogue;
    Language m_language;
    WindowHelp m_help;
    QMenuBar *m_menuBar;
    ReportActions *m_reportActions;
    QButtonGroup *m_kinds;
    QButtonGroup *m_levels;
    QButtonGroup *m_vendors;
    PlanTableModel *m_plans;
    FarmPlanning::Kind m_kind = FarmPlanning::Kind::Rdp; // of the plans shown
    QString m_countText;                                 // of the plans shown
    Vendor m_vendor = Vendor::Intel;                     // of the plans shown
    FarmPlanning::Result m_result;                       // the plans shown

    QLabel *Label1;
    QLineEdit *txbNumber1;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QRadioButton *Option4;
    QRadioButton *Option5;
    QRadioButton *Option6;
    QRadioButton *Option7;
    QRadioButton *Option8;
    QLabel *Label4;
    QSpinBox *spnConcurrency;
    QLabel *Label5;
    QSpinBox *spnSpares;
    QPushButton *Command1;
    QLabel *Label2;
    QTableView *tblPlans;
    QLabel *Label6;
    QLabel *Label3;
};
