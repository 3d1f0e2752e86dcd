// SPDX-License-Identifier: GPL-3.0-or-later
// A copy of the game killed at any moment of a synchronisation leaves every file whole: the
// player's records and archive and the shared ones load, and the next synchronisation, once
// the dead copy's lock is stale, completes.
#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

#include "sync_rig.h"

namespace mirvalon::test {
namespace {

constexpr int kKills = 300;
constexpr double kLater = 200; // seconds: a lock left by the killed copy is stale by then

[[noreturn]] void syncForever(const fs::path& root, unsigned seed)
{
    std::mt19937 random(seed);
    PlayerRig players[] = {PlayerRig(root / "a"), PlayerRig(root / "b")};
    ManualSyncPort port;
    port.realClock = true;
    port.now = kLater;
    DescriptorFolder folder((root / "var").string(), kVendorFolder, kDataFolderName);
    for (;;) {
        PlayerRig& player = players[random() % 2];
        const int game = 1 + static_cast<int>(random() % kGameCount);
        const int points = player.points(game);
        if (points >= 0 && points < 9999)
            player.win(game, std::min(9999, points + 1 + static_cast<int>(random() % 500)), "K");
        Synchroniser sync(folder, player.files(), port);
        sync.synchronise(random() % 3 ? 0 : game);
    }
}

// Whole and loading, or (for the shared files before the first merge) not there at all.
::testing::AssertionResult whole(const fs::path& records, const fs::path& archive,
                                 bool mayBeMissing)
{
    const std::string r = readAll(records);
    const std::string a = readAll(archive);
    if (mayBeMissing && !fs::exists(records) && !fs::exists(archive))
        return ::testing::AssertionSuccess();
    if (!decodeRecordsFile(r))
        return ::testing::AssertionFailure() << records << " does not load (" << r.size() << ")";
    if (a.size() != kArchiveFileSize)
        return ::testing::AssertionFailure() << archive << " has " << a.size() << " bytes";
    return ::testing::AssertionSuccess();
}

TEST(SyncKill, everyFileIsWholeAfterAKillAtAnyMoment)
{
    const unsigned seed = std::random_device{}();
    std::cout << "seed " << seed << "\n";
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const fs::path root = makeScratch("kill");
    const fs::path shared = makeSharedFolder(root / "var");
    PlayerRig a(root / "a");
    PlayerRig b(root / "b");
    a.start();
    b.start();
    ManualSyncPort later;
    later.realClock = true;
    later.now = kLater;
    DescriptorFolder folder((root / "var").string(), kVendorFolder, kDataFolderName);

    for (int kill = 0; kill < kKills; ++kill) {
        const unsigned childSeed = static_cast<unsigned>(random());
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0)
            syncForever(root, childSeed);
        ::usleep(static_cast<useconds_t>(random() % 20000));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "kill " << kill;

        ASSERT_TRUE(whole(a.recordsPath(), a.archivePath(), false)) << "kill " << kill;
        ASSERT_TRUE(whole(b.recordsPath(), b.archivePath(), false)) << "kill " << kill;
        ASSERT_TRUE(whole(shared / kRecordsFileName, shared / kArchiveFileName, true))
            << "kill " << kill;
        Synchroniser sync(folder, (kill % 2 ? a : b).files(), later);
        ASSERT_EQ(sync.synchronise(0), SyncResult::Done) << "kill " << kill;
        ASSERT_TRUE(whole(shared / kRecordsFileName, shared / kArchiveFileName, false));
    }
    // The temporary files of the killed copies are cleared once stale.
    later.now = kLater + 1000;
    Synchroniser sync(folder, a.files(), later);
    EXPECT_EQ(sync.synchronise(0), SyncResult::Done);
    int leftovers = 0;
    for (const auto& entry : fs::directory_iterator(shared))
        leftovers += entry.path().filename().string().rfind(".Mirvalon-part-", 0) == 0;
    EXPECT_EQ(leftovers, 0);
    fs::remove_all(root);
}

} // namespace
} // namespace mirvalon::test
