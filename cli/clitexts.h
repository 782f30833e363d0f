#pragma once

#include "bilingual.h"

// The command-line tool's own texts, Chinese and English side by side.
namespace CliTexts {
inline constexpr Bilingual noCatalogue{"警告：找不到CPU列表文件，CPU列表为空：",
                                       "warning: no catalogue file, the CPU list is empty: "};
inline constexpr Bilingual unreadableCatalogue{"警告：CPU列表文件无法读取，CPU列表为空：",
                                               "warning: the catalogue file cannot be read, the CPU list is empty: "};
inline constexpr Bilingual abandoned{"计算已中止，没有结果。", "The calculation was abandoned: there is no answer."};
} // namespace CliTexts
