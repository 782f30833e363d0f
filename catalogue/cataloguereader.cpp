#include "cataloguereader.h"

#include "blanks.h"
#include "scoretext.h"
#include "soughttext.h"
#include "systemtext.h"

#include <QtAlgorithms>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

namespace {

constexpr qsizetype chunkSize = 64 * 1024;
// Room for the longest line held whole and the next block behind it.
constexpr qsizetype largestBuffer = 2 * std::max(chunkSize, CatalogueReader::longestLine + 2);
// A small file is read whole into a buffer of its size (and one byte for the end behind it), a large one in blocks.
constexpr qsizetype smallestBuffer = 4096;
// What a report shows of a line too long to hold.
constexpr qsizetype longStartLength = 256;

constexpr std::uint64_t ones = 0x0101010101010101;
constexpr std::uint64_t highs = 0x8080808080808080;

// The high bit of every zero byte of the word is set (and perhaps of bytes above the lowest zero byte,
// never below it: the lowest set bit marks the first zero byte exactly).
std::uint64_t zeroBytes(std::uint64_t word)
{
    return (word - ones) & ~word & highs;
}

} // namespace

CatalogueReader::CatalogueReader(const QString &path)
    : m_decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom)
{
    if (m_file.open(path))
        m_openSize = m_file.size();
    else
        m_atEnd = true;
    m_buffer.resize(qsizetype(std::clamp<qint64>(m_openSize + 1, smallestBuffer, largestBuffer)));
    m_record.m_reader = this;
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
    // A file that grows while it is read: more room, up to the largest buffer, which is never full here.
    if (m_end == m_buffer.size())
        m_buffer.resize(std::min(2 * m_buffer.size(), largestBuffer));
    Q_ASSERT(m_end < m_buffer.size());
    const qint64 got = m_file.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (got > 0) {
        if (m_bytesRead == 0 && got >= 3 && std::memcmp(m_buffer.constData(), "\xEF\xBB\xBF", 3) == 0) {
            // The file says it is UTF-8, whatever the system's code page.
            m_utf8 = true;
        }
        m_end += qsizetype(got);
        m_bytesRead += got;
        return true;
    }
    m_atEnd = true;
    m_failed = got < 0;
    m_changed = m_bytesRead != m_openSize || m_file.size() != m_openSize;
    m_file.close();
    return false;
}

// Where the line starting at m_begin ends (m_end: no line end read yet). The same pass notes the line's first
// comma and whether it holds bytes above ASCII or NUL bytes; a line cut by the end of what has been read is
// taken up where the scan stopped.
qsizetype CatalogueReader::scanLine()
{
    const char *data = m_buffer.constData();
    qsizetype i = m_begin + m_scanned;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    for (; i + 8 <= m_end; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + i, 8);
        const std::uint64_t ends = zeroBytes(word ^ (ones * '\r')) | zeroBytes(word ^ (ones * '\n'));
        const int lineBytes = ends ? int(qCountTrailingZeroBits(ends) / 8) : 8;
        const std::uint64_t inLine = lineBytes == 8 ? ~std::uint64_t(0) : (std::uint64_t(1) << (8 * lineBytes)) - 1;
        if (m_comma < 0) {
            if (const std::uint64_t commas = zeroBytes(word ^ (ones * ',')) & inLine)
                m_comma = i - m_begin + qsizetype(qCountTrailingZeroBits(commas) / 8);
        }
        m_aboveAscii = m_aboveAscii || (word & highs & inLine) != 0;
        m_nul = m_nul || (zeroBytes(word) & inLine) != 0;
        if (ends)
            return i + lineBytes;
    }
#endif
    for (; i < m_end; ++i) {
        const char c = data[i];
        if (c == '\r' || c == '\n')
            return i;
        if (c == ',' && m_comma < 0)
            m_comma = i - m_begin;
        m_aboveAscii = m_aboveAscii || std::uint8_t(c) >= 0x80;
        m_nul = m_nul || c == 0;
    }
    m_scanned = m_end - m_begin;
    return m_end;
}

CatalogueReader::Line CatalogueReader::next()
{
    for (;;) {
        const qsizetype end = scanLine();
        if (end < m_end) {
            const char *data = m_buffer.constData();
            // A CR at the end of what has been read may be the first half of a CR LF.
            if (data[end] == '\r' && end + 1 == m_end && !m_atEnd) {
                m_scanned = end - m_begin;
                if (!fill() && m_failed)
                    return Line::ReadError;
                continue;
            }
            const qsizetype lineStart = m_begin;
            const bool crLf = data[end] == '\r' && end + 1 < m_end && data[end + 1] == '\n';
            m_begin = end + (crLf ? 2 : 1);
            if (m_skipping || end - lineStart > longestLine) {
                if (!m_skipping)
                    m_longStart = QByteArray(data + lineStart, longStartLength);
                return skipped();
            }
            return classify(data + lineStart, end - lineStart);
        }
        if (m_skipping || m_end - m_begin > longestLine) {
            // Too long to be a record: its bytes go as they come, and the caller may pump between blocks.
            if (!m_skipping)
                m_longStart = m_buffer.mid(m_begin, longStartLength);
            m_skipping = true;
            m_begin = m_end;
            m_scanned = 0;
            if (fill())
                return Line::Skipping;
            return m_failed ? Line::ReadError : skipped();
        }
        if (fill())
            continue;
        // A read error, a file cut short while it was read, or a last line cut short by a writer: what was
        // read is not the file.
        if (m_failed || m_bytesRead < m_openSize || (m_begin < m_end && m_changed))
            return Line::ReadError;
        if (m_begin == m_end)
            return Line::EndOfFile;
        const qsizetype lineStart = m_begin;
        m_begin = m_end;
        return classify(m_buffer.constData() + lineStart, m_end - lineStart);
    }
}

void CatalogueReader::forgetScan()
{
    m_comma = -1;
    m_aboveAscii = false;
    m_nul = false;
    m_scanned = 0;
}

CatalogueReader::Line CatalogueReader::skipped()
{
    m_line = m_longStart;
    m_skipping = false;
    forgetScan();
    ++m_lineNumber;
    return Line::TooLong;
}

CatalogueReader::Line CatalogueReader::classify(const char *bytes, qsizetype length)
{
    // What the scan noted belongs to this line; the next scan starts afresh.
    qsizetype comma = std::exchange(m_comma, -1);
    const bool aboveAscii = std::exchange(m_aboveAscii, false);
    const bool nul = std::exchange(m_nul, false);
    m_scanned = 0;
    ++m_lineNumber;
    m_decoded = false;
    if (m_lineNumber == 1 && m_utf8 && length >= 3 && std::memcmp(bytes, "\xEF\xBB\xBF", 3) == 0) {
        bytes += 3;
        length -= 3;
        comma = comma < 0 ? -1 : comma - 3;
    }
    m_line = QByteArrayView(bytes, length);
    if (length == 0)
        return Line::Empty;
    if (nul)
        return Line::BadBytes;
    if (aboveAscii) {
        // The whole line must decode; the model text is then the text before its first comma. (A comma byte
        // is a comma in every encoding the system may use: none has it inside a multi-byte character.)
        if (!decode(bytes, length, m_text))
            return Line::BadBytes;
        if (comma >= 0)
            m_text.truncate(m_text.indexOf(u','));
        m_decoded = true;
    }
    if (comma < 0)
        return Line::NoComma;

    // Field 1 runs to the next comma. Most scores are a few digits: read them on the way.
    const char *field1 = bytes + comma + 1;
    const char *field1End = field1;
    const char *lineEnd = bytes + length;
    long long whole = 0;
    while (field1End < lineEnd && *field1End >= '0' && *field1End <= '9' && field1End - field1 < 15)
        whole = whole * 10 + (*field1End++ - '0');
    const bool wholeNumber = field1End > field1 && (field1End == lineEnd || *field1End == ',');
    while (field1End < lineEnd && *field1End != ',')
        ++field1End;
    const auto score = wholeNumber ? std::optional<double>(double(whole))
                                   : ScoreText::parse(std::string_view(field1, size_t(field1End - field1)));
    if (!score)
        return Line::BadScore;
    m_modelBytes = bytes;
    m_modelLength = comma;
    m_modelAscii = !m_decoded;
    m_record.m_score = *score;
    return Line::Record;
}

bool CatalogueReader::decode(const char *bytes, qsizetype length, QString &text) const
{
    if (!m_utf8)
        return SystemText::decode(bytes, length, text);
    m_decoder.resetState();
    text.resize(m_decoder.requiredSpace(length));
    const QChar *end = m_decoder.appendToBuffer(text.data(), QByteArrayView(bytes, length));
    text.resize(end - text.constData());
    return !m_decoder.hasError();
}

QString CatalogueReader::lineText() const
{
    QString text;
    if (decode(m_line.data(), m_line.size(), text))
        return text;
    text.clear();
    for (const char byte : m_line) {
        if (std::uint8_t(byte) < 0x80)
            text += QLatin1Char(byte);
        else
            text += QStringLiteral("\\x%1").arg(std::uint8_t(byte), 2, 16, QLatin1Char('0'));
    }
    return text;
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

std::optional<QByteArrayView> CatalogueReader::trimmedAsciiModel() const
{
    if (!m_modelAscii)
        return std::nullopt;
    qsizetype begin = 0;
    qsizetype end = m_modelLength;
    while (begin < end && m_modelBytes[begin] == ' ')
        ++begin;
    while (end > begin && m_modelBytes[end - 1] == ' ')
        --end;
    return QByteArrayView(m_modelBytes + begin, end - begin);
}

QString CatalogueReader::trimmedModel() const
{
    QString text;
    appendTrimmedModel(text);
    return text;
}

void CatalogueReader::appendTrimmedModel(QString &text) const
{
    if (m_decoded) {
        text += Blanks::trimmed(m_text);
        return;
    }
    // Plain ASCII: straight from the bytes, in one copy.
    qsizetype begin = 0;
    qsizetype end = m_modelLength;
    while (begin < end && m_modelBytes[begin] == ' ')
        ++begin;
    while (end > begin && m_modelBytes[end - 1] == ' ')
        --end;
    text += QLatin1String(m_modelBytes + begin, end - begin);
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
