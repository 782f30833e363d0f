#pragma once

#include "bilingual.h"

// Every text of the capacity query, Chinese and English side by side.
namespace QueryTexts {
inline constexpr Bilingual tooShort{"输入的字符数量少于4个,请输入4个字符",
                                    "The number of characters entered is less than 4. Please enter 4 characters"};
// The captions of an entry's lines (and the report's column headings); in the window's text each is followed by
// its separator: the model's and the count's by a colon and a blank, the minimums' by a bare colon.
inline constexpr Bilingual model{"CPU型号", "CPU model"};
inline constexpr Bilingual terminals{"可负载终端数量", "Number of loadable terminals"};
inline constexpr Bilingual memory{"服务器内存最小值", "Server memory minimum"};
inline constexpr Bilingual ssd{"服务器SSD最小值", "Server SSD min"};
inline constexpr Bilingual hdd{"服务器HDD最小值", "Server HDD min"};
inline constexpr Bilingual network{"服务器网卡速度最小值", "Server NIC speed min"};
inline constexpr Bilingual separator{"：", ": "};
inline constexpr Bilingual minimumSeparator{"：", ":"};
inline constexpr Bilingual performanceTooLow{"CPU性能过低！", "CPU performance is too low!"};

// The reasoning of the report: the capacity, and the minimums from it.
inline constexpr Bilingual terminalsCarried{"可负载终端数量", "Terminals carried"};
inline constexpr Bilingual capacityRule{"T =（分数 − %1）÷ %2，舍去小数", "T = (score − %1) ÷ %2, truncated"};
inline constexpr Bilingual example{"；%1：%2", "; %1: %2"};
inline constexpr Bilingual tooLow{"性能过低", "Too low"};
inline constexpr Bilingual tooLowRule{"分数低于%1的CPU负载不了一台终端",
                                      "a processor scoring below %1 carries not one terminal"};
} // namespace QueryTexts
