#pragma once

#include <QString>
#include <QStringList>

#include <utility>

// Each figure is the best of several runs, in milliseconds. The requests are those of a typical user:
// 30 terminals of light work on Intel (RDP), the model number 6248 (query), 10 terminals of medium work
// on Intel (VDI).
namespace Measurements {
double floor(const QString &catalogue, int runs);

// The calculations as the command line runs them: no window, no event pump.
double coreRdp(const QString &catalogue, int runs);
double coreQuery(const QString &catalogue, int runs);
double coreVdi(const QString &catalogue, int runs);
// The farm plan of the RDP request, every terminal at work, one spare server.
double coreFarm(const QString &catalogue, int runs);
// A site's plan of 20 groups of RDP terminals at every level, grown over three years under an 80 % ceiling.
double corePlan(const QString &catalogue, int runs);

// The real windows (the main window, and the query and VDI windows its buttons open) pressing their
// buttons, with the event pump and the list and text boxes; folder holds the catalogue as data.dll.
struct WindowFigures {
    double rdp;
    double query;
    double vdi;
    double farm; // the plan window, opened by its shortcut, planning a group of the main window's 30 terminals
};
WindowFigures windows(const QString &folder, int runs);

// A run of the command-line tool, its output thrown away: its time in milliseconds and its peak resident memory in
// KiB (read from /proc while it runs).
struct CliFigures {
    double milliseconds;
    long peakKiB;
};
CliFigures cli(const QString &program, const QStringList &arguments);

// The number of candidates the command line's rdp 30 --vendor both lists, and the time the list takes.
std::pair<qsizetype, double> longestList(const QString &catalogue, int runs);

// From starting the program to its main window's first painting, with the shipped catalogue.
double startup(const QString &benchProgram, int runs);

// The peak resident memory, in KiB, of a process that runs the RDP calculation for count over catalogue.
long peakMemory(const QString &benchProgram, const QString &catalogue, const QString &count);

// The child processes' side of the last two.
int startupChild(int argc, char *argv[]);
int memoryChild(const QString &catalogue, const QString &count);
} // namespace Measurements
