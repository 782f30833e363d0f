#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <limits>

// The best of several runs, in milliseconds: the runs after the first find the file in the page cache,
// and the best one is the least disturbed by whatever else the machine does.
template <class Work> double bestOf(int runs, Work work)
{
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        best = std::min(best, clock.nsecsElapsed() / 1e6);
    }
    return best;
}
