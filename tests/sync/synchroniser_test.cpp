// SPDX-License-Identifier: GPL-3.0-or-later
// Records travel between players through the shared store with their games, game by game,
// and only when the archived game proves them; the store is written only by the writer.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "sync_rig.h"

namespace mirvalon::test {
namespace {

class SyncTest : public ::testing::Test
{
protected:
    SyncTest() : root(scratch.path()), shared(root / "var"), a(root / "a") { a.putWon(); }

    TempDir scratch;
    fs::path root;
    SharedRig shared;
    PlayerRig a;
    PosixFileSystem posix;
};

// What is in the store, what the player has, and what one merge of game 7 decides. Which
// damage a record game proves nothing with is the record check's table (and the writer's);
// one such record here is enough to see that the merge does not believe it.
TEST_F(SyncTest, decidesGameByGameAndBelievesOnlyProvenRecords)
{
    struct Case
    {
        const char* what;
        int storeWins, myWins;            // points of a won game 7 in the store and at home
        bool myArchived, storePegChanged; // the first peg of row 1 in the store's game
        Decision decision;
    };
    const Case cases[] = {
        {"mine better and archived goes out", 6000, 8000, true, false, Decision::Export},
        {"mine better but not archived stays home", 6000, 8000, false, false, Decision::None},
        {"the store's better record comes in", 8000, 6000, true, false, Decision::Import},
        {"one peg changed in the store's game: not believed, and beaten by mine", 8000, 6000, true,
         true, Decision::Export},
        {"equal points change nothing", 7000, 7000, true, false, Decision::None},
    };
    for (const Case& c : cases) {
        StoreImages store = emptyStore(), mine = emptyStore();
        putWonGame(store, 7, c.storeWins, "Store");
        putWonGame(mine, 7, c.myWins, "Mine", c.myArchived);
        if (c.storePegChanged)
            store.archive[kArchiveSlotSize * 6 + 350] ^= 0x01;
        shared.put(store);
        a.put(mine);
        const StoreImages myBefore = a.images();
        Synchroniser sync(posix, a.folder(), shared.folder(), shared.writer);
        EXPECT_EQ(sync.synchronise(7, referenceRecords()), SyncResult::Done) << c.what;
        EXPECT_EQ(sync.decision(7), c.decision) << c.what;
        // A record travels with its points, holder and game, byte for byte; nothing else
        // changes, not even the holder of an equal record.
        EXPECT_EQ(a.images(), c.decision == Decision::Import ? store : myBefore) << c.what;
        EXPECT_EQ(shared.images(), c.decision == Decision::Export ? myBefore : store) << c.what;
    }
}

TEST_F(SyncTest, oneGameMergesOnlyThatGame)
{
    shared.putWon({2, 4}, 9000);
    a.putWon({3, 5, 7, 8}, 8000, "Anna");
    ASSERT_EQ(a.sync(shared, 3), SyncResult::Done);
    // The player's game 5 stays home, and the store's better records of 2 and 4 stay there.
    EXPECT_EQ(std::tuple(shared.points(3), shared.points(5), a.points(2), a.points(4)),
              std::tuple(8000, 0, 0, 0));
    ASSERT_EQ(a.sync(shared, 7), SyncResult::Done); // the player's game beside it stays too
    EXPECT_EQ(std::pair(shared.points(7), shared.points(8)), std::pair(8000, 0));
}

// A records file or archive the player's account cannot read is not the merge's to replace,
// even with a better record waiting in the store; a records file it cannot write is left as it
// was too, and so is a data folder another copy of the player's game holds (the merge is busy).
TEST_F(SyncTest, aDataFolderThatCannotBeReadOrWrittenOrIsHeldIsLeftAlone)
{
    shared.putWon({2}, 9000);
    const StoreImages before = a.images();
    for (const std::string what :
         {"held", "records unreadable", "archive unreadable", "read-only"}) {
        SCOPED_TRACE(what);
        FaultyFileSystem files;
        files.waitForLocks = false;
        std::optional<FolderLock> other;
        if (what == "held")
            ASSERT_TRUE(other.emplace(files, a.folder()).held());
        else if (what == "records unreadable")
            files.unreadable.insert(a.recordsPath().string());
        else if (what == "archive unreadable")
            files.unreadable.insert(a.archivePath().string());
        else
            fs::permissions(a.recordsPath(), fs::perms::owner_read); // the last: it stays
        EXPECT_EQ(a.sync(shared, 0, &files), other ? SyncResult::Busy : SyncResult::Interrupted);
        EXPECT_EQ(a.images(), before);
    }
}

TEST_F(SyncTest, aStoreOfTheWrongSizeIsRepairedInPlaceByTheWriter)
{
    a.putWon({9}, 8000, "Anna");
    for (const std::string& broken : {std::string(), std::string(100, 'x')}) {
        writeBytes(shared.recordsPath(), broken);
        writeBytes(shared.archivePath(), broken + "y");
        ASSERT_EQ(a.sync(shared), SyncResult::Done);
        EXPECT_EQ(shared.images().archive.size(), kArchiveFileSize);
        EXPECT_EQ(shared.points(9), 8000); // -1 for a records file of the wrong size
        EXPECT_EQ(shared.points(1), 8779); // the reference records start a store
    }
}

// Another account plants a pipe, or a second link to a file of its own, where a store file
// belongs: the writer opens neither, and the file linked to stays as it was.
TEST_F(SyncTest, aPipeOrASecondLinkInPlaceOfAStoreFileIsRefused)
{
    a.putWon({3}, 8000, "Anna");
    const fs::path theirs = root / "theirs";
    for (const char* name : {kRecordsFileName, kArchiveFileName, kStoreLockName}) {
        for (bool pipe : {true, false}) {
            SCOPED_TRACE(std::string(name) + (pipe ? ", a pipe" : ", a second link"));
            fs::remove_all(shared.folder());
            fs::create_directories(shared.folder());
            writeBytes(theirs, "theirs");
            const fs::path planted = shared.folder() / name;
            ASSERT_EQ(pipe ? ::mkfifo(planted.c_str(), 0666)
                           : ::link(theirs.c_str(), planted.c_str()),
                      0);
            EXPECT_NE(a.sync(shared), SyncResult::Done);
            EXPECT_EQ(readBytes(theirs), "theirs");
        }
    }
}

// Another copy holds the store's lock: the writer gives up after its 20 waits, and what came
// in from the store is kept meanwhile.
TEST_F(SyncTest, aLockHeldElsewhereMakesTheWriterGiveUp)
{
    shared.putWon({2}, 9000);
    writeBytes(shared.folder() / kStoreLockName, "");
    a.putWon({3}, 8000, "Anna");
    const int held = ::open((shared.folder() / kStoreLockName).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    EXPECT_EQ(a.sync(shared), SyncResult::Busy);
    ::close(held);
    EXPECT_EQ(a.points(2), 9000);
    EXPECT_EQ(shared.points(3), referenceRecords()[2].points);
    EXPECT_EQ(a.sync(shared), SyncResult::Done);
    EXPECT_EQ(shared.points(3), 8000);
}

TEST_F(SyncTest, withoutTheWriterOrTheStoreNothingIsWritten)
{
    a.putWon({3}, 8000, "Anna");
    ProcessStoreWriter missing((root / "no-such-writer").string(), shared.folder());
    Synchroniser sync(posix, a.folder(), shared.folder(), missing);
    EXPECT_EQ(sync.synchronise(0, referenceRecords()), SyncResult::Unavailable);
    EXPECT_FALSE(fs::exists(shared.recordsPath()));
    Synchroniser nowhere(posix, a.folder(), "", shared.writer);
    EXPECT_EQ(nowhere.synchronise(0, referenceRecords()), SyncResult::Unavailable);
}

// A merge killed after any number of its steps on disk: once the next start has recovered the
// folder, each of the player's records is proven by its own game, the one brought in or the
// one before. (The writer's side is the store writer's table.)
TEST_F(SyncTest, aMergeKilledAtAnyStepLeavesEveryRecordWithItsOwnGame)
{
    shared.putWon({7}, 9000);
    int steps = 0;
    for (bool finished = false; !finished; ++steps) {
        SCOPED_TRACE("killed after " + std::to_string(steps));
        a.putWon({3, 7}, 8000, "Anna");
        FaultyFileSystem dying;
        dying.stepsLeft = steps;
        a.sync(shared, 0, &dying);
        finished = !dying.died();
        recoverFolder(posix, a.folder());
        const StoreImages mine = a.images();
        for (int game : {3, 7})
            EXPECT_TRUE(provenRecord(mine.records, mine.archive, game - 1)) << "game " << game;
        EXPECT_TRUE(a.points(7) == 8000 || a.points(7) == 9000) << a.points(7);
    }
    EXPECT_EQ(a.points(7), 9000);
    EXPECT_GT(steps, 3);
}

} // namespace
} // namespace mirvalon::test
