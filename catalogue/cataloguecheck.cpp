#include "cataloguecheck.h"

#include "cataloguereader.h"
#include "cataloguetexts.h"
#include "displaytext.h"
#include "processordetails.h"

#include "soughttext.h"
#include <QHash>

#include <QDir>

namespace {

constexpr qsizetype shownCharacters = 80;

QString shown(QStringView text)
{
    const QString escaped = DisplayText::escaped(text);
    return escaped.size() > shownCharacters ? escaped.left(shownCharacters) + u'…' : escaped;
}

const Bilingual &wordsOf(CatalogueCheck::Finding finding)
{
    static const Bilingual *const words[]
        = {&CatalogueTexts::skippedNoComma, &CatalogueTexts::skippedBadScore,   &CatalogueTexts::skippedBadBytes,
           &CatalogueTexts::skippedTooLong, &CatalogueTexts::controlCharacters, &CatalogueTexts::scoreTooLarge};
    return *words[int(finding)];
}

const Bilingual &wordsOf(ProcessorDetails::Finding finding)
{
    static const Bilingual *const words[]
        = {&CatalogueTexts::detailsBadBytes,     &CatalogueTexts::detailsTooLong,  &CatalogueTexts::detailsFields,
           &CatalogueTexts::detailsNoModel,      &CatalogueTexts::detailsBadCount, &CatalogueTexts::detailsNoSockets,
           &CatalogueTexts::detailsFewerThreads, &CatalogueTexts::detailsRepeated};
    return *words[int(finding)];
}

// The details file against the records' models: its lines skipped and why, its lines of no record's model, the
// records without facts.
void checkDetails(const QString &catalogue, const QList<std::pair<qint64, QString>> &models,
                  CatalogueCheck::Result &result, Language language)
{
    const QString path = ProcessorDetails::pathBeside(catalogue);
    result.details = CpuCatalogue::exists(path);
    if (!result.details)
        return;
    QHash<QString, bool> facts; // model: whether its line gives facts
    const QList<ProcessorDetails::Line> lines = ProcessorDetails::lines(path);
    for (const ProcessorDetails::Line &line : lines) {
        if (line.finding || line.repeated) {
            result.detailsFound << (line.finding ? wordsOf(*line.finding) : CatalogueTexts::detailsRepeated)
                                       .in(language)
                                       .arg(line.number)
                    + CatalogueTexts::quoted.in(language).arg(shown(line.text));
        }
        if (!line.model.isEmpty() && !facts.contains(line.model))
            facts.insert(line.model, !line.finding);
    }
    QHash<QString, bool> recorded;
    for (const auto &[number, model] : models) {
        recorded.insert(model, true);
        if (facts.value(model))
            ++result.withFacts;
        else
            result.detailsFound << CatalogueTexts::noDetails.in(language).arg(number)
                    + CatalogueTexts::quoted.in(language).arg(shown(model));
    }
    for (const ProcessorDetails::Line &line : lines) {
        if (!line.finding && !line.repeated && !recorded.contains(line.model))
            result.detailsFound << CatalogueTexts::noRecord.in(language).arg(line.number)
                    + CatalogueTexts::quoted.in(language).arg(shown(line.model));
    }
}

} // namespace

CatalogueCheck::Result CatalogueCheck::run(const QString &path, const std::function<bool(double)> &sizable,
                                           const CpuCatalogue::Pump &pump, Language language)
{
    Result result;
    const auto ended = [&result](CpuCatalogue::Outcome reading) {
        result.reading = reading;
        return result;
    };
    if (!CpuCatalogue::exists(path))
        return ended(CpuCatalogue::Outcome::Missing);
    CatalogueReader reader(path);
    if (!reader.isOpen())
        return ended(CpuCatalogue::Outcome::Unreadable);
    static const SoughtText intel(u"Intel");
    static const SoughtText amd(u"AMD");
    QList<std::pair<qint64, QString>> models; // of the records, for the details file
    const auto find = [&](Finding finding, QStringView text) {
        result.found.append({reader.lineNumber(), finding, shown(text)});
    };
    const auto skip = [&](Finding finding) {
        ++result.skipped;
        find(finding, reader.lineText());
    };
    for (CatalogueReader::Line line = reader.next(); line != CatalogueReader::Line::EndOfFile; line = reader.next()) {
        if (pump && !pump())
            return ended(CpuCatalogue::Outcome::Abandoned);
        if (line == CatalogueReader::Line::ReadError)
            return ended(CpuCatalogue::Outcome::Failed);
        if (line == CatalogueReader::Line::Skipping)
            continue;
        result.lastLine = reader.lineNumber();
        if (result.emptyLine != 0)
            continue;
        switch (line) {
        case CatalogueReader::Line::Record: {
            const CpuRecord &record = reader.record();
            ++result.records;
            models.append({reader.lineNumber(), record.trimmedModel()});
            const bool isIntel = record.modelContains(intel);
            const bool isAmd = record.modelContains(amd);
            result.intel += isIntel;
            result.amd += isAmd;
            result.neither += !isIntel && !isAmd;
            if (DisplayText::hasUnsafe(record.model()))
                find(Finding::ControlCharacters, record.model());
            if (!sizable(record.score()))
                find(Finding::ScoreTooLarge, record.model());
            break;
        }
        case CatalogueReader::Line::Empty:
            result.emptyLine = result.lastLine;
            break;
        case CatalogueReader::Line::NoComma:
            skip(Finding::NoComma);
            break;
        case CatalogueReader::Line::BadScore:
            skip(Finding::BadScore);
            break;
        case CatalogueReader::Line::BadBytes:
            skip(Finding::BadBytes);
            break;
        case CatalogueReader::Line::TooLong:
            skip(Finding::TooLong);
            break;
        case CatalogueReader::Line::Skipping:
        case CatalogueReader::Line::ReadError:
        case CatalogueReader::Line::EndOfFile:
            break;
        }
    }
    checkDetails(path, models, result, language);
    return result;
}

QStringList CatalogueCheck::reportLines(const Result &result, Language language)
{
    QStringList lines;
    for (const FoundLine &line : result.found)
        lines << wordsOf(line.finding).in(language).arg(line.number)
                + CatalogueTexts::quoted.in(language).arg(line.text);
    if (result.linesLost()) {
        lines << CatalogueTexts::ignoredAfterEmpty.in(language)
                     .arg(result.emptyLine)
                     .arg(result.emptyLine + 1)
                     .arg(result.lastLine);
    } else if (result.emptyLine != 0) {
        lines << CatalogueTexts::endsAtEmpty.in(language).arg(result.emptyLine);
    }
    lines << CatalogueTexts::summary.in(language)
                 .arg(result.records)
                 .arg(result.intel)
                 .arg(result.amd)
                 .arg(result.neither)
                 .arg(result.skipped);
    if (result.records == 0)
        lines << CatalogueTexts::noRecords.in(language);
    lines << result.detailsFound
          << (result.details ? CatalogueTexts::detailsSummary.in(language).arg(result.withFacts).arg(result.records)
                             : CatalogueTexts::noDetailsFile.in(language));
    return lines;
}

QString CatalogueCheck::verdict(const Result &result, const QString &path, Language language)
{
    const QString file = QDir::toNativeSeparators(path);
    switch (result.reading) {
    case CpuCatalogue::Outcome::Missing:
        return CatalogueTexts::missing.in(language).arg(file);
    case CpuCatalogue::Outcome::Unreadable:
        return CatalogueTexts::unopenable.in(language).arg(file);
    case CpuCatalogue::Outcome::Failed:
    case CpuCatalogue::Outcome::Abandoned:
        return CatalogueTexts::cutShort.in(language).arg(file);
    case CpuCatalogue::Outcome::Complete:
        break;
    }
    if (result.skipped == 1)
        return CatalogueTexts::oneSkipped.in(language);
    if (result.skipped > 1)
        return CatalogueTexts::linesSkipped.in(language).arg(result.skipped);
    if (result.linesLost())
        return CatalogueTexts::neverRead.in(language).arg(result.emptyLine + 1).arg(result.lastLine);
    if (result.records == 0)
        return CatalogueTexts::empty.in(language);
    return CatalogueTexts::sound.in(language).arg(result.records);
}
