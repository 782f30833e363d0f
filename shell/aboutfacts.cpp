#include "aboutfacts.h"

#include "cpucatalogue.h"
#include "dialogtexts.h"
#include "version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

namespace {

// PassMark's, where the provenance file beside the catalogue traces its lines to PassMark's list.
QString source(const QString &folder, Language language)
{
    QFile provenance(QDir(folder).filePath(QLatin1String(AboutFacts::provenanceFile)));
    if (provenance.open(QIODevice::ReadOnly) && provenance.readLine().contains("passmark"))
        return DialogTexts::passMark.in(language).arg(QLatin1String(AboutFacts::provenanceFile));
    return DialogTexts::unknown.in(language);
}

QString system()
{
    const QString kernel = QSysInfo::kernelType();
    return kernel == u"winnt" ? QStringLiteral("Windows")
        : kernel == u"linux"  ? QStringLiteral("Linux")
                              : QSysInfo::prettyProductName();
}

} // namespace

QStringList AboutFacts::lines(const QString &folder, const LanguageChoice &choice,
                              const CatalogueCheck::Result &catalogue, Language language)
{
    const QString path = CpuCatalogue::pathIn(folder);
    QStringList lines{QStringLiteral("Quarvel ") + QLatin1String(Version::full),
                      DialogTexts::qt.in(language).arg(QLatin1String(qVersion())), DialogTexts::licence.in(language)};
    if (catalogue.reading == CpuCatalogue::Outcome::Complete) {
        lines << DialogTexts::catalogue.in(language).arg(QDir::toNativeSeparators(path))
              << DialogTexts::records.in(language)
                     .arg(catalogue.records)
                     .arg(catalogue.intel)
                     .arg(catalogue.amd)
                     .arg(catalogue.neither)
              << DialogTexts::modified.in(language).arg(
                     QFileInfo(path).lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm")))
              << (catalogue.details ? DialogTexts::details.in(language).arg(catalogue.withFacts).arg(catalogue.records)
                                    : DialogTexts::noDetails.in(language));
    } else {
        lines << CatalogueCheck::verdict(catalogue, path, language);
    }
    lines << DialogTexts::source.in(language).arg(source(folder, language))
          << DialogTexts::language.in(language).arg(
                 (choice.english ? DialogTexts::english : DialogTexts::chinese).in(language),
                 choice.marker ? DialogTexts::marker.in(language)
                               : DialogTexts::systemLanguage.in(language).arg(QString::fromStdString(choice.code)))
          << DialogTexts::platform.in(language).arg(system()).arg(QSysInfo::WordSize);
    return lines;
}
