#pragma once

#include "bilingual.h"

// The command-line tool's own texts, Chinese and English side by side.
namespace CliTexts {
inline constexpr Bilingual noCatalogue{"警告：找不到CPU列表文件，CPU列表为空：",
                                       "warning: no catalogue file, the CPU list is empty: "};
inline constexpr Bilingual unreadableCatalogue{"警告：CPU列表文件无法读取，CPU列表为空：",
                                               "warning: the catalogue file cannot be read, the CPU list is empty: "};
inline constexpr Bilingual skippedNoComma{"第%1行：已跳过，没有逗号", "line %1: skipped, no comma"};
inline constexpr Bilingual skippedBadScore{"第%1行：已跳过，分数不是数字",
                                           "line %1: skipped, the score is not a number"};
inline constexpr Bilingual skippedBadBytes{"第%1行：已跳过，含有无法读取的字节",
                                           "line %1: skipped, bytes that cannot be read as text"};
inline constexpr Bilingual skippedTooLong{"第%1行：已跳过，长度超过64 KiB", "line %1: skipped, longer than 64 KiB"};
inline constexpr Bilingual controlCharacters{
    "第%1行：警告，型号含有控制字符、文字方向字符或非字符",
    "line %1: warning, the model text holds control, text-direction or non-characters"};
inline constexpr Bilingual scoreTooLarge{
    "第%1行：警告，分数过大，CPU负载查询将略过此行",
    "line %1: warning, the score is too large: the capacity query leaves this line out"};
inline constexpr Bilingual ignoredAfterEmpty{
    "第%1行为空行：CPU列表到此结束，第%2至%3行不会被读取",
    "line %1 is empty: the catalogue ends there, lines %2 to %3 are never read"};
inline constexpr Bilingual endsAtEmpty{"第%1行为空行：CPU列表到此结束", "line %1 is empty: the catalogue ends there"};
inline constexpr Bilingual summary{"记录：%1条（Intel %2条，AMD %3条，两者皆无%4条）；跳过：%5行",
                                   "records: %1 (Intel %2, AMD %3, neither %4); lines skipped: %5"};
inline constexpr Bilingual noRecords{"警告：CPU列表中没有任何记录，CPU列表将为空",
                                     "warning: the catalogue holds no record, every list will be empty"};
} // namespace CliTexts
