// quarvel-bench: catalogues of 1,000, 100,000 and 1,000,000 lines shaped like the shipped one; for each, the
// floor (reading and splitting the lines, nothing else), the calculations as the command line runs them,
// and the real windows; the details file's cost; the long answers' outputs (plain text, CSV, JSON, PDF) at
// 10,000 and 100,000 lines; then the farm's JSON against its text, the start-up and the peak memory of a
// reading. Prints tables.

#include "cataloguegenerator.h"
#include "measurements.h"
#include "stopwatch.h"

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
           "| query window | VDI window | plan window |\n"
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

    // The long answers' outputs through the command-line tool, as a user runs it: rdp 30 --vendor both lists
    // nearly every processor. Each the best of three runs, whole processes.
    const QString cli = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("quarvel-cli"));
    out << "\n| lines (rdp 30 --vendor both) | candidates | the list | plain text | CSV | JSON | PDF | PDF pages |\n"
        << "|---:|---:|---:|---:|---:|---:|---:|---:|\n";
    for (int lines : {10000, 100000}) {
        if (onlyLines != 0 && lines != onlyLines)
            continue;
        const QString folder = scratch.filePath(QStringLiteral("outputs-%1").arg(lines));
        QDir().mkpath(folder);
        QFile data(QDir(folder).filePath(QStringLiteral("data.dll")));
        if (!data.open(QIODevice::WriteOnly) || data.write(CatalogueGenerator::generate(lines, shipped)) < 0)
            return 1;
        data.close();
        const auto [candidates, list] = Measurements::longestList(data.fileName(), 3);
        const QString pdf = QDir(folder).filePath(QStringLiteral("report.pdf"));
        const QStringList request{QStringLiteral("rdp"),  QStringLiteral("30"),          QStringLiteral("--vendor"),
                                  QStringLiteral("both"), QStringLiteral("--catalogue"), data.fileName()};
        out << "| " << QLocale(QLocale::English).toString(lines) << " | " << candidates << " | "
            << QString::number(list, 'f', 1) << " ms";
        for (const QStringList &output :
             {QStringList(), QStringList{QStringLiteral("--csv")}, QStringList{QStringLiteral("--json")},
              QStringList{QStringLiteral("--pdf"), pdf}}) {
            const double best = bestOf(3, [&] { Measurements::cli(cli, request + output); });
            out << " | " << QString::number(best, 'f', 0) << " ms";
        }
        QFile written(pdf);
        out << " | " << (written.open(QIODevice::ReadOnly) ? written.readAll().count("/Type /Page\n") : 0) << " |\n";
        out.flush();
    }

    if (onlyLines != 0)
        return 0;
    // A farm's every plan at a million lines: the JSON written as it is made costs no more memory than the text.
    const QStringList farm{
        QStringLiteral("farm"),     QStringLiteral("5000"), QStringLiteral("--kind"),      QStringLiteral("vdi"),
        QStringLiteral("--vendor"), QStringLiteral("both"), QStringLiteral("--catalogue"), millionLines};
    const Measurements::CliFigures plain = Measurements::cli(cli, farm);
    const Measurements::CliFigures json = Measurements::cli(cli, farm + QStringList{QStringLiteral("--json")});
    out << "\nfarm 5000 --kind vdi --vendor both, 1,000,000 lines: plain text "
        << QString::number(plain.milliseconds, 'f', 0) << " ms and " << plain.peakKiB << " KiB at the peak, JSON "
        << QString::number(json.milliseconds, 'f', 0) << " ms and " << json.peakKiB << " KiB ("
        << QString::number(double(json.peakKiB) / plain.peakKiB, 'f', 2) << "×)\n";
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
