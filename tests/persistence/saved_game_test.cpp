// SPDX-License-Identifier: GPL-3.0-or-later
// Saved-game files: every field through the file and back, noise, and refusals of damaged
// files. (Seeded mutants of these files run with the other readers' in the mutation test.)
#include <gtest/gtest.h>

#include <cstdint>
#include <unistd.h>

#include "persistence/folders.h"
#include "persistence/saved_game.h"
#include "support/fake_persistence.h"

namespace mirvalon::test {
namespace {

// Game 25 is "511_AkNB": 5 positions, 11 pieces, random arrangement on.
SavedTask arrangedTask()
{
    SavedTask t = taskForGame(25);
    t.showTime = false;
    t.password = "Žltý kôň";
    t.authText = "Výborne, ďakujem!";
    t.hiddenRow = {3, 11, 4, 5, 9, 0, 0, 0};
    for (int k = 1; k <= 11; ++k)
        t.faces[k] = 100 + 37 * k;
    return t;
}

// Game 104 is "719_aknB": 7 positions, 19 pieces, no random arrangement.
SavedTask plainTask()
{
    SavedTask t = taskForGame(104);
    t.pieceColours = 1;
    t.hiddenRow = {19, 1, 2, 18, 7, 8, 9, 0};
    return t;
}

std::string encode(const SavedTask& task, uint32_t seed = 7)
{
    Random noise;
    noise.seed(seed);
    return encodeSavedGame(task, noise).value();
}

// The file's values, from the first of each value's two copies: read here independently of
// the game's reader.
std::vector<std::string> valuesOf(const std::string& bytes)
{
    std::vector<std::string> values;
    std::size_t pos = 0;
    for (int copy = 0; pos < bytes.size(); ++copy) {
        const std::size_t end = std::min(bytes.find('\0', pos), bytes.size());
        if (copy % 2 == 0)
            values.push_back(unscrambleCopy(bytes.substr(pos, end - pos), 1));
        pos = end + 1;
    }
    return values;
}

// The file of `values`, each in its two copies; the second copy of value `altered` has a "1"
// added.
std::string fileOf(const std::vector<std::string>& values, std::size_t altered = SIZE_MAX)
{
    std::string bytes;
    for (std::size_t i = 0; i < values.size(); ++i)
        bytes += scrambleCopy(values[i], 1) + '\0' +
                 scrambleCopy(values[i] + (i == altered ? "1" : ""), 2) + '\0';
    return bytes;
}

// Indexes (0-based) of the values in a file of arrangedTask(), as the layout lists them.
enum Value {
    GameNumber = 2,
    Colours = 3,
    Positions = 4,
    Pieces = 6,
    Arrangement = 7,
    ShowTime = 8,
    Password = 9,
    FirstPiece = 12, // after the noise before position 1
    SecondPiece = 13,
    FifthPiece = 17, // after the noise before position 5
    AuthText = 19,
    FirstFace = 21,  // after the noise before piece 1
    FourthFace = 25, // after the noise before piece 4
};

// Every field comes back; two saves of one task differ in their noise and open alike, and a
// password never stands in the file as it was typed.
TEST(SavedGame, everyFieldComesBackFromTheFile)
{
    SavedTask mix = arrangedTask();
    mix.pieceColours = 2;
    mix.showTime = true;
    for (int k = 2; k <= 11; k += 2)
        mix.faces[k] = 0;                 // the even pieces show a colour
    SavedTask game192 = taskForGame(192); // "825_aKNb": repetition allowed
    game192.hiddenRow = {25, 25, 25, 25, 1, 1, 1, 1};
    for (int k = 1; k <= 25; ++k)
        game192.faces[k] = 1000 - k;
    SavedTask noPassword = plainTask();
    noPassword.password.clear();
    SavedTask longest = plainTask();
    longest.password = "tajneheslotajneheslo";
    longest.authText = "Skvelé! Túto úlohu ste zvládli"; // 30 characters
    for (const SavedTask& task : {arrangedTask(), plainTask(), mix, game192, noPassword, longest}) {
        const std::string a = encode(task, 1), b = encode(task, 2);
        EXPECT_NE(a, b);
        EXPECT_EQ(decodeSavedGame(a), task) << task.gameNumber;
        EXPECT_EQ(decodeSavedGame(b), task) << task.gameNumber;
        // The last copy is read to the end of the file when its zero byte is missing.
        EXPECT_EQ(decodeSavedGame(a.substr(0, a.size() - 1)), task) << task.gameNumber;
        EXPECT_EQ(a.find("tajne"), std::string::npos);
    }
    // Without random arrangement no faces are stored: 11 values before the row, 7 pieces with
    // 2 noise values, 2 texts, then 11..35 noise.
    const std::size_t count = valuesOf(encode(plainTask())).size();
    EXPECT_GE(count, 11u + 9 + 2 + 11);
    EXPECT_LE(count, 11u + 9 + 2 + 35);
}

TEST(SavedGame, refusesAFileWhoseCheckedValueIsOutOfRange)
{
    const std::vector<std::string> valid = valuesOf(encode(arrangedTask()));
    ASSERT_EQ(fileOf(valid), encode(arrangedTask())); // both copies of every value agree
    ASSERT_EQ(valid[GameNumber], "25");
    struct Case
    {
        int index;
        const char* value;
    };
    const Case cases[] = {
        {GameNumber, "0"},       {GameNumber, "193"},
        {GameNumber, "26"}, // 26 has 19 pieces
        {GameNumber, "2 5"},     {GameNumber, "-25"},
        {GameNumber, ""},        {GameNumber, "4294967321"}, // 2^32 + 25 would wrap round to 25
        {Colours, "3"},          {Positions, "9"},
        {Positions, "6"},        {Pieces, "26"},
        {Pieces, "19"},          {Arrangement, "2"},
        {Arrangement, "0"},      {ShowTime, "2"},
        {FirstPiece, "0"},       {FirstPiece, "12"},
        {SecondPiece, "3"},      {FifthPiece, "x"},
        {FirstFace, "1000"},     {FirstFace, "0"},
        {FirstFace, "13:"},      {FourthFace, "137"}, // face of piece 1
        {AuthText, ""},          {Password, "123456789012345678901"},
        {Password, "tab\there"}, {AuthText, "tab\there"},
        {ShowTime, ""}, // an empty value is no 0
    };
    for (const Case& c : cases) {
        std::vector<std::string> values = valid;
        values[c.index] = c.value;
        EXPECT_FALSE(decodeSavedGame(fileOf(values)).has_value()) << c.index << " " << c.value;
    }
}

// Any value whose second copy differs from its first, the noise's among them, is refused.
TEST(SavedGame, refusesAnAlteredSecondCopy)
{
    for (const SavedTask& task : {arrangedTask(), plainTask()}) {
        const std::vector<std::string> values = valuesOf(encode(task));
        for (std::size_t altered = 0; altered < values.size(); ++altered)
            EXPECT_FALSE(decodeSavedGame(fileOf(values, altered)).has_value())
                << task.gameNumber << " " << altered;
    }
    // Nor is a file with a stray byte after its last value: that byte has no second copy.
    EXPECT_FALSE(decodeSavedGame(encode(plainTask()) + 'x').has_value());
}

TEST(SavedGame, readsAtMostABoundedFile)
{
    TempDir dir;
    PosixFileSystem fs;
    const std::string path = dir.file("velka.mvg");
    writeBytes(path, encode(plainTask()) + fileOf(std::vector<std::string>(20000, "7")));
    EXPECT_GT(readBytes(path).size(), kSavedGameLimit);
    EXPECT_FALSE(readSavedGame(fs, path).has_value());
    EXPECT_FALSE(readSavedGame(fs, dir.file("ziadna.mvg")).has_value());
    EXPECT_FALSE(readSavedGame(fs, dir.path()).has_value());
    writeBytes(dir.file("hra.mvg"), encode(plainTask())); // opened through a link as well
    ASSERT_EQ(::symlink(dir.file("hra.mvg").c_str(), dir.file("odkaz.mvg").c_str()), 0);
    EXPECT_EQ(readSavedGame(fs, dir.file("odkaz.mvg")), plainTask());
}

TEST(SavedGame, aFailedSaveKeepsTheEarlierFile)
{
    TempDir dir;
    const std::string path = dir.file("uloha.mvg");
    Random noise;
    PosixFileSystem real;
    ASSERT_TRUE(writeSavedGame(real, path, plainTask(), noise));
    const std::string earlier = readBytes(path);
    // A write failing half way (the other steps are the safe write's table), a read-only file.
    FaultyFileSystem full;
    full.failAt = WriteStep::Write;
    EXPECT_FALSE(writeSavedGame(full, path, arrangedTask(), noise));
    EXPECT_EQ(readBytes(path), earlier);
    EXPECT_EQ(listFolder(dir.path()), std::vector<std::string>{"uloha.mvg"});
    FaultyFileSystem readOnly;
    readOnly.readOnly.insert(path);
    EXPECT_FALSE(writeSavedGame(readOnly, path, arrangedTask(), noise));
    EXPECT_EQ(readBytes(path), earlier);

    SavedTask foreign = plainTask();
    foreign.password = "Ωmega"; // the code page has no Greek letters
    foreign.authText = "text";
    EXPECT_FALSE(writeSavedGame(real, path, foreign, noise));
    EXPECT_EQ(readBytes(path), earlier);
    ASSERT_TRUE(writeSavedGame(real, path, arrangedTask(), noise));
    EXPECT_EQ(readSavedGame(real, path), arrangedTask());
}

TEST(SavedGame, extensionIsTestedInUpperCaseAndNamesTheCaption)
{
    for (const char* saved : {"/d/prva_hra.mvg", "/d/HRA.MVG", "/d/hra.MvG", ".mvg"})
        EXPECT_TRUE(hasSavedGameExtension(saved)) << saved;
    for (const char* other : {"/d/hra.mvgx", "/d/hra.txt", "mvg", "/d/hra_mvg"})
        EXPECT_FALSE(hasSavedGameExtension(other)) << other;

    EXPECT_EQ(savedGameCaption("Mirvalon", "/home/hráč/Data/prvá_hra.mvg"),
              "Mirvalon         -  prvá_hra");
    const std::string caption = savedGameCaption("Mirvalon", "/d/" + std::string(40, 'x') + "ľ" +
                                                                 std::string(40, 'y') + ".MVG");
    EXPECT_EQ(caption, "Mirvalon         -  " + std::string(40, 'x') + "ľ" + std::string(9, 'y'));
}

TEST(SavedGame, theDeliveredSampleGamesOpen)
{
    PosixFileSystem fs;
    int guarded = 0;
    for (const char* name : kSampleGames) {
        const auto task = readSavedGame(fs, std::string(MIRVALON_SOURCE_DATA) + "/Data/" + name);
        ASSERT_TRUE(task.has_value()) << name;
        guarded += !task->password.empty();
    }
    EXPECT_EQ(guarded, 2); // the two championships
}

} // namespace
} // namespace mirvalon::test
