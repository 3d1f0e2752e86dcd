// SPDX-License-Identifier: GPL-3.0-or-later
// How long one synchronisation of all 192 games takes when every game goes out (through the
// writer program), every game comes in, or nothing changes; and how many synchronisations
// eight players running at once complete per second.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

#include "sync/sync_rig.h"

using namespace mirvalon;
using namespace mirvalon::test;
using Steady = std::chrono::steady_clock;

namespace {

// A scratch folder of the bench's own under the system's temporary folder.
fs::path makeScratch(const char* tag)
{
    std::string pattern =
        (fs::temp_directory_path() / (std::string("mirvalon-") + tag + "-XXXXXX"));
    if (!::mkdtemp(pattern.data()))
        std::abort();
    return pattern;
}

double millisecondsSince(Steady::time_point start)
{
    return std::chrono::duration<double, std::milli>(Steady::now() - start).count();
}

// The store of `root` holds `other`'s files; `mine` synchronises against it.
double oneMerge(const fs::path& root, PlayerRig& mine, PlayerRig& other)
{
    SharedRig shared(root / "var");
    shared.put(other.images());
    const auto start = Steady::now();
    const SyncResult r = mine.sync(shared);
    const double ms = millisecondsSince(start);
    if (r != SyncResult::Done)
        std::printf("  (merge did not complete)\n");
    return ms;
}

void mergeFigures()
{
    const int rounds = 10;
    const char* names[] = {"all 192 decisions 1 (export)", "all 192 decisions -1 (import)",
                           "all 192 decisions 0 (equal)"};
    for (int kind = 0; kind < 3; ++kind) {
        double total = 0;
        double worst = 0;
        for (int round = 0; round < rounds; ++round) {
            const fs::path root = makeScratch("bench");
            PlayerRig low(root / "low");
            PlayerRig high(root / "high");
            std::vector<int> all(kGameCount);
            for (int g = 1; g <= kGameCount; ++g)
                all[g - 1] = g;
            low.putWon(all, 5000, "Low");
            high.putWon(all, kind == 2 ? 5000 : 9000, "High");
            const double ms = kind == 1 ? oneMerge(root, low, high) : oneMerge(root, high, low);
            total += ms;
            worst = std::max(worst, ms);
            fs::remove_all(root);
        }
        std::printf("one synchronisation, %-32s mean %7.2f ms, worst %7.2f ms (%d runs)\n",
                    names[kind], total / rounds, worst, rounds);
    }
}

void throughput()
{
    constexpr int players = 8;
    constexpr double seconds = 3;
    const fs::path root = makeScratch("bench");
    const SharedRig made(root / "var");
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return;
    for (int p = 0; p < players; ++p) {
        if (::fork() == 0) {
            PlayerRig rig(root / ("p" + std::to_string(p)));
            rig.putWon();
            SharedRig shared(root / "var");
            int done = 0;
            int busy = 0;
            const auto end = Steady::now() + std::chrono::duration<double>(seconds);
            for (int round = 0; Steady::now() < end; ++round) {
                // One more record won beside those the player has and those merged in.
                StoreImages files = rig.images();
                putWonGame(files, 1 + (round * 7 + p) % kGameCount,
                           1000 + (round * 37 + p * 11) % 8000, "P");
                rig.put(files);
                const SyncResult r = rig.sync(shared, round % 2 ? 0 : 1 + round % kGameCount);
                done += r == SyncResult::Done;
                busy += r == SyncResult::Busy;
            }
            const int counts[2] = {done, busy};
            if (::write(pipeFds[1], counts, sizeof counts) != sizeof counts)
                ::_exit(1);
            ::_exit(0);
        }
    }
    ::close(pipeFds[1]);
    int done = 0;
    int busy = 0;
    int counts[2];
    while (::read(pipeFds[0], counts, sizeof counts) == sizeof counts) {
        done += counts[0];
        busy += counts[1];
    }
    while (::wait(nullptr) > 0) {
    }
    std::printf("8 players at once for %.0f s: %.1f synchronisations per second completed, "
                "%d given up after 20 waits\n",
                seconds, done / seconds, busy);
    fs::remove_all(root);
}

} // namespace

int main()
{
    mergeFigures();
    throughput();
    return 0;
}
