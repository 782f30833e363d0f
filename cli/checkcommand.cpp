#include "checkcommand.h"

#include "cataloguereader.h"
#include "clioptions.h"
#include "clitexts.h"
#include "cpucatalogue.h"
#include "output.h"
#include "soughttext.h"

int CheckCommand::run(const CliOptions &options)
{
    const Language language = options.language;
    if (!CpuCatalogue::exists(options.catalogue)) {
        Output::error(CliTexts::noCatalogue.in(language) + options.catalogue);
        return 1;
    }
    CatalogueReader reader(options.catalogue);
    if (!reader.isOpen()) {
        Output::error(CliTexts::unreadableCatalogue.in(language) + options.catalogue);
        return 1;
    }
    const SoughtText intel(u"Intel");
    const SoughtText amd(u"AMD");
    qint64 records = 0, intels = 0, amds = 0, neither = 0, skipped = 0;
    qint64 emptyLine = 0;
    qint64 lastLine = 0;
    for (CatalogueReader::Line line = reader.next(); line != CatalogueReader::Line::EndOfFile; line = reader.next()) {
        lastLine = reader.lineNumber();
        if (emptyLine != 0)
            continue;
        const QString number = QString::number(reader.lineNumber());
        switch (line) {
        case CatalogueReader::Line::Record: {
            ++records;
            const bool isIntel = reader.record().modelContains(intel);
            const bool isAmd = reader.record().modelContains(amd);
            intels += isIntel;
            amds += isAmd;
            neither += !isIntel && !isAmd;
            break;
        }
        case CatalogueReader::Line::Empty:
            emptyLine = reader.lineNumber();
            break;
        case CatalogueReader::Line::NoComma:
            ++skipped;
            Output::line(CliTexts::skippedNoComma.in(language).arg(number));
            break;
        case CatalogueReader::Line::BadScore:
            ++skipped;
            Output::line(CliTexts::skippedBadScore.in(language).arg(number));
            break;
        case CatalogueReader::Line::BadBytes:
            ++skipped;
            Output::line(CliTexts::skippedBadBytes.in(language).arg(number));
            break;
        case CatalogueReader::Line::EndOfFile:
            break;
        }
    }
    if (emptyLine != 0 && lastLine > emptyLine)
        Output::line(CliTexts::ignoredAfterEmpty.in(language).arg(emptyLine).arg(emptyLine + 1).arg(lastLine));
    else if (emptyLine != 0)
        Output::line(CliTexts::endsAtEmpty.in(language).arg(emptyLine));
    Output::line(CliTexts::summary.in(language).arg(records).arg(intels).arg(amds).arg(neither).arg(skipped));
    if (records == 0)
        Output::line(CliTexts::noRecords.in(language));
    return skipped == 0 ? 0 : 1;
}
