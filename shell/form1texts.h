#pragma once

#include "bilingual.h"

#include <QString>

// The texts the main window receives when it loads, in the order it sets them, and its help text.
namespace Form1Texts {

struct ControlText {
    enum Property { Caption, ToolTip };

    const char *control; // object name
    Property property;
    Bilingual text;
};

extern const ControlText table[];
extern const int tableSize;

inline constexpr Bilingual help{
    "CPU，根据终端数量选择对应的CPU；内存分三种，每用户0.5GB,每用户1.0GB，每用户1.5GB；SSD，用于安装系统和安装软件；"
    "HDD，机械硬盘，用于存放资料；CPU列表里的百分比为所选CPU性能和最低需求性能的比值；",
    "CPU, select the corresponding CPU according to the number of terminals; there are three types of memory, "
    "0.5GB per user, 1.0GB per user, and 1.5GB per user; SSD, for system installation and software installation; "
    "HDD, mechanical hard disk, for data storage;The percentage in the CPU list is the ratio of the selected CPU "
    "performance to the minimum required performance；"};
} // namespace Form1Texts
