#pragma once

#include "blockemitter.h"

#include <QFont>
#include <QPointF>
#include <QRectF>

#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QTextLayout;

// A report on pages (a PDF file, a printer), painted as it is walked: each paragraph and each table row laid out
// on its own and placed below the last, on a new page where it does not fit, where a table's heading row comes
// again. Nothing is laid out twice and nothing waits for the end, so the time grows as the report's length; no
// text of a report is ever read as markup. Each page's number stands at its foot, on the right.
class PagesEmitter : public BlockEmitter
{
public:
    // Asked after every paragraph and every row: false stops the painting.
    using Pump = std::function<bool()>;

    // The report on the device's pages, in the program's font; false where the pump stopped it.
    static bool paint(const Report &report, QPagedPaintDevice &device, const Pump &pump = {});

protected:
    void paragraph(const QString &text, Style style) override;
    void table(const Table &table) override;

private:
    // Texts laid out in the width they have, each where it stands in the block, to be painted at any height.
    struct Block {
        std::vector<std::pair<QPointF, std::unique_ptr<QTextLayout>>> texts;
        std::vector<QRectF> frames; // a table row's cells
        qreal height = 0;
        // Paints the block's part from its height from to its height to, with its top at top: the lines that begin
        // there and fit whole, and the frames as far as they go. Where the part ends: the top of the first line
        // that did not fit.
        qreal paint(QPainter &painter, qreal top, qreal from, qreal to) const;
    };

    PagesEmitter(Language language, QPagedPaintDevice &device, QPainter &painter, const Pump &pump);
    qreal points(qreal size) const;
    std::unique_ptr<QTextLayout> laidOut(const QString &text, const QFont &font, qreal width,
                                         Qt::Alignment alignment) const;
    const QFont &font(Style style) const { return m_fonts[int(style)]; }
    Block row(const QList<ReportCell> &cells, const std::vector<qreal> &widths, const QFont &font) const;
    std::vector<qreal> columnWidths(const Table &table, qsizetype columns) const;
    // Puts the block below what the page holds, after what waits for it, or all of them on a new page where they
    // do not fit.
    void place(const Block &block);
    // Paints the block from the page's current height: a block taller than what is left runs on over as many
    // pages as it needs, each line whole on one of them.
    void put(const Block &block);
    void newPage();
    void footer();
    bool pumped();

    QPagedPaintDevice &m_device;
    QPainter &m_painter;
    Pump m_pump;
    QFont m_fonts[4]; // by style
    qreal m_width;
    qreal m_height; // of the page's body, above its number
    qreal m_y = 0;
    qreal m_top = 0; // where the page's own blocks begin: below a repeated heading row
    int m_page = 1;
    bool m_stopped = false;
    std::vector<Block> m_waiting;      // headings and captions, kept with what follows them
    const Block *m_repeated = nullptr; // a table's heading row, again at the top of each of its pages
    bool m_repeatedWaits = false;      // before the table's first row
};
