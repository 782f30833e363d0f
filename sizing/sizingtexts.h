#pragma once

#include "bilingual.h"

// The texts of the sizing flow that the RDP and VDI windows share, Chinese and English side by side.
namespace SizingTexts {
inline constexpr Bilingual invalidCount{"请输入正确的终端数量！", "Please enter the correct number of terminals!"};
inline constexpr Bilingual busySuffix{"台终端 - 正在计算服务器配置信息...",
                                      " terminals - Calculating Server Configuration Information..."};
inline constexpr Bilingual finalSuffix{"台终端 - 服务器配置信息：", " terminals - server configuration information:"};
} // namespace SizingTexts
