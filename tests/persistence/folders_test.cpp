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
    void deliver()
    {
        writeBytes(program.file("Mirvalon.ldt"), "delivered records");
        writeBytes(program.file("Mirvalon.lar"), "delivered archive");
        ::mkdir(program.file("Data").c_str(), 0755);
        writeBytes(program.file("Data/prva_hra.mvg"), "sample");
    }
};

TEST(Folders, firstStartSeedsTheDataFolderOnlyAndASecondStartKeepsTheUsersFiles)
{
    Rig rig;
    rig.deliver();
    {
        Folders folders(rig.fs, rig.program.path(), rig.user.path(), rig.shared.path());
        folders.setUp();
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
    struct stat st
    {
    };
    ASSERT_EQ(::stat(rig.common().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0755u);

    writeBytes(rig.data() + "/Mirvalon.ldt", "my records");
    writeBytes(rig.program.file("Mirvalon.lcf"), "delivered settings");
    Folders again(rig.fs, rig.program.path(), rig.user.path(), rig.shared.path());
    again.setUp();
    EXPECT_EQ(readBytes(rig.data() + "/Mirvalon.ldt"), "my records");
    EXPECT_EQ(readBytes(rig.data() + "/Mirvalon.lcf"), "delivered settings");
}

TEST(Folders, fallsBackToTheProgramFolderWhenTheUserFolderCannotBeMade)
{
    struct Case
    {
        const char* what;
        std::string userBase;
    };
    Rig rig;
    writeBytes(rig.user.file("Orvex"), "a file where the folder should be");
    const Case cases[] = {
        {"no base", ""},
        {"file in place of Orvex", rig.user.path()},
        {"base under a file", rig.user.path() + "/Orvex/share"},
    };
    for (const Case& c : cases) {
        Folders folders(rig.fs, rig.program.path(), c.userBase, rig.shared.path());
        folders.setUp();
        EXPECT_EQ(folders.dataFolder(), rig.program.path()) << c.what;
        EXPECT_FALSE(folders.sharedFolderReady()) << c.what;
    }
}

TEST(Folders, aNewAccountsMissingBaseIsMade)
{
    Rig rig;
    const std::string base = rig.user.path() + "/.local/share";
    Folders folders(rig.fs, rig.program.path(), base, rig.shared.path() + "/absent");
    folders.setUp();
    EXPECT_EQ(folders.dataFolder(), base + "/Orvex/Mirvalon.dat");
    EXPECT_TRUE(rig.fs.isDirectory(folders.dataFolder()));
    // The shared base belongs to the system: it is never made.
    EXPECT_FALSE(folders.sharedFolderReady());
    EXPECT_FALSE(exists(rig.shared.path() + "/absent"));
}

TEST(Folders, sharedFolderMustBeARealFolder)
{
    Rig rig;
    TempDir elsewhere;
    ASSERT_EQ(::symlink(elsewhere.path().c_str(), rig.shared.file("Orvex").c_str()), 0);
    Folders folders(rig.fs, rig.program.path(), rig.user.path(), rig.shared.path());
    folders.setUp();
    EXPECT_EQ(folders.dataFolder(), rig.data());
    EXPECT_FALSE(folders.sharedFolderReady());
    EXPECT_TRUE(listFolder(elsewhere.path()).empty());
}

TEST(Folders, aMissingProgramFolderStillGivesADataFolder)
{
    Rig rig;
    Folders folders(rig.fs, "/nonexistent/mirvalon", rig.user.path(), rig.shared.path());
    folders.setUp();
    EXPECT_EQ(folders.dataFolder(), rig.data());
    EXPECT_TRUE(folders.sharedFolderReady());
    // The sample games folder, and the lock file every copy of the game writes under.
    std::vector<std::string> names = listFolder(rig.data());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".mirvalon-lock", "Data"}));
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
    EXPECT_EQ(userDataBase("/x/data", "/home/a"), "/x/data");
    EXPECT_EQ(userDataBase("relative", "/home/a"), "/home/a/.local/share");
    EXPECT_EQ(userDataBase(nullptr, "/home/a"), "/home/a/.local/share");
    EXPECT_EQ(userDataBase(nullptr, nullptr), "");
}

} // namespace
} // namespace mirvalon::test
