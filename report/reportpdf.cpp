#include "reportpdf.h"

#include "pagesemitter.h"

#include <QLocale>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

QPageSize::PageSizeId ReportPdf::pageSize(const QLocale &locale)
{
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

void ReportPdf::paint(const Report &report, QPagedPaintDevice *device)
{
    QTextDocument document;
    PagesEmitter::build(report, document);
    document.print(device);
}

std::optional<QString> ReportPdf::save(const Report &report, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(pageSize(QLocale::system())));
        writer.setTitle(report.title);
        writer.setCreator(QStringLiteral("Quarvel"));
        paint(report, &writer);
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
