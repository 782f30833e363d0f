#pragma once

class Platform;

namespace LanguageSelection {
// Whether the interface speaks English: Chinese exactly when the operating system's language code is 2052
// and no ordinary file en.dll lies beside the executable. With several codes the last decides; with none
// the flag keeps its current value.
bool english(Platform &platform, bool current);
} // namespace LanguageSelection
