#include "reportpdf.h"

#include <QLocale>
#include <QPdfWriter>
#include <QSaveFile>

QPageSize::PageSizeId ReportPdf::pageSize(const QLocale &locale)
{
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

std::optional<QString> ReportPdf::save(const Report &report, const QString &path, const PagesEmitter::Pump &pump)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(pageSize(QLocale::system())));
        writer.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
        writer.setTitle(report.title);
        writer.setCreator(QStringLiteral("Quarvel"));
        bool stopped = false;
        const auto asked = [&] {
            stopped = pump && !pump();
            return !stopped;
        };
        if (!PagesEmitter::paint(report, writer, asked))
            return stopped ? QString() : file.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
