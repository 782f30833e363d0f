#include "readback.h"

#include <libxml/HTMLparser.h>

namespace {

void collect(xmlNode *node, QList<Readback::HtmlBlock> &blocks)
{
    for (; node; node = node->next) {
        if (node->type != XML_ELEMENT_NODE)
            continue;
        const QString tag = QString::fromUtf8(reinterpret_cast<const char *>(node->name));
        if (tag == u"p" || tag == u"h3" || tag == u"h4" || tag == u"td") {
            xmlChar *content = xmlNodeGetContent(node);
            blocks.append({tag, QString::fromUtf8(reinterpret_cast<const char *>(content))});
            xmlFree(content);
        } else {
            collect(node->children, blocks);
        }
    }
}

} // namespace

QList<Readback::HtmlBlock> Readback::htmlBlocks(const QString &html)
{
    const QByteArray bytes = html.toUtf8();
    QList<HtmlBlock> blocks;
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
    QList<QStringList> rows;
    QStringList row;
    QString field;
    qsizetype i = 0;
    while (i < csv.size()) {
        if (csv[i] == u'"') { // a quoted field: any character, a quote doubled
            for (++i;; ++i) {
                if (i >= csv.size())
                    return std::nullopt;
                if (csv[i] == u'"') {
                    if (i + 1 < csv.size() && csv[i + 1] == u'"')
                        field += csv[++i];
                    else
                        break;
                } else {
                    field += csv[i];
                }
            }
            ++i;
        } else {
            while (i < csv.size() && csv[i] != u',' && csv[i] != u'\r' && csv[i] != u'\n') {
                if (csv[i] == u'"')
                    return std::nullopt;
                field += csv[i++];
            }
        }
        row << std::exchange(field, QString());
        if (i < csv.size() && csv[i] == u',') {
            ++i;
            continue;
        }
        if (csv.mid(i, 2) != u"\r\n")
            return std::nullopt; // every row ends with CR LF, the last too
        i += 2;
        rows << std::exchange(row, QStringList());
    }
    return rows;
}
