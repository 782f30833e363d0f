#include "clioptions.h"

#include "cpucatalogue.h"
#include "farmplan.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

const char *const commands = "Commands:\n"
                             "  rdp COUNT     size a terminal (RDP) server for COUNT terminals\n"
                             "  query TEXT    how many terminals each processor whose model holds TEXT carries\n"
                             "  vdi COUNT     size a VDI server for COUNT terminals\n"
                             "  farm COUNT    plan a farm of RDP or VDI servers for COUNT terminals\n"
                             "  check-catalogue [FILE]\n"
                             "                report the catalogue's lines that the program would skip or never read\n";

template <class Value>
std::optional<Value> pick(const QString &text, std::initializer_list<std::pair<const char *, Value>> choices)
{
    for (const auto &[name, value] : choices) {
        if (text == QLatin1String(name))
            return value;
    }
    return std::nullopt;
}

ExitStatus usageError(const QString &message)
{
    QTextStream(stderr) << QCoreApplication::applicationName() << ": " << message << "\n"
                        << "Try '" << QCoreApplication::applicationName() << " --help'.\n";
    return ExitStatus::Usage;
}

} // namespace

std::optional<CliOptions> CliOptions::parse(const QStringList &arguments, ExitStatus &exitStatus,
                                            const std::function<Language()> &systemLanguage)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Sizes terminal servers from the Quarvel CPU catalogue.\n\n")
                                     + QLatin1String(commands));
    // Not addHelpOption(): it also lists --help-all, for options this tool does not have.
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Displays help on commandline options."));
    parser.addOption(helpOption);
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption levelOption(QStringLiteral("level"), QStringLiteral("Task level: light, medium or heavy."),
                                         QStringLiteral("level"));
    const QCommandLineOption vendorOption(
        QStringLiteral("vendor"), QStringLiteral("Processor vendor: intel, amd or both."), QStringLiteral("vendor"));
    const QCommandLineOption langOption(QStringLiteral("lang"),
                                        QStringLiteral("Language of the texts: zh or en (default: as the program)."),
                                        QStringLiteral("lang"));
    const QCommandLineOption catalogueOption(QStringLiteral("catalogue"),
                                             QStringLiteral("Catalogue file (default: data.dll beside the program)."),
                                             QStringLiteral("file"));
    const QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("Print one JSON object."));
    const QCommandLineOption csvOption(
        QStringLiteral("csv"),
        QStringLiteral("rdp and vdi: the candidate list as CSV (model, score, percentage); farm: the plans."));
    const QCommandLineOption pdfOption(QStringLiteral("pdf"), QStringLiteral("Also write the report as a PDF file."),
                                       QStringLiteral("file"));
    const QCommandLineOption kindOption(QStringLiteral("kind"), QStringLiteral("farm: the servers, rdp or vdi."),
                                        QStringLiteral("kind"));
    const QCommandLineOption concurrencyOption(
        QStringLiteral("concurrency"), QStringLiteral("farm: per cent of the terminals at work at once, 1 to 100."),
        QStringLiteral("percent"));
    const QCommandLineOption spareOption(QStringLiteral("spare"), QStringLiteral("farm: spare servers, 0 to 9."),
                                         QStringLiteral("count"));
    const QCommandLineOption explainOption(QStringLiteral("explain"),
                                           QStringLiteral("Plain text: how the answer was calculated, after it."));
    parser.addOptions({levelOption, vendorOption, kindOption, concurrencyOption, spareOption, langOption,
                       catalogueOption, jsonOption, csvOption, explainOption, pdfOption});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("rdp, query, vdi, farm or check-catalogue"));
    parser.addPositionalArgument(QStringLiteral("argument"),
                                 QStringLiteral("the terminal count, the model text sought, or the catalogue file"));

    if (!parser.parse(arguments)) {
        exitStatus = usageError(parser.errorText());
        return std::nullopt;
    }
    if (parser.isSet(helpOption)) {
        QTextStream(stdout) << parser.helpText();
        exitStatus = ExitStatus::Success;
        return std::nullopt;
    }
    if (parser.isSet(versionOption)) {
        QTextStream(stdout) << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
                            << '\n';
        exitStatus = ExitStatus::Success;
        return std::nullopt;
    }

    CliOptions options;
    const QStringList positional = parser.positionalArguments();
    options.command = positional.value(0);
    const bool check = options.command == QLatin1String("check-catalogue");
    if (!check
        && !QStringList{QStringLiteral("rdp"), QStringLiteral("query"), QStringLiteral("vdi"), QStringLiteral("farm")}
                .contains(options.command)) {
        exitStatus = usageError(positional.isEmpty() ? QStringLiteral("expected a command")
                                                     : QStringLiteral("unknown command: ") + options.command);
        return std::nullopt;
    }
    if (positional.size() != 2 && !(check && positional.size() == 1)) {
        exitStatus = usageError(check ? QStringLiteral("check-catalogue takes one file at the most")
                                      : QStringLiteral("expected a command and its argument"));
        return std::nullopt;
    }
    options.argument = positional.value(1);
    const bool farm = options.command == QLatin1String("farm");
    if (options.command != QLatin1String("rdp") && options.command != QLatin1String("vdi") && !farm
        && (parser.isSet(levelOption) || parser.isSet(vendorOption))) {
        exitStatus = usageError(options.command + QStringLiteral(" takes no --level or --vendor"));
        return std::nullopt;
    }
    if (!farm && (parser.isSet(kindOption) || parser.isSet(concurrencyOption) || parser.isSet(spareOption))) {
        exitStatus = usageError(options.command + QStringLiteral(" takes no --kind, --concurrency or --spare"));
        return std::nullopt;
    }
    if (parser.isSet(kindOption)) {
        options.kind = pick<FarmPlanning::Kind>(parser.value(kindOption),
                                                {{"rdp", FarmPlanning::Kind::Rdp}, {"vdi", FarmPlanning::Kind::Vdi}});
        if (!options.kind) {
            exitStatus = usageError(QStringLiteral("--kind takes rdp or vdi"));
            return std::nullopt;
        }
    }
    const auto whole = [&parser](const QCommandLineOption &option, int least, int most, int &value) {
        if (!parser.isSet(option))
            return true;
        bool number = false;
        value = parser.value(option).toInt(&number);
        return number && value >= least && value <= most;
    };
    if (!whole(concurrencyOption, FarmPlanning::leastConcurrency, 100, options.concurrency)) {
        exitStatus = usageError(QStringLiteral("--concurrency takes a whole number from 1 to 100"));
        return std::nullopt;
    }
    if (!whole(spareOption, 0, FarmPlanning::mostSpares, options.spares)) {
        exitStatus = usageError(QStringLiteral("--spare takes a whole number from 0 to 9"));
        return std::nullopt;
    }
    if (check && (parser.isSet(csvOption) || parser.isSet(pdfOption) || parser.isSet(explainOption))) {
        exitStatus = usageError(QStringLiteral("check-catalogue takes no --csv, --explain or --pdf"));
        return std::nullopt;
    }
    if (options.command == QLatin1String("query") && parser.isSet(csvOption)) {
        exitStatus = usageError(QStringLiteral("query takes no --csv: it lists no percentages"));
        return std::nullopt;
    }
    if (int(parser.isSet(csvOption)) + int(parser.isSet(jsonOption)) + int(parser.isSet(explainOption)) > 1) {
        exitStatus = usageError(QStringLiteral("--csv, --json and --explain exclude each other"));
        return std::nullopt;
    }
    if (parser.isSet(pdfOption) && parser.value(pdfOption).isEmpty()) {
        exitStatus = usageError(QStringLiteral("--pdf takes a file name"));
        return std::nullopt;
    }
    if (parser.isSet(levelOption)) {
        options.level = pick<TaskLevel>(
            parser.value(levelOption),
            {{"light", TaskLevel::Light}, {"medium", TaskLevel::Medium}, {"heavy", TaskLevel::Heavy}});
        if (!options.level) {
            exitStatus = usageError(QStringLiteral("--level takes light, medium or heavy"));
            return std::nullopt;
        }
    }
    if (parser.isSet(vendorOption)) {
        options.vendor = pick<Vendor>(parser.value(vendorOption),
                                      {{"intel", Vendor::Intel}, {"amd", Vendor::Amd}, {"both", Vendor::Both}});
        if (!options.vendor) {
            exitStatus = usageError(QStringLiteral("--vendor takes intel, amd or both"));
            return std::nullopt;
        }
    }
    if (parser.isSet(langOption)) {
        const auto language
            = pick<Language>(parser.value(langOption), {{"zh", Language::Chinese}, {"en", Language::English}});
        if (!language) {
            exitStatus = usageError(QStringLiteral("--lang takes zh or en"));
            return std::nullopt;
        }
        options.language = *language;
    } else {
        options.language = systemLanguage();
    }
    if (check && !options.argument.isEmpty())
        options.catalogue = options.argument;
    else if (parser.isSet(catalogueOption))
        options.catalogue = parser.value(catalogueOption);
    else
        options.catalogue = CpuCatalogue::pathIn(QCoreApplication::applicationDirPath());
    options.json = parser.isSet(jsonOption);
    options.csv = parser.isSet(csvOption);
    options.explain = parser.isSet(explainOption);
    options.pdf = parser.value(pdfOption);
    return options;
}
