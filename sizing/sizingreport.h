#pragma once

#include "choicenames.h"
#include "reasoning.h"
#include "report.h"
#include "sizingrun.h"

// What the RDP and VDI reports share. The inputs are the ones the finished calculation answered: the count text
// as typed, the options as they stood at its end.
namespace SizingReport {

struct Inputs {
    QString countText;
    TaskLevel level;
    Vendor vendor;
    Language language;
    QDateTime created;
};

// The window's words for a sizing report: its title, its option captions, its list's caption.
struct Words {
    QString title;
    const ChoiceNames &choices;
    Bilingual listCaption;
};

// The title, the inputs, the catalogue, the heading and the candidate list; each sizing adds its results.
Report make(const Inputs &inputs, const Words &words, const SizingResult &result);
// The catalogue as a reading saw it.
ReportSection::Catalogue catalogueSection(const CpuCatalogue::Facts &facts);
// How the answer was worked out: the required score from its expression (with this answer's figures), the
// percentages, then the minimums from theirs; each sizing may add steps of its own.
ReportSection::Reasoning reasoning(const QString &requiredExpression, double requiredValue,
                                   const Reasoning::MinimumExpressions &minimums, const SizingResult &result,
                                   Language language);
} // namespace SizingReport
