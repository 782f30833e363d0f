#pragma once

#include "bilingual.h"

// Every text of the farm and site plans and their reports, Chinese and English side by side.
namespace FarmTexts {
inline constexpr Bilingual titlePrefix{"服务器群规划 v", "Server Farm Planning v"};
inline constexpr Bilingual busySuffix{"台终端 - 正在规划服务器群...", " terminals - Planning the server farm..."};
inline constexpr Bilingual finalSuffix{"台终端 - 服务器群规划：", " terminals - server farm plan:"};

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

// What a plan's processor is made of, and what it means for licences and power.
inline constexpr Bilingual processorFacts{"处理器", "Processor"};
inline constexpr Bilingual coreLicences{"Windows Server核心许可证", "Windows Server core licences"};
inline constexpr Bilingual coreLicencesText{"%1个（%2台 × 每台%3个）", "%1 (%2 servers × %3)"};
inline constexpr Bilingual farmTdp{"处理器TDP合计", "Processors' TDP"};
inline constexpr Bilingual licenceRule{"max(16, %1 × max(8, %2)) = 每台%3个；%4台服务器：%5个",
                                       "max(16, %1 × max(8, %2)) = %3 a server; %4 servers: %5"};
inline constexpr Bilingual licenceUnknown{"未知：CPU细节文件没有给出此CPU的路数或核心数",
                                          "unknown: the details file gives no sockets or cores for this processor"};
inline constexpr Bilingual licenceNote{
    "Windows "
    "Server按物理核心授权：服务器的每个物理核心都需授权，每颗CPU至少8个、每台服务器至少16个，以2个核心为一包出售"
    "（备用服务器也运行Windows Server，一并计算）。Standard版在完全授权的服务器上可运行两个Windows Server虚拟机，"
    "Datacenter版不限数量；两者所需的核心许可证数量相同。",
    "Windows Server is licensed by physical core: every core of a server, at least 8 a processor and 16 a server, "
    "sold in packs of two (spare servers run Windows Server too, and are counted). Standard edition covers two "
    "Windows Server virtual machines on a fully licensed server, Datacenter any number; both need the same core "
    "licences."};

// The reasoning: the plan's own steps before those of one server.
inline constexpr Bilingual concurrent{"同时在线终端数", "Terminals at work at once"};
inline constexpr Bilingual concurrentRule{"U = ⌈N × c ÷ 100⌉ = ⌈%1 × %2 ÷ 100⌉ = %3",
                                          "U = ⌈N × c ÷ 100⌉ = ⌈%1 × %2 ÷ 100⌉ = %3"};
inline constexpr Bilingual active{"工作服务器", "Servers at work"};
inline constexpr Bilingual activeRule{
    "A = 每台分担的终端所需分数 × 100 不超过 %1 × %2 的最少服务器数 = %3",
    "A = the fewest servers whose shares' required score × 100 is at most %1 × %2 = %3"};
inline constexpr Bilingual fitsAt{"A = %1：每台%2台终端，所需分数%3 × 100 ≤ %4 × %5",
                                  "A = %1: %2 terminals each, required score %3 × 100 ≤ %4 × %5"};
inline constexpr Bilingual failsAt{"A = %1：每台%2台终端，所需分数%3 × 100 > %4 × %5",
                                   "A = %1: %2 terminals each, required score %3 × 100 > %4 × %5"};
inline constexpr Bilingual allRule{"A + s = %1 + %2 = %3", "A + s = %1 + %2 = %3"};
inline constexpr Bilingual perServerRule{"P = ⌈U ÷ A⌉ = ⌈%1 ÷ %2⌉ = %3", "P = ⌈U ÷ A⌉ = ⌈%1 ÷ %2⌉ = %3"};

// A site's plan: its values, their limits, its report.
inline constexpr Bilingual planKey{"“%1”：", "\"%1\": "};
inline constexpr Bilingual groupOnly{"第%1组：", "group %1: "};
inline constexpr Bilingual groupKey{"第%1组“%2”：", "group %1, \"%2\": "};
inline constexpr Bilingual wholeFrom{"须为%1至%2之间的整数", "must be a whole number from %1 to %2"};
inline constexpr Bilingual tooLong{"不得超过%1个字符", "must be at most %1 characters long"};
inline constexpr Bilingual groupCount{"须有1至%1个用户组", "must hold 1 to %1 user groups"};

inline constexpr Bilingual siteTitlePrefix{"服务器群规划 v", "Server Farm Planning v"};
inline constexpr Bilingual name{"名称", "Name"};
inline constexpr Bilingual notes{"备注", "Notes"};
inline constexpr Bilingual groups{"用户组", "User groups"};
inline constexpr Bilingual group{"用户组", "Group"};
inline constexpr Bilingual grown{"增长后", "After growth"};
inline constexpr Bilingual atWork{"同时在线", "At work"};
inline constexpr Bilingual growth{"年增长", "Growth a year"};
inline constexpr Bilingual growthText{"%1%，共%2年", "%1 % for %2 years"};
inline constexpr Bilingual cpuCeiling{"CPU利用率上限", "CPU ceiling"};
inline constexpr Bilingual farmPlans{"服务器群方案（%1）", "Server farm plans (%1)"};
inline constexpr Bilingual chosen{"所选方案（%1）", "The plan chosen (%1)"};
inline constexpr Bilingual unlisted{"计划中选定的CPU“%1”已不在方案中，现显示第一个方案。",
                                    "The processor the plan names, \"%1\", is no longer listed: the first plan is "
                                    "shown instead."};
inline constexpr Bilingual noPlans{"没有CPU能承载这些用户组的终端。",
                                   "No processor carries the terminals of these user groups."};
inline constexpr Bilingual totals{"合计", "Totals"};
inline constexpr Bilingual farmServers{"服务器（%1）", "Servers (%1)"};
inline constexpr Bilingual allServers{"全部服务器", "Servers in all"};
inline constexpr Bilingual allMemory{"全部服务器内存", "Memory across the farms"};
inline constexpr Bilingual licences{"许可证", "Licences"};
inline constexpr Bilingual rdsCals{"RDS客户端访问许可证（CAL）", "RDS client access licences (CALs)"};
inline constexpr Bilingual rdsCalsText{"%1个（按设备：每台连接的终端一个）",
                                       "%1 (per device: one for each terminal that connects)"};
inline constexpr Bilingual rdsCalsNote{
    "每台连接到RDP或VDI服务器的终端都需要一个远程桌面服务客户端访问许可证。此处按设备计数；如按用户授权，则按用户"
    "人数计数。CAL的版本不得低于服务器上Windows Server的版本。",
    "Every terminal that connects to an RDP or VDI server needs a Remote Desktop Services client access licence. "
    "They are counted here per device; where users are licensed instead, count per-user CALs by the users. The "
    "CALs' version must be at least that of the Windows Server on the servers."};
inline constexpr Bilingual numberedGroup{"第%1组", "Group %1"};
inline constexpr Bilingual ofGroup{"%1（%2）", "%1 (%2)"};
inline constexpr Bilingual growthOfGroup{"增长后的终端数", "Terminals after growth"};
inline constexpr Bilingual ceiling{"CPU利用率上限", "CPU ceiling"};
inline constexpr Bilingual growthRule{"N′ = ⌈N × (100 + g) ÷ 100⌉，逐年计算：%1",
                                      "N′ = ⌈N × (100 + g) ÷ 100⌉, year by year: %1"};
inline constexpr Bilingual ceilingRule{"所需分数 × 100 ≤ 分数 × u，u = %1%",
                                       "required score × 100 ≤ score × u, u = %1 %"};

// The plan file: why it cannot be used or written.
inline constexpr Bilingual cannotOpen{"无法打开计划文件“%1”：%2。", "The plan file \"%1\" could not be opened: %2."};
inline constexpr Bilingual notJson{"“%1”不是Quarvel计划文件：它不是JSON（第%2个字符处：%3）。",
                                   "\"%1\" is not a Quarvel plan: it is not JSON (at character %2: %3)."};
inline constexpr Bilingual notPlan{"“%1”不是Quarvel计划文件。", "\"%1\" is not a Quarvel plan."};
inline constexpr Bilingual tooLarge{"“%1”大于1 MiB，不是Quarvel计划文件。",
                                    "\"%1\" is larger than 1 MiB: it is not a Quarvel plan."};
inline constexpr Bilingual newer{"“%1”由较新版本的Quarvel创建（计划格式%2），本版本只能读取格式%3。",
                                 "\"%1\" was made by a newer Quarvel (plan format %2); this Quarvel reads format %3."};
inline constexpr Bilingual wrongValue{"计划文件“%1”无法使用：%2。", "The plan file \"%1\" cannot be used: %2."};
inline constexpr Bilingual cannotWrite{"无法保存计划文件“%1”：%2。原文件保持不变。",
                                       "The plan file \"%1\" could not be saved: %2. The file as it was is kept."};
inline constexpr Bilingual missing{"缺少此项", "is missing"};
inline constexpr Bilingual notText{"须为文本", "must be a text"};
inline constexpr Bilingual notNumber{"须为数字", "must be a number"};
inline constexpr Bilingual quotedNumber{"须为数字，不能加引号", "must be a number, not a text in quotes"};
inline constexpr Bilingual notWhole{"%1不是整数", "%1 is not a whole number"};
inline constexpr Bilingual notObject{"须为JSON对象", "must be a JSON object"};
inline constexpr Bilingual notList{"须为JSON数组", "must be a JSON array"};
inline constexpr Bilingual notTextOrNull{"须为文本或null", "must be a text or null"};
inline constexpr Bilingual oneOf{"须为%1", "must be %1"};
inline constexpr Bilingual orWord{"或", " or "};
} // namespace FarmTexts
