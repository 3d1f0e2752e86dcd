// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

#include "persistence/folders.h"
#include "persistence/safe_file.h"
#include "support/fake_persistence.h"

namespace mirvalon::test {
namespace {

struct Rig
{
    TempDir program, user, shared;
    PosixFileSystem fs;
    std::string data() const { return user.path() + "/Orvex/Mirvalon.dat"; }
    std::string common() const { return shared.path() + "/Orvex/Mirvalon.dat"; }
};

TEST(Folders, firstStartSeedsTheDataFolderOnlyAndASecondStartKeepsTheUsersFiles)
{
    Rig rig;
    writeBytes(rig.program.file("Mirvalon.ldt"), "delivered records");
    writeBytes(rig.program.file("Mirvalon.lar"), "delivered archive");
    ::mkdir(rig.program.file("Data").c_str(), 0755);
    writeBytes(rig.program.file("Data/prva_hra.mvg"), "sample");
    {
        Folders folders(rig.fs, rig.program.path(), rig.user.path(), rig.shared.path());
        folders.setUp();
        folders.copySampleGames();
        EXPECT_EQ(folders.dataFolder(), rig.data());
        EXPECT_EQ(folders.sharedFolder(), rig.common());
        EXPECT_TRUE(folders.sharedFolderReady());
    }
    EXPECT_EQ(readBytes(rig.data() + "/Mirvalon.ldt"), "delivered records");
    EXPECT_EQ(readBytes(rig.data() + "/Mirvalon.lar"), "delivered archive");
    EXPECT_FALSE(exists(rig.data() + "/Mirvalon.lcf")); // absent sources are skipped
    EXPECT_EQ(readBytes(rig.data() + "/Data/prva_hra.mvg"), "sample");
    EXPECT_FALSE(exists(rig.data() + "/Data/first_game.mvg"));
    // The shared folder holds the store alone, which only its writer makes; a folder the
    // game made is written by nobody else.
    EXPECT_TRUE(listFolder(rig.common()).empty());
    EXPECT_EQ(modeOf(rig.common()), 0755u);

    writeBytes(rig.data() + "/Mirvalon.ldt", "my records");
    writeBytes(rig.data() + "/Data/prva_hra.mvg", "my game");
    writeBytes(rig.program.file("Mirvalon.lcf"), "delivered settings");
    Folders again(rig.fs, rig.program.path(), rig.user.path(), rig.shared.path());
    again.setUp();
    again.copySampleGames();
    EXPECT_EQ(readBytes(rig.data() + "/Mirvalon.ldt"), "my records");
    EXPECT_EQ(readBytes(rig.data() + "/Data/prva_hra.mvg"), "my game");
    EXPECT_EQ(readBytes(rig.data() + "/Mirvalon.lcf"), "delivered settings");
}

// Where the data folder goes, and whether the shared folder is ready, when a folder is
// missing, cannot be made, or is a link.
TEST(Folders, fallsBackToWhatCanBeMadeAndNeverFollowsALinkedSharedFolder)
{
    Rig rig;
    TempDir blocked, blockedData, linked, elsewhere;
    writeBytes(blocked.file("Orvex"), "a file where the folder should be");
    ASSERT_EQ(::mkdir(blockedData.file("Orvex").c_str(), 0700), 0);
    writeBytes(blockedData.file("Orvex/Mirvalon.dat"), "a file where the data folder should be");
    ASSERT_EQ(::symlink(elsewhere.path().c_str(), linked.file("Orvex").c_str()), 0);
    const std::string program = rig.program.path(), user = rig.user.path();
    const std::string shared = rig.shared.path(), newBase = user + "/.local/share";
    struct Case
    {
        const char* what;
        std::string program, userBase, sharedBase, data;
        bool sharedReady;
    };
    const Case cases[] = {
        // The sample games folder and the lock file are made even so (below).
        {"no program folder", "/nonexistent/mirvalon", user, shared, rig.data(), true},
        {"no user base", program, "", shared, program, false},
        {"a file in place of Orvex", program, blocked.path(), shared, program, false},
        {"a base under a file", program, blocked.path() + "/Orvex/share", shared, program, false},
        {"a file in place of the data folder", program, blockedData.path(), shared, program, false},
        // The shared base belongs to the system: it is never made.
        {"a new account's base", program, newBase, shared + "/absent",
         newBase + "/Orvex/Mirvalon.dat", false},
        {"a linked shared folder", program, user, linked.path(), rig.data(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Folders folders(rig.fs, c.program, c.userBase, c.sharedBase);
        folders.setUp();
        folders.copySampleGames();
        EXPECT_EQ(folders.dataFolder(), c.data);
        EXPECT_TRUE(rig.fs.isDirectory(c.data));
        EXPECT_EQ(folders.sharedFolderReady(), c.sharedReady);
        if (c.program != program) {
            std::vector<std::string> names = listFolder(rig.data());
            std::sort(names.begin(), names.end());
            EXPECT_EQ(names, (std::vector<std::string>{".mirvalon-lock", "Data"}));
        }
    }
    EXPECT_FALSE(exists(shared + "/absent"));
    EXPECT_TRUE(listFolder(elsewhere.path()).empty());
}

TEST(Folders, findsTheProgramFolderAndTheUserBase)
{
    Rig rig;
    // Any one delivered file marks the program's own folder, the Slovak one missing or not.
    writeBytes(rig.program.file("Mirv_EN.lng"), "x");
    EXPECT_EQ(findProgramFolder(rig.fs, rig.program.file("mirvalon")), rig.program.path());
    EXPECT_EQ(findProgramFolder(rig.fs, rig.shared.file("mirvalon")),
              parentFolder(rig.shared.path()) + "/share/games/mirvalon");
    EXPECT_EQ(findProgramFolder(rig.fs, "/usr/games/mirvalon"), "/usr/share/games/mirvalon");
    EXPECT_EQ(findProgramFolder(rig.fs, "/mirvalon"), "/share/games/mirvalon");
    EXPECT_EQ(userDataBase("/x/data", "/home/a"), "/x/data");
    EXPECT_EQ(userDataBase("relative", "/home/a"), "/home/a/.local/share");
    EXPECT_EQ(userDataBase(nullptr, "/home/a"), "/home/a/.local/share");
    EXPECT_EQ(userDataBase(nullptr, nullptr), "");
}

} // namespace
} // namespace mirvalon::test
