// The system functions on POSIX systems: UTF-8 text, files opened without blocking, plain standard streams.

#include "console.h"
#include "regularfile.h"
#include "systemtext.h"

#include <QFile>
#include <QStringDecoder>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool SystemText::decode(const char *bytes, qsizetype length, QString &out)
{
    // A byte-order mark at the start of a line is a character of the text, as in any other place.
    thread_local QStringDecoder decoder(QStringConverter::System,
                                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    decoder.resetState();
    out.resize(decoder.requiredSpace(length));
    const QChar *end = decoder.appendToBuffer(out.data(), QByteArrayView(bytes, length));
    out.resize(end - out.constData());
    return !decoder.hasError();
}

bool RegularFile::open(const QString &path)
{
    close();
    // Without blocking, and the opened file itself checked: a FIFO put in the file's place after the caller
    // looked at it would otherwise wait for a writer for ever.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)
        || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return false;
    }
    m_handle = fd;
    return true;
}

qint64 RegularFile::read(char *buffer, qint64 size)
{
    for (;;) {
        const ssize_t got = ::read(int(m_handle), buffer, size_t(size));
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

qint64 RegularFile::size() const
{
    struct stat status;
    return ::fstat(int(m_handle), &status) == 0 ? qint64(status.st_size) : -1;
}

void RegularFile::close()
{
    if (isOpen())
        ::close(int(m_handle));
    m_handle = closed;
}

void Console::useBinaryStreams()
{ }

bool Console::write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    return true;
}

void Console::preparePagesWithoutDisplay()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
