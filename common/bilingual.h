#pragma once

#include "language.h"

#include <QString>

// One user-visible text in both interface languages, kept side by side.
struct Bilingual {
    const char *chinese;
    const char *english;

    QString in(Language language) const { return QString::fromUtf8(language == Language::English ? english : chinese); }
};
