#include "pagesemitter.h"

#include "appfont.h"
#include "displaytext.h"
#include "reportwalker.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <numeric>
#include <queue>

namespace {

constexpr qreal textPoints = 10;
constexpr qreal padding = 2; // points, inside each cell
constexpr qreal spacing = 6; // points, below each paragraph and table
// Of each column's texts that may be its widest, as many are measured.
constexpr std::size_t measuredLongest = 64;

// Line ends break the line: a layout would show them as blanks.
QString shown(const QString &text)
{
    return DisplayText::escaped(text)
        .replace(QStringLiteral("\r\n"), QChar(QChar::LineSeparator))
        .replace(u'\r', QChar::LineSeparator)
        .replace(u'\n', QChar::LineSeparator);
}

// About how wide a text is: an East Asian wide character as two.
qsizetype roughWidth(const QString &text)
{
    qsizetype width = 0;
    for (const QChar c : text)
        width += c.unicode() >= 0x1100 ? 2 : 1;
    return width;
}

} // namespace

qreal PagesEmitter::Block::paint(QPainter &painter, qreal top, qreal from, qreal to) const
{
    // Where the lines stop that fit whole: the top of the first that does not, of any text.
    qreal until = to;
    for (const auto &[at, text] : texts) {
        for (int index = 0; index < text->lineCount(); ++index) {
            const QTextLine line = text->lineAt(index);
            const qreal lineTop = at.y() + line.y();
            if (lineTop >= from && lineTop + line.height() > to) {
                until = std::min(until, lineTop);
                break;
            }
        }
    }
    // A line taller than the room would never fit: the room is left to it.
    if (until <= from)
        until = to;
    for (const QRectF &frame : frames)
        painter.drawRect(frame.intersected(QRectF(frame.x(), from, frame.width(), until - from)).translated(0, top));
    for (const auto &[at, text] : texts) {
        for (int index = 0; index < text->lineCount(); ++index) {
            const QTextLine line = text->lineAt(index);
            const qreal lineTop = at.y() + line.y();
            if (lineTop >= from && lineTop < until)
                line.draw(&painter, at + QPointF(0, top));
        }
    }
    return until;
}

PagesEmitter::PagesEmitter(Language language, QPagedPaintDevice &device, QPainter &painter, const Pump &pump)
    : BlockEmitter(language)
    , m_device(device)
    , m_painter(painter)
    , m_pump(pump)
    , m_fonts{AppFont::font(1.4 * textPoints, true), AppFont::font(1.2 * textPoints, true),
              AppFont::font(textPoints, true), AppFont::font(textPoints)}
    , m_width(device.width())
    , m_height(std::max(1.0, device.height() - QFontMetricsF(font(Style::Line), &device).height() - points(spacing)))
{
    m_painter.setPen(QPen(Qt::black, points(0.5)));
}

bool PagesEmitter::paint(const Report &report, QPagedPaintDevice &device, const Pump &pump)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PagesEmitter emitter(report.language, device, painter, pump);
    ReportWalker::walk(report, emitter);
    if (!emitter.m_stopped && !emitter.m_waiting.empty())
        emitter.place(Block{});
    emitter.footer();
    painter.end();
    return !emitter.m_stopped;
}

qreal PagesEmitter::points(qreal size) const
{
    return size * m_device.logicalDpiY() / 72.0;
}

std::unique_ptr<QTextLayout> PagesEmitter::laidOut(const QString &text, const QFont &font, qreal width,
                                                   Qt::Alignment alignment) const
{
    auto layout = std::make_unique<QTextLayout>(shown(text), font, &m_device);
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    layout->beginLayout();
    qreal height = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout->endLayout();
    return layout;
}

void PagesEmitter::paragraph(const QString &text, Style style)
{
    if (m_stopped)
        return;
    Block block;
    block.texts.emplace_back(QPointF(), laidOut(text, font(style), m_width, Qt::AlignLeft));
    block.height = block.texts.back().second->boundingRect().height() + points(spacing);
    if (style == Style::Heading || style == Style::Caption) {
        m_waiting.push_back(std::move(block));
        return;
    }
    place(block);
    pumped();
}

PagesEmitter::Block PagesEmitter::row(const QList<ReportCell> &cells, const std::vector<qreal> &widths,
                                      const QFont &font) const
{
    Block block;
    const qreal inside = points(padding);
    qreal x = 0;
    qreal tallest = 0;
    for (qsizetype column = 0; column < cells.size(); ++column) {
        // A row's last cell spans the columns it lacks.
        const qreal width = column + 1 < cells.size()
            ? widths[column]
            : std::accumulate(widths.begin() + column, widths.end(), qreal(0));
        auto text = laidOut(cells[column].text, font, width - 2 * inside,
                            cells[column].isFigure() ? Qt::AlignRight : Qt::AlignLeft);
        tallest = std::max(tallest, text->boundingRect().height());
        block.texts.emplace_back(QPointF(x + inside, inside), std::move(text));
        block.frames.emplace_back(x, 0, width, 0);
        x += width;
    }
    block.height = tallest + 2 * inside;
    for (QRectF &frame : block.frames)
        frame.setHeight(block.height);
    return block;
}

std::vector<qreal> PagesEmitter::columnWidths(const Table &table, qsizetype columns) const
{
    // A row's last cell spans the columns it lacks: it sets no column's width.
    const auto measured = [columns](qsizetype cells) { return cells == columns ? columns : cells - 1; };
    // Measuring every cell would cost as much as laying it out: only each column's texts longest in characters
    // (a wide one counting twice) are measured, a few of each.
    using Length = std::pair<qsizetype, qsizetype>; // and its row
    std::vector<std::priority_queue<Length, std::vector<Length>, std::greater<>>> longest(columns);
    for (qsizetype row = 0; row < table.cells.size(); ++row) {
        const QList<ReportCell> &cells = table.cells[row];
        for (qsizetype column = 0; column < measured(cells.size()); ++column) {
            longest[column].emplace(roughWidth(cells[column].text), row);
            if (longest[column].size() > measuredLongest)
                longest[column].pop();
        }
    }
    // A layout rounds its texts' widths otherwise than the metrics: a text of the column's width must not wrap.
    const qreal around = 2 * points(padding) + points(1);
    std::vector<qreal> natural(columns, around);
    const QFontMetricsF bold(font(Style::Caption), &m_device);
    for (qsizetype column = 0; column < measured(table.header.size()); ++column)
        natural[column] = std::max(natural[column], bold.horizontalAdvance(shown(table.header[column])) + around);
    const QFontMetricsF metrics(font(Style::Line), &m_device);
    for (qsizetype column = 0; column < columns; ++column) {
        for (; !longest[column].empty(); longest[column].pop())
            natural[column] = std::max(
                natural[column],
                metrics.horizontalAdvance(shown(table.cells[longest[column].top().second][column].text)) + around);
    }
    const qreal total = std::accumulate(natural.begin(), natural.end(), qreal(0));
    if (total <= m_width)
        return natural;
    // Too wide for the page: the narrow columns keep their widths, the wide ones share what is left.
    const qreal fair = m_width / qreal(columns);
    qreal narrow = 0;
    for (const qreal width : natural)
        narrow += width <= fair ? width : 0;
    std::vector<qreal> widths;
    for (const qreal width : natural)
        widths.push_back(width <= fair ? width : width * (m_width - narrow) / (total - narrow));
    return widths;
}

void PagesEmitter::table(const Table &table)
{
    if (m_stopped)
        return;
    qsizetype columns = std::max<qsizetype>(1, table.header.size());
    for (const QList<ReportCell> &cells : table.cells)
        columns = std::max(columns, cells.size());
    const std::vector<qreal> widths = columnWidths(table, columns);
    Block heading;
    if (!table.header.isEmpty()) {
        heading = row(QList<ReportCell>(table.header.cbegin(), table.header.cend()), widths, font(Style::Caption));
        m_repeated = &heading;
        m_repeatedWaits = true;
    }
    for (const QList<ReportCell> &cells : table.cells) {
        place(row(cells, widths, font(Style::Line)));
        if (!pumped())
            break;
    }
    m_repeated = nullptr;
    m_y += points(spacing);
}

void PagesEmitter::place(const Block &block)
{
    qreal height = block.height + (m_repeatedWaits ? m_repeated->height : 0);
    for (const Block &waiting : m_waiting)
        height += waiting.height;
    if (m_y > m_top && m_y + height > m_height)
        newPage();
    for (const Block &waiting : m_waiting)
        put(waiting);
    m_waiting.clear();
    if (m_repeatedWaits) {
        m_repeatedWaits = false;
        put(*m_repeated);
    }
    put(block);
    m_top = 0;
}

void PagesEmitter::put(const Block &block)
{
    qreal from = 0; // what the pages before hold of the block
    while (block.height - from > m_height - m_y) {
        from = block.paint(m_painter, m_y - from, from, from + m_height - m_y);
        newPage();
    }
    block.paint(m_painter, m_y - from, from, block.height);
    m_y += block.height - from;
}

void PagesEmitter::newPage()
{
    footer();
    m_device.newPage();
    ++m_page;
    m_y = 0;
    // A heading row of more than half a page would leave its rows too little room.
    if (m_repeated && !m_repeatedWaits && m_repeated->height <= m_height / 2) {
        m_repeated->paint(m_painter, 0, 0, m_repeated->height);
        m_y = m_repeated->height;
    }
    m_top = m_y;
}

void PagesEmitter::footer()
{
    m_painter.setFont(font(Style::Line));
    m_painter.drawText(QRectF(0, m_height, m_width, m_device.height() - m_height), Qt::AlignRight | Qt::AlignBottom,
                       QString::number(m_page));
}

bool PagesEmitter::pumped()
{
    if (m_pump && !m_pump())
        m_stopped = true;
    return !m_stopped;
}
