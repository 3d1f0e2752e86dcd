// SPDX-License-Identifier: GPL-3.0-or-later
// What the start-up and idle benchmarks share: the windows they compare (the game, an empty
// bare window and a "full bare" window with the game's amount of controls) and the fresh
// child processes each figure is taken in.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "floor_windows.h"
#include "median.h"

namespace bench {

// The three windows: "bare" (an empty main window of the game's size), "full" (the same with
// five menus of about 40 items, a 14-panel status bar and about 40 child widgets in the game's
// fonts) and "game" (the game's main window with scratch data folders).
std::unique_ptr<QMainWindow> makeWindow(const std::string& mode, const std::string& programFolder);

// Removes the scratch data folders of this process's game window, unless they are kept.
void removeScratch();

// Names the data folders that children's game windows share, when set.
inline constexpr const char* kKeptDataVariable = "MIRVALON_BENCH_KEPT_DATA";

int64_t nowNs();
// CPU time (user + system) in microseconds, voluntary context switches, peak RSS in KiB.
struct Usage
{
    int64_t cpuUs = 0;
    long wakeUps = 0;
    long peakRssKb = 0;
};
Usage usage();
// Resident anonymous memory of this process in KiB (0 when unknown).
long anonymousKb();

// Runs this executable again as "SELF --child ARGS... FD" and returns what the child wrote to
// the pipe FD, split into numbers; an empty vector when the child failed.
std::vector<double> runChild(const std::string& self, const std::vector<std::string>& args);

// The figures of one case over the rounds: figures[figure][round].
using Figures = std::vector<std::vector<double>>;

// How the processes of one round run: one after the other, or all at once.
enum class Order {
    InTurn,
    SideBySide,
};

// Runs `rounds` rounds of one fresh child process per case, the arguments of case c given by
// argsOf(c) as the child starts. A round in which a case did not report `figureCount` numbers
// is left out for every case (and named on stderr), so the figures of one index stay from the
// same round. Returns the figures of each case, in the order of `labels`.
std::vector<Figures> runRounds(const std::string& self, int rounds,
                               const std::vector<std::string>& labels, std::size_t figureCount,
                               Order order,
                               const std::function<std::vector<std::string>(int)>& argsOf);
// Writes numbers as one line to the parent's pipe.
void reportToParent(int fd, const std::vector<double>& numbers);

// A new temporary folder named by the environment variable `variable` for the children,
// removed with the variable at the end; while the variable is set already, nothing is done.
// Used for a private XDG_RUNTIME_DIR, and with kKeptDataVariable for data folders kept across
// the children, so that each start after the first finds them prepared as a returning
// player's start does.
class EnvironmentFolder
{
public:
    EnvironmentFolder(const char* variable, const char* namePrefix);
    ~EnvironmentFolder();
    EnvironmentFolder(const EnvironmentFolder&) = delete;
    EnvironmentFolder& operator=(const EnvironmentFolder&) = delete;

private:
    const char* m_variable;
    std::string m_path;
};

} // namespace bench
