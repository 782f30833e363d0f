// quarvel-bench: catalogues of 1,000, 100,000 and 1,000,000 lines shaped like the shipped one; for each, the
// floor (reading and splitting the lines, nothing else), the calculations as the command line runs them,
// and the real windows; then the start-up and the peak memory of a reading. Prints a table.

#include "cataloguegenerator.h"
#include "measurements.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QString figure(double milliseconds, double floor)
{
    return QStringLiteral("%1 ms (%2×)")
        .arg(milliseconds, 0, 'f', milliseconds < 10 ? 2 : 1)
        .arg(milliseconds / floor, 0, 'f', 2);
}

QString processor()
{
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuinfo.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : cpuinfo.readAll().split('\n')) {
            if (line.startsWith("model name"))
                return QString::fromLatin1(line.mid(line.indexOf(':') + 1).trimmed());
        }
    }
    return QSysInfo::currentCpuArchitecture();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 2 && std::strcmp(argv[1], "--startup") == 0)
        return Measurements::startupChild(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--memory") == 0)
        return Measurements::memoryChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));

    // --lines N measures that catalogue size alone (for profiling).
    const int onlyLines = argc == 3 && std::strcmp(argv[1], "--lines") == 0 ? std::atoi(argv[2]) : 0;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QString program = QCoreApplication::applicationFilePath();
    const QString shippedPath = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("data.dll"));
    QFile shippedFile(shippedPath);
    if (!shippedFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "no shipped catalogue at %s\n", qPrintable(shippedPath));
        return 1;
    }
    const QByteArray shipped = shippedFile.readAll();
    QTemporaryDir scratch;
    QTextStream out(stdout);

    out << "Machine: " << processor() << ", " << QThread::idealThreadCount() << " cores, "
        << QSysInfo::prettyProductName() << ", Qt " << qVersion() << "\n\n";
    out << "| lines | floor | RDP core | query core | VDI core | farm core | plan core (20 groups) | RDP window "
           "| query window | VDI window | farm window |\n"
        << "|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n";
    QString millionLines;
    const auto row = [&](const QString &label, const QString &folder, int runs) {
        const QString catalogue = QDir(folder).filePath(QStringLiteral("data.dll"));
        const double floor = Measurements::floor(catalogue, runs);
        const Measurements::WindowFigures windows = Measurements::windows(folder, runs);
        out << "| " << label << " | " << QStringLiteral("%1 ms").arg(floor, 0, 'f', floor < 10 ? 2 : 1) << " | "
            << figure(Measurements::coreRdp(catalogue, runs), floor) << " | "
            << figure(Measurements::coreQuery(catalogue, runs), floor) << " | "
            << figure(Measurements::coreVdi(catalogue, runs), floor) << " | "
            << figure(Measurements::coreFarm(catalogue, runs), floor) << " | "
            << figure(Measurements::corePlan(catalogue, runs), floor) << " | " << figure(windows.rdp, floor) << " | "
            << figure(windows.query, floor) << " | " << figure(windows.vdi, floor) << " | "
            << figure(windows.farm, floor) << " |\n";
        out.flush();
    };
    if (onlyLines == 0)
        row(QStringLiteral("shipped (%1)").arg(shipped.count('\n')), QCoreApplication::applicationDirPath(), 20);
    for (int lines : {1000, 100000, 1000000}) {
        if (onlyLines != 0 && lines != onlyLines)
            continue;
        const QString folder = scratch.filePath(QString::number(lines));
        QDir().mkpath(folder);
        QFile file(QDir(folder).filePath(QStringLiteral("data.dll")));
        if (!file.open(QIODevice::WriteOnly) || file.write(CatalogueGenerator::generate(lines, shipped)) < 0)
            return 1;
        file.close();
        if (lines == 1000000)
            millionLines = file.fileName();
        row(QLocale(QLocale::English).toString(lines), folder, lines >= 1000000 ? 5 : 10);
    }

    // The processors' details beside the catalogue: the RDP list without them, with them in step with the catalogue
    // (as the shipped file is), and with them in the other order (every record looked up by its model).
    out << "\n| lines | RDP core, no details | with details in step | with details out of step |\n"
        << "|---:|---:|---:|---:|\n";
    for (int lines : {100000, 1000000}) {
        if (onlyLines != 0 && lines != onlyLines)
            continue;
        const QByteArray catalogue = CatalogueGenerator::generate(lines, shipped);
        QStringList paths;
        for (const char *kind : {"none", "in-step", "reversed"}) {
            const QString folder = scratch.filePath(QStringLiteral("details-%1-%2").arg(lines).arg(kind));
            QDir().mkpath(folder);
            QFile data(QDir(folder).filePath(QStringLiteral("data.dll")));
            QFile details(QDir(folder).filePath(QStringLiteral("data-details.tsv")));
            if (!data.open(QIODevice::WriteOnly) || data.write(catalogue) < 0)
                return 1;
            if (std::strcmp(kind, "none") != 0
                && (!details.open(QIODevice::WriteOnly)
                    || details.write(CatalogueGenerator::details(catalogue, std::strcmp(kind, "reversed") == 0)) < 0))
                return 1;
            paths << data.fileName();
        }
        const int runs = lines >= 1000000 ? 5 : 10;
        const double without = Measurements::coreRdp(paths[0], runs);
        const auto share = [without](double with) {
            return QStringLiteral("%1 ms (%2 %)").arg(with, 0, 'f', 1).arg((with / without - 1) * 100, 0, 'f', 0);
        };
        out << "| " << QLocale(QLocale::English).toString(lines) << " | " << QString::number(without, 'f', 1)
            << " ms | " << share(Measurements::coreRdp(paths[1], runs)) << " | "
            << share(Measurements::coreRdp(paths[2], runs)) << " |\n";
        out.flush();
    }

    if (onlyLines != 0)
        return 0;
    out << "\nStart-up to the main window painted, shipped catalogue: "
        << QString::number(Measurements::startup(program, 10), 'f', 1) << " ms\n";
    // 100000 terminals of heavy work need more than any processor scores: nothing qualifies.
    const long nothingRead
        = Measurements::peakMemory(program, scratch.filePath(QStringLiteral("missing.dll")), QStringLiteral("100000"));
    const long nothingQualifies = Measurements::peakMemory(program, millionLines, QStringLiteral("100000"));
    out << "Peak memory, RDP calculation: " << nothingRead << " KiB reading nothing, " << nothingQualifies
        << " KiB reading 1,000,000 lines of which none qualifies (" << (nothingQualifies - nothingRead)
        << " KiB more)\n";
    return 0;
}
