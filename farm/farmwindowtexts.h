#pragma once

#include "bilingual.h"

// The texts of the server farm planning window, Chinese and English side by side.
namespace FarmWindowTexts {
inline constexpr Bilingual label1{"请输入终端数量：", "Number of Terminals: "};
inline constexpr Bilingual concurrency{"同时在线比例（%）", "At work at once (%)"};
inline constexpr Bilingual spares{"备用服务器", "Spare servers"};
inline constexpr Bilingual command1{"生成服务器群规划", "Plan the server farm"};
inline constexpr Bilingual headingAtStart{"服务器群规划", "Server Farm Planning"};
} // namespace FarmWindowTexts
