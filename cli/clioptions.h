#pragma once

#include "exitstatus.h"
#include "farmplan.h"
#include "language.h"
#include "tasklevel.h"
#include "vendor.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The command line: quarvel-cli COMMAND ARGUMENT [OPTIONS], each command with the options of its row in the
// commands' table (clioptions.cpp), from which the help, the usage errors and the limits' texts come.
enum class Command { Rdp, Query, Vdi, Farm, Plan, CheckCatalogue };

struct CliOptions {
    Command command = Command::Rdp;
    QString argument;
    std::optional<TaskLevel> level;
    std::optional<Vendor> vendor;
    std::optional<FarmPlanning::Kind> kind; // farm
    int concurrency = 100;                  // farm: per cent
    int spares = 1;                         // farm
    Language language = Language::Chinese;
    QString catalogue;
    bool json = false;
    bool csv = false;     // rdp and vdi: the candidate list as CSV; farm and plan: the plans
    bool explain = false; // plain text: how the answer was calculated, after it
    QString pdf;          // where the report goes as well, if anywhere
    QString xlsx;         // where the report goes as a workbook as well, if anywhere

    // The options, or the exit status when the program is to end at once (help, version, usage error). Without
    // --lang the language is the system's, as the windows choose it.
    static std::optional<CliOptions> parse(const QStringList &arguments, ExitStatus &exitStatus,
                                           const std::function<Language()> &systemLanguage);
};
