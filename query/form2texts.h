#pragma once

#include "bilingual.h"

// The texts the query window gives its controls when it opens, Chinese and English side by side.
namespace Form2Texts {
inline constexpr Bilingual label1{"请输入CPU型号(数字即可)", "Please enter the CPU model (Number)"};
inline constexpr Bilingual command1{"查询", "Query"};
} // namespace Form2Texts
