#pragma once

#include "reportemitter.h"

#include <QStringList>

// A report as a flow of blocks, in the same words for every format: paragraphs of a few styles and tables. The
// plain text, HTML and page emitters write the blocks each in their own way.
class BlockEmitter : public ReportEmitter
{
public:
    explicit BlockEmitter(Language language)
        : m_language(language)
    { }

    void title(const QString &title, const QDateTime &created) override;
    void inputs(const ReportSection::Inputs &inputs) override;
    void catalogue(const ReportSection::Catalogue &catalogue) override;
    void heading(const ReportSection::Heading &heading) override;
    void candidates(const ReportSection::Candidates &candidates) override;
    void results(const ReportSection::Results &results) override;
    void text(const ReportSection::Text &text) override;
    void table(const ReportSection::Table &table) override;
    void reasoning(const ReportSection::Reasoning &reasoning) override;

protected:
    enum class Style { Title, Heading, Caption, Line };
    // A table: its cells row by row (figures set to the right), and the same rows as lines of plain text. A
    // table without rows says so in its one cell.
    struct Table {
        QList<QList<ReportCell>> cells;
        QStringList lines;
        QStringList header; // the columns' headings, if any
    };

    virtual void paragraph(const QString &text, Style style) = 0;
    virtual void table(const Table &table) = 0;
    // After the inputs and the catalogue, before the answer.
    virtual void answerFollows() { }

    Language language() const { return m_language; }

private:
    void rows(const QList<ReportRow> &rows);
    void caption(const QString &caption);
    Table none() const; // a table without rows says so

    Language m_language;
};
