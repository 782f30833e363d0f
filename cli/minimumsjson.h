#pragma once

#include "farmplan.h"
#include "rdpsizing.h"
#include "vdisizing.h"

#include <QJsonArray>
#include <QJsonObject>

namespace MinimumsJson {
// What a server must have, under the keys that rdp and farm (RDP) give it: memory, ssd, hdd, network, graphics,
// system.
QJsonObject rdp(const RdpSizing::Result &result);
// The same for vdi and farm (VDI): the window's text under "text".
QJsonObject vdi(const VdiSizing::Result &result, Language language);
// A processor's facts under their keys, null where unknown: sockets, coresPerSocket, threadsPerSocket,
// tdpWattsPerSocket, coreLicencesPerServer.
void addFacts(QJsonObject &object, const ProcessorFacts &facts);
// The same for a plan, and its farm's coreLicences and tdpWatts (every server's, spare ones too).
void addFarmFacts(QJsonObject &object, const FarmPlanning::Farm &farm, const FarmPlanning::Plan &plan);
// A candidate's model and facts, as candidateDetails lists them.
QJsonObject candidateDetail(const Candidate &candidate);
} // namespace MinimumsJson
