#include "fuzzsupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

void Fuzz::fail(const char *invariant, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: invariant failed: %s\n", file, line, invariant);
    std::abort();
}

// The catalogue bytes as a file of this process's own, rewritten for each input.
static QString writeCatalogue(const QByteArray &bytes)
{
    static const QTemporaryDir folder; // removed at exit
    const QString path = folder.filePath(QStringLiteral("data.dll"));
    QFile file(path);
    FUZZ_REQUIRE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    return path;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
static bool validUtf8(const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size();) {
        const unsigned char lead = bytes[i];
        int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + length > bytes.size())
            return false;
        unsigned code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const unsigned char next = bytes[i + k];
            if ((next >> 6) != 2)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        const unsigned smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// A score in the plainest terms, sharing nothing with the reader: blanks around a decimal number that the C
// library reads (in the C locale, whatever the process's) as a finite double. Below the smallest double the
// reader may give 0 where the C library gives a denormal.
std::optional<double> Fuzz::referenceScore(const QString &field)
{
    static const QRegularExpression decimal(
        QStringLiteral("^[ \t]*([+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?)[ \t]*$"));
    const QRegularExpressionMatch match = decimal.match(field);
    if (!match.hasMatch())
        return std::nullopt;
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const QByteArray text = match.captured(1).toLatin1();
    const double value = strtod_l(text.constData(), nullptr, c);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

// The format in the plainest terms: lines end at CR LF, CR or LF; the first empty line ends the catalogue.
Fuzz::Reading Fuzz::plainReading(const QByteArray &bytes)
{
    Reading reading;
    qsizetype start = 0;
    for (int number = 1; start < bytes.size(); ++number) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        QByteArray line = bytes.mid(start, end - start);
        start = end + (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n' ? 2 : 1);
        const bool tooLong = line.size() > 64 * 1024; // a byte-order mark counts
        if (number == 1 && line.startsWith("\xEF\xBB\xBF"))
            line.remove(0, 3);
        if (line.isEmpty())
            break;
        ++reading.lines;
        if (tooLong) {
            reading.longLine = true;
            continue;
        }
        if (line.contains('\0') || !validUtf8(line))
            continue;
        // A byte-order mark after the first line is a character of the text (fromUtf8 would drop it).
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        const QString text = utf8.decode(line);
        const qsizetype comma = text.indexOf(u',');
        if (comma < 0)
            continue;
        const auto score = referenceScore(text.section(u',', 1, 1));
        if (!score)
            continue;
        reading.records.push_back({text.left(comma), *score});
    }
    return reading;
}

void Fuzz::checkReading(const QByteArray &bytes)
{
    const Reading expected = plainReading(bytes);
    std::vector<Record> records;
    int pumps = 0;
    const auto outcome = CpuCatalogue::read(
        writeCatalogue(bytes),
        [&](const CpuRecord &record) {
            records.push_back({record.model().toString(), record.score()});
        },
        [&] { return ++pumps > 0; });
    FUZZ_REQUIRE(outcome == CpuCatalogue::Outcome::Complete);
    FUZZ_REQUIRE(expected.longLine ? pumps >= expected.lines : pumps == expected.lines);
    FUZZ_REQUIRE(records.size() == expected.records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        FUZZ_REQUIRE(records[i].model == expected.records[i].model);
        const double score = records[i].score, reference = expected.records[i].score; // below 1e-300: 0 or not
        FUZZ_REQUIRE(score == reference || (reference != 0 && std::fabs(reference) < 1e-300 && score == 0));
    }
}
