#include "cataloguereader.h"

#include "scoretext.h"

#include <cstring>

namespace {

constexpr qsizetype chunkSize = 64 * 1024;

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

} // namespace

CatalogueReader::CatalogueReader(const QString &path)
    : m_file(path)
    , m_decoder(QStringConverter::System, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom)
{
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        m_atEnd = true;
    m_buffer.resize(chunkSize);
}

bool CatalogueReader::fill()
{
    if (m_atEnd)
        return false;
    const qsizetype pending = m_end - m_begin;
    if (m_begin > 0) {
        std::memmove(m_buffer.data(), m_buffer.constData() + m_begin, size_t(pending));
        m_begin = 0;
        m_end = pending;
    }
    if (m_end == m_buffer.size())
        m_buffer.resize(m_buffer.size() * 2);
    const qint64 got = m_file.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (got <= 0) {
        m_atEnd = true;
        m_file.close();
        return false;
    }
    m_end += qsizetype(got);
    return true;
}

CatalogueReader::Line CatalogueReader::next()
{
    for (;;) {
        const char *data = m_buffer.constData();
        qsizetype i = m_begin + m_scanned;
        while (i < m_end && !isLineEnd(data[i]))
            ++i;
        if (i < m_end) {
            // A CR at the end of what has been read may be the first half of a CR LF.
            if (data[i] == '\r' && i + 1 == m_end && !m_atEnd) {
                m_scanned = i - m_begin;
                fill();
                continue;
            }
            const qsizetype lineStart = m_begin;
            const bool crLf = data[i] == '\r' && i + 1 < m_end && data[i + 1] == '\n';
            m_begin = i + (crLf ? 2 : 1);
            m_scanned = 0;
            return classify(data + lineStart, i - lineStart);
        }
        m_scanned = m_end - m_begin;
        if (fill())
            continue;
        if (m_begin == m_end)
            return Line::EndOfFile;
        const qsizetype lineStart = m_begin;
        m_begin = m_end;
        m_scanned = 0;
        return classify(m_buffer.constData() + lineStart, m_end - lineStart);
    }
}

CatalogueReader::Line CatalogueReader::classify(const char *bytes, qsizetype length)
{
    ++m_lineNumber;
    if (m_lineNumber == 1 && length >= 3 && std::memcmp(bytes, "\xEF\xBB\xBF", 3) == 0) {
        bytes += 3;
        length -= 3;
    }
    if (length == 0)
        return Line::Empty;
    if (std::memchr(bytes, 0, size_t(length)))
        return Line::BadBytes;

    m_decoder.resetState();
    m_text.resize(m_decoder.requiredSpace(length));
    const QChar *end = m_decoder.appendToBuffer(m_text.data(), QByteArrayView(bytes, length));
    m_text.resize(end - m_text.constData());
    if (m_decoder.hasError())
        return Line::BadBytes;

    const QStringView text(m_text);
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return Line::NoComma;
    const qsizetype nextComma = text.indexOf(u',', comma + 1);
    const QStringView field1 = text.mid(comma + 1, nextComma < 0 ? -1 : nextComma - comma - 1);
    const auto score = ScoreText::parse(field1);
    if (!score)
        return Line::BadScore;
    m_record = CpuRecord{text.left(comma), *score};
    return Line::Record;
}
