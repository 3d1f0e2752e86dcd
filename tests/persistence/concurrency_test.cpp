// SPDX-License-Identifier: GPL-3.0-or-later
// Real processes against one data folder: a writer killed with SIGKILL at random moments, two
// copies of the game of one account winning records at once, and another account swapping
// links in the shared folder while the folder set-up runs.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <grp.h>
#include <iostream>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "persistence/safe_file.h"
#include "player_rig.h"
#include "support/test_seed.h"

namespace mirvalon::test {
namespace {

using Clock = std::chrono::steady_clock;

// A copy of the game, as a child process, writing records, their games and the settings in
// a loop until it is killed or has written `records` of them.
[[noreturn]] void writeInChild(const std::string& data, const std::string& program,
                               const std::string& holder, int firstGame, int step, int records)
{
    PosixFileSystem fs;
    GameCopy copy(fs, data, program);
    RecordsStore& store = copy.records;
    int game = firstGame;
    for (int n = 0; n < records; ++n) {
        const int points = store.entry(game - 1).points + 1;
        if (!store.writeRecord(finishedGame(game, points, holder), copy.settings, n % 2 == 0))
            ::_exit(2);
        if (n % 4 == 0) {
            copy.settings.positions = 5 + n % 4;
            if (!copy.saveSettings(true))
                ::_exit(3);
        }
        game = 1 + (game - 1 + step) % kGameCount;
        // Even the quickest player needs a moment between two won games.
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ::_exit(0);
}

// What a start finds: every file loads, every record the writers set has its game.
void expectWholeFiles(const Player& account, const std::string& where)
{
    const std::string ldt = readBytes(account.data() + "/Mirvalon.ldt");
    const std::string lar = readBytes(account.data() + "/Mirvalon.lar");
    const std::string lcf = readBytes(account.data() + "/Mirvalon.lcf");
    EXPECT_TRUE(ldt.empty() || decodeRecordsFile(ldt).has_value()) << where;
    EXPECT_TRUE(lar.empty() || lar.size() == kArchiveFileSize) << where;
    EXPECT_TRUE(lcf.empty() || decodeSettings(lcf, GameSettings{}).badWords.empty()) << where;
    for (const std::string& name : listFolder(account.data()))
        ASSERT_TRUE(name.rfind(kTempPrefix, 0) != 0 && name != kCommitNoteName)
            << where << ": " << name << " left over";
}

TEST(KillTest, aWriterKilledAtRandomMomentsNeverLeavesARecordWithoutItsGame)
{
    const uint32_t seed = testSeed("kill test", 9u);
    std::mt19937 random(seed);
    Player account;
    account.start();
    const auto until = Clock::now() + std::chrono::seconds(6);
    int kills = 0, interrupted = 0, finished = 0;
    for (; kills < 400 && Clock::now() < until; ++kills) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            writeInChild(account.data(), account.program.path(), "Killer", 1 + kills % 192, 7,
                         1000000);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 12000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << status;
        for (const std::string& name : listFolder(account.data()))
            interrupted += name.rfind(kTempPrefix, 0) == 0 ? 1 : 0;
        finished += exists(account.data() + "/" + kCommitNoteName) ? 1 : 0;

        const RecordsTable table = account.start(); // the next start
        const std::string where =
            "seed " + std::to_string(seed) + ", kill " + std::to_string(kills);
        expectWholeFiles(account, where);
        for (const RecordEntry& e : table)
            ASSERT_EQ(e.archived, e.holder == "Killer    ")
                << where << ", game " << e.number << " (" << e.points << " points)";
    }
    std::cout << kills << " kills, " << interrupted << " temporary files and " << finished
              << " commit notes left for the next start\n";
    EXPECT_GE(kills, 100);
    EXPECT_GT(interrupted, 0); // the kills did land inside writes
}

TEST(TwoCopies, twoCopiesOfOneAccountWinningAtOnceLoseNoRecord)
{
    Player account;
    account.start();
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t children[2];
    for (int k = 0; k < 2; ++k) {
        children[k] = ::fork();
        ASSERT_GE(children[k], 0);
        if (children[k] == 0) {
            char go = 0;
            ::close(ready[1]);
            if (::read(ready[0], &go, 1) != 1)
                ::_exit(4);
            // Even games for one copy, odd ones for the other, each game once.
            writeInChild(account.data(), account.program.path(), k == 0 ? "Even" : "Odd", 1 + k, 2,
                         kGameCount / 2);
        }
    }
    ::close(ready[0]);
    ASSERT_EQ(::write(ready[1], "go", 2), 2); // both start now
    ::close(ready[1]);
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    const RecordsTable table = account.start();
    expectWholeFiles(account, "two copies");
    int lost = 0;
    for (const RecordEntry& e : table) {
        const std::string holder = e.number % 2 == 0 ? "Odd       " : "Even      ";
        lost += e.holder == holder && e.archived ? 0 : 1;
    }
    EXPECT_EQ(lost, 0) << "records of " << kGameCount << " games lost";
}

// Another account (nobody) swaps the shared folder and its Data subfolder for links to a
// private folder of the player while the player's game sets the shared folder up again and
// again: nothing outside the shared folder changes.
TEST(LinkRace, anotherAccountSwappingLinksCannotReachAPrivateFolder)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to run the attacker as the account nobody";
    TempDir root;
    ::chmod(root.path().c_str(), 0755);
    const std::string base = root.file("games");
    const std::string secret = root.file("private");
    ::mkdir(base.c_str(), 0755);
    ::mkdir(secret.c_str(), 0700);
    writeBytes(secret + "/mine", "private");
    ::chmod((secret + "/mine").c_str(), 0600);
    TempDir program, home;
    writeBytes(program.file("Mirvalon.ldt"), std::string(6528, 'r'));
    ::mkdir(program.file("Data").c_str(), 0755);
    writeBytes(program.file("Data/prva_hra.mvg"), "sample");
    PosixFileSystem files;
    Folders first(files, program.path(), home.path(), base);
    first.setUp();
    ASSERT_TRUE(first.sharedFolderReady());

    const pid_t attacker = ::fork();
    ASSERT_GE(attacker, 0);
    if (attacker == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(5);
        // Waits for the player's game to make a folder, and swaps it for a link at once:
        // a game that sets the mode of the new folder by its path then sets the private one's.
        const std::string folder = base + "/Orvex/Mirvalon.dat";
        for (unsigned n = 0;; ++n) {
            const std::string aside = base + "/Orvex/aside" + std::to_string(n);
            if (::rename(folder.c_str(), aside.c_str()) == 0) {
                // A lost race is the point: the result does not matter.
                [[maybe_unused]] const int swapped = ::symlink(secret.c_str(), folder.c_str());
                ::usleep(500);
                ::unlink(folder.c_str());
            }
            const std::string data = folder + "/Data";
            if (::rename(data.c_str(), (data + std::to_string(n)).c_str()) == 0) [[maybe_unused]]
                const int linked = ::symlink(secret.c_str(), data.c_str());
        }
    }
    int starts = 0, ready = 0;
    for (const auto until = Clock::now() + std::chrono::seconds(3); Clock::now() < until;
         ++starts) {
        // Only root writes in the base: the last start's folders are put aside whole, and the
        // next start makes them anew, which is when the race is open.
        ::rename((base + "/Orvex").c_str(), (base + "/old" + std::to_string(starts)).c_str());
        Folders folders(files, program.path(), home.path(), base);
        folders.setUp();
        ready += folders.sharedFolderReady() ? 1 : 0;
    }
    ::kill(attacker, SIGKILL);
    ::waitpid(attacker, nullptr, 0);
    std::cout << starts << " starts under attack, the shared folder ready in " << ready << "\n";

    struct stat st
    {
    };
    ASSERT_EQ(::stat(secret.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 0u);
    EXPECT_EQ(modeOf(secret), 0700u);
    EXPECT_EQ(listFolder(secret), std::vector<std::string>{"mine"});
    EXPECT_EQ(modeOf(secret + "/mine"), 0600u);
    EXPECT_EQ(readBytes(secret + "/mine"), "private");
    EXPECT_EQ(listFolder(root.path()).size(), 2u); // games and private, nothing more
    EXPECT_GT(starts, 20);
}

} // namespace
} // namespace mirvalon::test
