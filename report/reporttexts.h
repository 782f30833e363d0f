#pragma once

#include "bilingual.h"

// Every text of the reports and of the files they go to, Chinese and English side by side.
namespace ReportTexts {
inline constexpr Bilingual created{"Quarvel %1，生成于%2", "Quarvel %1, created %2"};
inline constexpr Bilingual terminals{"终端数量", "Terminals"};
inline constexpr Bilingual level{"任务类型", "Task level"};
inline constexpr Bilingual vendor{"CPU厂商", "Processor vendor"};
inline constexpr Bilingual query{"查询", "Query"};
inline constexpr Bilingual catalogue{"CPU数据文件：%1条记录，修改于%2", "CPU catalogue: %1 records, modified %2"};
inline constexpr Bilingual noCatalogue{"CPU数据文件：找不到", "CPU catalogue: not found"};
inline constexpr Bilingual separator{"：", ": "};
inline constexpr Bilingual none{"（无）", "(none)"};
inline constexpr Bilingual csvHeader{"型号,分数,百分比(%),路数,每路核心,每路线程,每路TDP(W),每台核心许可证",
                                     "Model,Score,Percentage (%),Sockets,Cores per socket,Threads per socket,"
                                     "TDP per socket (W),Core licences per server"};
inline constexpr Bilingual saveFailed{"无法保存PDF文件“%1”：%2。没有写入任何文件。",
                                      "The PDF file \"%1\" could not be saved: %2. No file was written."};

// A processor's facts, from the details file beside the catalogue.
inline constexpr Bilingual unknown{"未知", "unknown"};
inline constexpr Bilingual socketsTimesCores{"路数 × 核心", "Sockets × cores"};
inline constexpr Bilingual threads{"线程", "Threads"};
inline constexpr Bilingual coreLicences{"核心许可证", "Core licences"};
inline constexpr Bilingual tdp{"TDP", "TDP"};
inline constexpr Bilingual farmLicences{"核心许可证（全部服务器）", "Core licences (farm)"};
inline constexpr Bilingual farmTdp{"TDP（全部服务器）", "TDP (farm)"};
inline constexpr Bilingual factsSummary{"%1核心，%2线程，%3", "%1 cores, %2 threads, %3"};
inline constexpr Bilingual candidatesHeading{"型号", "Model"};
inline constexpr Bilingual percentageHeading{"百分比", "Percentage"};

// The workbook's sheets and what it says.
inline constexpr Bilingual answerSheet{"结果", "Answer"};
inline constexpr Bilingual reasoningSheet{"计算依据", "Reasoning"};
inline constexpr Bilingual rowsLeftOut{"（以下各行超出Excel工作表的行数上限，未写入）",
                                       "(the rows beyond a worksheet's 1,048,576 are left out)"};
inline constexpr Bilingual workbookFailed{"无法保存Excel文件“%1”：%2。没有写入任何文件。",
                                          "The Excel file \"%1\" could not be saved: %2. No file was written."};
} // namespace ReportTexts
