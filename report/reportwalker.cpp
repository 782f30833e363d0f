#include "reportwalker.h"

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
