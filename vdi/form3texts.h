#pragma once

#include "bilingual.h"
#include "vditexts.h"

// The texts the VDI window gives its controls when it opens, by object name, Chinese and English side by side.
namespace Form3Texts {

struct ControlText {
    const char *control;
    Bilingual text;
};

inline constexpr ControlText controls[] = {
    {"Command1", {"生成VDI服务器配置信息", "Generate VDI server configuration information"}},
    {"Label1", {"请输入终端数量：", "Please Enter the number of terminals:"}},
    {"Label3", VdiTexts::candidatesCaption},
    {"Label4", VdiTexts::hardwareCaption},
    {"Label5",
     {"Dual表示双路CPU, Quad表示四路CPU, HDD为可选项", "Dual means dual CPU, Quad means quad CPU, HDD is optional"}},
    {"Option1", VdiTexts::choices.levels[0]},
    {"Option2", VdiTexts::choices.levels[1]},
    {"Option3", VdiTexts::choices.levels[2]},
};

// The heading keeps its design text until the first run; English gets it in English.
inline constexpr Bilingual headingAtStart{"服务器配置信息", "Server Configuration Information"};
} // namespace Form3Texts
