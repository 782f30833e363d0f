#include "pagesemitter.h"

#include "appfont.h"
#include "displaytext.h"
#include "reporttexts.h"
#include "reportwalker.h"
#include "reportwording.h"

#include <QTextDocument>
#include <QTextTable>

namespace {

constexpr qreal points = 10;

} // namespace

PagesEmitter::PagesEmitter(Language language, QTextDocument &document)
    : m_language(language)
    , m_cursor(&document)
{ }

void PagesEmitter::build(const Report &report, QTextDocument &document)
{
    document.setDefaultFont(AppFont::font(points));
    PagesEmitter emitter(report.language, document);
    ReportWalker::walk(report, emitter);
}

void PagesEmitter::title(const QString &title, const QDateTime &created)
{
    paragraph(title, 1.4, true);
    paragraph(ReportWording::createdLine(created, m_language));
}

void PagesEmitter::inputs(const ReportSection::Inputs &inputs)
{
    rows(inputs.rows);
}

void PagesEmitter::catalogue(const ReportSection::Catalogue &catalogue)
{
    paragraph(ReportWording::catalogueLine(catalogue, m_language));
}

void PagesEmitter::heading(const ReportSection::Heading &heading)
{
    paragraph(heading.text, 1.2, true);
}

void PagesEmitter::candidates(const ReportSection::Candidates &candidates)
{
    paragraph(candidates.caption + ReportTexts::separator.in(m_language).trimmed(), 1, true);
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setCellSpacing(0);
    format.setCellPadding(3);
    const int rows = int(std::max<qsizetype>(candidates.rows.size(), 1));
    QTextTable *table = m_cursor.insertTable(rows, 2, format);
    if (candidates.rows.isEmpty()) {
        table->mergeCells(0, 0, 1, 2);
        table->cellAt(0, 0).firstCursorPosition().insertText(ReportTexts::none.in(m_language));
    }
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    for (int row = 0; row < candidates.rows.size(); ++row) {
        const ReportCandidate &candidate = candidates.rows[row];
        table->cellAt(row, 0).firstCursorPosition().insertText(DisplayText::escaped(candidate.model));
        QTextCursor percentage = table->cellAt(row, 1).firstCursorPosition();
        percentage.setBlockFormat(right);
        percentage.insertText(ReportWording::percentage(candidate) + u'%');
    }
    m_cursor.movePosition(QTextCursor::End);
}

void PagesEmitter::results(const ReportSection::Results &results)
{
    rows(results.rows);
}

void PagesEmitter::text(const ReportSection::Text &text)
{
    if (!text.caption.isEmpty())
        paragraph(text.caption + ReportTexts::separator.in(m_language).trimmed());
    const QStringList lines = ReportWording::linesOf(text.text);
    for (const QString &line : lines)
        paragraph(line);
    if (lines.isEmpty())
        paragraph(ReportTexts::none.in(m_language));
}

void PagesEmitter::paragraph(const QString &text, qreal scale, bool bold)
{
    QTextBlockFormat block;
    block.setBottomMargin(6);
    QTextCharFormat characters;
    characters.setFontPointSize(points * scale);
    characters.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    if (m_empty) {
        m_cursor.setBlockFormat(block);
        m_cursor.setBlockCharFormat(characters);
        m_empty = false;
    } else {
        m_cursor.insertBlock(block, characters);
    }
    m_cursor.insertText(DisplayText::escaped(text), characters);
}

void PagesEmitter::rows(const QList<ReportRow> &rows)
{
    for (const ReportRow &row : rows)
        paragraph(row.caption + ReportTexts::separator.in(m_language) + row.value);
}
