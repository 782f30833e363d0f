#pragma once

#include "bilingual.h"
#include "choicenames.h"

// Every text the VDI calculation writes and its report names, Chinese and English side by side.
namespace VdiTexts {
// The hardware text's lines: each caption, the reports' separator ("：", ": ") and its value.
inline constexpr Bilingual memory{"内存", "Memory"};
inline constexpr Bilingual ssd{"SSD", "SSD"};
inline constexpr Bilingual hdd{"HDD", "HDD"};
inline constexpr Bilingual network{"网卡速度", "NIC speed"};
inline constexpr Bilingual titlePrefix{"VDI服务器配置计算 v", "VDI Server Configuration Calculation v"};
inline constexpr Bilingual candidatesCaption{"CPU可选列表", "CPU Option List"};
inline constexpr Bilingual hardwareCaption{"其它硬件信息", "Other Hardware Information"};
inline constexpr ChoiceNames choices{
    {{"轻型任务", "Light Duty"}, {"中型任务", "Medium Duty"}, {"重型任务", "Heavy Duty"}},
    {"Intel", "AMD", "Intel+AMD"}};
} // namespace VdiTexts
