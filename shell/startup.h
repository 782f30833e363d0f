#pragma once

#include <functional>

namespace Startup {
// The program: the application object, the main window loaded and shown centred (and the plan window over it for
// a plan file named on the command line), the event loop until the last window closes. shown, when given, runs once the
// main window has first painted itself.
int run(int argc, char *argv[], const std::function<void()> &shown = {});
} // namespace Startup
