#pragma once

#include "reportemitter.h"

#include <QHash>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

// A report as an Excel workbook, through libxlsxwriter: a sheet for the answer (the title, the inputs, the
// heading, the candidates or the plans, the results), a sheet of its own for each table that asks for one (a
// plan's groups), and one for the reasoning. Figures are numbers (percentages as per cent, sizes with their unit
// in the number's format), every text a text, never a formula (a model "=1+1" stays those characters); each
// sheet's first table keeps its heading row in view, and each column is as wide as its texts.
class WorkbookEmitter : public ReportEmitter
{
public:
    // Asked after every row: false stops the writing (nothing is saved then).
    using Pump = std::function<bool()>;

    // Writes the workbook through a temporary file that replaces the target only when complete. Nothing, or why
    // the file could not be written (a cancelled writing says so in an empty text); no file is left behind then.
    static std::optional<QString> save(const Report &report, const QString &path, const Pump &pump = {});

    void title(const QString &title, const QDateTime &created) override;
    void inputs(const ReportSection::Inputs &inputs) override;
    void catalogue(const ReportSection::Catalogue &catalogue) override;
    void heading(const ReportSection::Heading &heading) override;
    void candidates(const ReportSection::Candidates &candidates) override;
    void results(const ReportSection::Results &results) override;
    void text(const ReportSection::Text &text) override;
    void table(const ReportSection::Table &table) override;
    void reasoning(const ReportSection::Reasoning &reasoning) override;

private:
    struct Sheet {
        lxw_worksheet *worksheet = nullptr;
        int row = 0;
        std::vector<double> widths; // of the columns' texts, in characters
        bool frozen = false;        // its first table's heading row kept in view
    };
    enum class Style { Plain, Title, Bold, Heading };

    WorkbookEmitter(lxw_workbook *workbook, Language language, const Pump &pump);

    Sheet &sheet(const QString &name);
    // A row of texts or figures; columnar rows count for the columns' widths.
    void row(Sheet &sheet, const QList<ReportCell> &cells, Style style = Style::Plain, bool columnar = true);
    void rows(Sheet &sheet, const QList<ReportRow> &rows);
    void tableOn(Sheet &sheet, const QString &caption, const QStringList &header, const QList<QList<ReportCell>> &rows);
    lxw_format *format(Style style, const ReportCell &cell);
    void finish();

    lxw_workbook *m_workbook;
    Language m_language;
    Pump m_pump;
    bool m_stopped = false;
    std::vector<std::pair<QString, Sheet>> m_sheets;
    QHash<QString, lxw_format *> m_formats;
};
