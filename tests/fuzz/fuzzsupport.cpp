#include "fuzzsupport.h"

#include "cataloguereader.h"
#include "processordetails.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

// Bytes as a file in memory of this process's own, rewritten for each input: a regular file that the readers
// open by its path, as they open any, without a disk under it.
static QString writeFile(const QByteArray &bytes, int which = 0)
{
    static const int fds[] = {memfd_create("data.dll", MFD_CLOEXEC), memfd_create("data-details.tsv", MFD_CLOEXEC)};
    const int fd = fds[which];
    FUZZ_REQUIRE(fd >= 0 && ftruncate(fd, 0) == 0
                 && pwrite(fd, bytes.constData(), size_t(bytes.size()), 0) == ssize_t(bytes.size()));
    return QStringLiteral("/proc/self/fd/%1").arg(fd);
}

// A score in the plainest terms: blanks around a decimal number (digits, a point, an exponent, signs) that the C
// library reads whole, in the C locale whatever the process's, as a finite double.
std::optional<double> Fuzz::referenceScore(QByteArrayView field)
{
    qsizetype begin = 0;
    qsizetype end = field.size();
    while (begin < end && (field[begin] == ' ' || field[begin] == '\t'))
        ++begin;
    while (end > begin && (field[end - 1] == ' ' || field[end - 1] == '\t'))
        --end;
    const std::string number(field.data() + begin, size_t(end - begin));
    if (number.empty() || number.find_first_not_of("0123456789+-.eE") != std::string::npos)
        return std::nullopt;
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    char *stop = nullptr;
    const double value = strtod_l(number.c_str(), &stop, c);
    if (stop != number.c_str() + number.size() || !std::isfinite(value))
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
        QByteArrayView line(bytes.constData() + start, end - start);
        start = end + (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n' ? 2 : 1);
        const bool tooLong = line.size() > 64 * 1024; // a byte-order mark counts
        if (number == 1 && line.startsWith("\xEF\xBB\xBF"))
            line = line.sliced(3);
        if (line.isEmpty())
            break;
        ++reading.lines;
        if (tooLong) {
            reading.longLine = true;
            continue;
        }
        // Text is UTF-8 that encodes back to the same bytes, without NUL; a byte-order mark after the first line
        // is a character of the text. A comma byte is a comma character in UTF-8.
        if (line.contains('\0'))
            continue;
        const qsizetype comma = line.indexOf(',');
        QString model;
        if (std::all_of(line.begin(), line.end(), [](char c) { return uchar(c) < 0x80; })) {
            model = QString::fromLatin1(line.first(comma < 0 ? 0 : comma));
        } else {
            QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
            const QString text = utf8.decode(line);
            if (QByteArray(QStringEncoder(QStringConverter::Utf8).encode(text)) != line)
                continue;
            model = text.left(text.indexOf(u','));
        }
        if (comma < 0)
            continue;
        const QByteArrayView rest = line.sliced(comma + 1);
        const qsizetype nextComma = rest.indexOf(',');
        if (const auto score = referenceScore(nextComma < 0 ? rest : rest.first(nextComma)))
            reading.records.push_back({model, *score});
    }
    return reading;
}

void Fuzz::checkReading(const QByteArray &bytes)
{
    const Reading expected = plainReading(bytes);
    size_t next = 0;
    int pumps = 0;
    const auto outcome = CpuCatalogue::read(
        writeFile(bytes),
        [&](const CpuRecord &record) {
            FUZZ_REQUIRE(next < expected.records.size());
            const Record &plain = expected.records[next++];
            FUZZ_REQUIRE(record.model() == plain.model);
            // Below 1e-300 the reader may give 0 where the C library gives a denormal.
            FUZZ_REQUIRE(record.score() == plain.score
                         || (std::fabs(record.score()) < 1e-300 && std::fabs(plain.score) < 1e-300));
        },
        [&] { return ++pumps > 0; });
    FUZZ_REQUIRE(outcome == CpuCatalogue::Outcome::Complete);
    FUZZ_REQUIRE(next == expected.records.size());
    FUZZ_REQUIRE(expected.longLine ? pumps >= expected.lines : pumps == expected.lines);
}

void Fuzz::checkDetails(const QByteArray &bytes)
{
    const qsizetype split = bytes.indexOf('\x1E');
    const QString path = writeFile(split < 0 ? QByteArray() : bytes.mid(split + 1), 1);
    // The lines as a reading of the whole file gives them; a line too long to hold is none.
    QList<ProcessorDetails::Line> lines = ProcessorDetails::lines(path);
    lines.removeIf([](const auto &line) { return line.finding == ProcessorDetails::Finding::TooLong; });
    const auto factsOf
        = [](const ProcessorDetails::Line &line) { return line.finding ? ProcessorFacts() : line.facts; };
    CatalogueReader reader(writeFile(split < 0 ? bytes : bytes.first(split)));
    ProcessorDetails details(path);
    reader.setDetails(&details);
    qsizetype next = 0; // the line in step, while they go in step
    for (auto line = reader.next(); line != CatalogueReader::Line::EndOfFile && line != CatalogueReader::Line::Empty;
         line = reader.next()) {
        if (line != CatalogueReader::Line::Record)
            continue;
        const CpuRecord &record = reader.record();
        details.step(record);
        const QString model = record.trimmedModel();
        ProcessorFacts expected;
        if (next >= 0 && next < lines.size() && lines[next].model == model) {
            expected = factsOf(lines[next++]);
        } else {
            next = -1;
            const auto first
                = std::find_if(lines.cbegin(), lines.cend(), [&](const auto &one) { return one.model == model; });
            expected = first == lines.cend() ? ProcessorFacts() : factsOf(*first);
        }
        FUZZ_REQUIRE(record.facts() == expected);
    }
}
