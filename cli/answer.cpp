#include "answer.h"

#include "clioptions.h"
#include "csvemitter.h"
#include "output.h"
#include "plaintextemitter.h"
#include "reportpdf.h"
#include "reporttexts.h"
#include "workbookemitter.h"

#include <QDir>

#include <optional>

ExitStatus Answer::print(const CliOptions &options, const std::function<Report()> &report,
                         const std::function<void()> &json, const std::function<Report(const Report &report)> &csv)
{
    std::optional<Report> made;
    const auto madeReport = [&]() -> const Report & {
        if (!made)
            made = report();
        return *made;
    };
    if (options.json) {
        json();
    } else if (options.csv) {
        Output::text(CsvEmitter::csv(csv ? csv(madeReport()) : madeReport()));
    } else {
        const auto scope = options.explain ? ReportWalker::Scope::Explained : ReportWalker::Scope::Answer;
        for (const QString &line : PlainTextEmitter::lines(madeReport(), scope))
            Output::line(line);
    }
    ExitStatus status = ExitStatus::Success;
    const auto written = [&](const QString &path, const Bilingual &failed, const std::optional<QString> &error) {
        if (!error)
            return;
        Output::error(failed.in(options.language).arg(QDir::toNativeSeparators(path), *error));
        status = ExitStatus::IoFailure;
    };
    if (!options.pdf.isEmpty())
        written(options.pdf, ReportTexts::saveFailed, ReportPdf::save(madeReport(), options.pdf));
    if (!options.xlsx.isEmpty())
        written(options.xlsx, ReportTexts::workbookFailed, WorkbookEmitter::save(madeReport(), options.xlsx));
    return status;
}
