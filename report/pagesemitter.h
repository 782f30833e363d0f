#pragma once

#include "reportemitter.h"

#include <QTextCursor>

class QPagedPaintDevice;
class QTextDocument;

// A report on pages (a PDF file, a printer): a document built paragraph by paragraph and table by table, so that
// no text of a report is ever read as markup.
class PagesEmitter : public ReportEmitter
{
public:
    PagesEmitter(Language language, QTextDocument &document);

    // The report as a document, in the program's font.
    static void build(const Report &report, QTextDocument &document);

    void title(const QString &title, const QDateTime &created) override;
    void inputs(const ReportSection::Inputs &inputs) override;
    void catalogue(const ReportSection::Catalogue &catalogue) override;
    void heading(const ReportSection::Heading &heading) override;
    void candidates(const ReportSection::Candidates &candidates) override;
    void results(const ReportSection::Results &results) override;
    void text(const ReportSection::Text &text) override;

private:
    void paragraph(const QString &text, qreal scale = 1, bool bold = false);
    void rows(const QList<ReportRow> &rows);

    Language m_language;
    QTextCursor m_cursor;
    bool m_empty = true;
};
