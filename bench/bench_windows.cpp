// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <algorithm>
#include <array>
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

// The game's fonts: Liberation Sans at 11 pixels for the whole window.
void applyGameFonts(QWidget& window)
{
    QFont f = QApplication::font();
    if (QFontDatabase::families().contains(QStringLiteral("Liberation Sans")))
        f.setFamily(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    QApplication::setFont(f);
    window.setFont(f);
}

// As many menus, items, panels and controls as the game's window has, doing nothing.
class FullBareWindow : public QMainWindow
{
public:
    FullBareWindow()
    {
        setWindowTitle(QStringLiteral("  Mirvalon  1.7"));
        applyGameFonts(*this);
        auto* client = new QWidget(this);
        client->setFixedSize(780, 500);
        setCentralWidget(client);

        // 5 menus with 8 items each, a few with shortcuts and check marks.
        int key = 0;
        for (int m = 0; m < 5; ++m) {
            QMenu* menu = menuBar()->addMenu(QStringLiteral("Ponuka %1").arg(m + 1));
            for (int i = 0; i < 8; ++i) {
                QAction* a =
                    menu->addAction(QStringLiteral("Položka ponuky %1.%2").arg(m + 1).arg(i));
                if (i % 2 == 0 && key < 12)
                    a->setShortcut(QKeySequence(Qt::Key_F1 + key++));
                a->setCheckable(i % 3 == 0);
                if (i == 4)
                    menu->addSeparator();
            }
        }

        // 10 framed panels, 9 buttons with hints, 15 bold row numbers and 6 labels.
        for (int i = 0; i < 10; ++i) {
            auto* panel = new QFrame(client);
            panel->setFrameStyle(QFrame::Panel | (i % 2 ? QFrame::Raised : QFrame::Sunken));
            panel->setLineWidth(2);
            panel->setGeometry(8 + 77 * i, 8 + (i % 3) * 160, 70, 150);
        }
        for (int i = 0; i < 9; ++i) {
            auto* b = new QPushButton(QStringLiteral("Tlačidlo %1").arg(i + 1), client);
            b->setGeometry(549 + (i % 3) * 75, 167 + (i / 3) * 30, 70, 25);
            b->setToolTip(QStringLiteral("Pomocný text tlačidla %1").arg(i + 1));
            b->setEnabled(i < 3);
        }
        for (int r = 1; r <= 15; ++r) {
            auto* l = new QLabel(QString::number(r).rightJustified(r < 10 ? 3 : 2, ' '), client);
            QFont f = l->font();
            f.setBold(true);
            f.setPointSize(12);
            l->setFont(f);
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            l->setGeometry(10, 452 - 28 * (r - 1), 28, 20);
        }
        for (int i = 0; i < 6; ++i) {
            auto* l = new QLabel(QStringLiteral("Popis %1").arg(i + 1), client);
            l->move(549 + (i % 3) * 75, 268 + (i / 3) * 15);
            l->adjustSize();
        }

        auto* bar = new QStatusBar(this);
        bar->setSizeGripEnabled(false);
        bar->setFixedHeight(22);
        auto* strip = new QWidget(bar);
        strip->setGeometry(0, 0, 780, 22);
        const int widths[14] = {54, 36, 20, 10, 20, 20, 20, 20, 50, 60, 47, 50, 55, 50};
        int x = 0;
        for (int i = 0; i < 14; ++i) {
            auto* l = new QLabel(QStringLiteral("%1").arg(i), strip);
            if (i % 2)
                l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            l->setGeometry(x, 0, widths[i], 22);
            x += widths[i];
            m_panels[i] = l;
        }
        setStatusBar(bar);
        setFixedSize(780, menuBar()->sizeHint().height() + 500 + 22);
    }

    void startClock()
    {
        m_start.start();
        auto* timer = new QTimer(this);
        timer->setInterval(1000);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this] {
            const int seconds = int(m_start.elapsed() / 1000);
            m_panels[9]->setText(QTime(0, 0).addSecs(seconds).toString(QStringLiteral("H:mm:ss")));
            m_panels[11]->setText(QString::number(10000 - seconds));
        });
        timer->start();
    }

private:
    std::array<QLabel*, 14> m_panels{};
    QElapsedTimer m_start;
};

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
    if (mode == "full")
        return std::make_unique<FullBareWindow>();
    auto window = std::make_unique<QMainWindow>();
    window->setFixedSize(788, 568);
    return window;
}

void startFullBareClock(QMainWindow& window)
{
    if (auto* full = dynamic_cast<FullBareWindow*>(&window))
        full->startClock();
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

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
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
