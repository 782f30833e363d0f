#pragma once

#include <QByteArray>

namespace CatalogueGenerator {
// A catalogue of that many lines shaped like the shipped one: its model texts with other model numbers,
// its scores within 10 % either way, its vendor mix, CR LF line ends. The same every time.
QByteArray generate(int lines, const QByteArray &shipped);
// A details file for a catalogue: a line of facts for each of its lines, in its order or the other way round.
QByteArray details(const QByteArray &catalogue, bool reversed = false);
} // namespace CatalogueGenerator
