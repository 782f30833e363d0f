#include "readback.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <libxml/HTMLparser.h>

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
