#include "pagesemitter.h"

#include "appfont.h"
#include "displaytext.h"
#include "reportwalker.h"

#include <QTextDocument>
#include <QTextTable>

namespace {

constexpr qreal points = 10;

} // namespace

PagesEmitter::PagesEmitter(Language language, QTextDocument &document)
    : BlockEmitter(language)
    , m_cursor(&document)
{ }

void PagesEmitter::build(const Report &report, QTextDocument &document)
{
    document.setDefaultFont(AppFont::font(points));
    PagesEmitter emitter(report.language, document);
    ReportWalker::walk(report, emitter);
}

void PagesEmitter::paragraph(const QString &text, Style style)
{
    QTextBlockFormat block;
    block.setBottomMargin(6);
    QTextCharFormat characters;
    characters.setFontPointSize(style == Style::Title ? 1.4 * points : style == Style::Heading ? 1.2 * points : points);
    characters.setFontWeight(style == Style::Line ? QFont::Normal : QFont::Bold);
    if (m_empty) {
        m_cursor.setBlockFormat(block);
        m_cursor.setBlockCharFormat(characters);
        m_empty = false;
    } else {
        m_cursor.insertBlock(block, characters);
    }
    m_cursor.insertText(DisplayText::escaped(text), characters);
}

void PagesEmitter::table(const Table &table)
{
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setCellSpacing(0);
    format.setCellPadding(3);
    QList<QList<ReportCell>> rows = table.cells;
    if (!table.header.isEmpty()) {
        rows.prepend(QList<ReportCell>(table.header.cbegin(), table.header.cend()));
        format.setHeaderRowCount(1);
    }
    qsizetype columns = 1;
    for (const QList<ReportCell> &row : rows)
        columns = std::max(columns, row.size());
    QTextTable *cells = m_cursor.insertTable(int(rows.size()), int(columns), format);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    for (int row = 0; row < rows.size(); ++row) {
        const QList<ReportCell> &texts = rows[row];
        if (texts.size() < columns)
            cells->mergeCells(row, int(texts.size()) - 1, 1, int(columns - texts.size()) + 1);
        for (int column = 0; column < texts.size(); ++column) {
            QTextCursor cell = cells->cellAt(row, column).firstCursorPosition();
            if (texts[column].isFigure())
                cell.setBlockFormat(right);
            cell.insertText(DisplayText::escaped(texts[column].text));
        }
    }
    m_cursor.movePosition(QTextCursor::End);
}
