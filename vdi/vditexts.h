#pragma once

#include "bilingual.h"

#include <QString>
#include <QStringView>

struct ServerMinimums;

// Every text the VDI calculation writes, Chinese and English side by side.
namespace VdiTexts {
inline constexpr Bilingual busySuffix{"台终端 - 正在计算服务器配置信息...",
                                      " terminals - Calculating Server Configuration Information..."};
inline constexpr Bilingual finalSuffix{"台终端 - 服务器配置信息：", " terminals - server configuration information:"};
inline constexpr Bilingual memory{"内存：", "Memory: "};
inline constexpr Bilingual ssd{"SSD：", "SSD: "};
inline constexpr Bilingual hdd{"HDD：", "HDD: "};
inline constexpr Bilingual network{"网卡速度：", "NIC speed: "};

QString busyHeading(QStringView countText, Language language);
QString finalHeading(QStringView countText, Language language);
// Four lines joined by CR LF, without a line end after the last.
QString hardwareText(const ServerMinimums &hardware, Language language);
}
