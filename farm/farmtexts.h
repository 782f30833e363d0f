#pragma once

#include "bilingual.h"

// Every text of the farm plan and its report, Chinese and English side by side.
namespace FarmTexts {
inline constexpr Bilingual titlePrefix{"服务器群规划 v", "Server Farm Planning v"};
inline constexpr Bilingual busySuffix{"台终端 - 正在规划服务器群...", " terminals - Planning the server farm..."};
inline constexpr Bilingual finalSuffix{"台终端 - 服务器群规划：", " terminals - server farm plan:"};
inline constexpr Bilingual invalidSettings{"同时在线比例须在1%至100%之间，备用服务器须在0至9台之间。",
                                           "The concurrency must lie between 1 % and 100 %, the spare servers between "
                                           "0 and 9."};

inline constexpr Bilingual kinds[] = {{"RDP终端服务器", "RDP terminal server"}, {"VDI", "VDI"}};
inline constexpr Bilingual kind{"服务器类型", "Server kind"};
inline constexpr Bilingual concurrency{"同时在线比例", "Concurrency"};
inline constexpr Bilingual spares{"备用服务器", "Spare servers"};

// The table of the plans.
inline constexpr Bilingual plans{"服务器群方案", "Server farm plans"};
inline constexpr Bilingual servers{"服务器", "Servers"};
inline constexpr Bilingual processor{"CPU型号", "Processor"};
inline constexpr Bilingual perServer{"每台终端数", "Terminals per server"};
inline constexpr Bilingual percentage{"百分比", "Percentage"};

// The plan shown: its processor and the farm's totals.
inline constexpr Bilingual plan{"方案", "Plan"};
inline constexpr Bilingual planText{"%1 × %2，每台%3台终端", "%1 × %2, %3 terminals each"};
inline constexpr Bilingual totalServers{"服务器总数", "Servers in all"};
inline constexpr Bilingual totalServersText{"%1（%2台工作 + %3台备用）", "%1 (%2 at work + %3 spare)"};
inline constexpr Bilingual totalMemory{"全部服务器内存", "Memory across the farm"};

// The reasoning: the plan's own steps before those of one server.
inline constexpr Bilingual concurrent{"同时在线终端数", "Terminals at work at once"};
inline constexpr Bilingual concurrentRule{"U = ⌈N × c ÷ 100⌉ = ⌈%1 × %2 ÷ 100⌉ = %3",
                                          "U = ⌈N × c ÷ 100⌉ = ⌈%1 × %2 ÷ 100⌉ = %3"};
inline constexpr Bilingual capacity{"单台容量", "Capacity of one server"};
inline constexpr Bilingual capacityRule{"C = 所需分数不超过%2的最大终端数 = %1",
                                        "C = the most terminals whose required score %2 reaches = %1"};
inline constexpr Bilingual active{"工作服务器", "Servers at work"};
inline constexpr Bilingual activeRule{"A = ⌈U ÷ C⌉ = ⌈%1 ÷ %2⌉ = %3", "A = ⌈U ÷ C⌉ = ⌈%1 ÷ %2⌉ = %3"};
inline constexpr Bilingual allRule{"A + s = %1 + %2 = %3", "A + s = %1 + %2 = %3"};
inline constexpr Bilingual perServerRule{"P = ⌈U ÷ A⌉ = ⌈%1 ÷ %2⌉ = %3", "P = ⌈U ÷ A⌉ = ⌈%1 ÷ %2⌉ = %3"};
} // namespace FarmTexts
