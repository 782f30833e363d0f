#pragma once

#include "candidate.h"
#include "cpucatalogue.h"
#include "language.h"

#include <QDateTime>
#include <QList>
#include <QString>

// One row of a report: a caption and its value, as the window shows them.
struct ReportRow {
    QString caption;
    QString value;
};

// The last finished calculation of a window, as it is copied, saved and printed. Every text is in the
// report's language and exactly as the window shows it.
struct Report {
    Language language = Language::Chinese;
    QString title; // the window's title
    QDateTime created;
    QList<ReportRow> inputs;
    CpuCatalogue::Facts catalogue;
    QString heading;     // the result's heading; none for the query
    QString listCaption; // the candidate list's caption; none for the query
    QList<Candidate> candidates;
    QList<ReportRow> results;
    QString textCaption;
    QString text; // lines ended or separated by CR LF
};
