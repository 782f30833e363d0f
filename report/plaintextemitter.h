#pragma once

#include "blockemitter.h"
#include "reportwalker.h"

// A report as plain lines: "caption: value" rows, a table's lines indented under its caption, an empty line
// before the answer.
class PlainTextEmitter : public BlockEmitter
{
public:
    using BlockEmitter::BlockEmitter;

    // The report's lines, without line ends.
    static QStringList lines(const Report &report, ReportWalker::Scope scope = ReportWalker::Scope::Whole);
    // Every line closed by CR LF, as the clipboard takes it.
    static QString text(const Report &report);

protected:
    void paragraph(const QString &text, Style style) override;
    void table(const Table &table) override;
    void answerFollows() override;

private:
    QStringList m_lines;
};
