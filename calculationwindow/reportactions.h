#pragma once

#include "language.h"
#include "report.h"

#include <QObject>

#include <functional>
#include <initializer_list>
#include <optional>

class QAction;
class QPlainTextEdit;
class QWidget;

// Copy, save as PDF and print for a window's last finished calculation: window actions with their shortcuts,
// and a context menu on the window and on its text areas (after the areas' own entries).
class ReportActions : public QObject
{
    Q_OBJECT

public:
    ReportActions(QWidget *window, Language language, std::initializer_list<QPlainTextEdit *> textAreas = {});

    // The report of a calculation that has just finished, made when an action asks for it: a report of a million
    // processors is not made for nothing.
    using ReportMaker = std::function<Report()>;
    void setReport(ReportMaker report);
    // While a calculation runs, nothing is handed over.
    void setBusy(bool busy);
    // Copy, save as PDF and print (where this Qt prints), for a menu.
    const QList<QAction *> &actions() const { return m_actions; }

    // For tests: what the save dialog answers; an empty path cancels.
    using FileChooser = std::function<QString(QWidget *window, const QString &suggested)>;
    static void setFileChooser(FileChooser chooser);

private:
    void copyToClipboard();
    void saveAsPdf();
    void printReport();
    void showMenu(QWidget *area, const QPoint &position);
    void update();

    QWidget *m_window;
    Language m_language;
    ReportMaker m_report;
    bool m_busy = false;
    QList<QAction *> m_actions;
};
