#pragma once

#include <QtGlobal>

#include <algorithm>
#include <iterator>
#include <optional>

// What a processor is made of, as the details file beside the catalogue gives it for a model text: sockets, and
// cores, threads and TDP for each socket. A fact the file does not give is unknown, and so is everything made
// from it: never a guess, never a zero. (Held as 0, which no known count is: a million plans hold their facts.)
class ProcessorFacts
{
public:
    // Windows Server is licensed by physical core: every core, at least 8 for each processor and 16 for each
    // server, in packs of two.
    static constexpr qint64 leastLicencesPerProcessor = 8;
    static constexpr qint64 leastLicencesPerServer = 16;
    static constexpr qint64 licencesInAPack = 2;
    static constexpr qint64 mostOfACount = 1000000;

    ProcessorFacts() = default;
    // Each count from 1 to mostOfACount; 0 where it is unknown.
    ProcessorFacts(qint64 sockets, qint64 coresPerSocket, qint64 threadsPerSocket, qint64 tdpWattsPerSocket)
        : m_counts{qint32(sockets), qint32(coresPerSocket), qint32(threadsPerSocket), qint32(tdpWattsPerSocket)}
    { }

    std::optional<qint64> sockets() const { return known(0); }
    std::optional<qint64> coresPerSocket() const { return known(1); }
    std::optional<qint64> threadsPerSocket() const { return known(2); }
    std::optional<qint64> tdpWattsPerSocket() const { return known(3); }
    std::optional<qint64> coresPerServer() const { return times(sockets(), coresPerSocket()); }
    std::optional<qint64> threadsPerServer() const { return times(sockets(), threadsPerSocket()); }
    std::optional<qint64> tdpWattsPerServer() const { return times(sockets(), tdpWattsPerSocket()); }
    // max(16, sockets × max(8, cores per socket))
    std::optional<qint64> coreLicencesPerServer() const
    {
        if (!sockets() || !coresPerSocket())
            return std::nullopt;
        return std::max(leastLicencesPerServer, *sockets() * std::max(leastLicencesPerProcessor, *coresPerSocket()));
    }

    friend bool operator==(const ProcessorFacts &one, const ProcessorFacts &other)
    {
        return std::equal(std::begin(one.m_counts), std::end(one.m_counts), std::begin(other.m_counts));
    }

private:
    std::optional<qint64> known(int which) const
    {
        return m_counts[which] > 0 ? std::optional<qint64>(m_counts[which]) : std::nullopt;
    }
    static std::optional<qint64> times(std::optional<qint64> one, std::optional<qint64> other)
    {
        return one && other ? std::optional(*one * *other) : std::nullopt;
    }

    qint32 m_counts[4] = {};
};
