#include "workbookemitter.h"

#include "decimal.h"
#include "displaytext.h"
#include "factscells.h"
#include "reporttexts.h"
#include "reportwalker.h"
#include "version.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>

namespace {

constexpr qsizetype longestCell = 32767; // bytes

// A text as a cell holds it: shown as everywhere, and within the bytes a cell takes.
QByteArray cellText(const QString &text)
{
    QByteArray bytes = DisplayText::escaped(text).toUtf8();
    if (bytes.size() <= longestCell)
        return bytes;
    qsizetype end = longestCell - 3;
    while (end > 0 && (bytes[end] & 0xC0) == 0x80) // not inside a character
        --end;
    return bytes.left(end) + "\xE2\x80\xA6";
}

// How wide a text is in a column, in the widths of digits: characters of East Asian scripts take two.
double widthOf(const QString &text)
{
    double width = 0;
    for (const QChar c : text)
        width += c.unicode() >= 0x1100 && !c.isLowSurrogate() ? 2 : 1;
    return width;
}

constexpr int lastRow = LXW_ROW_MAX - 1;

} // namespace

WorkbookEmitter::WorkbookEmitter(lxw_workbook *workbook, Language language, const Pump &pump)
    : m_workbook(workbook)
    , m_language(language)
    , m_pump(pump)
{ }

std::optional<QString> WorkbookEmitter::save(const Report &report, const QString &path, const Pump &pump)
{
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return scratch.errorString();
    const QString written = scratch.filePath(QStringLiteral("report.xlsx"));
    QByteArray tmpdir = QFile::encodeName(scratch.path());
    lxw_workbook_options options{LXW_TRUE, tmpdir.data(), LXW_FALSE};
    lxw_workbook *workbook = workbook_new_opt(QFile::encodeName(written).constData(), &options);
    if (!workbook)
        return QString::fromLatin1(lxw_strerror(LXW_ERROR_CREATING_TMPFILE));
    bool stopped = false;
    {
        WorkbookEmitter emitter(workbook, report.language, pump);
        emitter.sheet(ReportTexts::answerSheet.in(report.language));
        ReportWalker::walk(report, emitter);
        emitter.finish();
        stopped = emitter.m_stopped;
    }
    const lxw_error error = workbook_close(workbook);
    if (stopped)
        return QString();
    if (error != LXW_NO_ERROR)
        return QString::fromLatin1(lxw_strerror(error));
    QFile book(written);
    QSaveFile target(path);
    if (!book.open(QIODevice::ReadOnly))
        return book.errorString();
    if (!target.open(QIODevice::WriteOnly) || target.write(book.readAll()) < 0 || !target.commit())
        return target.errorString();
    return std::nullopt;
}

WorkbookEmitter::Sheet &WorkbookEmitter::sheet(const QString &name)
{
    for (auto &[named, sheet] : m_sheets) {
        if (named == name)
            return sheet;
    }
    Sheet sheet;
    sheet.worksheet = workbook_add_worksheet(m_workbook, name.left(LXW_SHEETNAME_MAX).toUtf8().constData());
    m_sheets.emplace_back(name, sheet);
    return m_sheets.back().second;
}

lxw_format *WorkbookEmitter::format(Style style, const ReportCell &cell)
{
    const QString key = QString::number(int(style)) + u'|' + QString::number(int(cell.kind)) + u'|' + cell.unit;
    if (lxw_format *known = m_formats.value(key))
        return known;
    lxw_format *made = workbook_add_format(m_workbook);
    if (style != Style::Plain)
        format_set_bold(made);
    if (style == Style::Title)
        format_set_font_size(made, 14);
    if (style == Style::Heading)
        format_set_bottom(made, LXW_BORDER_THIN);
    if (cell.kind == ReportCell::Kind::Percentage)
        format_set_num_format(made, "0%");
    else if (cell.kind == ReportCell::Kind::Number && !cell.unit.isEmpty())
        format_set_num_format(made, QStringLiteral("0\" %1\"").arg(cell.unit).toUtf8().constData());
    m_formats.insert(key, made);
    return made;
}

void WorkbookEmitter::row(Sheet &sheet, const QList<ReportCell> &cells, Style style, bool columnar)
{
    if (m_stopped || sheet.row >= lastRow)
        return;
    if (m_pump && !m_pump()) {
        m_stopped = true;
        return;
    }
    for (qsizetype column = 0; column < cells.size(); ++column) {
        const ReportCell &cell = cells[column];
        lxw_format *shown = format(style, cell);
        const auto at = lxw_col_t(column);
        if (cell.kind == ReportCell::Kind::Percentage)
            worksheet_write_number(sheet.worksheet, lxw_row_t(sheet.row), at, cell.value / 100, shown);
        else if (cell.kind == ReportCell::Kind::Number)
            worksheet_write_number(sheet.worksheet, lxw_row_t(sheet.row), at, cell.value, shown);
        else
            worksheet_write_string(sheet.worksheet, lxw_row_t(sheet.row), at, cellText(cell.text).constData(), shown);
        if (columnar) {
            if (sheet.widths.size() <= size_t(column))
                sheet.widths.resize(size_t(column) + 1, 0);
            sheet.widths[size_t(column)] = std::max(sheet.widths[size_t(column)], widthOf(cell.text));
        }
    }
    ++sheet.row;
    if (sheet.row == lastRow)
        worksheet_write_string(sheet.worksheet, lxw_row_t(sheet.row++), 0,
                               ReportTexts::rowsLeftOut.in(m_language).toUtf8().constData(), nullptr);
}

void WorkbookEmitter::rows(Sheet &sheet, const QList<ReportRow> &rows)
{
    for (const ReportRow &one : rows)
        row(sheet, {one.caption, one.value});
}

void WorkbookEmitter::tableOn(Sheet &sheet, const QString &caption, const QStringList &header,
                              const QList<QList<ReportCell>> &cells)
{
    if (!caption.isEmpty())
        row(sheet, {caption}, Style::Bold, false);
    if (!header.isEmpty()) {
        if (!sheet.frozen) {
            worksheet_freeze_panes(sheet.worksheet, lxw_row_t(sheet.row + 1), 0);
            sheet.frozen = true;
        }
        row(sheet, QList<ReportCell>(header.cbegin(), header.cend()), Style::Heading);
    }
    for (const QList<ReportCell> &one : cells)
        row(sheet, one);
    if (cells.isEmpty())
        row(sheet, {ReportTexts::none.in(m_language)});
    ++sheet.row;
}

void WorkbookEmitter::title(const QString &title, const QDateTime &created)
{
    Sheet &answer = m_sheets.front().second;
    row(answer, {title}, Style::Title, false);
    row(answer,
        {ReportTexts::created.in(m_language)
             .arg(QLatin1String(Version::full), created.toString(QStringLiteral("yyyy-MM-dd HH:mm")))},
        Style::Plain, false);
    ++answer.row;
}

void WorkbookEmitter::inputs(const ReportSection::Inputs &inputs)
{
    rows(m_sheets.front().second, inputs.rows);
}

void WorkbookEmitter::catalogue(const ReportSection::Catalogue &catalogue)
{
    Sheet &answer = m_sheets.front().second;
    row(answer,
        {catalogue.found ? ReportTexts::catalogue.in(m_language)
                               .arg(catalogue.records)
                               .arg(catalogue.modified.toString(QStringLiteral("yyyy-MM-dd HH:mm")))
                         : ReportTexts::noCatalogue.in(m_language)},
        Style::Plain, false);
    ++answer.row;
}

void WorkbookEmitter::heading(const ReportSection::Heading &heading)
{
    row(m_sheets.front().second, {heading.text}, Style::Bold, false);
}

void WorkbookEmitter::candidates(const ReportSection::Candidates &candidates)
{
    QList<QList<ReportCell>> cells;
    cells.reserve(candidates.rows.size());
    for (const Candidate &candidate : candidates.rows)
        cells.append(
            {candidate.model, ReportCell::number(candidate.score), ReportCell::percentage(candidate.percentage)});
    tableOn(m_sheets.front().second, candidates.caption, ReportTexts::csvHeader.in(m_language).split(u','), cells);
}

void WorkbookEmitter::results(const ReportSection::Results &results)
{
    Sheet &answer = m_sheets.front().second;
    if (!results.caption.isEmpty())
        row(answer, {results.caption}, Style::Bold, false);
    rows(answer, results.rows);
    ++answer.row;
}

void WorkbookEmitter::text(const ReportSection::Text &text)
{
    Sheet &answer = m_sheets.front().second;
    if (!text.caption.isEmpty())
        row(answer, {text.caption}, Style::Bold, false);
    for (const QString &line : text.text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        row(answer, {line}, Style::Plain, false);
    ++answer.row;
}

void WorkbookEmitter::table(const ReportSection::Table &table)
{
    if (table.ownSheet)
        tableOn(sheet(table.caption), {}, table.header, table.rows);
    else
        tableOn(m_sheets.front().second, table.caption, table.header, table.rows);
}

void WorkbookEmitter::reasoning(const ReportSection::Reasoning &reasoning)
{
    Sheet &steps = sheet(ReportTexts::reasoningSheet.in(m_language));
    QList<QList<ReportCell>> cells;
    for (const ReportRow &step : reasoning.steps)
        cells.append({step.caption, step.value});
    tableOn(steps, {}, {reasoning.caption}, cells);
}

void WorkbookEmitter::finish()
{
    for (auto &[name, sheet] : m_sheets) {
        for (size_t column = 0; column < sheet.widths.size(); ++column)
            worksheet_set_column(sheet.worksheet, lxw_col_t(column), lxw_col_t(column),
                                 std::min(sheet.widths[column] + 2, 100.0), nullptr);
    }
}
