// Prints how long the game takes from process start to the first paint of its main window,
// and its peak memory, beside a bare window of the same size in the same executable.
// Each figure is the median of several fresh processes on the offscreen platform.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "ui/tfrm_logic.h"

extern char** environ;

namespace {

int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Reports the first paint of a window, then ends the process.
class FirstPaint : public QObject
{
public:
    FirstPaint(int64_t startNs, int outFd) : m_start(startNs), m_fd(outFd) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            const double ms = (nowNs() - m_start) / 1e6;
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            const std::string line =
                std::to_string(ms) + " " + std::to_string(usage.ru_maxrss) + "\n";
            [[maybe_unused]] const auto written = write(m_fd, line.data(), line.size());
            QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int64_t m_start;
    int m_fd;
    bool m_done = false;
};

int child(const std::string& mode, int64_t startNs, int fd, const std::string& programFolder)
{
    int argc = 1;
    char name[] = "startup_bench";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    FirstPaint watcher(startNs, fd);
    std::unique_ptr<QMainWindow> window;
    const std::string home = std::filesystem::temp_directory_path() / "mirvalon-startup-bench";
    if (mode == "game") {
        mirvalon::StartOptions o;
        o.programFolder = programFolder;
        o.userBase = home + "/user";
        o.sharedBase = home + "/shared";
        window = std::make_unique<mirvalon::Tfrm_Logic>(o);
    } else {
        window = std::make_unique<QMainWindow>();
        window->setFixedSize(788, 568);
    }
    window->installEventFilter(&watcher);
    window->show();
    return app.exec();
}

struct Figures
{
    double ms;
    long rssKb;
};

Figures runOnce(const std::string& self, const std::string& mode)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {0, 0};
    const std::string start = std::to_string(nowNs());
    const std::string fd = std::to_string(pipeFds[1]);
    std::vector<std::string> args = {self, "--child", mode, start, fd};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return {0, 0};
    close(pipeFds[1]);
    char buf[128] = {};
    const ssize_t n = read(pipeFds[0], buf, sizeof buf - 1);
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    Figures f{0, 0};
    if (n > 0) {
        char* rest = nullptr;
        f.ms = std::strtod(buf, &rest);
        f.rssKb = std::strtol(rest, nullptr, 10);
    }
    return f;
}

Figures median(const std::string& self, const std::string& mode, int runs)
{
    std::vector<double> ms;
    std::vector<long> rss;
    for (int i = 0; i < runs; ++i) {
        const Figures f = runOnce(self, mode);
        ms.push_back(f.ms);
        rss.push_back(f.rssKb);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(rss.begin(), rss.end());
    return {ms[ms.size() / 2], rss[rss.size() / 2]};
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string programFolder = std::filesystem::path(self).parent_path().string();
    if (argc == 5 && std::string(argv[1]) == "--child")
        return child(argv[2], std::atoll(argv[3]), std::atoi(argv[4]), programFolder);

    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int runs = 7;
    const Figures bare = median(self, "bare", runs);
    const Figures game = median(self, "game", runs);
    std::printf("first paint, median of %d processes (offscreen platform):\n", runs);
    std::printf("  bare QMainWindow 788x568: %7.1f ms  peak RSS %6ld KiB\n", bare.ms, bare.rssKb);
    std::printf("  Mirvalon main window:     %7.1f ms  peak RSS %6ld KiB\n", game.ms, game.rssKb);
    if (bare.ms > 0 && bare.rssKb > 0)
        std::printf("  ratio game / bare:        %7.2f x time        %6.2f x memory\n",
                    game.ms / bare.ms, double(game.rssKb) / bare.rssKb);
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::temp_directory_path() / "mirvalon-startup-bench",
                                ignored);
    return 0;
}
