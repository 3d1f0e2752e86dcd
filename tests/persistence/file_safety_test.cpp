// SPDX-License-Identifier: GPL-3.0-or-later
// The files layer when things go wrong: a copy of the game killed between any two steps, files
// left behind, a folder another copy keeps locked, another copy's better record, and the
// player's umask.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include "persistence/folder_file_system.h"
#include "persistence/safe_file.h"
#include "player_rig.h"

namespace mirvalon::test {
namespace {

// Killed after every possible number of steps of writing a record: the next start sees the
// record and its game both old or both new, and nothing left over. A records file the player
// linked into another folder cannot share the archive's commit: there the game is written
// first, so a record never goes ahead of its game.
TEST(KilledWriter, aRecordAndItsGameCommitTogetherAfterAKillAtAnyStep)
{
    for (bool linked : {false, true}) {
        int steps = 0;
        for (bool finished = false; !finished; ++steps) {
            SCOPED_TRACE((linked ? "linked, killed after " : "killed after ") +
                         std::to_string(steps));
            Player player;
            if (linked) {
                const std::string ldt = player.data() + "/Mirvalon.ldt";
                writeBytes(ldt, *encodeRecordsFile(referenceRecords()));
                becomeLink(ldt);
            }
            bool firstWritten = false;
            {
                FaultyFileSystem dying;
                dying.stepsLeft = steps;
                GameCopy copy(dying, player.data(), player.program.path());
                firstWritten = copy.win(2, 9000, "Eva");
                ASSERT_TRUE(firstWritten || dying.died());
                // A first record: then a better one over it, with the first one's game archived.
                ASSERT_TRUE(copy.win(2, 9100, "Ivan") || dying.died());
                finished = !dying.died();
            }
            EXPECT_TRUE(!finished || !leftovers(player.data())); // a finished commit tidies up
            const RecordEntry e = player.start()[1];
            EXPECT_FALSE(leftovers(player.data()));
            EXPECT_TRUE(e.points == 0 || e.points == 9000 || e.points == 9100) << e.points;
            if (linked)
                EXPECT_TRUE(e.points == 0 || e.archived || (firstWritten && e.points == 9000));
            else
                EXPECT_EQ(e.archived, e.points != 0);
        }
        EXPECT_GT(steps, 10);
    }
}

// A note that is not exactly what the game writes is not followed at all, and what a killed
// copy left is removed; a well-formed note is finished (the killed writer's test above).
TEST(StartUp, removesWhatAKilledCopyLeftAndOnlyThat)
{
    Player player;
    const std::string data = player.data();
    writeBytes(data + "/Mirvalon.ldt", "records");
    writeBytes(data + "/.mirvalon-write-Ab3dE9", std::string(50000, 'x'));
    writeBytes(data + "/.mirvalon-write-zz", "");
    writeBytes(data + "/notes.txt", "the player's own");
    writeBytes(player.home.file("victim"), "untouched");
    const std::string head = "mirvalon-commit 1\n";
    const std::string notes[] = {
        head + "../../victim .mirvalon-write-zz\n",               // a file outside the folder
        head + "Mirvalon.ldt\nMirvalon.ldt .mirvalon-write-zz\n", // a line without its blank
        head + ".Mirvalon.ldt .mirvalon-write-zz\n",              // a hidden name
        head + "Mirvalon.ldt notes.txt\n",                        // not a temporary file
        "mirvalon-commit 2\nMirvalon.ldt .mirvalon-write-zz\n",   // another version's note
    };
    for (const std::string& note : notes) {
        SCOPED_TRACE(note);
        writeBytes(data + "/.mirvalon-write-zz", "temporary");
        writeBytes(data + "/.mirvalon-commit", note);
        player.start();
        EXPECT_FALSE(leftovers(data));
        EXPECT_EQ(readBytes(data + "/Mirvalon.ldt"), "records");
        EXPECT_EQ(readBytes(data + "/notes.txt"), "the player's own");
        EXPECT_EQ(readBytes(player.home.file("victim")), "untouched");
        EXPECT_FALSE(exists(data + "/.Mirvalon.ldt"));
    }
}

TEST(FolderLock, aFolderAnotherCopyKeepsLockedIsReportedAndNothingChanges)
{
    Player player;
    GameCopy copy(player.fs, player.data(), player.program.path());
    ASSERT_TRUE(copy.win(5, 8000, "Eva"));
    const std::string before = readBytes(player.data() + "/Mirvalon.ldt");
    copy.dialogs.messages.clear();
    {
        FolderLock other(player.fs, player.data());
        ASSERT_TRUE(other.held());
        player.fs.waitForLocks = false;
        player.fs.lockWaits.clear();
        EXPECT_FALSE(copy.win(6, 8000, "Eva"));
        EXPECT_FALSE(copy.records.deleteRecord(4));
        EXPECT_FALSE(copy.saveSettings());
        // Each waited as long as another copy needs to finish its write.
        EXPECT_EQ(player.fs.lockWaits, std::vector<int>(3, kLockWaitMilliseconds));
    }
    EXPECT_EQ(copy.dialogs.messages, (std::vector<int>{2, 9, 12}));
    EXPECT_EQ(readBytes(player.data() + "/Mirvalon.ldt"), before);
    EXPECT_EQ(copy.records.entry(5).points, 7800); // the reference record stays
    EXPECT_FALSE(exists(player.data() + "/Mirvalon.lcf"));
    // Once the other copy is done, writing works again.
    EXPECT_TRUE(copy.win(6, 8000, "Eva"));
}

// A better or equal record that another copy of the game wrote since this one started stays.
TEST(RecordsFile, aBetterRecordOfAnotherCopyIsKept)
{
    for (int points : {9000, 9500}) {
        SCOPED_TRACE(points);
        Player player;
        GameCopy copyA(player.fs, player.data(), player.program.path());
        GameCopy copyB(player.fs, player.data(), player.program.path());
        ASSERT_TRUE(copyA.win(7, 9500, "Eva"));
        if (points == 9500) // its game has gone since: the record stays, without its mark
            writeBytes(player.data() + "/Mirvalon.lar", std::string(113664, '\0'));
        ASSERT_TRUE(copyB.win(7, points, "Ivan"));
        const RecordsTable next = player.start();
        EXPECT_EQ(std::tuple(next[6].points, next[6].holder, next[6].archived),
                  std::tuple(9500, "Eva       ", points == 9000));
        EXPECT_EQ(copyB.records.entry(6), next[6]); // the running copy shows it alike
    }
}

// Whatever the player's umask, the game's folders are 0700 and its files 0600.
TEST(Modes, thePlayersFilesAreTheirsAloneAndARewrittenFileKeepsItsMode)
{
    for (const mode_t umask : {077, 022, 002, 0}) {
        const mode_t before = ::umask(umask);
        Player player;
        GameCopy copy(player.fs, player.data(), player.program.path());
        ASSERT_TRUE(copy.win(3, 9000, "Eva"));
        ASSERT_TRUE(copy.saveSettings(true));
        for (const std::string& folder :
             {player.home.path() + "/Orvex", player.data(), player.data() + "/Data"})
            EXPECT_EQ(modeOf(folder), 0700u) << folder << " " << umask;
        for (const char* name : {"Mirvalon.ldt", "Mirvalon.lar", "Mirvalon.lcf", ".mirvalon-lock"})
            EXPECT_EQ(modeOf(player.data() + "/" + name), 0600u) << name << " " << umask;

        // The player chose a mode for a file: a rewrite keeps it, whatever the umask says.
        ::chmod((player.data() + "/Mirvalon.ldt").c_str(), 0640);
        ::umask(0);
        ASSERT_TRUE(copy.win(3, 9100, "Eva"));
        EXPECT_EQ(modeOf(player.data() + "/Mirvalon.ldt"), 0640u);
        EXPECT_EQ(modeOf(player.data() + "/Mirvalon.lar"), 0600u);
        ::umask(before);
    }
}

// In the shared folder every name is reached through the folder's descriptor: links, second
// names of other files and paths leading elsewhere read as missing and are never written.
TEST(SharedFolder, readsAndWritesOnlyItsOwnEntries)
{
    TempDir base, elsewhere;
    writeBytes(elsewhere.file("private"), "private");
    const auto vendor = FolderFileSystem::openBase(base.path());
    ASSERT_TRUE(vendor);
    const auto shared = vendor->subfolder("Orvex", true);
    ASSERT_TRUE(shared);
    EXPECT_EQ(modeOf(base.file("Orvex")), kMadeFolderMode);
    const std::string folder = shared->path();
    writeBytes(folder + "/Mirvalon.ldt", "records");
    ASSERT_EQ(::symlink(elsewhere.file("private").c_str(), (folder + "/link").c_str()), 0);
    ASSERT_EQ(::link(elsewhere.file("private").c_str(), (folder + "/second").c_str()), 0);
    ::mkfifo((folder + "/fifo").c_str(), 0666);
    ASSERT_EQ(::symlink(elsewhere.path().c_str(), base.file("Linked").c_str()), 0);
    const std::pair<std::string, ReadStatus> cases[] = {
        {folder + "/Mirvalon.ldt", ReadStatus::Ok},
        {"Mirvalon.ldt", ReadStatus::Ok},
        {folder + "/link", ReadStatus::Missing},
        {folder + "/second", ReadStatus::Missing},
        {folder + "/fifo", ReadStatus::Missing},
        {folder + "/../Orvex/Mirvalon.ldt", ReadStatus::Missing},
        {elsewhere.file("private"), ReadStatus::Missing},
    };
    for (const auto& [path, status] : cases)
        EXPECT_EQ(shared->readFile(path, 100, true).status, status) << path;

    EXPECT_FALSE(writeFileSafely(*shared, elsewhere.file("private"), "x"));
    EXPECT_TRUE(writeFileSafely(*shared, folder + "/link", "shared"));
    EXPECT_EQ(readBytes(elsewhere.file("private")), "private"); // the link was replaced
    EXPECT_EQ(readBytes(folder + "/link"), "shared");
    EXPECT_EQ(modeOf(folder + "/link"), kPrivateFileMode); // the link lent it no mode
    for (const char* outside : {"..", "../", "Linked"})
        EXPECT_FALSE(vendor->subfolder(outside, true)) << outside;
}

// Fills `folder`'s file system until at most `leave` bytes are free; false when it cannot.
bool fillUntil(const std::string& folder, std::size_t leave, int part)
{
    struct statvfs st = {};
    if (::statvfs(folder.c_str(), &st) != 0)
        return false;
    const std::size_t free = st.f_bavail * st.f_frsize;
    const int fd = ::open((folder + "/filler" + std::to_string(part)).c_str(),
                          O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const std::string page(4096, 'f');
    for (std::size_t written = 0; fd >= 0 && written + leave < free; written += page.size())
        if (::write(fd, page.data(), page.size()) != static_cast<ssize_t>(page.size()))
            break;
    return fd >= 0 && ::close(fd) == 0;
}

// What the child found, for its exit status.
int fullDiskRun(const std::string& mountPoint)
{
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=256k,mode=0700") != 0)
        return 77;
    PosixFileSystem fs;
    const std::string data = mountPoint + "/data";
    ::mkdir(data.c_str(), 0700);
    GameCopy copy(fs, data, mountPoint);
    std::vector<std::string> full;
    copy.records.setDiskFullNote([&full](const std::string& file) { full.push_back(file); });
    const auto file = [&data](const char* name) { return readBytes(data + "/" + name); };
    if (!copy.win(2, 8000, "Eva") || !copy.records.entry(1).archived)
        return 10;
    const std::string archive = file("Mirvalon.lar");

    // Room for a records file, none for an archive: the record is kept without its game.
    if (!fillUntil(data, 40 * 1024, 1) || !copy.win(3, 8000, "Eva"))
        return 11;
    if (copy.dialogs.messages != std::vector<int>{3} || copy.records.entry(2).archived ||
        file("Mirvalon.lar") != archive)
        return 12;
    const std::string records = file("Mirvalon.ldt");
    if (!decodeRecordsFile(records) || (*decodeRecordsFile(records))[2].points != 8000)
        return 13;

    // No room at all: the player hears that the disk is full, and both files stay whole.
    if (!fillUntil(data, 0, 2) || copy.win(4, 8000, "Eva"))
        return 14;
    if (full != std::vector<std::string>{"Mirvalon.ldt"} ||
        copy.dialogs.messages != std::vector<int>{3} || file("Mirvalon.ldt") != records ||
        file("Mirvalon.lar") != archive)
        return 15;
    return 0;
}

// A nearly full disk costs a record only its game, and a full one is named as such; a small
// file system of its own is mounted for this, in a private mount namespace.
TEST(FullDisk, aRecordIsKeptWithoutItsGameAndAFullDiskIsNamed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to mount a small file system";
    TempDir point;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(fullDiskRun(point.path()));
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "a small file system could not be mounted here";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the step that failed (see fullDiskRun)";
}

// A records file the player linked into another folder (a backed-up one, say) is written
// where the link leads (the damaged-files table in the synchronisation tests and the killed
// writer above see that), but a link that leads nowhere is not replaced.
TEST(Links, aLinkThatLeadsNowhereIsNotReplaced)
{
    Player player;
    TempDir backup;
    const std::string ldt = player.data() + "/Mirvalon.ldt";
    const std::string kept = backup.file("Mirvalon.ldt");
    ::unlink(ldt.c_str());
    ASSERT_EQ(::symlink(kept.c_str(), ldt.c_str()), 0);
    GameCopy copy(player.fs, player.data(), player.program.path());
    EXPECT_FALSE(copy.win(4, 9000, "Eva"));
    EXPECT_EQ(player.fs.kind(ldt), PathKind::Other);
    EXPECT_FALSE(exists(kept));
}

} // namespace
} // namespace mirvalon::test
