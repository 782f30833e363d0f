#include "checkcommand.h"

#include "capacity.h"
#include "cataloguereader.h"
#include "clicatalogue.h"
#include "clioptions.h"
#include "clitexts.h"
#include "cpucatalogue.h"
#include "displaytext.h"
#include "output.h"
#include "soughttext.h"

ExitStatus CheckCommand::run(const CliOptions &options)
{
    const Language language = options.language;
    if (!CpuCatalogue::exists(options.catalogue)) {
        Output::error(CliTexts::noCatalogue.in(language) + options.catalogue);
        return ExitStatus::Findings;
    }
    CatalogueReader reader(options.catalogue);
    if (!reader.isOpen()) {
        Output::error(CliTexts::unreadableCatalogue.in(language) + options.catalogue);
        return ExitStatus::Findings;
    }
    const SoughtText intel(u"Intel");
    const SoughtText amd(u"AMD");
    qint64 records = 0, intels = 0, amds = 0, neither = 0, skipped = 0;
    qint64 emptyLine = 0;
    qint64 lastLine = 0;
    const auto skip = [&](const Bilingual &why) {
        ++skipped;
        Output::line(why.in(language).arg(reader.lineNumber()));
    };
    for (CatalogueReader::Line line = reader.next(); line != CatalogueReader::Line::EndOfFile; line = reader.next()) {
        if (line == CatalogueReader::Line::ReadError)
            return CliCatalogue::reportReadFailure(options.catalogue, language);
        if (line == CatalogueReader::Line::Skipping)
            continue;
        lastLine = reader.lineNumber();
        if (emptyLine != 0)
            continue;
        switch (line) {
        case CatalogueReader::Line::Record: {
            const CpuRecord &record = reader.record();
            ++records;
            const bool isIntel = record.modelContains(intel);
            const bool isAmd = record.modelContains(amd);
            intels += isIntel;
            amds += isAmd;
            neither += !isIntel && !isAmd;
            if (DisplayText::hasUnsafe(record.model()))
                Output::line(CliTexts::controlCharacters.in(language).arg(lastLine));
            if (record.score() > 0 && !Capacity::of(record.score()))
                Output::line(CliTexts::scoreTooLarge.in(language).arg(lastLine));
            break;
        }
        case CatalogueReader::Line::Empty:
            emptyLine = lastLine;
            break;
        case CatalogueReader::Line::NoComma:
            skip(CliTexts::skippedNoComma);
            break;
        case CatalogueReader::Line::BadScore:
            skip(CliTexts::skippedBadScore);
            break;
        case CatalogueReader::Line::BadBytes:
            skip(CliTexts::skippedBadBytes);
            break;
        case CatalogueReader::Line::TooLong:
            skip(CliTexts::skippedTooLong);
            break;
        case CatalogueReader::Line::Skipping:
        case CatalogueReader::Line::ReadError:
        case CatalogueReader::Line::EndOfFile:
            break;
        }
    }
    const bool linesLost = emptyLine != 0 && lastLine > emptyLine;
    if (linesLost)
        Output::line(CliTexts::ignoredAfterEmpty.in(language).arg(emptyLine).arg(emptyLine + 1).arg(lastLine));
    else if (emptyLine != 0)
        Output::line(CliTexts::endsAtEmpty.in(language).arg(emptyLine));
    Output::line(CliTexts::summary.in(language).arg(records).arg(intels).arg(amds).arg(neither).arg(skipped));
    if (records == 0)
        Output::line(CliTexts::noRecords.in(language));
    return skipped == 0 && !linesLost && records > 0 ? ExitStatus::Success : ExitStatus::Findings;
}
