// SPDX-License-Identifier: GPL-3.0-or-later
// Prints how long the game takes to show its first frame as a player starts it: the real
// program and the two floor programs (an empty bare window, a "full bare" one with the game's
// amount of controls), each a process of its own on a real X server, timed from the fork to
// the first window-sized picture flushed to the server. Rounds alternate the three programs;
// medians, ranges and the per-round ratios are printed, then the memory two seconds after the
// first frame, then (where valgrind is installed) the instructions each program runs to its
// first frame. All of it at scale 1 and at QT_SCALE_FACTOR=2.
//
// The game starts as a new player's very first start does, in a scratch home.
// Usage: first_frame_bench [ROUNDS]   (default 15; needs DISPLAY: run tools/first-frame.sh)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

#include "median.h"

namespace {

namespace fs = std::filesystem;
using bench::median;

constexpr int kSettleMs = 2000; // memory is read this long after the first frame
constexpr int kGiveUpMs = 60000;

struct Program
{
    const char* label;
    std::string path;
    std::vector<std::string> args;
};

struct Sample
{
    double ms = 0;
    double rssKb = 0;
    double anonKb = 0;
};

int64_t nowNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

double statusKb(pid_t pid, const std::string& field)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind(field + ":", 0) == 0)
            return std::atof(line.c_str() + field.size() + 1);
    return 0;
}

// Runs `program` in a fresh scratch home with the first-frame watcher loaded. With `wrapper`
// (valgrind), the program runs under it and ends at its first frame.
pid_t start(const Program& program, const std::string& preload, double scale, int fd,
            const std::string& home, const std::vector<std::string>& wrapper, const char* log)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    for (const char* sub : {"/data", "/config", "/cache", "/run"})
        fs::create_directories(home + sub);
    fs::permissions(home + "/run", fs::perms::owner_all);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (home + "/cache").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (home + "/run").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    if (scale != 1)
        setenv("QT_SCALE_FACTOR", std::to_string(scale).c_str(), 1);
    setenv("LD_PRELOAD", preload.c_str(), 1);
    setenv("MIRVALON_FIRST_FRAME_FD", std::to_string(fd).c_str(), 1);
    if (!wrapper.empty())
        setenv("MIRVALON_FIRST_FRAME_EXIT", "1", 1);
    const int quiet = open("/dev/null", O_WRONLY);
    const int errors = open(log, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(quiet, STDOUT_FILENO);
    dup2(errors, STDERR_FILENO);
    std::vector<std::string> args = wrapper;
    args.push_back(program.path);
    args.insert(args.end(), program.args.begin(), program.args.end());
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

std::string scratchHome()
{
    std::string pattern = (fs::temp_directory_path() / "mirvalon-first-frame.XXXXXX").string();
    return mkdtemp(pattern.data()) ? pattern : std::string();
}

// One start: the time to the first frame, then the memory once the program has settled.
std::optional<Sample> once(const Program& program, const std::string& preload, double scale)
{
    int fds[2];
    const std::string home = scratchHome();
    if (home.empty() || pipe(fds) != 0)
        return std::nullopt;
    const int64_t started = nowNs();
    const pid_t pid = start(program, preload, scale, fds[1], home, {}, "/dev/null");
    close(fds[1]);
    std::optional<Sample> sample;
    pollfd wait{fds[0], POLLIN, 0};
    int64_t frame = 0;
    if (poll(&wait, 1, kGiveUpMs) == 1 && read(fds[0], &frame, sizeof frame) == sizeof frame) {
        usleep(kSettleMs * 1000);
        sample = Sample{(frame - started) / 1e6, statusKb(pid, "VmRSS"), statusKb(pid, "RssAnon")};
    }
    close(fds[0]);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::error_code ignored;
    fs::remove_all(home, ignored);
    return sample;
}

// Instructions to the first frame, counted by callgrind; nothing without valgrind.
std::optional<double> instructions(const Program& program, const std::string& preload, double scale)
{
    int fds[2];
    const std::string home = scratchHome();
    if (home.empty() || pipe(fds) != 0)
        return std::nullopt;
    const std::string log = home + ".log";
    const pid_t pid =
        start(program, preload, scale, fds[1], home,
              {"valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null"}, log.c_str());
    close(fds[1]);
    int status = 0;
    waitpid(pid, &status, 0);
    close(fds[0]);
    std::optional<double> count;
    std::ifstream in(log);
    for (std::string line; std::getline(in, line);) {
        const auto at = line.find("Collected : ");
        if (at != std::string::npos)
            count = std::atof(line.c_str() + at + 12);
    }
    std::error_code ignored;
    fs::remove_all(home, ignored);
    fs::remove(log, ignored);
    return count;
}

void printRange(const char* label, const std::vector<double>& v, const char* unit)
{
    // Ratios are judged against bounds such as 1.10, so they keep two decimals.
    const char* format = std::string(unit) == "x "
                             ? "  %-28s median %8.2f %s   min %8.2f   max %8.2f\n"
                             : "  %-28s median %8.1f %s   min %8.1f   max %8.1f\n";
    std::printf(format, label, median(v), unit, *std::min_element(v.begin(), v.end()),
                *std::max_element(v.begin(), v.end()));
}

double loadAverage()
{
    double load[1] = {0};
    return getloadavg(load, 1) == 1 ? load[0] : -1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr,
                     "first_frame_bench: no DISPLAY; run it through tools/first-frame.sh\n");
        return 2;
    }
    const fs::path folder = fs::read_symlink("/proc/self/exe").parent_path();
    const std::string preload = (folder / "libfirst_frame_preload.so").string();
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const Program programs[3] = {
        {"bare window", (folder / "floor_window").string(), {"bare"}},
        {"full bare window", (folder / "floor_window").string(), {"full"}},
        {"Mirvalon", (folder / "mirvalon").string(), {}},
    };
    const bool valgrind = std::system("valgrind --version >/dev/null 2>&1") == 0;
    for (const double scale : {1.0, 2.0}) {
        std::printf("Scale %.0f, %d rounds, load average %.2f at the start\n", scale, rounds,
                    loadAverage());
        std::vector<Sample> samples[3];
        std::vector<double> timeRatio, anonRatio;
        for (int round = 0; round < rounds; ++round) {
            std::optional<Sample> s[3];
            for (int p = 0; p < 3; ++p)
                s[p] = once(programs[p], preload, scale);
            if (!s[0] || !s[1] || !s[2]) {
                std::fprintf(stderr, "round %d: a program showed no frame; left out\n", round + 1);
                continue;
            }
            for (int p = 0; p < 3; ++p)
                samples[p].push_back(*s[p]);
            timeRatio.push_back(s[2]->ms / s[1]->ms);
            anonRatio.push_back(s[2]->anonKb / s[1]->anonKb);
        }
        if (timeRatio.empty())
            return 1;
        std::printf(" fork to first frame:\n");
        for (int p = 0; p < 3; ++p) {
            std::vector<double> ms;
            for (const Sample& s : samples[p])
                ms.push_back(s.ms);
            printRange(programs[p].label, ms, "ms");
        }
        printRange("game / full bare, per round", timeRatio, "x ");
        std::printf(" memory %d ms after the first frame (median):\n", kSettleMs);
        for (int p = 0; p < 3; ++p) {
            std::vector<double> rss, anon;
            for (const Sample& s : samples[p]) {
                rss.push_back(s.rssKb);
                anon.push_back(s.anonKb);
            }
            std::printf("  %-28s RSS %7.0f KiB   anonymous %7.0f KiB\n", programs[p].label,
                        median(rss), median(anon));
        }
        std::printf("  %-28s anonymous %.2f x\n", "game / full bare, per round", median(anonRatio));
        if (valgrind) {
            std::printf(" instructions to the first frame (callgrind):\n");
            std::optional<double> count[3];
            for (int p = 0; p < 3; ++p) {
                count[p] = instructions(programs[p], preload, scale);
                std::printf("  %-28s %8.1f M\n", programs[p].label,
                            count[p] ? *count[p] / 1e6 : -1);
            }
            if (count[1] && count[2])
                std::printf("  %-28s %.2f x\n", "game / full bare", *count[2] / *count[1]);
        }
        std::printf("Load average %.2f at the end\n\n", loadAverage());
    }
    return 0;
}
