#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What another program reads back from a report: HTML through libxml2's parser, CSV by RFC 4180, an Excel workbook
// unpacked by unzip and its sheets parsed by libxml2, a PDF through pdftotext.
namespace Readback {

// Every title, heading, paragraph and table cell in document order as "tag: text" ("td right: text" for a cell
// aligned right), entities decoded; any other text as ": text".
QStringList htmlBlocks(const QString &html);

// The rows of CSV text, each ended by CR LF; nothing where the text breaks RFC 4180.
std::optional<QList<QStringList>> csvRows(const QString &csv);

// A workbook's sheets as a spreadsheet reads them: a text cell as its text, a number as "number | format" (the
// number as written, its format's code), a formula as "= formula"; rows as they are numbered, from 1.
struct Sheet {
    QString name;
    QList<QStringList> rows;
    int frozenRows = 0;
    QList<double> widths; // of the columns that are given one
};
std::optional<QList<Sheet>> workbook(const QString &path);

// A PDF's pages as pdftotext reads them, each page's lines with their blanks squeezed to one; nothing where it
// reads no PDF.
std::optional<QList<QStringList>> pdfPages(const QString &path);

} // namespace Readback
