// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "sync_rig.h"

namespace mirvalon::test {
namespace {

// Two players of one computer and the folder they share.
class SyncTest : public ::testing::Test
{
protected:
    SyncTest()
        : root(makeScratch("sync")), shared(makeSharedFolder(root / "var")), a(root / "a"),
          b(root / "b")
    {
        a.start();
        b.start();
    }
    ~SyncTest() override { fs::remove_all(root); }

    SyncResult sync(PlayerRig& player, int game = 0)
    {
        DescriptorFolder folder((root / "var").string(), kVendorFolder, kDataFolderName);
        Synchroniser s(folder, player.files(), port);
        return s.synchronise(game);
    }

    std::string slot(const fs::path& archive, int number)
    {
        return readAll(archive).substr(kArchiveSlotSize * (number - 1), kArchiveSlotSize);
    }

    fs::path root;
    fs::path shared;
    PlayerRig a;
    PlayerRig b;
    ManualSyncPort port;
};

TEST_F(SyncTest, recordAndItsGameReachTheOtherPlayer)
{
    a.win(5, 8000, "Anna");
    b.win(5, 7000, "Boris");
    const std::string aRecords = readAll(a.recordsPath());
    const std::string aArchive = readAll(a.archivePath());

    EXPECT_EQ(sync(a), SyncResult::Done); // seeds the shared folder
    EXPECT_EQ(sync(b), SyncResult::Done);

    const auto table = b.load();
    ASSERT_TRUE(table);
    EXPECT_EQ((*table)[4].points, 8000);
    EXPECT_EQ((*table)[4].holder, "Anna      ");
    EXPECT_EQ(slot(b.archivePath(), 5), slot(a.archivePath(), 5));
    EXPECT_EQ(b.reloads, 1);
    // A's files stay byte for byte what they were.
    EXPECT_EQ(sync(a), SyncResult::Done);
    EXPECT_EQ(readAll(a.recordsPath()), aRecords);
    EXPECT_EQ(readAll(a.archivePath()), aArchive);
}

TEST_F(SyncTest, decidesGameByGame)
{
    enum class Slot { Match, Missing, Damaged, OtherGame };
    struct Case
    {
        const char* what;
        int mine;
        bool mineArchived;
        int theirs;
        Slot theirSlot;
        Decision expected;
        int minePointsAfter;
        int sharedPointsAfter;
    };
    const Case cases[] = {
        {"better and archived goes out", 8000, true, 7000, Slot::Match, Decision::Export, 8000,
         8000},
        {"better but not archived stays", 8000, false, 7000, Slot::Match, Decision::None, 8000,
         7000},
        {"shared better comes in", 7000, true, 8000, Slot::Match, Decision::Import, 8000, 8000},
        {"shared without its game", 7000, true, 8000, Slot::Missing, Decision::None, 7000, 8000},
        {"shared with a damaged game", 7000, true, 8000, Slot::Damaged, Decision::None, 7000, 8000},
        {"shared slot of another game", 7000, true, 8000, Slot::OtherGame, Decision::None, 7000,
         8000},
        {"equal points change nothing", 7000, true, 7000, Slot::Match, Decision::None, 7000, 7000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlayerRig mine(root / "mine");
        PlayerRig other(root / "other");
        mine.start();
        other.start();
        mine.win(9, c.mine, "Mine", c.mineArchived);
        other.win(9, c.theirs, "Theirs");
        std::string archive = readAll(other.archivePath());
        const std::size_t at = kArchiveSlotSize * 8;
        if (c.theirSlot == Slot::Missing)
            archive[at] = 0;
        else if (c.theirSlot == Slot::Damaged)
            archive[at + 1 + 16] ^= 0x20; // first holder character
        else if (c.theirSlot == Slot::OtherGame) {
            // Game 10's record and slot moved into game 9's place.
            other.win(10, c.theirs, "Theirs");
            archive = readAll(other.archivePath());
            std::string records = readAll(other.recordsPath());
            records.replace(34 * 8, 34, records, 34 * 9, 34);
            archive.replace(at, kArchiveSlotSize, archive, at + kArchiveSlotSize, kArchiveSlotSize);
            writeAll(other.recordsPath(), records);
        }
        writeAll(other.archivePath(), archive);
        fs::copy_file(other.recordsPath(), shared / kRecordsFileName,
                      fs::copy_options::overwrite_existing);
        fs::copy_file(other.archivePath(), shared / kArchiveFileName,
                      fs::copy_options::overwrite_existing);

        DescriptorFolder folder((root / "var").string(), kVendorFolder, kDataFolderName);
        Synchroniser s(folder, mine.files(), port);
        EXPECT_EQ(s.synchronise(9), SyncResult::Done);
        EXPECT_EQ(s.decision(9), c.expected);
        EXPECT_EQ(mine.points(9), c.minePointsAfter);
        EXPECT_EQ(sharedPoints(shared, 9), c.sharedPointsAfter);
        fs::remove_all(root / "mine");
        fs::remove_all(root / "other");
    }
}

TEST_F(SyncTest, brokenSharedFilesAreReplacedByThePlayersOwn)
{
    const fs::path outside = root / "outside.ldt";
    struct Case
    {
        const char* what;
        std::function<void()> damage;
    };
    const Case cases[] = {
        {"no shared files", [] {}},
        {"records one byte short",
         [&] { writeAll(shared / kRecordsFileName, std::string(kRecordsFileSize - 1, '\0')); }},
        {"archive one byte long",
         [&] { writeAll(shared / kArchiveFileName, std::string(kArchiveFileSize + 1, '\0')); }},
        {"points above 9999",
         [&] {
             std::string r = readAll(a.recordsPath());
             putLE16(r, 34 * 40 + 14, 10000);
             writeAll(shared / kRecordsFileName, r);
         }},
        {"level out of bounds in a better record",
         [&] {
             std::string r = readAll(a.recordsPath());
             putLE16(r, 34 * 40 + 14, 9000);
             putLE16(r, 34 * 40 + 2, 14);
             writeAll(shared / kRecordsFileName, r);
         }},
        {"records a link to a file outside",
         [&] {
             writeAll(outside, std::string(kRecordsFileSize, 'x'));
             fs::remove(shared / kRecordsFileName);
             fs::create_symlink(outside, shared / kRecordsFileName);
         }},
        {"archive a pipe",
         [&] {
             fs::remove(shared / kArchiveFileName);
             ASSERT_EQ(::mkfifo((shared / kArchiveFileName).c_str(), 0666), 0);
         }},
        {"records a huge sparse file",
         [&] {
             const int fd = ::open((shared / kRecordsFileName).c_str(), O_CREAT | O_WRONLY, 0666);
             ASSERT_GE(fd, 0);
             ASSERT_EQ(::ftruncate(fd, 1LL << 32), 0);
             ::close(fd);
         }},
    };
    a.win(3, 9000, "Anna");
    const std::string records = readAll(a.recordsPath());
    const std::string archive = readAll(a.archivePath());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(shared);
        fs::create_directories(shared);
        writeAll(shared / kArchiveFileName, archive);
        writeAll(shared / kRecordsFileName, records);
        c.damage();
        EXPECT_EQ(sync(a), SyncResult::Done);
        EXPECT_FALSE(fs::is_symlink(shared / kRecordsFileName));
        EXPECT_EQ(readAll(shared / kRecordsFileName), records);
        EXPECT_EQ(readAll(shared / kArchiveFileName), archive);
        EXPECT_EQ(readAll(a.recordsPath()), records);
        EXPECT_EQ(readAll(a.archivePath()), archive);
    }
    if (fs::exists(outside)) {
        EXPECT_EQ(readAll(outside), std::string(kRecordsFileSize, 'x'));
    }
}

TEST_F(SyncTest, waitsForAFreshLockAndRemovesAStaleOne)
{
    struct Case
    {
        const char* what;
        double age;
        SyncResult expected;
        int sleeps;
        bool lockLeft;
    };
    const Case cases[] = {
        {"10 seconds old: 20 waits of 300 ms, then nothing", 10, SyncResult::Busy, 20, true},
        {"100 seconds old: removed when it turns stale while waited for", 100, SyncResult::Done, 13,
         false},
        {"2 minutes old: removed at once", 120, SyncResult::Done, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(shared / kRecordsFileName);
        writeAll(shared / kSyncLockName, "");
        FileStamp stamp;
        DescriptorFolder probe((root / "var").string(), kVendorFolder, kDataFolderName);
        ASSERT_TRUE(probe.open());
        ASSERT_TRUE(probe.stamp(kSyncLockName, stamp));
        port = ManualSyncPort();
        port.now = stamp.modified + c.age;
        EXPECT_EQ(sync(a), c.expected);
        EXPECT_EQ(port.sleeps, c.sleeps);
        EXPECT_DOUBLE_EQ(port.now, stamp.modified + c.age + c.sleeps * 0.3);
        EXPECT_EQ(fs::exists(shared / kSyncLockName), c.lockLeft);
        // Waiting in vain touches no file.
        EXPECT_EQ(fs::exists(shared / kRecordsFileName), !c.lockLeft);
        fs::remove(shared / kSyncLockName);
    }
}

TEST_F(SyncTest, aLockIsNeverLeftBehindAndNeverFollowed)
{
    const fs::path target = root / "elsewhere";
    fs::create_symlink(target, shared / kSyncLockName);
    port.now = 1e12; // the link is as stale as can be
    EXPECT_EQ(sync(a), SyncResult::Done);
    EXPECT_FALSE(fs::exists(target));
    EXPECT_FALSE(fs::exists(fs::symlink_status(shared / kSyncLockName)));
}

TEST_F(SyncTest, progressRunsThroughTheThreePhases)
{
    b.win(100, 9000, "Boris");
    ASSERT_EQ(sync(b), SyncResult::Done);
    port.bar.clear();
    ASSERT_EQ(sync(a), SyncResult::Done);
    // 192 steps of each phase, then the full bar.
    ASSERT_EQ(port.bar.size(), 3u * 192 + 1);
    EXPECT_EQ(port.bar[0], 0);
    EXPECT_EQ(port.bar[191], 9);
    EXPECT_EQ(port.bar[192], 9);
    EXPECT_EQ(port.bar[383], 68);
    EXPECT_EQ(port.bar[575], 97);
    EXPECT_EQ(port.bar.back(), 100);
    EXPECT_TRUE(std::is_sorted(port.bar.begin(), port.bar.end()));
    port.bar.clear();
    ASSERT_EQ(sync(a, 192), SyncResult::Done);
    EXPECT_EQ(port.bar, (std::vector<int>{9, 68, 97, 100}));
}

TEST_F(SyncTest, oneGameMergesOnlyThatGame)
{
    b.win(7, 9100, "Boris");
    b.win(8, 9200, "Boris");
    ASSERT_EQ(sync(b), SyncResult::Done);
    ASSERT_EQ(sync(a, 7), SyncResult::Done);
    EXPECT_EQ(a.points(7), 9100);
    EXPECT_EQ(a.points(8), 0);
}

TEST_F(SyncTest, aMergeThatCannotWriteLeavesThePlayersFilesAlone)
{
    b.win(11, 9100, "Boris");
    ASSERT_EQ(sync(b), SyncResult::Done);
    a.win(12, 9000, "Anna");
    const std::string records = readAll(a.recordsPath());
    const std::string archive = readAll(a.archivePath());
    // A records file the player marked read-only.
    fs::permissions(a.recordsPath(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(sync(a), SyncResult::Interrupted);
    EXPECT_EQ(readAll(a.recordsPath()), records);
    EXPECT_EQ(readAll(a.archivePath()), archive);
    EXPECT_EQ(a.reloads, 0);
    EXPECT_FALSE(fs::exists(shared / kSyncLockName));
}

TEST_F(SyncTest, unavailableWithoutARealSharedFolder)
{
    const fs::path real = root / "real";
    fs::create_directories(real);
    fs::remove_all(shared);
    fs::create_directory_symlink(real, shared);
    EXPECT_EQ(sync(a), SyncResult::Unavailable);
    EXPECT_TRUE(fs::is_empty(real));
    fs::remove(shared);
    EXPECT_EQ(sync(a), SyncResult::Unavailable);
}

TEST_F(SyncTest, writesLeftByAKilledCopyAreClearedOnceStale)
{
    const fs::path fresh = shared / ".Mirvalon-part-w-fresh";
    const fs::path old = shared / ".Mirvalon-part-w-old";
    writeAll(fresh, "x");
    writeAll(old, "x");
    FileStamp stamp;
    DescriptorFolder probe((root / "var").string(), kVendorFolder, kDataFolderName);
    ASSERT_TRUE(probe.open());
    ASSERT_TRUE(probe.stamp(".Mirvalon-part-w-old", stamp));
    port.now = stamp.modified + 50;
    ASSERT_EQ(sync(a), SyncResult::Done);
    EXPECT_TRUE(fs::exists(fresh));
    port.now = stamp.modified + 200;
    ASSERT_EQ(sync(a), SyncResult::Done);
    EXPECT_FALSE(fs::exists(old));
}

} // namespace
} // namespace mirvalon::test
