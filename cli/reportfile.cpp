#include "reportfile.h"

#include "clioptions.h"
#include "output.h"
#include "reportpdf.h"
#include "reporttexts.h"

#include <QDir>

ExitStatus ReportFile::write(const CliOptions &options, const Report &report)
{
    if (options.pdf.isEmpty())
        return ExitStatus::Success;
    if (const auto error = ReportPdf::save(report, options.pdf)) {
        Output::error(ReportTexts::saveFailed.in(options.language).arg(QDir::toNativeSeparators(options.pdf), *error));
        return ExitStatus::IoFailure;
    }
    return ExitStatus::Success;
}
