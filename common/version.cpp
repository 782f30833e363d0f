#include "version.h"

QString Version::shortText()
{
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString Version::mainWindowTitle()
{
    return QStringLiteral("Quarvel v") + shortText();
}
