#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What another program reads back from a report: HTML through libxml2's parser, CSV by RFC 4180.
namespace Readback {

// Every title, heading, paragraph and table cell in document order as "tag: text" ("td right: text" for a cell
// aligned right), entities decoded; any other text as ": text".
QStringList htmlBlocks(const QString &html);

// The rows of CSV text, each ended by CR LF; nothing where the text breaks RFC 4180.
std::optional<QList<QStringList>> csvRows(const QString &csv);

} // namespace Readback
