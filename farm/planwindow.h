#pragma once

#include "childwindow.h"
#include "farmplan.h"
#include "windowmenus.h"

#include <QTimer>

class GroupTableModel;
class PlanTableModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class ReportActions;

// The plan of a site, a document the user keeps in a plan file: its user groups, edited in place, its options,
// and for each farm that has groups the plans of every processor, the chosen one of each (kept with the plan),
// what their servers need, the totals and the licences. Every change plans anew; a change during a reading starts
// it again. A child window of the main window.
class PlanWindow : public ChildWindow
{
    Q_OBJECT

public:
    // freshPlan: a new plan (the main window's count, level and vendor as its one group).
    PlanWindow(QWidget *mainWindow, const QString &catalogue, Language language, const WindowDoors &doors,
               std::function<SitePlan()> freshPlan);
    ~PlanWindow() override;

    // A new plan or the plan of a file, each after asking what becomes of unsaved changes. False where the user
    // cancelled or the file was refused or is gone (the window as it was, the reason said).
    bool newPlan();
    bool open(const QString &path);
    // The plan as the window holds it now.
    SitePlan plan() const;
    QString path() const { return m_path; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createMenus();
    void retitle();
    // Whether the changes may go: saved, or discarded, or there were none.
    bool maySetAside();
    bool save();
    bool saveAs();
    bool saveTo(const QString &path);
    void openChosen();
    void load(const SitePlan &plan, const QString &path);
    void changed();
    void replan(bool asked);
    void showPlans(const FarmPlanning::Result &result);
    void showChosen();
    void addGroup(bool duplicate);
    void removeGroup();
    void updateGroupButtons();
    QString displayName() const;

    QString m_catalogue;
    Language m_language;
    WindowDoors m_doors;
    std::function<SitePlan()> m_freshPlan;
    QString m_path;
    bool m_loading = false;
    bool m_reading = false;
    bool m_restart = false;
    QTimer m_planLater;
    FarmPlanning::Result m_result; // of the plans shown
    std::array<std::optional<QString>, 2> m_chosen;
    QMenuBar *m_menuBar;
    ReportActions *m_reportActions;
    GroupTableModel *m_groups;
    std::array<PlanTableModel *, 2> m_plans;

    QLineEdit *nameEdit;
    QPlainTextEdit *notesEdit;
    QTableView *groupsTable;
    QPushButton *addGroupButton;
    QPushButton *duplicateGroupButton;
    QPushButton *removeGroupButton;
    QComboBox *vendorBox;
    QSpinBox *sparesBox;
    QSpinBox *growthBox;
    QSpinBox *yearsBox;
    QSpinBox *ceilingBox;
    QPushButton *planButton;
    QLabel *headingLabel;
    QTabWidget *farmTabs;
    std::array<QTableView *, 2> plansTables;
    QLabel *chosenLabel;
    QLabel *totalsLabel;
};
