#include "clioptions.h"

#include "cpucatalogue.h"
#include "siteplan.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

enum class Option { Level, Vendor, Kind, Concurrency, Spare, Lang, Catalogue, Json, Csv, Explain, Pdf, Xlsx };

// An option: its name, its value (none for a switch) and what it takes: one of its choices (in the order of the
// enumeration it stands for), a whole number within its range, or a file.
struct OptionRow {
    Option option;
    const char *name;
    const char *value;
    const char *help;
    std::vector<const char *> choices;
    SitePlanLimits::Range range{0, 0};
};

// In the order of Option, by which they are found.
const std::vector<OptionRow> &optionRows()
{
    static const std::vector<OptionRow> rows{
        {Option::Level, "level", "level", "Task level.", {"light", "medium", "heavy"}},
        {Option::Vendor, "vendor", "vendor", "Processor vendor.", {"intel", "amd", "both"}},
        {Option::Kind, "kind", "kind", "The farm's servers.", {"rdp", "vdi"}},
        {Option::Concurrency,
         "concurrency",
         "percent",
         "Per cent of the terminals at work at once.",
         {},
         SitePlanLimits::concurrency},
        {Option::Spare, "spare", "count", "Spare servers.", {}, SitePlanLimits::spares},
        {Option::Lang, "lang", "lang", "Language of the texts (default: as the program).", {"zh", "en"}},
        {Option::Catalogue, "catalogue", "file", "Catalogue file (default: data.dll beside the program).", {}},
        {Option::Json, "json", nullptr, "Print one JSON object.", {}},
        {Option::Csv, "csv", nullptr, "Print the candidates or the plans as CSV.", {}},
        {Option::Explain, "explain", nullptr, "Plain text: how the answer was calculated, after it.", {}},
        {Option::Pdf, "pdf", "file", "Also write the report as a PDF file.", {}},
        {Option::Xlsx, "xlsx", "file", "Also write the report as an Excel workbook.", {}},
    };
    return rows;
}

// A command: its name, its argument and the options it takes.
struct CommandRow {
    Command command;
    const char *name;
    const char *argument; // in brackets where it may be left out
    const char *help;
    std::vector<Option> options;
};

const std::vector<CommandRow> &commandRows()
{
    using O = Option;
    static const std::vector<CommandRow> rows{
        {Command::Rdp,
         "rdp",
         "COUNT",
         "size a terminal (RDP) server for COUNT terminals",
         {O::Level, O::Vendor, O::Lang, O::Catalogue, O::Json, O::Csv, O::Explain, O::Pdf, O::Xlsx}},
        {Command::Query,
         "query",
         "TEXT",
         "how many terminals each processor whose model holds TEXT carries",
         {O::Lang, O::Catalogue, O::Json, O::Explain, O::Pdf, O::Xlsx}},
        {Command::Vdi,
         "vdi",
         "COUNT",
         "size a VDI server for COUNT terminals",
         {O::Level, O::Vendor, O::Lang, O::Catalogue, O::Json, O::Csv, O::Explain, O::Pdf, O::Xlsx}},
        {Command::Farm,
         "farm",
         "COUNT",
         "plan a farm of RDP or VDI servers for COUNT terminals",
         {O::Kind, O::Level, O::Vendor, O::Concurrency, O::Spare, O::Lang, O::Catalogue, O::Json, O::Csv, O::Explain,
          O::Pdf, O::Xlsx}},
        {Command::Plan,
         "plan",
         "FILE",
         "plan the farms of a site's plan file (.quarvel)",
         {O::Lang, O::Catalogue, O::Json, O::Csv, O::Explain, O::Pdf, O::Xlsx}},
        {Command::CheckCatalogue,
         "check-catalogue",
         "[FILE]",
         "report the catalogue's lines that the program would skip or never read",
         {O::Lang, O::Catalogue}},
    };
    return rows;
}

// At most one of them: each is a whole output of its own.
constexpr Option outputs[] = {Option::Json, Option::Csv, Option::Explain};

QString dashed(const OptionRow &row)
{
    return QStringLiteral("--") + QLatin1String(row.name);
}

// "light, medium or heavy"
QString alternatives(const std::vector<const char *> &choices)
{
    QString text;
    for (size_t i = 0; i < choices.size(); ++i) {
        if (i > 0)
            text += i + 1 == choices.size() ? QStringLiteral(" or ") : QStringLiteral(", ");
        text += QLatin1String(choices[i]);
    }
    return text;
}

// What a value takes, for the help and for a usage error.
QString takes(const OptionRow &row)
{
    if (!row.choices.empty())
        return alternatives(row.choices);
    if (row.range.most > 0)
        return QStringLiteral("a whole number from %1 to %2").arg(row.range.least).arg(row.range.most);
    return QStringLiteral("a file name");
}

QString commandsHelp()
{
    QString text = QStringLiteral("Commands:\n");
    for (const CommandRow &command : commandRows()) {
        QStringList options;
        for (const Option option : command.options)
            options << QLatin1Char('[') + dashed(optionRows()[size_t(option)]) + QLatin1Char(']');
        text += QStringLiteral("  %1 %2\n      %3\n      %4\n")
                    .arg(QLatin1String(command.name), QLatin1String(command.argument), QLatin1String(command.help),
                         options.join(u' '));
    }
    return text;
}

ExitStatus usageError(const QString &message)
{
    QTextStream(stderr) << QCoreApplication::applicationName() << ": " << message << "\n"
                        << "Try '" << QCoreApplication::applicationName() << " --help'.\n";
    return ExitStatus::Usage;
}

// The value of an option as the command takes it: the place of its choice, or the whole number; nothing after a
// usage error, which it reports.
std::optional<qint64> valueOf(const OptionRow &row, const QString &text)
{
    if (!row.choices.empty()) {
        const auto chosen = std::find_if(row.choices.cbegin(), row.choices.cend(),
                                         [&text](const char *choice) { return text == QLatin1String(choice); });
        if (chosen != row.choices.cend())
            return chosen - row.choices.cbegin();
    } else if (row.range.most > 0) {
        bool number = false;
        const qint64 value = text.toLongLong(&number);
        if (number && row.range.holds(value))
            return value;
    } else if (!text.isEmpty()) {
        return 0;
    }
    usageError(dashed(row) + QStringLiteral(" takes ") + takes(row));
    return std::nullopt;
}

} // namespace

std::optional<CliOptions> CliOptions::parse(const QStringList &arguments, ExitStatus &exitStatus,
                                            const std::function<Language()> &systemLanguage)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Sizes terminal servers from the Quarvel CPU catalogue.\n\n")
                                     + commandsHelp());
    // Not addHelpOption(): it also lists --help-all, for options this tool does not have.
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Displays help on commandline options."));
    parser.addOption(helpOption);
    const QCommandLineOption versionOption = parser.addVersionOption();
    std::vector<QCommandLineOption> options;
    for (const OptionRow &row : optionRows()) {
        const QString help = QLatin1String(row.help)
            + (!row.choices.empty() || row.range.most > 0 ? QStringLiteral(" Takes ") + takes(row) + u'.' : QString());
        options.emplace_back(QLatin1String(row.name), help, row.value ? QLatin1String(row.value) : QString());
        parser.addOption(options.back());
    }
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("one of the commands above"));
    parser.addPositionalArgument(QStringLiteral("argument"), QStringLiteral("the command's argument"));

    exitStatus = ExitStatus::Usage;
    if (!parser.parse(arguments)) {
        usageError(parser.errorText());
        return std::nullopt;
    }
    exitStatus = ExitStatus::Success;
    if (parser.isSet(helpOption)) {
        QTextStream(stdout) << parser.helpText();
        return std::nullopt;
    }
    if (parser.isSet(versionOption)) {
        QTextStream(stdout) << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
                            << '\n';
        return std::nullopt;
    }

    exitStatus = ExitStatus::Usage;
    const QStringList positional = parser.positionalArguments();
    const auto command = std::find_if(commandRows().cbegin(), commandRows().cend(), [&](const CommandRow &row) {
        return positional.value(0) == QLatin1String(row.name);
    });
    if (command == commandRows().cend()) {
        usageError(positional.isEmpty() ? QStringLiteral("expected a command")
                                        : QStringLiteral("unknown command: ") + positional.constFirst());
        return std::nullopt;
    }
    const QString name = QLatin1String(command->name);
    const bool optional = command->argument[0] == '[';
    if (positional.size() > 2 || (positional.size() < 2 && !optional)) {
        usageError(name + QStringLiteral(" takes one argument: ") + QLatin1String(command->argument));
        return std::nullopt;
    }
    CliOptions parsed;
    parsed.command = command->command;
    parsed.argument = positional.value(1);
    int outputCount = 0;
    for (const OptionRow &row : optionRows()) {
        const QCommandLineOption &option = options[size_t(row.option)];
        if (!parser.isSet(option))
            continue;
        if (std::find(command->options.cbegin(), command->options.cend(), row.option) == command->options.cend()) {
            usageError(name + QStringLiteral(" takes no ") + dashed(row));
            return std::nullopt;
        }
        outputCount += int(std::find(std::cbegin(outputs), std::cend(outputs), row.option) != std::cend(outputs));
        const auto value = row.value ? valueOf(row, parser.value(option)) : std::optional<qint64>(1);
        if (!value)
            return std::nullopt;
        switch (row.option) {
        case Option::Level:
            parsed.level = TaskLevel(*value);
            break;
        case Option::Vendor:
            parsed.vendor = Vendor(*value);
            break;
        case Option::Kind:
            parsed.kind = FarmPlanning::Kind(*value);
            break;
        case Option::Concurrency:
            parsed.concurrency = int(*value);
            break;
        case Option::Spare:
            parsed.spares = int(*value);
            break;
        case Option::Lang:
            parsed.language = Language(*value);
            break;
        case Option::Catalogue:
            parsed.catalogue = parser.value(option);
            break;
        case Option::Json:
            parsed.json = true;
            break;
        case Option::Csv:
            parsed.csv = true;
            break;
        case Option::Explain:
            parsed.explain = true;
            break;
        case Option::Pdf:
            parsed.pdf = parser.value(option);
            break;
        case Option::Xlsx:
            parsed.xlsx = parser.value(option);
            break;
        }
    }
    if (outputCount > 1) {
        QStringList names;
        for (const Option output : outputs)
            names << dashed(optionRows()[size_t(output)]);
        usageError(names.join(QStringLiteral(", ")) + QStringLiteral(" exclude each other"));
        return std::nullopt;
    }
    if (!parser.isSet(options[size_t(Option::Lang)]))
        parsed.language = systemLanguage();
    if (parsed.command == Command::CheckCatalogue && !parsed.argument.isEmpty())
        parsed.catalogue = parsed.argument;
    else if (parsed.catalogue.isEmpty())
        parsed.catalogue = CpuCatalogue::pathIn(QCoreApplication::applicationDirPath());
    exitStatus = ExitStatus::Success;
    return parsed;
}
