// SPDX-License-Identifier: GPL-3.0-or-later
// Prints how long the game takes from process start to the first paint of its main window and
// how much memory it holds two seconds later, beside two windows built in the same executable:
// an empty bare window of the same size and a "full bare" one with the game's amount of menus,
// status panels and controls, which is the floor the game's start can reach. Each figure is the
// median of fresh processes started in turn (bare, full bare, game, bare, ...).
//
// Each game starts as a new player's very first start does, preparing its data folders
// (copying the sample games, writing the records). With "again" it starts as a returning
// player's does instead: the folders were prepared by one start before the rounds, not counted.
//
// Usage: startup_bench [ROUNDS] [again]   (default 11; QT_QPA_PLATFORM defaults to offscreen)
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "bench_windows.h"

namespace {

// Memory is read this long after the first paint, when work left for later has run too.
constexpr int kSettleMs = 2000;

// Notes the first paint of a window, then reports memory once the window has settled.
class FirstPaint : public QObject
{
public:
    FirstPaint(int64_t startNs, int fd) : m_start(startNs), m_fd(fd) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_ms < 0) {
            m_ms = (bench::nowNs() - m_start) / 1e6;
            QTimer::singleShot(kSettleMs, qApp, [this] {
                const bench::Usage u = bench::usage();
                bench::reportToParent(m_fd,
                                      {m_ms, double(u.peakRssKb), double(bench::anonymousKb())});
                bench::removeScratch();
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int64_t m_start;
    int m_fd;
    double m_ms = -1;
};

int child(const std::string& mode, int64_t startNs, int fd, const std::string& programFolder)
{
    int argc = 1;
    char name[] = "startup_bench";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    FirstPaint watcher(startNs, fd);
    std::unique_ptr<QMainWindow> window = bench::makeWindow(mode, programFolder);
    window->installEventFilter(&watcher);
    window->show();
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string programFolder = std::filesystem::path(self).parent_path().string();
    if (argc == 5 && std::string(argv[1]) == "--child")
        return child(argv[2], std::atoll(argv[3]), std::atoi(argv[4]), programFolder);

    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const bench::EnvironmentFolder runtime("XDG_RUNTIME_DIR", "mirvalon-bench-run");
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    const bool again = argc > 2 && std::string(argv[2]) == "again";
    std::optional<bench::EnvironmentFolder> kept;
    if (again) {
        kept.emplace(bench::kKeptDataVariable, "mirvalon-bench-kept");
        bench::runChild(self, {"game", std::to_string(bench::nowNs())});
    }
    const char* const modes[3] = {"bare", "full", "game"};
    const std::vector<std::string> labels = {"bare QMainWindow 788x568",
                                             "full bare (menus, panels)", "Mirvalon main window"};
    // Figures of each window: time to first paint, peak RSS, anonymous memory.
    const std::vector<bench::Figures> figures =
        bench::runRounds(self, rounds, labels, 3, bench::Order::InTurn, [&](int m) {
            return std::vector<std::string>{modes[m], std::to_string(bench::nowNs())};
        });
    enum { Ms, RssKb, AnonKb };
    std::printf("start to first paint (%s); memory %d ms after it. Median of %d processes each, "
                "alternated (platform %s):\n",
                again ? "returning player" : "first start", kSettleMs, rounds,
                std::getenv("QT_QPA_PLATFORM"));
    for (int m = 0; m < 3; ++m)
        std::printf("  %-26s %7.1f ms  peak RSS %7.0f KiB  anonymous %6.0f KiB\n",
                    labels[m].c_str(), bench::median(figures[m][Ms]),
                    bench::median(figures[m][RssKb]), bench::median(figures[m][AnonKb]));
    // Ratios within each round, so that a busy moment of the machine weighs on both sides.
    const bench::Figures& game = figures[2];
    for (const int base : {1, 0}) {
        std::vector<double> ratios[3];
        for (int f : {Ms, RssKb, AnonKb})
            for (size_t i = 0; i < game[f].size(); ++i)
                ratios[f].push_back(game[f][i] / figures[base][f][i]);
        std::printf("  ratio game / %-12s %7.2f x time  %6.2f x peak RSS    %6.2f x anonymous\n",
                    base == 1 ? "full bare:" : "bare:", bench::median(ratios[Ms]),
                    bench::median(ratios[RssKb]), bench::median(ratios[AnonKb]));
    }
    return 0;
}
