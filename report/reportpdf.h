#pragma once

#include "report.h"

#include <QPageSize>
#include <QString>

#include <optional>

class QPagedPaintDevice;

// A report on pages: into a PDF file or onto a printer.
namespace ReportPdf {
// A4, Letter where the locale measures in US units (the system's, unless another is given).
QPageSize::PageSizeId pageSize(const QLocale &locale);
void paint(const Report &report, QPagedPaintDevice *device);
// Writes the PDF through a temporary file that replaces the target only when complete. Nothing, or why
// the file could not be written (no file is left behind then).
std::optional<QString> save(const Report &report, const QString &path);
} // namespace ReportPdf
