#include "reportactions.h"

#include "calculationwindowtexts.h"
#include "filedialogs.h"
#include "htmlemitter.h"
#include "messageboxes.h"
#include "plaintextemitter.h"
#include "reportpdf.h"
#include "reporttexts.h"
#include "reportwalker.h"
#include "workbookemitter.h"
#include "workprogress.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStandardPaths>

#ifdef QUARVEL_PRINTING
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#endif

ReportActions::ReportActions(QWidget *window, Language language, std::initializer_list<QPlainTextEdit *> textAreas)
    : QObject(window)
    , m_window(window)
    , m_language(language)
{
    const auto add = [this](const Bilingual &text, QKeySequence shortcut, void (ReportActions::*handler)()) {
        auto *action = new QAction(text.in(m_language), m_window);
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        m_window->addAction(action);
        m_actions << action;
    };
    add(CalculationWindowTexts::copy, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &ReportActions::copyToClipboard);
    add(CalculationWindowTexts::savePdf, QKeySequence(Qt::CTRL | Qt::Key_S), &ReportActions::saveAsPdf);
    add(CalculationWindowTexts::saveWorkbook, QKeySequence(), &ReportActions::saveAsWorkbook);
#ifdef QUARVEL_PRINTING
    add(CalculationWindowTexts::print, QKeySequence(Qt::CTRL | Qt::Key_P), &ReportActions::printReport);
#endif
    // Menus that do not wait: a menu opened while a reading pumps events must not hold the reading up.
    QList<QWidget *> areas{m_window};
    for (QPlainTextEdit *textArea : textAreas)
        areas << textArea;
    for (QWidget *area : std::as_const(areas)) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(area, &QWidget::customContextMenuRequested, this,
                [this, area](const QPoint &at) { showMenu(area, at); });
    }
    update();
}

void ReportActions::dropPdfShortcut()
{
    m_actions[1]->setShortcut(QKeySequence());
}

void ReportActions::setReport(ReportMaker report)
{
    m_report = std::move(report);
    update();
}

void ReportActions::setBusy(bool busy)
{
    m_busy = busy;
    update();
}

void ReportActions::update()
{
    for (QAction *action : std::as_const(m_actions))
        action->setEnabled(bool(m_report) && !m_busy);
}

void ReportActions::showMenu(QWidget *area, const QPoint &position)
{
    auto *edit = qobject_cast<QPlainTextEdit *>(area);
    QMenu *menu = edit ? edit->createStandardContextMenu() : new QMenu;
    menu->setParent(m_window, Qt::Popup);
    if (edit)
        menu->addSeparator();
    menu->addActions(m_actions);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup((edit ? edit->viewport() : area)->mapToGlobal(position));
}

void ReportActions::copyToClipboard()
{
    if (!m_report)
        return;
    auto *data = new QMimeData;
    const Report report = m_report();
    data->setText(PlainTextEmitter::text(report));
    data->setHtml(HtmlEmitter::html(report));
    QGuiApplication::clipboard()->setMimeData(data);
}

void ReportActions::saveAsPdf()
{
    saveAs(QStringLiteral("pdf"), CalculationWindowTexts::saveTitle, CalculationWindowTexts::pdfFilter,
           CalculationWindowTexts::savingPdf, ReportTexts::saveFailed, ReportPdf::save);
}

void ReportActions::saveAsWorkbook()
{
    saveAs(QStringLiteral("xlsx"), CalculationWindowTexts::saveWorkbookTitle, CalculationWindowTexts::workbookFilter,
           CalculationWindowTexts::savingWorkbook, ReportTexts::workbookFailed, WorkbookEmitter::save);
}

void ReportActions::saveAs(const QString &suffix, const Bilingual &title, const Bilingual &filter,
                           const Bilingual &saving, const Bilingual &failed, const Writer &write)
{
    if (!m_report)
        return;
    const Report report = m_report();
    const QString name = m_fileName.isEmpty()
        ? QStringLiteral("Quarvel-%1").arg(report.created.toString(QStringLiteral("yyyyMMdd-HHmm")))
        : m_fileName;
    const QString suggested
        = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(name + u'.' + suffix);
    const QPointer<QWidget> window(m_window);
    const Language language = m_language;
    const QString path = FileDialogs::toSave(m_window, title.in(language), suggested, filter.in(language));
    if (!window || path.isEmpty())
        return;
    std::optional<QString> error;
    {
        WorkProgress progress(window, saving.in(language), CalculationWindowTexts::cancel.in(language),
                              ReportWalker::length(report));
        error = write(report, path, [&progress] { return progress.step(); });
    }
    // These actions go with their window, which may have gone while the writing processed events. A cancelled
    // writing says nothing.
    if (window && error && !error->isEmpty())
        MessageBoxes::inform(window, window->windowTitle(),
                             failed.in(language).arg(QDir::toNativeSeparators(path), *error));
}

void ReportActions::printReport()
{
#ifdef QUARVEL_PRINTING
    if (!m_report)
        return;
    // Without a printer the system's dialog would show nothing, or nothing useful.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        MessageBoxes::inform(m_window, m_window->windowTitle(), CalculationWindowTexts::noPrinter.in(m_language));
        return;
    }
    const Report report = m_report();
    const QPointer<QWidget> window(m_window);
    const Language language = m_language;
    QPrinter printer;
    printer.setPageSize(QPageSize(ReportPdf::pageSize(QLocale::system())));
    printer.setPageMargins(QMarginsF(ReportPdf::margin, ReportPdf::margin, ReportPdf::margin, ReportPdf::margin),
                           QPageLayout::Millimeter);
    printer.setDocName(report.title);
    QPointer<QPrintDialog> dialog = new QPrintDialog(&printer, m_window);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    delete dialog.data();
    if (!accepted || !window)
        return;
    WorkProgress progress(window, CalculationWindowTexts::printing.in(language),
                          CalculationWindowTexts::cancel.in(language), ReportWalker::length(report));
    PagesEmitter::paint(report, printer, [&] {
        if (progress.step())
            return true;
        printer.abort();
        return false;
    });
#endif
}
