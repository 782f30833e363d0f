#pragma once

#include "bilingual.h"

// The texts of the main window's dialogs, About and the catalogue check, Chinese and English side by side.
namespace DialogTexts {
inline constexpr Bilingual aboutTitle{"关于 Quarvel", "About Quarvel"};
inline constexpr Bilingual qt{"Qt %1", "Qt %1"};
inline constexpr Bilingual licence{"许可证：MIT", "Licence: MIT"};
inline constexpr Bilingual catalogue{"CPU数据文件：%1", "Catalogue: %1"};
inline constexpr Bilingual records{"记录：%1条（Intel %2条，AMD %3条，两者皆无%4条）",
                                   "Records: %1 (Intel %2, AMD %3, neither %4)"};
inline constexpr Bilingual modified{"修改于：%1", "Modified: %1"};
inline constexpr Bilingual details{"CPU细节（核心、线程、TDP）：%2条记录中%1条已知",
                                   "Processor details (cores, threads, TDP): known for %1 of %2 records"};
inline constexpr Bilingual noDetails{"CPU细节：没有（data-details.tsv不在）",
                                     "Processor details: none (no data-details.tsv)"};
inline constexpr Bilingual source{"数据来源：%1", "Source: %1"};
inline constexpr Bilingual passMark{"PassMark CPU Mark，第三方数据（见%1）",
                                    "PassMark CPU Marks, third-party data (see %1)"};
inline constexpr Bilingual unknown{"未知", "unknown"};
inline constexpr Bilingual language{"界面语言：%1（%2）", "Language: %1 (%2)"};
inline constexpr Bilingual chinese{"中文", "Chinese"};
inline constexpr Bilingual english{"英文", "English"};
inline constexpr Bilingual systemLanguage{"系统语言代码%1", "system language %1"};
inline constexpr Bilingual marker{"程序文件夹中有en.dll", "en.dll beside the program"};
inline constexpr Bilingual platform{"平台：%1，%2位", "Platform: %1, %2-bit"};
inline constexpr Bilingual showLicence{"许可证…", "Licence…"};
inline constexpr Bilingual copy{"复制", "Copy"};
inline constexpr Bilingual close{"关闭", "Close"};

inline constexpr Bilingual checkTitle{"检查CPU数据文件", "Check the catalogue"};
inline constexpr Bilingual checking{"正在检查…", "Checking…"};
inline constexpr Bilingual copyReport{"复制报告", "Copy the report"};
inline constexpr Bilingual checkAgain{"重新检查", "Check again"};
inline constexpr Bilingual moreLines{"……另有%1行：复制报告可得全部",
                                     "… and %1 more lines: copy the report for all of them"};
} // namespace DialogTexts
