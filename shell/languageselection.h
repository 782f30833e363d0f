#pragma once

#include <string>

class Platform;

// The interface language and why: Chinese exactly when the operating system's language code is 2052 and no
// ordinary file en.dll lies beside the executable. With several codes the last decides; where the system reports
// none, the language of the user's interface.
struct LanguageChoice {
    bool english;
    std::string code; // the language code that decided (2052: Chinese of the People's Republic of China)
    bool marker;      // en.dll beside the program chose English, whatever the code
};

namespace LanguageSelection {
LanguageChoice choose(Platform &platform);
} // namespace LanguageSelection
