#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QString>

#include <functional>

// A JSON object written as it is made: byte for byte what QJsonDocument writes indented, but its long arrays made
// and written one element at a time, so that no more than one element is ever held.
namespace JsonStream {
struct Array {
    qsizetype count;
    std::function<QJsonValue(qsizetype index)> element;
};
using Sink = std::function<void(const QByteArray &bytes)>;

// The object, with the arrays named by their paths ("farms/rdp/plans") written in place of what the object holds
// under those keys (which must be there, for their place among the keys).
void write(const QJsonObject &object, const QHash<QString, Array> &arrays, const Sink &sink);
} // namespace JsonStream
