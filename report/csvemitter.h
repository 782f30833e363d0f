#pragma once

#include "reportemitter.h"

// A report's rows as CSV for spreadsheets (RFC 4180), CR LF after every row, fields quoted where they must be:
// of a candidate list, a header row in the report's language, then model, score (as the catalogue gives it) and
// percentage (the list's digits) of every candidate; of a table, its headings and its rows as shown. The other
// sections have no rows.
class CsvEmitter : public ReportEmitter
{
public:
    explicit CsvEmitter(Language language)
        : m_language(language)
    { }

    static QString csv(const Report &report);

    void title(const QString &, const QDateTime &) override { }
    void inputs(const ReportSection::Inputs &) override { }
    void catalogue(const ReportSection::Catalogue &) override { }
    void heading(const ReportSection::Heading &) override { }
    void candidates(const ReportSection::Candidates &candidates) override;
    void results(const ReportSection::Results &) override { }
    void text(const ReportSection::Text &) override { }
    void table(const ReportSection::Table &table) override;
    void reasoning(const ReportSection::Reasoning &) override { }

private:
    void row(const QStringList &fields);

    Language m_language;
    QString m_csv;
};
