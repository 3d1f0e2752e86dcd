// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_windows.h"

#include <QApplication>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "ui/application_look.h"
#include "ui/tfrm_logic.h"

extern char** environ;

namespace bench {

namespace {

// The data folders the parent keeps for returning starts, else this process's own.
std::string scratchFolder()
{
    if (const char* kept = std::getenv(kKeptDataVariable))
        return kept;
    return (std::filesystem::temp_directory_path() / "mirvalon-bench").string() + "-" +
           std::to_string(getpid());
}

} // namespace

std::unique_ptr<QMainWindow> makeWindow(const std::string& mode, const std::string& programFolder)
{
    if (mode == "game") {
        const std::string home = scratchFolder();
        mirvalon::StartOptions o;
        o.programFolder = programFolder;
        o.userBase = home + "/user";
        o.sharedBase = home + "/shared";
        mirvalon::prepareApplicationLook(); // as the program does before its window
        return std::make_unique<mirvalon::Tfrm_Logic>(o);
    }
    return makeFloorWindow(mode);
}

void removeScratch()
{
    if (std::getenv(kKeptDataVariable))
        return; // the parent's, for the next start
    std::error_code ignored;
    std::filesystem::remove_all(scratchFolder(), ignored);
}

int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

Usage usage()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    Usage result;
    result.cpuUs = int64_t(u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000000 + u.ru_utime.tv_usec +
                   u.ru_stime.tv_usec;
    result.wakeUps = u.ru_nvcsw;
    result.peakRssKb = u.ru_maxrss;
    return result;
}

long anonymousKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("RssAnon:"))
            return line.mid(8).trimmed().split(' ').value(0).toLong();
    return 0;
}

std::vector<double> runChild(const std::string& self, const std::vector<std::string>& childArgs)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {};
    std::vector<std::string> args = {self, "--child"};
    args.insert(args.end(), childArgs.begin(), childArgs.end());
    args.push_back(std::to_string(pipeFds[1]));
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv.data(), environ);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return {};
    }
    std::string text;
    char buf[256];
    ssize_t n = 0;
    while ((n = read(pipeFds[0], buf, sizeof buf)) > 0)
        text.append(buf, size_t(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    std::vector<double> numbers;
    std::istringstream in(text);
    for (double v = 0; in >> v;)
        numbers.push_back(v);
    return numbers;
}

std::vector<Figures> runRounds(const std::string& self, int rounds,
                               const std::vector<std::string>& labels, std::size_t figureCount,
                               Order order,
                               const std::function<std::vector<std::string>(int)>& argsOf)
{
    const int cases = int(labels.size());
    std::vector<Figures> figures(labels.size(), Figures(figureCount));
    for (int round = 0; round < rounds; ++round) {
        std::vector<std::vector<double>> results(labels.size());
        if (order == Order::SideBySide) {
            std::vector<std::thread> running;
            for (int c = 0; c < cases; ++c)
                running.emplace_back([&, c] { results[c] = runChild(self, argsOf(c)); });
            for (std::thread& t : running)
                t.join();
        } else {
            for (int c = 0; c < cases; ++c)
                results[c] = runChild(self, argsOf(c));
        }
        bool complete = true;
        for (int c = 0; c < cases; ++c)
            if (results[c].size() != figureCount) {
                std::fprintf(stderr, "round %d: %s did not report; round left out\n", round + 1,
                             labels[c].c_str());
                complete = false;
            }
        if (!complete)
            continue;
        for (int c = 0; c < cases; ++c)
            for (std::size_t f = 0; f < figureCount; ++f)
                figures[c][f].push_back(results[c][f]);
    }
    return figures;
}

void reportToParent(int fd, const std::vector<double>& numbers)
{
    std::string line;
    for (double v : numbers)
        line += std::to_string(v) + " ";
    line += "\n";
    [[maybe_unused]] const auto written = write(fd, line.data(), line.size());
    close(fd);
}

EnvironmentFolder::EnvironmentFolder(const char* variable, const char* namePrefix)
    : m_variable(variable)
{
    if (std::getenv(variable))
        return;
    std::string pattern =
        (std::filesystem::temp_directory_path() / (std::string(namePrefix) + ".XXXXXX")).string();
    if (mkdtemp(pattern.data())) {
        m_path = pattern;
        setenv(variable, m_path.c_str(), 1);
    }
}

EnvironmentFolder::~EnvironmentFolder()
{
    if (m_path.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
    unsetenv(m_variable);
}

} // namespace bench
