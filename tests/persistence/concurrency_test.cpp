// SPDX-License-Identifier: GPL-3.0-or-later
// Real processes against one data folder: another account swapping links in the shared folder
// while the folder set-up runs.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <grp.h>
#include <iostream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "player_rig.h"

namespace mirvalon::test {
namespace {

using Clock = std::chrono::steady_clock;

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

    struct stat st = {};
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
