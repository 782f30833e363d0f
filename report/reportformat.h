#pragma once

#include "report.h"

#include <QString>
#include <QStringList>

// A report as text: plain lines for the clipboard and the terminal, HTML for mail, spreadsheets and pages,
// CSV for the candidate list.
namespace ReportFormat {
// The report's lines, without line ends.
QStringList lines(const Report &report);
// The lines from the heading on: the answer without the title, the inputs and the catalogue.
QStringList resultLines(const Report &report);
// The lines, each closed by CR LF.
QString plainText(const Report &report);
QString html(const Report &report);
// RFC 4180: a header row, then model, score and percentage of every candidate; CR LF after every row.
QString csv(const QList<Candidate> &candidates, Language language);
} // namespace ReportFormat
