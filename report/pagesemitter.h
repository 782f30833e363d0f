#pragma once

#include "blockemitter.h"

#include <QTextCursor>

class QTextDocument;

// A report on pages (a PDF file, a printer): a document built paragraph by paragraph and table by table, so that
// no text of a report is ever read as markup.
class PagesEmitter : public BlockEmitter
{
public:
    PagesEmitter(Language language, QTextDocument &document);

    // The report as a document, in the program's font.
    static void build(const Report &report, QTextDocument &document);

protected:
    void paragraph(const QString &text, Style style) override;
    void table(const Table &table) override;

private:
    QTextCursor m_cursor;
    bool m_empty = true;
};
