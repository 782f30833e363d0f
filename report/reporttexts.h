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
inline constexpr Bilingual csvHeader{"型号,分数,百分比(%)", "Model,Score,Percentage (%)"};
inline constexpr Bilingual saveFailed{"无法保存PDF文件“%1”：%2。没有写入任何文件。",
                                      "The PDF file \"%1\" could not be saved: %2. No file was written."};

// The workbook's sheets and what it says.
inline constexpr Bilingual answerSheet{"结果", "Answer"};
inline constexpr Bilingual reasoningSheet{"计算依据", "Reasoning"};
inline constexpr Bilingual rowsLeftOut{"（以下各行超出Excel工作表的行数上限，未写入）",
                                       "(the rows beyond a worksheet's 1,048,576 are left out)"};
inline constexpr Bilingual workbookFailed{"无法保存Excel文件“%1”：%2。没有写入任何文件。",
                                          "The Excel file \"%1\" could not be saved: %2. No file was written."};
} // namespace ReportTexts
