#pragma once

#include "bilingual.h"

// The texts of the report actions and of the menus every window has, Chinese and English side by side.
namespace CalculationWindowTexts {
inline constexpr Bilingual copy{"复制结果", "Copy result"};
inline constexpr Bilingual savePdf{"另存为 PDF…", "Save as PDF…"};
inline constexpr Bilingual print{"打印…", "Print…"};
inline constexpr Bilingual saveTitle{"另存为 PDF", "Save as PDF"};
inline constexpr Bilingual pdfFilter{"PDF 文件 (*.pdf)", "PDF files (*.pdf)"};
inline constexpr Bilingual saveWorkbook{"另存为 Excel…", "Save as Excel…"};
inline constexpr Bilingual saveWorkbookTitle{"另存为 Excel", "Save as Excel"};
inline constexpr Bilingual workbookFilter{"Excel 工作簿 (*.xlsx)", "Excel workbooks (*.xlsx)"};
inline constexpr Bilingual savingPdf{"正在保存 PDF 文件…", "Saving the PDF file…"};
inline constexpr Bilingual savingWorkbook{"正在保存 Excel 工作簿…", "Saving the Excel workbook…"};
inline constexpr Bilingual printing{"正在打印…", "Printing…"};
inline constexpr Bilingual cancel{"取消", "Cancel"};
inline constexpr Bilingual noPrinter{"没有安装打印机，无法打印。可以将结果另存为 PDF（Ctrl+S）。",
                                     "No printer is installed, so the report cannot be printed. You can save it as "
                                     "a PDF file instead (Ctrl+S)."};

// The processor list's hint when it comes out empty for a valid count.
inline constexpr Bilingual noSingleProcessor{
    "没有能单独承载的CPU，请使用“工具 > 服务器群规划”",
    "No single processor carries this load: see Tools > Server farm planning."};

inline constexpr Bilingual fileMenu{"文件(&F)", "&File"};
inline constexpr Bilingual close{"关闭", "Close"};
inline constexpr Bilingual helpMenu{"帮助(&H)", "&Help"};
inline constexpr Bilingual description{"说明", "Description"};
inline constexpr Bilingual about{"关于 Quarvel", "About Quarvel"};
} // namespace CalculationWindowTexts
