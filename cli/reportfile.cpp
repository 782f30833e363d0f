#include "reportfile.h"

#include "clioptions.h"
#include "output.h"
#include "reportpdf.h"
#include "reporttexts.h"
#include "workbookemitter.h"

#include <QDir>

ExitStatus ReportFile::write(const CliOptions &options, const Report &report)
{
    ExitStatus status = ExitStatus::Success;
    const auto written = [&](const QString &path, const Bilingual &failed, const std::optional<QString> &error) {
        if (!error)
            return;
        Output::error(failed.in(options.language).arg(QDir::toNativeSeparators(path), *error));
        status = ExitStatus::IoFailure;
    };
    if (!options.pdf.isEmpty())
        written(options.pdf, ReportTexts::saveFailed, ReportPdf::save(report, options.pdf));
    if (!options.xlsx.isEmpty())
        written(options.xlsx, ReportTexts::workbookFailed, WorkbookEmitter::save(report, options.xlsx));
    return status;
}
