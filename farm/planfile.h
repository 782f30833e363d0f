#pragma once

#include "language.h"
#include "plansuffix.h"
#include "siteplan.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

// A site's plan as a file (.quarvel): JSON in UTF-8, indented, its keys in a stable order, so that two revisions
// differ line by line; versioned by "quarvelPlan". Reading refuses what is not a plan of this version or breaks a
// limit, naming the first thing wrong; writing replaces the old file only when the new one is complete.
namespace PlanFile {
constexpr int format = 1;
constexpr qint64 largest = 1024 * 1024; // bytes
inline const QString &suffix = planFileSuffix;

QByteArray serialised(const SitePlan &plan);
// The plan in the bytes, or what is wrong with them; shown: the file's name as the message gives it.
std::variant<SitePlan, QString> parsed(const QByteArray &bytes, const QString &shown, Language language);
// The plan in the file, or why it cannot be used, naming the file. The file is only read.
std::variant<SitePlan, QString> read(const QString &path, Language language);
// Writes the plan through a temporary file beside the target that replaces it only when complete. Nothing, or
// why the file could not be written (the old file is then as it was), naming the file.
std::optional<QString> write(const SitePlan &plan, const QString &path, Language language);
} // namespace PlanFile
