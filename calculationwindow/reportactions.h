#pragma once

#include "bilingual.h"
#include "language.h"
#include "report.h"

#include <QObject>

#include <functional>
#include <initializer_list>
#include <optional>

class QAction;
class QPlainTextEdit;
class QWidget;

// Copy, save as PDF, save as Excel and print for a window's last finished calculation: window actions with their
// shortcuts, and a context menu on the window and on its text areas (after the areas' own entries).
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
    // Copy, save as PDF, save as Excel and print (where this Qt prints), for a menu.
    const QList<QAction *> &actions() const { return m_actions; }

    // Save as PDF without its shortcut: where Ctrl+S saves a document.
    void dropPdfShortcut();
    // The name the save dialogs offer, without its suffix (a plan's name); else one from the report's time.
    void setFileName(const QString &name) { m_fileName = name; }

private:
    void copyToClipboard();
    void saveAsPdf();
    void saveAsWorkbook();
    // Writes the report, asking after every row whether to go on; nothing, why it failed, or an empty text where
    // it was stopped.
    using Writer = std::function<std::optional<QString>(const Report &report, const QString &path,
                                                        const std::function<bool()> &pump)>;
    // Saves the report where the user chooses, with a progress dialog that cancels a long saving.
    void saveAs(const QString &suffix, const Bilingual &title, const Bilingual &filter, const Bilingual &saving,
                const Bilingual &failed, const Writer &write);
    void printReport();
    void showMenu(QWidget *area, const QPoint &position);
    void update();

    QWidget *m_window;
    Language m_language;
    ReportMaker m_report;
    QString m_fileName;
    bool m_busy = false;
    QList<QAction *> m_actions;
};
