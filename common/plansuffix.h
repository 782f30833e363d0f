#pragma once

#include <QString>

// The suffix of a site's plan file: the plan file's own, and what every window opens when it is dropped on it.
inline const QString planFileSuffix = QStringLiteral("quarvel");
