#pragma once

#include <functional>

namespace Startup {
// The program: the application object, the main window loaded and shown centred, the event loop until the
// last window closes. shown, when given, runs once the main window has first painted itself.
int run(int argc, char *argv[], const std::function<void()> &shown = {});
} // namespace Startup
