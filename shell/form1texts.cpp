#include "form1texts.h"

#include "rdptexts.h"

#include <iterator>

namespace {

using T = Form1Texts::ControlText;

constexpr Bilingual percentageTip{"CPU列表里显示的百分比是指此CPU与标准需求分数相除的百分比",
                                  "The percentage shown in the CPU list is the percentage of this CPU divided by "
                                  "the standard requirement score"};

} // namespace

const Form1Texts::ControlText Form1Texts::table[] = {
    {"Label1", T::Caption, {"请输入终端数量：", "Number of Terminals: "}},
    {"Label3", T::Caption, RdpTexts::candidatesCaption},
    {"Label3", T::ToolTip, percentageTip},
    {"Combo1", T::ToolTip, percentageTip},
    {"Label4", T::Caption, RdpTexts::memoryCaption},
    {"Label4",
     T::ToolTip,
     {"内存分三种计算方式：每用户0.5GB,每用户1.0GB，每用户1.5GB",
      "Memory is calculated in three ways: 0.5GB per user, 1.0GB per user, 1.5GB Per User"}},
    {"Label5", T::Caption, RdpTexts::ssdCaption},
    {"Label5",
     T::ToolTip,
     {"操作系统60G+软件20GB+10GB/用户缓存文件", "OS 60G + Software 20GB + 10GB/User Cache file (not necessary)"}},
    {"Label6", T::Caption, RdpTexts::hddCaption},
    {"Label6", T::ToolTip, {"公共盘+40GB/用户私有盘（非必须）", "Public Disk + 40GB/User Private Disk"}},
    {"Label7", T::Caption, RdpTexts::networkCaption},
    {"Label8", T::Caption, RdpTexts::graphicsCaption},
    {"Command1", T::Caption, {"生成RDP服务器配置信息", "Generate RDP server configuration information"}},
    {"Command2", T::Caption, {"查询CPU所能负载的终端数", "Query the number of terminals the CPU can load"}},
    {"Command3", T::Caption, {"说明", "Description"}},
    {"Option1", T::Caption, RdpTexts::levelNames[0]},
    {"Option2", T::Caption, RdpTexts::levelNames[1]},
    {"Option3", T::Caption, RdpTexts::levelNames[2]},
    {"Label14",
     T::Caption,
     {"Dual表示双路CPU, Quad表示四路CPU, HDD为可选项", "Dual means dual CPU, Quad means quad CPU, HDD is optional"}},
    {"Label13",
     T::ToolTip,
     {"有集成显卡的机子，可不选独立显卡",
      "The machine with integrated graphics card, not optional discrete graphics card."}},
    {"Option1", T::ToolTip, {"office办公等轻量的任务", "Light tasks such as office work"}},
    {"Option2",
     T::ToolTip,
     {"office办公或网页视频，建议使用此方式", "Office or Web video, this method is recommended"}},
    {"Option3", T::ToolTip, {"网页视频或本地视频等重型任务", "Heavy Tasks such as web video or local video"}},
    {"Label15", T::Caption, {"服务器配置信息：", "Terminal-Server Configuration Information:"}},
    {"Label16", T::Caption, {"名称", "Name:"}},
    {"Label17", T::Caption, {"型号或参数", "Model or Parameter:"}},
    {"Label18", T::Caption, RdpTexts::systemCaption},
};

const int Form1Texts::tableSize = int(std::size(table));
