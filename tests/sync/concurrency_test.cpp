// SPDX-License-Identifier: GPL-3.0-or-later
// Eight players of one computer win records and synchronise at the same time; afterwards
// every one of them holds, for every game, the best record any of them won. A merge racing a
// record another copy of the same account writes loses neither.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "persistence/player_rig.h"
#include "support/test_seed.h"
#include "sync_rig.h"

namespace mirvalon::test {
namespace {

constexpr int kPlayers = 8;
constexpr int kGames = 24; // few enough that the players fight over the same games
constexpr auto kPlayTime = std::chrono::milliseconds(1500);

fs::path playerFolder(const fs::path& root, int player)
{
    return root / ("player" + std::to_string(player));
}

// One player's life: win, synchronise, win, ... then one last synchronisation that is not
// given up. Returns the exit status: 0, or 2 when a merge was interrupted.
int play(const fs::path& root, int player, unsigned seed)
{
    std::mt19937 random(seed);
    PlayerRig rig(playerFolder(root, player));
    rig.start();
    SharedRig shared(root / "var");
    std::array<int, kGames + 1> best{};
    const auto end = std::chrono::steady_clock::now() + kPlayTime;
    while (std::chrono::steady_clock::now() < end) {
        const int game = 1 + static_cast<int>(random() % kGames);
        const int points = 1000 + static_cast<int>(random() % 8000);
        if (points > rig.points(game)) {
            rig.win(game, points, "P" + std::to_string(player));
            best[game] = std::max(best[game], points);
        }
        const SyncResult r = rig.sync(shared, random() % 2 ? 0 : game);
        if (r == SyncResult::Interrupted || r == SyncResult::Unavailable)
            return 2;
    }
    SyncResult last = SyncResult::Busy;
    for (int tries = 0; tries < 200 && last == SyncResult::Busy; ++tries)
        last = rig.sync(shared);
    std::string wins;
    for (int g = 1; g <= kGames; ++g)
        wins += std::to_string(best[g]) + "\n";
    writeAll(playerFolder(root, player) / "wins", wins);
    return last == SyncResult::Done ? 0 : 3;
}

TEST(SyncConcurrency, eightPlayersEndWithTheBestRecordOfEachGame)
{
    const unsigned seed = testSeed("concurrency", 8u);
    SCOPED_TRACE("seed " + std::to_string(seed));
    TempDir scratch;
    const fs::path root = scratch.path();
    SharedRig store(root / "var");
    const fs::path shared = store.folder;

    std::vector<pid_t> children;
    for (int p = 0; p < kPlayers; ++p) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0)
            ::_exit(play(root, p, seed + p));
        children.push_back(pid);
    }
    // While they play, the shared files are only ever whole.
    int looks = 0, torn = 0, running = kPlayers;
    std::vector<int> status(kPlayers, -1);
    while (running > 0) {
        for (const auto& [name, size] : {std::pair{kRecordsFileName, kRecordsFileSize},
                                         std::pair{kArchiveFileName, kArchiveFileSize}}) {
            const std::string bytes = readAll(shared / name);
            ++looks;
            torn += !bytes.empty() && bytes.size() != size;
        }
        for (int p = 0; p < kPlayers; ++p) {
            int st = 0;
            if (status[p] == -1 && ::waitpid(children[p], &st, WNOHANG) != 0) {
                status[p] = WIFEXITED(st) ? WEXITSTATUS(st) : 100;
                --running;
            }
        }
    }
    EXPECT_GT(looks, 10);
    EXPECT_EQ(torn, 0);
    for (int p = 0; p < kPlayers; ++p)
        EXPECT_EQ(status[p], 0) << "player " << p;

    // One more synchronisation of each, then everybody holds the best of every game.
    std::array<int, kGames + 1> best{};
    for (int p = 0; p < kPlayers; ++p) {
        std::istringstream wins(readAll(playerFolder(root, p) / "wins"));
        for (int g = 1; g <= kGames; ++g) {
            int points = 0;
            wins >> points;
            best[g] = std::max(best[g], points);
        }
    }
    int won = 0;
    for (int g = 1; g <= kGames; ++g) {
        won += best[g] != 0;
        EXPECT_EQ(store.points(g), best[g] ? best[g] : referenceRecords()[g - 1].points) << g;
    }
    for (int p = 0; p < kPlayers; ++p) {
        PlayerRig rig(playerFolder(root, p));
        EXPECT_EQ(rig.sync(store), SyncResult::Done);
        const StoreImages mine = rig.images();
        for (int g = 1; g <= kGames; ++g) {
            // Each best record came with its game, which proves it.
            EXPECT_TRUE(!best[g] || (rig.points(g) == best[g] &&
                                     provenRecord(mine.records, mine.archive, g - 1)))
                << "player " << p << " game " << g;
        }
    }
    EXPECT_GT(won, kGames / 2);
}

// One copy of the player's game writes a record in every odd game while another copy of the
// same account takes the store's records of the even games in: both are kept, each with its
// game.
TEST(SyncConcurrency, aMergeRacingARecordOfTheSameAccountKeepsBoth)
{
    TempDir scratch;
    const fs::path root = scratch.path();
    SharedRig shared(root / "var");
    PlayerRig player(root / "player");
    player.start();
    StoreImages store = emptyStore();
    for (int g = 2; g <= kGameCount; g += 2)
        putWonGame(store, g, 8900, "Store");
    shared.put(store);

    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        PosixFileSystem posix;
        GameCopy copy(posix, player.folder(), player.folder());
        bool all = true;
        for (int g = 1; g <= kGameCount; g += 2)
            all = copy.records.writeRecord(wonState(wonGame(g, 3, 40, 0, "Own", g), "Own"),
                                           GameSettings{}, false) &&
                  all;
        ::_exit(all ? 0 : 1);
    }
    int merges = 0;
    for (int g = 2; g <= kGameCount; g += 2) {
        // One game at a time, so the two copies interleave. A merge that found the folder
        // busy longer than the lock waits (a loaded machine) changed nothing: it is tried
        // again, as the player's next synchronisation would.
        for (int tries = 0; tries < 20 && player.sync(shared, g) == SyncResult::Busy; ++tries)
            ;
        ++merges;
    }
    int status = 0;
    ::waitpid(writer, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    const StoreImages mine = player.images();
    int lost = 0;
    for (int g = 1; g <= kGameCount; ++g) {
        const auto record = provenRecord(mine.records, mine.archive, g - 1);
        const int expected = g % 2 ? mostPointsFor(3, 40) : 8900;
        lost += record && record->points == expected ? 0 : 1;
    }
    EXPECT_EQ(lost, 0) << "records lost among " << kGameCount << " games, " << merges << " merges";
}

} // namespace
} // namespace mirvalon::test
