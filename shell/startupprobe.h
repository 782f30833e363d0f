#pragma once

class Platform;

// Start-up prepares the computer: where the system folder lacks one of the two common-controls component
// files and the application folder holds a copy, the copy is registered where it lies. Nothing is ever
// shown and nothing is waited for; nothing else in the program depends on the outcome.
namespace StartupProbe {
void run(Platform &platform);
}
