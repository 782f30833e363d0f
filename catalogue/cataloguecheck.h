#pragma once

#include "cpucatalogue.h"
#include "language.h"

#include <QList>
#include <QStringList>

#include <functional>

// What the windows would make of a catalogue, line by line: the lines they would skip and why, the first empty
// line that ends it and the lines never read, the records by vendor, and warnings of model texts and scores. The
// command line and the main window report it in the same words.
namespace CatalogueCheck {

enum class Finding { NoComma, BadScore, BadBytes, TooLong, ControlCharacters, ScoreTooLarge };

struct FoundLine {
    qint64 number;
    Finding finding;
    QString text; // the line (of a record, its model text) as shown: escaped, cut after 80 characters
};

struct Result {
    CpuCatalogue::Outcome reading = CpuCatalogue::Outcome::Complete;
    QList<FoundLine> found; // in line order
    qint64 records = 0;
    qint64 intel = 0;
    qint64 amd = 0;
    qint64 neither = 0;
    qint64 skipped = 0;
    qint64 emptyLine = 0; // the first empty line; 0 where none
    qint64 lastLine = 0;  // the file's last line
    // The details file beside it: whether there is one, how many records it gives facts for, and what it finds:
    // its lines skipped, its lines of no record's model, the records it has no line for.
    bool details = false;
    qint64 withFacts = 0;
    QStringList detailsFound; // in the report's words

    bool linesLost() const { return emptyLine != 0 && lastLine > emptyLine; }
    // Every line read and a record, and one at least.
    bool sound() const
    {
        return reading == CpuCatalogue::Outcome::Complete && skipped == 0 && !linesLost() && records > 0;
    }
};

// Reads the catalogue as the windows do, the pump after every line, and the details file beside it; sizable says
// which scores the capacity query can work with (for the warning of a score too large).
Result run(const QString &path, const std::function<bool(double score)> &sizable, const CpuCatalogue::Pump &pump = {},
           Language language = Language::English);
// The report's lines: each finding, where an empty line ends the catalogue, the records, a warning of no record.
QStringList reportLines(const Result &result, Language language);
// The verdict in plain words: sound, lines skipped, lines never read, no record; for a file that could not be
// read, why (with its path).
QString verdict(const Result &result, const QString &path, Language language);

} // namespace CatalogueCheck
