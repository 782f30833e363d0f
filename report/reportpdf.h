#pragma once

#include "pagesemitter.h"
#include "report.h"

#include <QPageSize>
#include <QString>

#include <optional>

// A report on pages: the paper, and the PDF file (a printer takes PagesEmitter::paint).
namespace ReportPdf {
// A4, Letter where the locale measures in US units (the system's, unless another is given).
QPageSize::PageSizeId pageSize(const QLocale &locale);
// The margins of every page, in millimetres.
constexpr qreal margin = 20;
// Writes the PDF through a temporary file that replaces the target only when complete. Nothing, or why the file
// could not be written (a writing the pump stopped says so in an empty text); no file is left behind then.
std::optional<QString> save(const Report &report, const QString &path, const PagesEmitter::Pump &pump = {});
} // namespace ReportPdf
