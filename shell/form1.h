#pragma once

#include "languageselection.h"
#include "siteplan.h"
#include "windowmenus.h"

#include <QPointer>
#include <QWidget>

class EntryListModel;
class Form2;
class Form3;
class PlanWindow;
class Platform;
class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class ReportActions;
enum class Language;
enum class TaskLevel;
enum class Vendor;

// The main window: the RDP sizing, and the doors to the query and VDI windows.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(Platform &platform, QWidget *parent = nullptr);
    void showCentred();
    // The plan of a file in the plan window (opened where it is not): a refused file is said so, and a plan
    // with unsaved changes asks first.
    void openPlanFile(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void createMenus(Language language);
    WindowDoors doors();
    void checkCatalogue();
    void openFolder();
    void openFarm();
    PlanWindow *makePlanWindow();
    void newPlan();
    void openPlan();
    // A new plan of one group: the count, level and vendor of this window.
    SitePlan freshPlan() const;

    TaskLevel taskLevel() const;
    Vendor vendor() const;

    Platform &m_platform;
    QString m_folder;
    LanguageChoice m_languageChoice{};
    bool m_unloading = false;
    QPointer<Form2> m_form2;
    QPointer<Form3> m_form3;
    QPointer<PlanWindow> m_farm;
    EntryListModel *m_candidates;
    ReportActions *m_reportActions;
    QButtonGroup *m_levels;
    QButtonGroup *m_vendors;
    QMenuBar *m_menuBar;

    QFrame *Frame1;
    QFrame *Frame2;
    QFrame *Frame3;
    QLabel *Label1;
    QLineEdit *txbNumber1;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QRadioButton *Option4;
    QRadioButton *Option5;
    QRadioButton *Option6;
    QPushButton *Command1;
    QLabel *Label15;
    QLabel *Label16;
    QLabel *Label17;
    QLabel *Label3;
    QComboBox *Combo1;
    QLabel *Label4;
    QLabel *Label9;
    QLabel *Label5;
    QLabel *Label10;
    QLabel *Label6;
    QLabel *Label11;
    QLabel *Label7;
    QLabel *Label12;
    QLabel *Label8;
    QLabel *Label13;
    QLabel *Label18;
    QLabel *Label19;
    QPushButton *Command2;
    QPushButton *Command4;
    QPushButton *Command3;
    QLabel *Label14;
};
