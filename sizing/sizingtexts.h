#pragma once

#include "bilingual.h"

// The texts of the sizing flow that the RDP and VDI windows share, Chinese and English side by side.
namespace SizingTexts {
inline constexpr Bilingual invalidCount{"请输入正确的终端数量！", "Please enter the correct number of terminals!"};
inline constexpr Bilingual busySuffix{"台终端 - 正在计算服务器配置信息...",
                                      " terminals - Calculating Server Configuration Information..."};
inline constexpr Bilingual finalSuffix{"台终端 - 服务器配置信息：", " terminals - server configuration information:"};

// The reasoning of a report: how the answer was worked out.
inline constexpr Bilingual reasoningCaption{"计算依据", "How this was calculated"};
inline constexpr Bilingual requiredScore{"所需分数", "Required score"};
inline constexpr Bilingual scoreNote{"（分数为整机的PassMark CPU Mark；Dual、Quad为双路、四路机器）",
                                     " (the score is a PassMark CPU Mark of the whole machine; Dual and Quad lines are "
                                     "two- and four-socket machines)"};
inline constexpr Bilingual percentage{"百分比", "Percentage"};
inline constexpr Bilingual percentageRule{"所列各CPU的分数 ÷ %1 × 100，舍去小数",
                                          "each listed processor's score ÷ %1 × 100, truncated"};
inline constexpr Bilingual coreLicences{"Windows Server核心许可证", "Windows Server core licences"};
inline constexpr Bilingual coreLicencesRule{
    "每台服务器max(16, 路数 × max(8, 每路核心))个，以2个为一包；路数或核心未知时为未知",
    "max(16, sockets × max(8, cores per socket)) a server, in packs of 2; unknown where the details file gives no "
    "sockets or cores"};
inline constexpr Bilingual memory{"内存", "Memory"};
inline constexpr Bilingual ssd{"SSD", "SSD"};
inline constexpr Bilingual hdd{"HDD", "HDD"};
inline constexpr Bilingual network{"网卡速度", "Network"};
inline constexpr Bilingual truncated{"%1，舍去小数：%2", "%1, truncated: %2"};
inline constexpr Bilingual steppedUp{"%1 → 大于它的%2的最小倍数：%3", "%1 → next multiple of %2 above it: %3"};
inline constexpr Bilingual networkRule{"（基数不超过%1时以%2为步长，否则以%3为步长）",
                                       " (in steps of %2 while the base is at most %1, else of %3)"};
} // namespace SizingTexts
