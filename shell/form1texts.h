#pragma once

#include "bilingual.h"
#include "calculationwindowtexts.h"
#include "rdptexts.h"

// The texts the main window gives its controls when it loads, in the order it sets them, and its help text;
// Chinese and English side by side.
namespace Form1Texts {

struct ControlText {
    enum Property { Caption, ToolTip };

    const char *control; // object name
    Property property;
    Bilingual text;
};

inline constexpr Bilingual percentageTip{
    "CPU列表里显示的百分比是指此CPU与标准需求分数相除的百分比",
    "The percentage shown in the CPU list is the percentage of this CPU divided by "
    "the standard requirement score"};

inline constexpr Bilingual queryWindow{"查询CPU所能负载的终端数", "Query the number of terminals the CPU can load"};

inline constexpr ControlText controls[] = {
    {"Label1", ControlText::Caption, {"请输入终端数量：", "Number of Terminals: "}},
    {"Label3", ControlText::Caption, RdpTexts::candidatesCaption},
    {"Label3", ControlText::ToolTip, percentageTip},
    {"Combo1", ControlText::ToolTip, percentageTip},
    {"Label4", ControlText::Caption, RdpTexts::memoryCaption},
    {"Label4",
     ControlText::ToolTip,
     {"内存分三种计算方式：每用户0.5GB,每用户1.0GB，每用户1.5GB",
      "Memory is calculated in three ways: 0.5GB per user, 1.0GB per user, 1.5GB Per User"}},
    {"Label5", ControlText::Caption, RdpTexts::ssdCaption},
    {"Label5",
     ControlText::ToolTip,
     {"操作系统60G+软件20GB+10GB/用户缓存文件", "OS 60G + Software 20GB + 10GB/User Cache file (not necessary)"}},
    {"Label6", ControlText::Caption, RdpTexts::hddCaption},
    {"Label6", ControlText::ToolTip, {"公共盘+40GB/用户私有盘（非必须）", "Public Disk + 40GB/User Private Disk"}},
    {"Label7", ControlText::Caption, RdpTexts::networkCaption},
    {"Label8", ControlText::Caption, RdpTexts::graphicsCaption},
    {"Command1", ControlText::Caption, {"生成RDP服务器配置信息", "Generate RDP server configuration information"}},
    {"Command2", ControlText::Caption, queryWindow},
    {"Command3", ControlText::Caption, CalculationWindowTexts::description},
    {"Option1", ControlText::Caption, RdpTexts::choices.levels[0]},
    {"Option2", ControlText::Caption, RdpTexts::choices.levels[1]},
    {"Option3", ControlText::Caption, RdpTexts::choices.levels[2]},
    {"Label14",
     ControlText::Caption,
     {"Dual表示双路CPU, Quad表示四路CPU, HDD为可选项", "Dual means dual CPU, Quad means quad CPU, HDD is optional"}},
    {"Label13",
     ControlText::ToolTip,
     {"有集成显卡的机子，可不选独立显卡",
      "The machine with integrated graphics card, not optional discrete graphics card."}},
    {"Option1", ControlText::ToolTip, {"office办公等轻量的任务", "Light tasks such as office work"}},
    {"Option2",
     ControlText::ToolTip,
     {"office办公或网页视频，建议使用此方式", "Office or Web video, this method is recommended"}},
    {"Option3", ControlText::ToolTip, {"网页视频或本地视频等重型任务", "Heavy Tasks such as web video or local video"}},
    {"Label15", ControlText::Caption, {"服务器配置信息：", "Terminal-Server Configuration Information:"}},
    {"Label16", ControlText::Caption, {"名称", "Name:"}},
    {"Label17", ControlText::Caption, {"型号或参数", "Model or Parameter:"}},
    {"Label18", ControlText::Caption, RdpTexts::systemCaption},
};

inline constexpr Bilingual help{
    "CPU，根据终端数量选择对应的CPU；内存分三种，每用户0.5GB,每用户1.0GB，每用户1.5GB；SSD，用于安装系统和安装软件；"
    "HDD，机械硬盘，用于存放资料；CPU列表里的百分比为所选CPU性能和最低需求性能的比值；",
    "CPU, select the corresponding CPU according to the number of terminals; there are three types of memory, "
    "0.5GB per user, 1.0GB per user, and 1.5GB per user; SSD, for system installation and software installation; "
    "HDD, mechanical hard disk, for data storage;The percentage in the CPU list is the ratio of the selected CPU "
    "performance to the minimum required performance；"};

// The menus beside those of every window.
inline constexpr Bilingual exit{"退出", "Exit"};
inline constexpr Bilingual toolsMenu{"工具(&T)", "&Tools"};
inline constexpr Bilingual farmPlanning{"服务器群规划…", "Server farm planning…"};
inline constexpr Bilingual checkCatalogue{"检查CPU数据文件…", "Check the catalogue…"};
inline constexpr Bilingual openFolder{"打开程序文件夹", "Open the program folder"};
inline constexpr Bilingual folderNotOpened{"无法打开程序文件夹：%1", "The program folder could not be opened: %1"};
} // namespace Form1Texts
