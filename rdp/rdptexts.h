#pragma once

#include "bilingual.h"

#include <QString>
#include <QStringView>

// Every text the RDP calculation writes, Chinese and English side by side.
namespace RdpTexts {
inline constexpr Bilingual busySuffix{"台终端 - 正在计算服务器配置信息...",
                                      " terminals - Calculating Server Configuration Information..."};
inline constexpr Bilingual finalSuffix{"台终端 - 服务器配置信息：", " terminals - server configuration information:"};
inline constexpr Bilingual graphicsCard{"GT1030 2GB 或 集成显卡", "GT1030 2GB Or Integrated Graphics"};
inline constexpr Bilingual desktopOrServer{"Windows 7 10 或者 Server 2012 2016", "Windows 7 10 Or Server 2012 2016"};
inline constexpr Bilingual serverOnly{"Windows Server 2012 2016 2019 2022", "Windows Server 2012 2016 2019 2022"};

// The count text goes into the headings as typed, leading zeros included.
QString busyHeading(QStringView countText, Language language);
QString finalHeading(QStringView countText, Language language);
// Up to 14 terminals a desktop system will do; from 15 on a server system.
QString serverSystem(double terminals, Language language);
}
