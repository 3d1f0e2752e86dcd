// SPDX-License-Identifier: GPL-3.0-or-later
// A copy of the game and its writer killed at any moment of a synchronisation: the player's
// files are whole once the next start has recovered the folder, the store loads, and no
// record is paired with a game that does not prove it.
#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

#include "support/test_seed.h"
#include "sync_rig.h"

namespace mirvalon::test {
namespace {

constexpr int kKills = 200;

[[noreturn]] void syncForever(const fs::path& root, unsigned seed)
{
    ::setpgid(0, 0); // the writers it starts die with it
    std::mt19937 random(seed);
    SharedRig shared(root / "var");
    PlayerRig players[] = {PlayerRig(root / "a"), PlayerRig(root / "b")};
    for (;;) {
        PlayerRig& player = players[random() % 2];
        std::vector<int> games;
        for (int k = 0; k < 12; ++k)
            games.push_back(1 + static_cast<int>(random() % kGameCount));
        player.winEach(games, 1000 + static_cast<int>(random() % 8000), "K");
        player.sync(shared, random() % 3 ? 0 : games.front());
    }
}

// Every slot of the images is what it was at the start (no record) or a record that its game
// proves; a record that matches its slot but is not proven by it is a pairing gone wrong.
::testing::AssertionResult believable(const StoreImages& images, const char* whose)
{
    if (!decodeRecordsFile(images.records) || images.archive.size() != kArchiveFileSize)
        return ::testing::AssertionFailure() << whose << " files are not whole";
    const RecordsTable reference = referenceRecords();
    for (int i = 0; i < kGameCount; ++i) {
        RecordEntry record = decodeRecordSlot(images.records, kRecordSlotSize * i);
        if (record.points == reference[i].points)
            continue;
        const bool matches = matchArchiveSlot(images.archive, i, record) == SlotMatch::Match;
        if (matches && !provenRecord(images.records, images.archive, i))
            return ::testing::AssertionFailure() << whose << " game " << i + 1 << " is unproven";
    }
    return ::testing::AssertionSuccess();
}

TEST(SyncKill, aKillAtAnyMomentLeavesEveryRecordWithItsOwnGame)
{
    const unsigned seed = testSeed("kill", 53u);
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    TempDir scratch;
    const fs::path root = scratch.path();
    SharedRig shared(root / "var");
    PlayerRig a(root / "a");
    PlayerRig b(root / "b");
    a.start();
    b.start();
    PosixFileSystem posix;

    int written = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const unsigned childSeed = static_cast<unsigned>(random());
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0)
            syncForever(root, childSeed);
        ::setpgid(pid, pid);
        ::usleep(static_cast<useconds_t>(random() % 30000));
        ::kill(-pid, SIGKILL);
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "kill " << kill;
        // What the next start of each player does first.
        for (PlayerRig* player : {&a, &b}) {
            FolderLock lock(posix, player->folder());
            recoverFolder(posix, player->folder());
        }
        ASSERT_TRUE(believable(a.images(), "a")) << "kill " << kill;
        ASSERT_TRUE(believable(b.images(), "b")) << "kill " << kill;
        // The store changes size only when the writer first makes it.
        const StoreImages store = shared.images();
        if (store.records.size() == kRecordsFileSize && store.archive.size() == kArchiveFileSize) {
            ASSERT_TRUE(believable(store, "the store")) << "kill " << kill;
            written += store != emptyStore() ? 1 : 0;
        }
        ASSERT_NE((kill % 2 ? a : b).sync(shared), SyncResult::Interrupted) << "kill " << kill;
    }
    EXPECT_GT(written, kKills / 2);
}

} // namespace
} // namespace mirvalon::test
