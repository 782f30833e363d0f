#pragma once

#include <functional>

namespace EventPump {
constexpr int defaultInterval = 10; // milliseconds

// Lets the windows process their pending events (repaint, clicks, option changes) in the middle of a
// calculation, which calls this after every catalogue line: when the interval has passed since the events
// were last processed here, otherwise not. Processing, and above all repainting, after each of a million
// lines would cost minutes; every ten milliseconds keeps the windows just as responsive. Before processing,
// beforeProcessing brings the window's controls up to date. The caller re-checks its window afterwards:
// it may have been closed meanwhile.
void processPending(const std::function<void()> &beforeProcessing = {});

// 0 processes the events at every call.
void setInterval(int milliseconds);
} // namespace EventPump
