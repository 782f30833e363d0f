#pragma once

#include "report.h"

// A report written out in one format, one section at a time, as ReportWalker hands them over.
class ReportEmitter
{
public:
    virtual ~ReportEmitter() = default;

    virtual void title(const QString &title, const QDateTime &created) = 0;
    virtual void inputs(const ReportSection::Inputs &inputs) = 0;
    virtual void catalogue(const ReportSection::Catalogue &catalogue) = 0;
    virtual void heading(const ReportSection::Heading &heading) = 0;
    virtual void candidates(const ReportSection::Candidates &candidates) = 0;
    virtual void results(const ReportSection::Results &results) = 0;
    virtual void text(const ReportSection::Text &text) = 0;
    virtual void table(const ReportSection::Table &table) = 0;
    virtual void reasoning(const ReportSection::Reasoning &reasoning) = 0;
};
