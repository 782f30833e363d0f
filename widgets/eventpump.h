#pragma once

namespace EventPump {
// Lets the windows process their pending events (repaint, clicks, option changes) once, in the middle of a
// calculation; the caller re-checks its window afterwards, which may have been closed meanwhile.
void processPending();
}
