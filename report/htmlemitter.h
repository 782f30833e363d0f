#pragma once

#include "blockemitter.h"

// A report as HTML, for the clipboard (mail, spreadsheets): a table's cells as a table, every text escaped,
// whatever a catalogue puts in a model text.
class HtmlEmitter : public BlockEmitter
{
public:
    using BlockEmitter::BlockEmitter;

    static QString html(const Report &report);

protected:
    void paragraph(const QString &text, Style style) override;
    void table(const Table &table) override;

private:
    QString m_html;
};
