#pragma once

#include "processorfacts.h"

#include <QString>

// A processor that carries the load, as a list shows it and as a report or a spreadsheet takes it.
struct Candidate {
    QString model; // without its leading and trailing blanks
    double score;  // as the catalogue gives it
    double percentage;
    QString entry; // the list's line
    ProcessorFacts facts{};
};
