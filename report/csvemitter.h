#pragma once

#include "reportemitter.h"

// A report's candidate list as CSV for spreadsheets (RFC 4180): a header row in the report's language, then
// model, score (as the catalogue gives it) and percentage (the list's digits) of every candidate; CR LF after
// every row, fields quoted where they must be. The other sections have no rows.
class CsvEmitter : public ReportEmitter
{
public:
    explicit CsvEmitter(Language language);

    static QString csv(const Report &report);

    void title(const QString &, const QDateTime &) override { }
    void inputs(const ReportSection::Inputs &) override { }
    void catalogue(const ReportSection::Catalogue &) override { }
    void heading(const ReportSection::Heading &) override { }
    void candidates(const ReportSection::Candidates &candidates) override;
    void results(const ReportSection::Results &) override { }
    void text(const ReportSection::Text &) override { }
    void reasoning(const ReportSection::Reasoning &) override { }

private:
    QString m_csv;
};
