#pragma once

#include "bilingual.h"
#include "tasklevel.h"
#include "vendor.h"

// The captions of a sizing window's task levels and vendors, as its option buttons show them and its report
// names them.
struct ChoiceNames {
    Bilingual levels[3];    // light, medium, heavy
    const char *vendors[3]; // Intel, AMD, both: the same in both languages

    QString level(TaskLevel level, Language language) const { return levels[int(level)].in(language); }
    QString vendor(Vendor vendor) const { return QString::fromLatin1(vendors[int(vendor)]); }
};
