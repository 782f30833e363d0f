#include "barescan.h"

#include <QFile>

#include <cstring>
#include <vector>

BareScan::Tally BareScan::read(const QString &path)
{
    Tally tally;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return tally;
    std::vector<char> buffer(64 * 1024);
    size_t kept = 0;
    for (;;) {
        const qint64 got = file.read(buffer.data() + kept, qint64(buffer.size() - kept));
        if (got <= 0)
            break;
        const char *begin = buffer.data();
        const char *end = begin + kept + got;
        while (const char *lineEnd = static_cast<const char *>(std::memchr(begin, '\n', size_t(end - begin)))) {
            const char *comma = static_cast<const char *>(std::memchr(begin, ',', size_t(lineEnd - begin)));
            tally.modelBytes += (comma ? comma : lineEnd) - begin;
            ++tally.lines;
            begin = lineEnd + 1;
        }
        kept = size_t(end - begin);
        std::memmove(buffer.data(), begin, kept);
        if (kept == buffer.size())
            buffer.resize(buffer.size() * 2);
    }
    return tally;
}
