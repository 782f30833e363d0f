#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What another program reads back from a report: HTML through libxml2's parser, CSV by RFC 4180.
namespace Readback {

struct HtmlBlock {
    QString tag;  // p, h3, h4, td
    QString text; // its text, entities decoded
};
// Every paragraph, heading and table cell in document order.
QList<HtmlBlock> htmlBlocks(const QString &html);

// The rows of CSV text, each ended by CR LF; nothing where the text breaks RFC 4180.
std::optional<QList<QStringList>> csvRows(const QString &csv);

} // namespace Readback
