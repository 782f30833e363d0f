#include "measurements.h"

#include "barescan.h"
#include "benchplatform.h"
#include "capacityquery.h"
#include "farmplan.h"
#include "form1.h"
#include "rdpsizing.h"
#include "startup.h"
#include "stopwatch.h"
#include "vdisizing.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include <cstdio>

double Measurements::floor(const QString &catalogue, int runs)
{
    volatile qint64 sink = 0;
    const double best = bestOf(runs, [&] { sink = sink + BareScan::read(catalogue).modelBytes; });
    return best;
}

double Measurements::coreRdp(const QString &catalogue, int runs)
{
    return bestOf(runs, [&] {
        QStringList candidates;
        RdpSizing::Progress progress;
        progress.candidate = [&](const QString &entry) { candidates << entry; };
        RdpSizing::calculate({QStringLiteral("30"), [] { return TaskLevel::Light; }, [] { return Vendor::Intel; },
                              catalogue, Language::English},
                             progress);
    });
}

double Measurements::coreQuery(const QString &catalogue, int runs)
{
    return bestOf(runs, [&] { CapacityQuery::run(QStringLiteral("6248"), catalogue, Language::English, {}); });
}

double Measurements::coreVdi(const QString &catalogue, int runs)
{
    return bestOf(runs, [&] {
        QStringList candidates;
        VdiSizing::Progress progress;
        progress.candidate = [&](const QString &entry) { candidates << entry; };
        VdiSizing::calculate({QStringLiteral("10"), [] { return TaskLevel::Medium; }, [] { return Vendor::Intel; },
                              catalogue, Language::English},
                             progress);
    });
}

double Measurements::coreFarm(const QString &catalogue, int runs)
{
    const SitePlan site = *FarmPlanning::oneGroup(FarmPlanning::Kind::Rdp, QStringLiteral("30"), TaskLevel::Light,
                                                  Vendor::Intel, 100, 1);
    return bestOf(runs, [&] { FarmPlanning::plan(site, catalogue, Language::English); });
}

double Measurements::corePlan(const QString &catalogue, int runs)
{
    SitePlan site;
    site.growthPercent = 10;
    site.growthYears = 3;
    site.cpuCeiling = 80;
    for (int i = 0; i < 20; ++i)
        site.groups.append({QString(), SitePlan::Kind::Rdp, TaskLevel(i % 3), 20 + 19 * i, 50 + 5 * (i % 11)});
    return bestOf(runs, [&] { FarmPlanning::plan(site, catalogue, Language::English); });
}

namespace {

QWidget *openedWindow(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return widget;
    }
    return nullptr;
}

// Types the text into a window's count box and times its run button.
double timeRunButton(QWidget *window, const QString &text, int runs)
{
    window->findChild<QLineEdit *>(QStringLiteral("txbNumber1"))->setText(text);
    auto *run = window->findChild<QPushButton *>(QStringLiteral("Command1"));
    return bestOf(runs, [&] { run->click(); });
}

} // namespace

Measurements::WindowFigures Measurements::windows(const QString &folder, int runs)
{
    BenchPlatform platform(folder.toStdString());
    auto *main = new Form1(platform);
    main->showCentred();
    QCoreApplication::processEvents();
    WindowFigures figures{};
    main->findChild<QRadioButton *>(QStringLiteral("Option1"))->setChecked(true);
    figures.rdp = timeRunButton(main, QStringLiteral("30"), runs);

    main->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    QWidget *query = openedWindow("Form2");
    figures.query = timeRunButton(query, QStringLiteral("6248"), runs);
    query->close();

    main->findChild<QPushButton *>(QStringLiteral("Command4"))->click();
    QWidget *vdi = openedWindow("Form3");
    vdi->findChild<QRadioButton *>(QStringLiteral("Option2"))->setChecked(true);
    figures.vdi = timeRunButton(vdi, QStringLiteral("10"), runs);
    vdi->close();

    // The plan window takes the main window's count, level and vendor as its one group; its button plans again.
    main->findChild<QRadioButton *>(QStringLiteral("Option1"))->setChecked(true);
    main->findChild<QLineEdit *>(QStringLiteral("txbNumber1"))->setText(QStringLiteral("30"));
    for (QAction *action : main->findChildren<QAction *>()) {
        if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_G))
            action->trigger();
    }
    QWidget *farm = openedWindow("PlanWindow");
    auto *plan = farm->findChild<QPushButton *>(QStringLiteral("planButton"));
    figures.farm = bestOf(runs, [&] { plan->click(); });
    farm->close();
    main->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return figures;
}

Measurements::CliFigures Measurements::cli(const QString &program, const QStringList &arguments)
{
    QProcess cli;
    cli.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    cli.start(program, arguments);
    cli.waitForStarted();
    QFile status(QStringLiteral("/proc/%1/status").arg(cli.processId()));
    long peak = 0;
    // The high-water mark only grows: its last reading before the end is the peak, near enough.
    do {
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : status.readAll().split('\n')) {
                if (line.startsWith("VmHWM:"))
                    peak = std::max(peak, line.mid(6).trimmed().split(' ').value(0).toLong());
            }
            status.close();
        }
    } while (!cli.waitForFinished(5));
    return {clock.nsecsElapsed() / 1e6, peak};
}

std::pair<qsizetype, double> Measurements::longestList(const QString &catalogue, int runs)
{
    qsizetype count = 0;
    const double best = bestOf(runs, [&] {
        count = RdpSizing::calculate({QStringLiteral("30"), [] { return TaskLevel::Medium; },
                                      [] { return Vendor::Both; }, catalogue, Language::English},
                                     {})
                    .result.candidates.size();
    });
    return {count, best};
}

double Measurements::startup(const QString &benchProgram, int runs)
{
    return bestOf(runs, [&] {
        QProcess program;
        program.start(benchProgram, {QStringLiteral("--startup")});
        while (!program.canReadLine() && program.waitForReadyRead(30000)) { }
        program.waitForFinished(30000);
    });
}

long Measurements::peakMemory(const QString &benchProgram, const QString &catalogue, const QString &count)
{
    QProcess program;
    program.start(benchProgram, {QStringLiteral("--memory"), catalogue, count});
    program.waitForFinished(300000);
    return program.readAllStandardOutput().trimmed().toLong();
}

int Measurements::startupChild(int argc, char *argv[])
{
    return Startup::run(argc, argv, [] {
        std::puts("shown");
        std::fflush(stdout);
        QCoreApplication::quit();
    });
}

int Measurements::memoryChild(const QString &catalogue, const QString &count)
{
    RdpSizing::Progress progress;
    qint64 candidates = 0;
    progress.candidate = [&](const QString &) { ++candidates; };
    RdpSizing::calculate(
        {count, [] { return TaskLevel::Heavy; }, [] { return Vendor::Both; }, catalogue, Language::English}, progress);
    // The peak of this process's own memory (the rusage figure would include the parent's, from before exec).
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                std::printf("%s\n", line.mid(6).trimmed().split(' ').value(0).constData());
        }
    }
    return candidates == 0 ? 0 : 1;
}
