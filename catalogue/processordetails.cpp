#include "processordetails.h"

#include "blanks.h"
#include "cpurecord.h"
#include "displaytext.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace {

constexpr qsizetype blockSize = 64 * 1024;
constexpr qint64 mostOfACount = ProcessorFacts::mostOfACount;

QByteArrayView trimmed(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && bytes.front() == ' ')
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && bytes.back() == ' ')
        bytes.chop(1);
    return bytes;
}

// The model field of a line: its bytes before the first tab, without blanks around them.
QByteArrayView modelField(QByteArrayView line)
{
    const qsizetype tab = line.indexOf('\t');
    return trimmed(tab < 0 ? line : line.first(tab));
}

// A line read as the file's format has it: the model text and its facts, or why it is skipped.
struct Parsed {
    std::optional<ProcessorDetails::Finding> finding;
    QString model;
    ProcessorFacts facts;
};

// Bytes as UTF-8 text; nothing where they are no text (or hold a NUL).
std::optional<QString> textIn(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError() || bytes.contains('\0'))
        return std::nullopt;
    return text;
}

Parsed parse(QByteArrayView line)
{
    using Finding = ProcessorDetails::Finding;
    Parsed parsed;
    // The model is the first field's text: a line that is wrong further on still names it.
    parsed.model = textIn(modelField(line)).value_or(QString());
    const auto text = textIn(line);
    if (!text) {
        parsed.finding = Finding::BadBytes;
        return parsed;
    }
    const QList<QStringView> fields = QStringView(*text).split(u'\t');
    if (fields.size() != 5) {
        parsed.finding = Finding::Fields;
        return parsed;
    }
    if (parsed.model.isEmpty()) {
        parsed.finding = Finding::NoModel;
        return parsed;
    }
    qint64 counts[4] = {};
    for (int i = 0; i < 4; ++i) {
        const QStringView field = Blanks::trimmed(fields[i + 1]);
        if (field.isEmpty())
            continue;
        qint64 value = 0;
        for (const QChar c : field) {
            if (c < u'0' || c > u'9' || value > mostOfACount) {
                parsed.finding = Finding::BadCount;
                return parsed;
            }
            value = value * 10 + (c.unicode() - u'0');
        }
        if (value == 0 || value > mostOfACount) {
            parsed.finding = i == 0 && value == 0 ? Finding::NoSockets : Finding::BadCount;
            return parsed;
        }
        counts[i] = value;
    }
    parsed.facts = ProcessorFacts(counts[0], counts[1], counts[2], counts[3]);
    if (counts[1] > 0 && counts[2] > 0 && counts[2] < counts[1])
        parsed.finding = Finding::FewerThreads;
    return parsed;
}

// A skipped line's text for a report: decoded where it is UTF-8, else with every byte above ASCII as \xHH.
QString textOf(QByteArrayView line)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(line);
    if (!utf8.hasError())
        return text;
    text.clear();
    for (const char byte : line)
        text += byte & 0x80 ? QStringLiteral("\\x%1").arg(uchar(byte), 2, 16, QLatin1Char('0'))
                            : QString(QLatin1Char(byte));
    return text;
}

// The facts of a line of the usual shape, read in its bytes: after the model, four fields of digits (or empty)
// set apart by tabs, each count within its limits. Nothing for any other line, which parse() reads.
std::optional<ProcessorFacts> plainFacts(QByteArrayView line)
{
    qint64 counts[4] = {};
    qsizetype at = line.indexOf('\t');
    for (int field = 0; field < 4; ++field) {
        if (at < 0 || line[at] != '\t')
            return std::nullopt;
        ++at;
        qint64 value = 0;
        bool digits = false;
        for (; at < line.size() && line[at] >= '0' && line[at] <= '9' && value <= mostOfACount; ++at) {
            value = value * 10 + (line[at] - '0');
            digits = true;
        }
        if (digits && (value == 0 || value > mostOfACount))
            return std::nullopt;
        counts[field] = value;
    }
    if (at != line.size() || (counts[1] > 0 && counts[2] > 0 && counts[2] < counts[1]))
        return std::nullopt;
    return ProcessorFacts(counts[0], counts[1], counts[2], counts[3]);
}

} // namespace

QString ProcessorDetails::pathBeside(const QString &catalogue)
{
    return QFileInfo(catalogue).dir().filePath(QStringLiteral("data-details.tsv"));
}

ProcessorDetails::ProcessorDetails(const QString &path)
    : m_path(path)
{
    m_atEnd = !m_file.open(m_path);
}

std::optional<QByteArrayView> ProcessorDetails::nextLine(bool *tooLong)
{
    bool skipping = false; // through a line too long to hold, of which nothing is kept
    for (;;) {
        const char *begin = m_buffer.constData() + m_begin;
        const auto *lineEnd = static_cast<const char *>(std::memchr(begin, '\n', size_t(m_end - m_begin)));
        if (lineEnd || (m_atEnd && (m_end > m_begin || skipping))) {
            const qsizetype length = lineEnd ? lineEnd - begin : m_end - m_begin;
            m_begin += length + (lineEnd ? 1 : 0);
            ++m_lineNumber;
            if (tooLong)
                *tooLong = skipping;
            QByteArrayView line = skipping ? QByteArrayView() : QByteArrayView(begin, length);
            if (line.endsWith('\r'))
                line.chop(1);
            return line;
        }
        if (m_atEnd)
            return std::nullopt;
        if (m_end - m_begin > longestLine) {
            skipping = true;
            m_begin = m_end;
        }
        fill();
    }
}

bool ProcessorDetails::fill()
{
    if (m_atEnd)
        return false;
    // The unread bytes to the front, more read behind them.
    m_buffer.remove(0, m_begin);
    m_end -= m_begin;
    m_begin = 0;
    m_buffer.resize(m_end + blockSize);
    const qint64 got = m_file.read(m_buffer.data() + m_end, blockSize);
    if (got > 0)
        m_end += qsizetype(got);
    else
        m_atEnd = true;
    return got > 0;
}

void ProcessorDetails::step(const CpuRecord &record)
{
    m_matched.reset();
    if (m_indexed || !m_file.isOpen())
        return;
    // The usual shape, read in place: the next line starts with the record's model and a tab.
    if (const auto ascii = record.trimmedAsciiModel(); ascii && !m_ahead && m_lineNumber > 0) {
        const qsizetype length = ascii->size();
        // Room for the model, its tab and the counts after it, where the file has them.
        while (m_end - m_begin <= length + 64 && fill()) { }
        const char *begin = m_buffer.constData() + m_begin;
        if (m_end - m_begin > length && begin[length] == '\t'
            && std::memcmp(begin, ascii->data(), size_t(length)) == 0) {
            const auto *lineEnd
                = static_cast<const char *>(std::memchr(begin + length, '\n', size_t(m_end - m_begin - length)));
            if (lineEnd) {
                QByteArrayView line(begin, lineEnd - begin);
                if (line.endsWith('\r'))
                    line.chop(1);
                m_matched = line;
                m_begin = lineEnd - m_buffer.constData() + 1;
                ++m_lineNumber;
                return;
            }
        }
    }
    // The heading and empty lines are no processor's.
    while (!m_ahead || m_ahead->isEmpty() || (m_lineNumber == 1 && *m_ahead == QByteArrayView(header))) {
        m_ahead = nextLine();
        if (!m_ahead)
            break;
    }
    const QByteArrayView model = m_ahead ? modelField(*m_ahead) : QByteArrayView();
    const auto ascii = record.trimmedAsciiModel();
    const bool same
        = m_ahead && (ascii ? *ascii == model : QStringView(record.trimmedModel()) == QString::fromUtf8(model));
    if (same) {
        m_matched = std::exchange(m_ahead, std::nullopt);
        return;
    }
    index();
}

ProcessorFacts ProcessorDetails::facts(const CpuRecord &record)
{
    if (m_indexed)
        return m_index.value(record.trimmedModel());
    if (!m_matched)
        return {};
    if (const auto facts = plainFacts(*m_matched))
        return *facts;
    const Parsed parsed = parse(*m_matched);
    return parsed.finding ? ProcessorFacts{} : parsed.facts;
}

void ProcessorDetails::index()
{
    m_indexed = true;
    m_ahead.reset();
    m_file.close();
    // The whole file once more, each model's first line; the facts read as facts() reads them.
    ProcessorDetails file(m_path);
    m_index.reserve(qsizetype(file.m_file.size() / 40));
    bool tooLong = false;
    while (const auto line = file.nextLine(&tooLong)) {
        if (line->isEmpty() || tooLong || (file.m_lineNumber == 1 && *line == QByteArrayView(header)))
            continue;
        const QByteArrayView bytes = modelField(*line);
        const QString model = std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80 && c != 0; })
            ? QString::fromLatin1(bytes)
            : textIn(bytes).value_or(QString());
        if (model.isEmpty() || m_index.contains(model))
            continue;
        auto facts = plainFacts(*line);
        if (!facts) {
            const Parsed parsed = parse(*line);
            facts = parsed.finding ? ProcessorFacts{} : parsed.facts;
        }
        m_index.insert(model, *facts);
    }
}

QList<ProcessorDetails::Line> ProcessorDetails::lines(const QString &path)
{
    ProcessorDetails file(path);
    QList<Line> lines;
    QHash<QString, bool> seen;
    bool tooLong = false;
    while (const auto bytes = file.nextLine(&tooLong)) {
        if ((bytes->isEmpty() && !tooLong) || (file.m_lineNumber == 1 && *bytes == QByteArrayView(header)))
            continue;
        Line line{file.m_lineNumber, Finding::TooLong, {}, {}, false, {}};
        if (!tooLong) {
            const Parsed parsed = parse(*bytes);
            line = {file.m_lineNumber, parsed.finding, parsed.model, parsed.facts, false, {}};
        }
        line.repeated = !line.model.isEmpty() && seen.contains(line.model);
        if (!tooLong && (line.finding || line.repeated))
            line.text = textOf(*bytes);
        if (!line.model.isEmpty())
            seen.insert(line.model, true);
        lines << line;
    }
    return lines;
}
