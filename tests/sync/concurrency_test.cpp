// SPDX-License-Identifier: GPL-3.0-or-later
// A merge racing a record another copy of the same account writes loses neither.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "persistence/player_rig.h"
#include "sync_rig.h"

namespace mirvalon::test {
namespace {

// One copy of the player's game writes a record in every odd game while another copy of the
// same account takes the store's records of the even games in: both are kept, each with its
// game.
TEST(SyncConcurrency, aMergeRacingARecordOfTheSameAccountKeepsBoth)
{
    TempDir scratch;
    const fs::path root = scratch.path();
    SharedRig shared(root / "var");
    PlayerRig player(root / "player");
    player.putWon();
    StoreImages store = emptyStore();
    for (int g = 2; g <= kGameCount; g += 2)
        putWonGame(store, g, 8900, "Store");
    shared.put(store);

    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        PosixFileSystem posix;
        GameCopy copy(posix, player.folder(), player.folder());
        // A write that found the folder busy longer than the lock waits is tried again, as
        // the merges below are.
        bool all = true;
        for (int g = 1; g <= kGameCount; g += 2) {
            const GameState won = wonState(wonGame(g, 3, 40, 0, "Own", g), "Own");
            bool written = false;
            for (int tries = 0; tries < 20 && !written; ++tries)
                written = copy.records.writeRecord(won, GameSettings{}, false);
            all = written && all;
        }
        ::_exit(all ? 0 : 1);
    }
    for (int g = 2; g <= kGameCount; g += 2) {
        // One game at a time, so the two copies interleave. A merge that found the folder
        // busy longer than the lock waits (a loaded machine) changed nothing: it is tried
        // again, as the player's next synchronisation would.
        for (int tries = 0; tries < 20 && player.sync(shared, g) == SyncResult::Busy; ++tries)
            ;
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
    EXPECT_EQ(lost, 0) << "records lost among " << kGameCount << " games";
}

} // namespace
} // namespace mirvalon::test
