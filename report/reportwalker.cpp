#include "reportwalker.h"

#include "report.h"
#include "reportemitter.h"

namespace {

template <class... Handlers> struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

} // namespace

void ReportWalker::walk(const Report &report, ReportEmitter &emitter, Scope scope)
{
    const bool whole = scope == Scope::Whole;
    if (whole)
        emitter.title(report.title, report.created);
    for (const Report::Section &section : report.sections) {
        std::visit(Overloaded{[&](const ReportSection::Inputs &inputs) {
                                  if (whole)
                                      emitter.inputs(inputs);
                              },
                              [&](const ReportSection::Catalogue &catalogue) {
                                  if (whole)
                                      emitter.catalogue(catalogue);
                              },
                              [&](const ReportSection::Heading &heading) { emitter.heading(heading); },
                              [&](const ReportSection::Candidates &candidates) { emitter.candidates(candidates); },
                              [&](const ReportSection::Results &results) { emitter.results(results); },
                              [&](const ReportSection::Text &text) { emitter.text(text); },
                              [&](const ReportSection::Table &table) { emitter.table(table); },
                              [&](const ReportSection::Reasoning &reasoning) {
                                  if (scope != Scope::Answer)
                                      emitter.reasoning(reasoning);
                              }},
                   section);
    }
}

qsizetype ReportWalker::length(const Report &report)
{
    qsizetype lines = 2; // the title and the time
    for (const Report::Section &section : report.sections) {
        lines += 1
            + std::visit(Overloaded{[](const ReportSection::Inputs &inputs) { return inputs.rows.size(); },
                                    [](const ReportSection::Catalogue &) { return qsizetype(0); },
                                    [](const ReportSection::Heading &) { return qsizetype(0); },
                                    [](const ReportSection::Candidates &list) { return list.rows.size(); },
                                    [](const ReportSection::Results &results) { return results.rows.size(); },
                                    [](const ReportSection::Text &text) { return text.text.count(u'\n'); },
                                    [](const ReportSection::Table &table) { return table.rows.size(); },
                                    [](const ReportSection::Reasoning &steps) { return steps.steps.size(); }},
                         section);
    }
    return lines;
}
