#pragma once

#include <QString>

// A cell of a report's table: its text, as every format shows it, and where it is a figure, the figure itself,
// which a spreadsheet keeps as a number it can calculate with.
struct ReportCell {
    enum class Kind { Text, Number, Percentage };

    QString text;
    Kind kind = Kind::Text;
    double value = 0; // Number: the figure; Percentage: the per cent (115 for 115 %)
    QString unit;     // Number: what it counts ("GB", "Mbps", "W"), or nothing

    ReportCell(const QString &text = {}) // NOLINT: a text is a cell
        : text(text)
    { }
    // "88 GB"; a whole number in plain digits, however large.
    static ReportCell number(double value, const QString &unit = {});
    // "115%"
    static ReportCell percentage(double value);

    bool isFigure() const { return kind != Kind::Text; }
    friend bool operator==(const ReportCell &one, const ReportCell &other)
    {
        return one.text == other.text && one.kind == other.kind && one.value == other.value && one.unit == other.unit;
    }
};
