#include "reportfile.h"

#include "clioptions.h"
#include "clitexts.h"
#include "output.h"
#include "reportpdf.h"
#include "reporttexts.h"

#include <QDir>

int ReportFile::write(const CliOptions &options, const Report &report)
{
    if (options.pdf.isEmpty())
        return 0;
    if (const auto error = ReportPdf::save(report, options.pdf)) {
        Output::error(ReportTexts::saveFailed.in(options.language).arg(QDir::toNativeSeparators(options.pdf), *error));
        return CliTexts::ioFailure;
    }
    return 0;
}
