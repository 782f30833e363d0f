#include "cataloguereader.h"

#include "scoretext.h"
#include "soughttext.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

constexpr qsizetype chunkSize = 64 * 1024;

enum class Bytes { Ascii, Other, Nul };

// Eight bytes at a time: whether the line is plain ASCII, holds a NUL byte, or needs decoding.
Bytes kindOfBytes(const char *bytes, qsizetype length)
{
    constexpr std::uint64_t ones = 0x0101010101010101;
    constexpr std::uint64_t highs = 0x8080808080808080;
    std::uint64_t high = 0;
    bool nul = false;
    qsizetype i = 0;
    for (; i + 8 <= length; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + i, 8);
        high |= word;
        nul = nul || ((word - ones) & ~word & highs) != 0;
    }
    for (; i < length; ++i) {
        high |= std::uint8_t(bytes[i]);
        nul = nul || bytes[i] == 0;
    }
    if (nul)
        return Bytes::Nul;
    return (high & highs) != 0 || (high & 0x80) != 0 ? Bytes::Other : Bytes::Ascii;
}

qsizetype find(const char *data, qsizetype from, qsizetype end, char wanted)
{
    const void *found = std::memchr(data + from, wanted, size_t(end - from));
    return found ? static_cast<const char *>(found) - data : end;
}

} // namespace

QStringView CpuRecord::model() const
{
    return m_reader->model();
}

bool CpuRecord::modelIsEmpty() const
{
    return m_reader->m_modelLength == 0;
}

bool CpuRecord::modelContains(const SoughtText &sought) const
{
    return m_reader->modelContains(sought);
}

CatalogueReader::CatalogueReader(const QString &path)
    : m_file(path)
    , m_decoder(QStringConverter::System, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom)
{
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        m_atEnd = true;
    m_buffer.resize(chunkSize);
    m_record.m_reader = this;
}

bool CatalogueReader::fill()
{
    m_nextCr = m_nextLf = -1;
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

// Where the line starting at m_begin ends (m_end: no line end read yet). The positions of the next CR and
// the next LF are kept, so that a file without one of them is not searched again for every line.
qsizetype CatalogueReader::lineEnd()
{
    const char *data = m_buffer.constData();
    if (m_nextCr < m_begin)
        m_nextCr = find(data, m_begin, m_end, '\r');
    if (m_nextLf < m_begin)
        m_nextLf = find(data, m_begin, m_end, '\n');
    return std::min(m_nextCr, m_nextLf);
}

CatalogueReader::Line CatalogueReader::next()
{
    for (;;) {
        const qsizetype end = lineEnd();
        if (end < m_end) {
            const char *data = m_buffer.constData();
            // A CR at the end of what has been read may be the first half of a CR LF.
            if (data[end] == '\r' && end + 1 == m_end && !m_atEnd) {
                fill();
                continue;
            }
            const qsizetype lineStart = m_begin;
            const bool crLf = data[end] == '\r' && end + 1 < m_end && data[end + 1] == '\n';
            m_begin = end + (crLf ? 2 : 1);
            return classify(data + lineStart, end - lineStart);
        }
        if (fill())
            continue;
        if (m_begin == m_end)
            return Line::EndOfFile;
        const qsizetype lineStart = m_begin;
        m_begin = m_end;
        return classify(m_buffer.constData() + lineStart, m_end - lineStart);
    }
}

CatalogueReader::Line CatalogueReader::classify(const char *bytes, qsizetype length)
{
    ++m_lineNumber;
    m_decoded = false;
    if (m_lineNumber == 1 && length >= 3 && std::memcmp(bytes, "\xEF\xBB\xBF", 3) == 0) {
        bytes += 3;
        length -= 3;
    }
    if (length == 0)
        return Line::Empty;

    // A comma byte is a comma in every encoding the system may use: in none of them is it part of a
    // multi-byte character.
    const char *comma = static_cast<const char *>(std::memchr(bytes, ',', size_t(length)));
    switch (kindOfBytes(bytes, length)) {
    case Bytes::Nul:
        return Line::BadBytes;
    case Bytes::Other: {
        // The whole line must decode; the model text is then the text before its first comma.
        m_decoder.resetState();
        m_text.resize(m_decoder.requiredSpace(length));
        const QChar *end = m_decoder.appendToBuffer(m_text.data(), QByteArrayView(bytes, length));
        m_text.resize(end - m_text.constData());
        if (m_decoder.hasError())
            return Line::BadBytes;
        if (comma)
            m_text.truncate(m_text.indexOf(u','));
        m_decoded = true;
        break;
    }
    case Bytes::Ascii:
        break;
    }
    if (!comma)
        return Line::NoComma;
    const char *field1 = comma + 1;
    const char *field1End = field1;
    while (field1End < bytes + length && *field1End != ',')
        ++field1End;
    const auto score = ScoreText::parse(std::string_view(field1, size_t(field1End - field1)));
    if (!score)
        return Line::BadScore;
    m_modelBytes = bytes;
    m_modelLength = comma - bytes;
    m_modelAscii = !m_decoded;
    m_record.m_score = *score;
    return Line::Record;
}

QStringView CatalogueReader::model() const
{
    if (!m_decoded) {
        // Plain ASCII: each byte is its character.
        m_text.resize(m_modelLength);
        QChar *out = m_text.data();
        for (qsizetype i = 0; i < m_modelLength; ++i)
            out[i] = QChar(std::uint8_t(m_modelBytes[i]));
        m_decoded = true;
    }
    return m_text;
}

bool CatalogueReader::modelContains(const SoughtText &sought) const
{
    if (!m_modelAscii)
        return model().contains(sought.text());
    // An ASCII model text holds no other character: its bytes are its code units.
    if (!sought.m_isAscii)
        return false;
    return std::string_view(m_modelBytes, size_t(m_modelLength))
               .find(std::string_view(sought.m_ascii.constData(), size_t(sought.m_ascii.size())))
        != std::string_view::npos;
}
