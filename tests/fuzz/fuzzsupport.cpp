#include "fuzzsupport.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <limits>
#include <cstdlib>
#include <unistd.h>

void Fuzz::fail(const char *invariant, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: invariant failed: %s\n", file, line, invariant);
    std::abort();
}

Fuzz::Request Fuzz::request(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype lineEnd = input.indexOf('\n');
    Request request;
    request.typed = QString::fromUtf8(input.left(lineEnd < 0 ? input.size() : lineEnd));
    const qsizetype optionsAt = lineEnd < 0 ? input.size() : lineEnd + 1;
    const unsigned options = optionsAt < input.size() ? std::uint8_t(input[optionsAt]) : 0;
    const TaskLevel levels[] = {TaskLevel::Light, TaskLevel::Medium, TaskLevel::Heavy};
    const Vendor vendors[] = {Vendor::Intel, Vendor::Amd, Vendor::Both};
    request.firstLevel = levels[options % 3];
    request.secondLevel = levels[(options / 3) % 3];
    request.vendors = {vendors[(options / 9) % 3]};
    if (options & 0x80) // the vendor changes during the reading
        request.vendors.push_back(vendors[(options / 27) % 3]);
    request.language = options & 0x40 ? Language::English : Language::Chinese;
    request.catalogue = input.mid(optionsAt + 1);
    return request;
}

QString Fuzz::writeCatalogue(const QByteArray &bytes)
{
    static const QString path = QDir::temp().filePath(QStringLiteral("quarvel-fuzz-%1.dll").arg(getpid()));
    static const bool removedAtExit = std::atexit([] { QFile::remove(path); }) == 0;
    (void)removedAtExit;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("the catalogue could be written", __FILE__, __LINE__);
    return path;
}

std::vector<Fuzz::Record> Fuzz::records(const QString &path)
{
    std::vector<Record> result;
    CpuCatalogue::read(path, [&](const CpuRecord &record) { result.push_back({record.model().toString(), record.score()}); });
    return result;
}

void Fuzz::requireSteppedUp(qint64 value, qint64 base, qint64 step)
{
    FUZZ_REQUIRE(value > base);
    FUZZ_REQUIRE(value % step == 0);
    FUZZ_REQUIRE(value - base <= step || base < 0);
}

qint64 Fuzz::leadingNumber(const QString &text)
{
    return text.left(text.indexOf(u' ')).toLongLong();
}

qint64 Fuzz::trailingNumber(const QString &text)
{
    FUZZ_REQUIRE(text.endsWith(u'%'));
    const qsizetype start = text.lastIndexOf(u' ') + 1;
    const QString digits = text.mid(start, text.size() - start - 1);
    FUZZ_REQUIRE(!digits.isEmpty());
    for (QChar c : digits)
        FUZZ_REQUIRE(c >= u'0' && c <= u'9');
    bool ok = false;
    const qint64 number = digits.toLongLong(&ok);
    return ok ? number : std::numeric_limits<qint64>::max(); // beyond 64 bits, still plain digits
}
