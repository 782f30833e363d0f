#pragma once

#include <QtGlobal>

class ReportEmitter;
struct Report;

namespace ReportWalker {
enum class Scope {
    Whole,     // the title, then every section
    Answer,    // the answer alone: no title, inputs, catalogue or reasoning
    Explained, // the answer and its reasoning
};
// Hands the report to the emitter, part by part, in order.
void walk(const Report &report, ReportEmitter &emitter, Scope scope = Scope::Whole);
// The whole report's length in lines and rows, about as many as the steps a written report's progress counts.
qsizetype length(const Report &report);
} // namespace ReportWalker
