#include "jsonstream.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QByteArray indent(int depth)
{
    return QByteArray(4 * depth, ' ');
}

// A value as QJsonDocument writes it at this depth: scalars as in a compact array, containers indented (a line
// end within them is always structure: texts have theirs escaped).
QByteArray serialised(const QJsonValue &value, int depth)
{
    if (value.isObject() || value.isArray()) {
        QByteArray text = value.isObject() ? QJsonDocument(value.toObject()).toJson(QJsonDocument::Indented)
                                           : QJsonDocument(value.toArray()).toJson(QJsonDocument::Indented);
        text.chop(1);
        return depth == 0 ? text : text.replace('\n', QByteArray(1, '\n') + indent(depth));
    }
    const QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return text.mid(1, text.size() - 2);
}

class Writer
{
public:
    Writer(const QHash<QString, JsonStream::Array> &arrays, const JsonStream::Sink &sink)
        : m_arrays(arrays)
        , m_sink(sink)
    { }

    void object(const QJsonObject &object, const QString &path, int depth)
    {
        m_sink("{\n");
        for (auto member = object.constBegin(); member != object.constEnd(); ++member) {
            const QString at = path.isEmpty() ? member.key() : path + u'/' + member.key();
            QByteArray head = indent(depth + 1) + serialised(member.key(), 0) + ": ";
            if (const auto array = m_arrays.constFind(at); array != m_arrays.constEnd()) {
                m_sink(head + "[\n");
                for (qsizetype index = 0; index < array->count; ++index)
                    m_sink(indent(depth + 2) + serialised(array->element(index), depth + 2)
                           + (index + 1 < array->count ? ",\n" : "\n"));
                m_sink(indent(depth + 1) + ']');
            } else if (member->isObject() && holdsStreamed(at)) {
                m_sink(head);
                this->object(member->toObject(), at, depth + 1);
            } else {
                m_sink(head + serialised(*member, depth + 1));
            }
            m_sink(member + 1 != object.constEnd() ? ",\n" : "\n");
        }
        m_sink(indent(depth) + '}');
    }

private:
    bool holdsStreamed(const QString &path) const
    {
        for (auto array = m_arrays.keyBegin(); array != m_arrays.keyEnd(); ++array)
            if (array->startsWith(path + u'/'))
                return true;
        return false;
    }

    const QHash<QString, JsonStream::Array> &m_arrays;
    const JsonStream::Sink &m_sink;
};

} // namespace

void JsonStream::write(const QJsonObject &object, const QHash<QString, Array> &arrays, const Sink &sink)
{
    Writer(arrays, sink).object(object, QString(), 0);
    sink("\n");
}
