#pragma once

#include "cataloguecheck.h"
#include "language.h"
#include "languageselection.h"

#include <QStringList>

// What the About box says, for a support request: the program and its version, Qt's, the licence, the catalogue in
// use (its path, records by vendor, when it was changed, where its figures come from), the language and why, the
// platform. The catalogue as its check found it.
namespace AboutFacts {
QStringList lines(const QString &folder, const LanguageChoice &choice, const CatalogueCheck::Result &catalogue,
                  Language language);
// The provenance file beside the catalogue, which names where its figures come from.
constexpr const char *provenanceFile = "data-provenance.tsv";
} // namespace AboutFacts
