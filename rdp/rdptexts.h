#pragma once

#include "bilingual.h"
#include "choicenames.h"

// Every text the RDP calculation writes and its report names, Chinese and English side by side.
namespace RdpTexts {
inline constexpr Bilingual graphicsCard{"GT1030 2GB 或 集成显卡", "GT1030 2GB Or Integrated Graphics"};
inline constexpr Bilingual desktopOrServer{"Windows 7 10 或者 Server 2012 2016", "Windows 7 10 Or Server 2012 2016"};
inline constexpr Bilingual serverOnly{"Windows Server 2012 2016 2019 2022", "Windows Server 2012 2016 2019 2022"};

// The captions of the list and of the result rows, as the main window shows them.
inline constexpr Bilingual candidatesCaption{"可选CPU列表", "List of Optional CPUs"};
inline constexpr Bilingual memoryCaption{"内存-最小值", "Memory Minimum"};
inline constexpr Bilingual ssdCaption{"SSD-最小值", "SSD Minimum"};
inline constexpr Bilingual hddCaption{"HDD-最小值", "HDD Minimum"};
inline constexpr Bilingual networkCaption{"网卡速度-最小值", "NIC Speed Min"};
inline constexpr Bilingual graphicsCaption{"建议的显卡", "Recommended Graphics Card"};
inline constexpr Bilingual systemCaption{"服务器系统", "Server System"};
// The reasoning's server system: up to how many terminals a desktop system will do.
inline constexpr Bilingual desktopRule{"%1台终端，不超过%2台：%3", "%1 terminals, at most %2: %3"};
inline constexpr Bilingual serverRule{"%1台终端，超过%2台：%3", "%1 terminals, more than %2: %3"};
inline constexpr ChoiceNames choices{
    {{"轻型任务", "Light Task"}, {"中型任务(推荐)", "Medium-Sized Tasks"}, {"重型任务", "Heavy Duty Tasks"}},
    {"Intel", "AMD", "Intel + AMD"}};
} // namespace RdpTexts
