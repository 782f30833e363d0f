#pragma once

#include "bilingual.h"

// The texts of the plan window, Chinese and English side by side.
namespace PlanWindowTexts {
inline constexpr Bilingual untitled{"未命名", "Untitled"};
inline constexpr Bilingual headingAtStart{"服务器群规划", "Server Farm Planning"};
inline constexpr Bilingual planBox{"规划", "Plan"};
inline constexpr Bilingual name{"名称(&M)：", "Na&me:"};
inline constexpr Bilingual notes{"备注(&N)：", "&Notes:"};
inline constexpr Bilingual groupsBox{"用户组", "User groups"};
inline constexpr Bilingual addGroup{"添加(&A)", "&Add"};
inline constexpr Bilingual duplicateGroup{"复制(&D)", "&Duplicate"};
inline constexpr Bilingual removeGroup{"删除(&R)", "&Remove"};
inline constexpr Bilingual optionsBox{"选项", "Options"};
inline constexpr Bilingual vendor{"CPU厂商(&V)：", "&Vendor:"};
inline constexpr Bilingual spares{"备用服务器(&S)：", "&Spare servers:"};
inline constexpr Bilingual growth{"年增长(&G)：", "&Growth a year:"};
inline constexpr Bilingual years{"年数(&Y)：", "&Years:"};
inline constexpr Bilingual ceiling{"CPU利用率上限(&U)：", "CPU ceiling (&U):"};
inline constexpr Bilingual plan{"规划(&P)", "&Plan"};
inline constexpr Bilingual concurrencyHeading{"同时在线（%）", "At work (%)"};

// The File menu of a plan, in the plan window and in the main window.
inline constexpr Bilingual newPlan{"新建规划", "New plan"};
inline constexpr Bilingual newPlanFromMain{"新建规划…", "New plan…"};
inline constexpr Bilingual open{"打开…", "Open…"};
inline constexpr Bilingual openPlan{"打开规划…", "Open plan…"};
inline constexpr Bilingual openRecent{"最近打开", "Open recent"};
inline constexpr Bilingual save{"保存", "Save"};
inline constexpr Bilingual saveAs{"另存为…", "Save as…"};
inline constexpr Bilingual openTitle{"打开规划", "Open plan"};
inline constexpr Bilingual saveTitle{"保存规划", "Save plan"};
inline constexpr Bilingual filter{"Quarvel 规划 (*.quarvel)", "Quarvel plans (*.quarvel)"};
inline constexpr Bilingual unsaved{"规划“%1”已修改。是否保存所做的修改？",
                                   "The plan \"%1\" has been changed. Do you want to save the changes?"};
inline constexpr Bilingual vanished{"文件“%1”已不存在，已从最近打开的列表中删除。",
                                    "The file \"%1\" no longer exists; it is taken off the recent plans."};
} // namespace PlanWindowTexts
