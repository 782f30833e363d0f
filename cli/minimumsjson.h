#pragma once

#include "rdpsizing.h"
#include "vdisizing.h"

#include <QJsonObject>

namespace MinimumsJson {
// What a server must have, under the keys that rdp and farm (RDP) give it: memory, ssd, hdd, network, graphics,
// system.
QJsonObject rdp(const RdpSizing::Result &result);
// The same for vdi and farm (VDI): the window's text under "text".
QJsonObject vdi(const VdiSizing::Result &result, Language language);
} // namespace MinimumsJson
