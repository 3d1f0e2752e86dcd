// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the game costs while it waits: CPU time, wake-ups (voluntary context switches)
// and repainted widgets over a stretch of idle time and of a running game, beside the full-bare
// window of the start-up benchmark (idle, and with a clock and score panel ticking each second
// as the floor of a running game). Each figure is the median of fresh processes; the four
// processes of one round run side by side, each counting only its own time.
//
// Usage: idle_bench [ROUNDS [SECONDS]]   (default 10 rounds of 10 s; platform offscreen)
// With IDLE_BENCH_VERBOSE=1 every process names the widgets it repainted.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench_windows.h"

namespace {

// Time for the window to settle after its first paint, and after a game starts.
constexpr int kSettleMs = 1500;

// A widget that draws nothing but its background: it is painted only behind a control that
// changed, so it is not counted as a repainted widget of its own.
bool isContainer(const QObject* widget)
{
    return widget->metaObject() == &QWidget::staticMetaObject ||
           qobject_cast<const QMainWindow*>(widget) || qobject_cast<const QStatusBar*>(widget);
}

// Counts paint events of every widget while counting is on.
class PaintCounter : public QObject
{
public:
    bool counting = false;
    long paints = 0;  // of controls
    long painted = 0; // of controls and the containers behind them
    std::map<QString, long> byName;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && counting && watched->isWidgetType()) {
            ++painted;
            if (!isContainer(watched))
                ++paints;
            const QString name = watched->objectName().isEmpty()
                                     ? QString::fromLatin1(watched->metaObject()->className())
                                     : watched->objectName();
            ++byName[name];
        }
        return QObject::eventFilter(watched, event);
    }
};

// Starts a computer game and places the first piece, which starts the game clock.
bool startGame(QMainWindow& window)
{
    auto* newGame = window.findChild<QAction*>(QStringLiteral("mm2NovaP"));
    auto* piece = window.findChild<QWidget*>(QStringLiteral("pnlK_1"));
    if (!newGame || !piece)
        return false;
    newGame->trigger();
    const QPointF at(10, 10);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, at, piece->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(piece, &e);
    }
    return true;
}

int child(const std::string& mode, bool play, int seconds, int fd, const std::string& folder)
{
    int argc = 1;
    char name[] = "idle_bench";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    PaintCounter counter;
    app.installEventFilter(&counter);
    std::unique_ptr<QMainWindow> window = bench::makeWindow(mode, folder);
    window->show();

    bench::Usage before;
    QTimer::singleShot(kSettleMs, &app, [&] {
        if (play) {
            if (mode == "full")
                bench::startFullBareClock(*window);
            else if (!startGame(*window))
                std::_Exit(1);
        }
        QTimer::singleShot(play ? kSettleMs : 0, &app, [&] {
            counter.counting = true;
            before = bench::usage();
            QTimer::singleShot(seconds * 1000, &app, [&] {
                const bench::Usage after = bench::usage();
                counter.counting = false;
                if (std::getenv("IDLE_BENCH_VERBOSE")) {
                    std::fprintf(stderr, "%s %s repainted:", mode.c_str(), play ? "game" : "idle");
                    for (const auto& [widget, count] : counter.byName)
                        std::fprintf(stderr, " %s %ld", qPrintable(widget), count);
                    std::fprintf(stderr, "\n");
                }
                bench::reportToParent(fd, {(after.cpuUs - before.cpuUs) / 1000.0,
                                           double(after.wakeUps - before.wakeUps),
                                           double(counter.paints), double(counter.painted)});
                bench::removeScratch();
                std::_Exit(0);
            });
        });
    });
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string folder = std::filesystem::path(self).parent_path().string();
    if (argc == 6 && std::string(argv[1]) == "--child")
        return child(argv[2], std::string(argv[3]) == "play", std::atoi(argv[4]),
                     std::atoi(argv[5]), folder);

    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const bench::EnvironmentFolder runtime("XDG_RUNTIME_DIR", "mirvalon-bench-run");
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const int seconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    struct Case
    {
        const char* mode;
        const char* activity;
        const char* label;
    };
    const Case cases[4] = {{"game", "idle", "Mirvalon, idle"},
                           {"game", "play", "Mirvalon, running game"},
                           {"full", "idle", "full bare, idle"},
                           {"full", "play", "full bare, clock ticking"}};
    std::vector<std::string> labels;
    for (const Case& c : cases)
        labels.emplace_back(c.label);
    enum { CpuMs, WakeUps, Paints, Painted };
    const std::vector<bench::Figures> figures =
        bench::runRounds(self, rounds, labels, 4, bench::Order::SideBySide, [&](int c) {
            return std::vector<std::string>{cases[c].mode, cases[c].activity,
                                            std::to_string(seconds)};
        });
    std::printf("over %d s, median of %d processes each (platform %s); repainted: controls a "
                "second (paint events a second, containers behind them included):\n",
                seconds, rounds, std::getenv("QT_QPA_PLATFORM"));
    for (int c = 0; c < 4; ++c) {
        const bench::Figures& f = figures[c];
        std::printf("  %-26s CPU %7.2f ms  wake-ups %5.0f  repainted %5.1f (%5.1f)\n",
                    cases[c].label, bench::median(f[CpuMs]), bench::median(f[WakeUps]),
                    bench::median(f[Paints]) / seconds, bench::median(f[Painted]) / seconds);
    }
    return 0;
}
