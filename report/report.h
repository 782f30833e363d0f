#pragma once

#include "candidate.h"
#include "language.h"
#include "reportcell.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <variant>

// One row of a report: a caption and its value, as the window shows them.
struct ReportRow {
    QString caption;
    QString value;
};

// The parts of a report, each in the report's language and exactly in the window's words.
namespace ReportSection {
struct Inputs {
    QList<ReportRow> rows;
};
// The catalogue the answer was read from; found is false where there was none.
struct Catalogue {
    bool found;
    qint64 records;
    QDateTime modified;
};
struct Heading {
    QString text;
};
struct Candidates {
    QString caption;
    QList<Candidate> rows;
};
struct Results {
    QList<ReportRow> rows;
    QString caption{}; // where the window gives them one
};
// A result text of lines ended or separated by CR LF, under its caption where it has one.
struct Text {
    QString caption;
    QString text;
};
// A table of rows under its caption (where it has one) and its column headings; a workbook gives a table of its
// own sheet the caption as the sheet's name.
struct Table {
    QString caption;
    QStringList header;
    QList<QList<ReportCell>> rows;
    bool ownSheet{false};
};
// How the answer was worked out: each step's name and its formula with this answer's figures.
struct Reasoning {
    QString caption;
    QList<ReportRow> steps;
};
} // namespace ReportSection

// The last finished calculation of a window, as it is copied, saved and printed: its title (the window's), when
// it was made, then its sections in order. Inputs and catalogue come first; the answer follows them.
struct Report {
    using Section = std::variant<ReportSection::Inputs, ReportSection::Catalogue, ReportSection::Heading,
                                 ReportSection::Candidates, ReportSection::Results, ReportSection::Text,
                                 ReportSection::Table, ReportSection::Reasoning>;

    Language language = Language::Chinese;
    QString title;
    QDateTime created;
    QList<Section> sections;
};
