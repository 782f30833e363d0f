#include "fuzzsupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <QTemporaryDir>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

// The catalogue bytes as a file of this process's own, rewritten for each input.
static QString writeCatalogue(const QByteArray &bytes)
{
    static const QTemporaryDir folder; // removed at exit
    const QString path = folder.filePath(QStringLiteral("data.dll"));
    QFile file(path);
    FUZZ_REQUIRE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    return path;
}

// A score in the plainest terms: blanks around a decimal number that the C library reads (in the C locale,
// whatever the process's) as a finite double.
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
        // Text is UTF-8 that encodes back to the same bytes, without NUL; a byte-order mark after the first line
        // is a character of the text.
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        const QString text = utf8.decode(line);
        if (line.contains('\0') || QByteArray(QStringEncoder(QStringConverter::Utf8).encode(text)) != line)
            continue;
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
    // Below 1e-300 the reader may give 0 where the C library gives a denormal.
    const auto key = [](const QString &model, double score) {
        return model + u'|' + QString::number(std::fabs(score) < 1e-300 ? 0.0 : score, 'g', 17);
    };
    const Reading expected = plainReading(bytes);
    QStringList records, reference;
    for (const Record &record : expected.records)
        reference << key(record.model, record.score);
    int pumps = 0;
    const auto outcome = CpuCatalogue::read(
        writeCatalogue(bytes),
        [&](const CpuRecord &record) { records << key(record.model().toString(), record.score()); },
        [&] { return ++pumps > 0; });
    FUZZ_REQUIRE(outcome == CpuCatalogue::Outcome::Complete);
    FUZZ_REQUIRE(expected.longLine ? pumps >= expected.lines : pumps == expected.lines);
    FUZZ_REQUIRE(records == reference);
}
