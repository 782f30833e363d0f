#include "readback.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <QProcess>

#include <libxml/HTMLparser.h>
#include <libxml/parser.h>

namespace {

QString contentOf(xmlNode *node)
{
    xmlChar *content = xmlNodeGetContent(node);
    // A text may start with U+FEFF, which fromUtf8 would take for a byte-order mark and drop.
    const QString text = QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)(
        reinterpret_cast<const char *>(content));
    xmlFree(content);
    return text;
}

void collect(xmlNode *node, QStringList &blocks)
{
    static const QStringList blockTags{"title", "h3", "h4", "p", "th", "td"};
    for (; node; node = node->next) {
        const QString tag = QString::fromUtf8(reinterpret_cast<const char *>(node->name));
        if (node->type == XML_TEXT_NODE && !contentOf(node).trimmed().isEmpty()) {
            blocks << QStringLiteral(": ") + contentOf(node);
        } else if (node->type == XML_ELEMENT_NODE && blockTags.contains(tag)) {
            xmlChar *align = xmlGetProp(node, reinterpret_cast<const xmlChar *>("align"));
            blocks << tag + (align ? u' ' + QString::fromUtf8(reinterpret_cast<const char *>(align)) : QString())
                    + QStringLiteral(": ") + contentOf(node);
            xmlFree(align);
        } else if (node->type == XML_ELEMENT_NODE) {
            collect(node->children, blocks);
        }
    }
}

} // namespace

QStringList Readback::htmlBlocks(const QString &html)
{
    const QByteArray bytes = html.toUtf8();
    QStringList blocks;
    htmlDocPtr document = htmlReadMemory(bytes.constData(), int(bytes.size()), nullptr, "UTF-8",
                                         HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
    if (!document)
        return blocks;
    collect(xmlDocGetRootElement(document), blocks);
    xmlFreeDoc(document);
    return blocks;
}

std::optional<QList<QStringList>> Readback::csvRows(const QString &csv)
{
    // A field, quoted (any character, a quote doubled) or plain (no comma, quote or line end), then a comma or the
    // CR LF that ends every row, the last too.
    static const QRegularExpression field(QStringLiteral("(?:\"((?:[^\"]|\"\")*)\"|([^,\"\\r\\n]*))(,|\\r\\n)"));
    QList<QStringList> rows;
    QStringList row;
    for (qsizetype at = 0; at < csv.size();) {
        const QRegularExpressionMatch match
            = field.match(csv, at, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        if (!match.hasMatch())
            return std::nullopt;
        row << (match.capturedStart(1) >= 0 ? match.captured(1).replace(QStringLiteral("\"\""), QStringLiteral("\""))
                                            : match.captured(2));
        if (match.captured(3) != u",")
            rows << std::exchange(row, QStringList());
        at = match.capturedEnd();
    }
    return row.isEmpty() ? std::optional(rows) : std::nullopt;
}

namespace {

// One part of a workbook's package, parsed; nothing where it is missing or no XML.
xmlDocPtr part(const QString &path, const char *name)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QLatin1String(name)});
    if (!unzip.waitForFinished(60000) || unzip.exitCode() != 0)
        return nullptr;
    const QByteArray bytes = unzip.readAllStandardOutput();
    return xmlReadMemory(bytes.constData(), int(bytes.size()), name, "UTF-8", XML_PARSE_NONET | XML_PARSE_HUGE);
}

// The elements of that name below a node, in document order.
QList<xmlNode *> elements(xmlNode *node, const char *name)
{
    QList<xmlNode *> found;
    for (; node; node = node->next) {
        if (node->type != XML_ELEMENT_NODE)
            continue;
        if (xmlStrEqual(node->name, reinterpret_cast<const xmlChar *>(name)))
            found << node;
        found << elements(node->children, name);
    }
    return found;
}

QString attribute(xmlNode *node, const char *name)
{
    xmlChar *value = xmlGetProp(node, reinterpret_cast<const xmlChar *>(name));
    const QString text = value ? QString::fromUtf8(reinterpret_cast<const char *>(value)) : QString();
    xmlFree(value);
    return text;
}

} // namespace

std::optional<QList<Readback::Sheet>> Readback::workbook(const QString &path)
{
    xmlDocPtr book = part(path, "xl/workbook.xml");
    xmlDocPtr styles = part(path, "xl/styles.xml");
    if (!book || !styles) {
        xmlFreeDoc(book);
        xmlFreeDoc(styles);
        return std::nullopt;
    }
    // A cell's style is its place among the cell formats; each names its number format, built in (0 is General,
    // 9 is 0%) or the workbook's own.
    QHash<QString, QString> codes{{"0", "General"}, {"9", "0%"}};
    for (xmlNode *format : elements(xmlDocGetRootElement(styles), "numFmt"))
        codes.insert(attribute(format, "numFmtId"), attribute(format, "formatCode"));
    QStringList cellFormats;
    for (xmlNode *formats : elements(xmlDocGetRootElement(styles), "cellXfs")) {
        for (xmlNode *format : elements(formats->children, "xf"))
            cellFormats << codes.value(attribute(format, "numFmtId"));
    }
    xmlFreeDoc(styles);
    QList<Sheet> sheets;
    for (xmlNode *entry : elements(xmlDocGetRootElement(book), "sheet")) {
        Sheet sheet;
        sheet.name = attribute(entry, "name");
        const QByteArray member = "xl/worksheets/sheet" + QByteArray::number(sheets.size() + 1) + ".xml";
        xmlDocPtr content = part(path, member.constData());
        if (!content)
            return std::nullopt;
        xmlNode *root = xmlDocGetRootElement(content);
        for (xmlNode *pane : elements(root, "pane"))
            sheet.frozenRows = attribute(pane, "ySplit").toInt();
        for (xmlNode *column : elements(root, "col"))
            sheet.widths << attribute(column, "width").toDouble();
        for (xmlNode *row : elements(root, "row")) {
            const int number = attribute(row, "r").toInt();
            while (sheet.rows.size() < number)
                sheet.rows.append(QStringList());
            QStringList &cells = sheet.rows.last();
            for (xmlNode *cell : elements(row->children, "c")) {
                const QList<xmlNode *> formula = elements(cell->children, "f");
                const QList<xmlNode *> value = elements(cell->children, "v");
                if (!formula.isEmpty())
                    cells << QStringLiteral("= ") + contentOf(formula.constFirst());
                else if (attribute(cell, "t") == QLatin1String("inlineStr") || value.isEmpty())
                    cells << contentOf(cell);
                else
                    cells << contentOf(value.constFirst()) + QStringLiteral(" | ")
                            + cellFormats.value(attribute(cell, "s").toInt(), QStringLiteral("General"));
            }
        }
        xmlFreeDoc(content);
        sheets << sheet;
    }
    xmlFreeDoc(book);
    return sheets;
}

std::optional<QList<QStringList>> Readback::pdfPages(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
        return std::nullopt;
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f');
    pages.removeLast(); // after the last page's end
    QList<QStringList> read;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString &page : std::as_const(pages)) {
        QStringList lines;
        for (const QString &line : page.split(u'\n'))
            if (!line.trimmed().isEmpty())
                lines << line.trimmed().replace(blanks, QStringLiteral(" "));
        read << lines;
    }
    return read;
}
