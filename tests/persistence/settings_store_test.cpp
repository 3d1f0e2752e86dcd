// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "persistence/byte_order.h"
#include "persistence/settings_store.h"
#include "support/fake_persistence.h"
#include "support/fake_ports.h"

namespace mirvalon::test {
namespace {

using Words = std::array<int32_t, 60>;

// The defaults as the configuration file holds them, word by word: words 1..7, then the
// flags from word 8; the rest are zeros. Each change is a word index (0-based) and its value.
Words defaultWords(const std::vector<std::pair<int, int32_t>>& changes = {})
{
    Words w = {7, 19, 1, 1, 2, 0, 1, 0, 1, 0, 1, 1, 1, 1, 1, 1, 1};
    for (const auto& [k, v] : changes)
        w[k] = v;
    return w;
}

std::string image(const Words& w)
{
    std::string bytes(4 * w.size(), '\0');
    for (std::size_t k = 0; k < w.size(); ++k)
        putLE32(bytes, 4 * k, w[k]);
    return bytes;
}

struct Rig
{
    TempDir dir;
    FaultyFileSystem fs;
    ScriptedDialogs dialogs;
    SettingsStore store{fs, dialogs, dir.path()};
    std::string file() const { return dir.file("Mirvalon.lcf"); }
};

TEST(SettingsFile, readsEveryWordInItsPlace)
{
    // Word 18 is the reserved flag; word 25, a reserved word, is not looked at; words 47..53
    // are the third favourite.
    const std::vector<std::pair<int, int32_t>> changes = {
        {0, 5},  {1, 25}, {4, -1},   {5, 2},  {6, 2},  {17, 1}, {24, 123456}, {31, 3},
        {46, 1}, {47, 2}, {48, 104}, {49, 1}, {50, 3}, {51, 1}, {52, 0}};
    Words w = defaultWords(changes);
    const SettingsImage read = decodeSettings(image(w), GameSettings{});
    ASSERT_TRUE(read.badWords.empty());
    GameSettings expected{.positions = 5,
                          .pieceCount = 25,
                          .environment = -1,
                          .language = 2,
                          .gameType = 2,
                          .reservedFlag = true,
                          .activeFavourite = 3};
    expected.favourites[2] = FavouriteSlot{true, 2, 104, 1, 3, true, false};
    EXPECT_EQ(read.settings, expected);
    // Written back, the reserved words come out as zeros and everything else as it was.
    w[24] = 0;
    EXPECT_EQ(encodeSettings(expected), image(w));
    // So does every flag the other way round.
    for (int k = 7; k < 24; ++k)
        w[k] = 1 - w[k];
    EXPECT_EQ(encodeSettings(decodeSettings(image(w), GameSettings{}).settings), image(w));
}

TEST(SettingsFile, seesEveryBadWordInOnePass)
{
    struct Case
    {
        const char* what;
        std::vector<std::pair<int, int32_t>> damage;
        std::vector<int> bad;
    };
    const Case cases[] = {
        {"positions 4", {{0, 4}}, {1}},
        {"pieces 20", {{1, 20}}, {2}},
        {"form 3", {{2, 3}}, {3}},
        {"colours -1", {{3, -1}}, {4}},
        {"environment -2", {{4, -2}}, {5}},
        {"language 4", {{5, 4}}, {6}},
        {"game type 0", {{6, 0}}, {7}},
        {"a flag of 2", {{15, 2}}, {16}},
        {"three at once", {{0, 9}, {7, -1}, {23, 7}}, {1, 8, 24}},
        {"slot in use with game type 7", {{32, 1}, {33, 7}}, {34}},
        {"slot in use with game type 0", {{32, 1}, {33, 0}}, {34}},
        {"slot in use of 2", {{39, 2}}, {40}},
        {"slot show time of 5", {{37, 5}}, {38}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeSettings(image(defaultWords(c.damage)), GameSettings{}).badWords, c.bad)
            << c.what;
    // A slot not in use may hold anything in its game type; language 3 names none but passes.
    const Words unused = defaultWords({{33, 7}, {5, 3}});
    EXPECT_TRUE(decodeSettings(image(unused), GameSettings{}).badWords.empty());
}

TEST(SettingsStore, damagedFilesGiveMessage7AndNothing)
{
    // Which words are bad is the table above; one of them is enough here.
    const std::string valid = image(defaultWords());
    const std::pair<const char*, std::string> files[] = {
        {"239 bytes", valid.substr(0, 239)},
        {"241 bytes", valid + "x"},
        {"empty", ""},
        {"zeros", std::string(240, '\0')},
    };
    for (const auto& [what, bytes] : files) {
        Rig rig;
        writeBytes(rig.file(), bytes);
        EXPECT_FALSE(rig.store.loadSettings(GameSettings{})) << what;
        EXPECT_EQ(rig.dialogs.messages, std::vector<int>{7}) << what;
        EXPECT_EQ(readBytes(rig.file()), bytes) << what; // reading never changes the file
    }
    Rig missing; // is silent
    EXPECT_FALSE(missing.store.loadSettings(GameSettings{}));
    EXPECT_TRUE(missing.dialogs.messages.empty());
    Rig folder; // in the file's place is damage
    ::mkdir(folder.file().c_str(), 0755);
    EXPECT_FALSE(folder.store.loadSettings(GameSettings{}));
    EXPECT_EQ(folder.dialogs.messages, std::vector<int>{7});
}

TEST(SettingsStore, savingRoundTripsAndReportsOnlyWhenAsked)
{
    Rig rig;
    GameSettings saved{.positions = 6, .reservedFlag = true};
    saved.favourites[3] = FavouriteSlot{true, 1, 7, 2, 0, false, true};
    ASSERT_TRUE(rig.store.saveSettings(saved));
    EXPECT_EQ(rig.dialogs.messages, std::vector<int>{11});
    ASSERT_TRUE(rig.store.saveSettings(saved, true));
    EXPECT_EQ(rig.dialogs.messages, std::vector<int>{11});
    // The fields the file does not hold come from the base the game passes.
    const GameSettings base{.loadedLanguage = 2};
    saved.loadedLanguage = 2;
    EXPECT_EQ(rig.store.loadSettings(base), saved);
}

// A write that fails (each of its steps fails alike: the safe write's own table), a file
// marked read-only, and a folder or a pipe in the file's place: the old file stays and the
// player is told, also when the game ends.
TEST(SettingsStore, failedSaveKeepsTheOldFileAndSaysSo)
{
    for (const std::string spoil : {"write", "read-only", "folder", "pipe"}) {
        for (bool ending : {false, true}) {
            Rig rig;
            const bool file = spoil == "write" || spoil == "read-only";
            const std::string old = file ? image(defaultWords()) : "";
            if (file)
                writeBytes(rig.file(), old);
            else if (spoil == "folder")
                ::mkdir(rig.file().c_str(), 0755);
            else
                ::mkfifo(rig.file().c_str(), 0600);
            rig.fs.failAt = spoil == "write" ? WriteStep::Write : WriteStep::None;
            if (spoil == "read-only")
                rig.fs.readOnly.insert(rig.file());
            const GameSettings five{.positions = 5};
            EXPECT_FALSE(rig.store.saveSettings(five, ending)) << spoil;
            EXPECT_EQ(rig.dialogs.messages, std::vector<int>{12}) << spoil;
            EXPECT_EQ(readBytes(rig.file()), old) << spoil;
        }
    }
}

} // namespace
} // namespace mirvalon::test
