#include "reportpdf.h"

#include "appfont.h"
#include "reportformat.h"

#include <QLocale>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

QPageSize::PageSizeId ReportPdf::pageSize()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

void ReportPdf::paint(const Report &report, QPagedPaintDevice *device)
{
    QTextDocument document;
    document.setDefaultFont(AppFont::font(10));
    document.setHtml(ReportFormat::html(report));
    document.print(device);
}

std::optional<QString> ReportPdf::save(const Report &report, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(pageSize()));
        writer.setTitle(report.title);
        writer.setCreator(QStringLiteral("Quarvel"));
        paint(report, &writer);
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
