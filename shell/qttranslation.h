#pragma once

#include "language.h"

#include <QString>

// Qt's own texts (message box buttons, the text boxes' context menus) in the interface language: Chinese
// from the translation shipped in the application folder's translations/ (else Qt's own folder), English as
// Qt has it.
namespace QtTranslation {
void apply(Language language, const QString &applicationFolder);
}
