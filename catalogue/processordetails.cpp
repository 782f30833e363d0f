#include "processordetails.h"

#include "blanks.h"
#include "cpurecord.h"
#include "displaytext.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

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
    }
}

void ProcessorDetails::step(const CpuRecord &record)
{
    m_matched.reset();
    if (m_indexed || !m_file.isOpen())
        return;
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
    const Parsed parsed = parse(*m_matched);
    return parsed.finding ? ProcessorFacts{} : parsed.facts;
}

void ProcessorDetails::index()
{
    m_indexed = true;
    m_ahead.reset();
    for (const Line &line : lines(m_path)) {
        if (!line.model.isEmpty() && !line.repeated)
            m_index.insert(line.model, line.finding ? ProcessorFacts{} : line.facts);
    }
    m_file.close();
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
