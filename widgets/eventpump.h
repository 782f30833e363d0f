#pragma once

namespace EventPump {
constexpr int defaultInterval = 10; // milliseconds

// Lets the windows process their pending events (repaint, clicks, option changes) in the middle of a
// calculation, which calls this after every catalogue line: at once when the interval has passed since the
// events were last processed here, otherwise not. Processing, and above all repainting, after each of a
// hundred thousand lines would cost minutes; every ten milliseconds keeps the windows just as responsive.
// The caller re-checks its window afterwards: it may have been closed meanwhile.
void processPending();
// Whether processPending would process the events now: a window may bring its controls up to date first.
bool due();

// 0 processes the events at every call.
void setInterval(int milliseconds);
}
