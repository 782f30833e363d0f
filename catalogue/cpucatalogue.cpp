#include "cpucatalogue.h"

#include "cataloguereader.h"
#include "processordetails.h"

#include <QDir>
#include <QFileInfo>

QString CpuCatalogue::pathIn(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("data.dll"));
}

bool CpuCatalogue::exists(const QString &path)
{
    return QFileInfo(path).isFile();
}

CpuCatalogue::Outcome CpuCatalogue::read(const QString &path, const RecordHandler &onRecord, const Pump &pump,
                                         Facts *facts)
{
    if (!exists(path))
        return Outcome::Missing;
    if (facts)
        *facts = {0, QFileInfo(path).lastModified()};
    CatalogueReader reader(path);
    if (!reader.isOpen())
        return Outcome::Unreadable;
    ProcessorDetails details(ProcessorDetails::pathBeside(path));
    reader.setDetails(&details);
    for (;;) {
        switch (reader.next()) {
        case CatalogueReader::Line::Empty:
        case CatalogueReader::Line::EndOfFile:
            return Outcome::Complete;
        case CatalogueReader::Line::Record:
            if (facts)
                ++facts->records;
            details.step(reader.record());
            onRecord(reader.record());
            break;
        case CatalogueReader::Line::ReadError:
            return Outcome::Failed;
        case CatalogueReader::Line::NoComma:
        case CatalogueReader::Line::BadScore:
        case CatalogueReader::Line::BadBytes:
        case CatalogueReader::Line::TooLong:
        case CatalogueReader::Line::Skipping:
            break;
        }
        if (pump && !pump())
            return Outcome::Abandoned;
    }
}
