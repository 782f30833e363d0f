#pragma once

#include "language.h"

// The program's process-wide state: the interface language, decided once while the main window loads.
namespace Module1 {
extern bool blnEnglish; // false: Chinese (the initial value), true: English

inline Language language()
{
    return blnEnglish ? Language::English : Language::Chinese;
}
} // namespace Module1
