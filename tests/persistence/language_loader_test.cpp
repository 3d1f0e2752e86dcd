// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sys/stat.h>

#include "persistence/cp1250.h"
#include "persistence/language_loader.h"
#include "support/fake_persistence.h"

namespace mirvalon::test {
namespace {

// The texts a language file can replace in the game's own table.
auto replaceable(const TextTable& t)
{
    return std::tie(t.messages, t.questionTexts, t.questionCaptions, t.recordIntro,
                    t.untimedStatusText);
}

struct Rig
{
    explicit Rig(std::string folder = {}) : program(folder) {}
    TempDir dir;
    std::string program;
    PosixFileSystem fs;
    TextTable texts = TextTable::builtIn();
    FakeLanguageTargets targets;
    FakePlainMessages messages;
    LanguageLoader loader{fs, program.empty() ? dir.path() : program, texts, targets, messages};
};

// A file of `count` lines: the given entries first, then comments.
std::string languageFile(const std::vector<std::string>& entries, int count)
{
    std::string bytes;
    for (int k = 0; k < count; ++k) {
        const std::string line =
            k < static_cast<int>(entries.size()) ? entries[k] : "comment " + std::to_string(k);
        bytes += *utf8ToCp1250(line) + "\r\n";
    }
    return bytes;
}

TEST(LanguageLine, cutsCodesTextAndExtra)
{
    struct Case
    {
        const char* line;
        std::array<int, 6> code;
        std::string text;
        std::optional<std::string> extra;
    };
    const Case cases[] = {
        {"<A20xxx \"Word/ntwo words\"", {10, 2, 0, -1, -1, -1}, "Word\ntwo words", std::nullopt},
        {"<10317x    \"Save//Ctrl+S\"", {1, 0, 3, 1, 7, -1}, "Save", "Ctrl+S"},
        {"<20Ixxx \"4//Hint\"", {2, 0, 18, -1, -1, -1}, "4", "Hint"},
        {"<400xxx \"\"", {4, 0, 0, -1, -1, -1}, "", std::nullopt},
        {"<A2Jxxx \"100 %% sure\"", {10, 2, 19, -1, -1, -1}, "100 %% sure", std::nullopt},
        {"<5214xx \"Marks//\"", {5, 2, 1, 4, -1, -1}, "Marks", ""},
    };
    for (const Case& c : cases) {
        const auto e = parseLanguageLine(*utf8ToCp1250(c.line));
        ASSERT_TRUE(e) << c.line;
        EXPECT_EQ(std::tie(e->code, e->text, e->extra), std::tie(c.code, c.text, c.extra))
            << c.line;
    }
    for (const char* notEntries : {"comment \"quoted\"", "<A20xxx no quote at all", "<A2", ""})
        EXPECT_FALSE(parseLanguageLine(notEntries)) << notEntries;
    EXPECT_EQ(parseLanguageLine("<A20xxx \"\xBC\xBE\"")->text, "Ľľ"); // CP1250 bytes become UTF-8
}

// Where each delivered entry goes is the delivered files' test below; here, the entries
// that name nothing (no index, an index beyond its controls, no kind, no quote) change
// nothing, beside ones at the last index that exists.
TEST(LanguageLoader, appliesEntriesToTheirTargetsAndIgnoresTheRest)
{
    Rig rig;
    const std::vector<std::string> entries = {
        "<A20xxx \"One/ntwo three\"",     // message 0
        "<A2xxxx \"skipped\"",            // no index: names no message
        "<A2Kxxx \"skipped\"",            // message 20 does not exist
        "<A113xx \"Care\"",               // question caption 3
        "<A125xx \"Leave?\"",             // question text 5
        "<A02xxx \"! Time !\"",           // untimed status text
        "<710xxx \"Game %i, %i points\"", // record intro
        "<40Exxx \"beyond the panels\"",  // status panel 14 does not exist
        "<917xxx \"beyond the columns\"", // column 7 does not exist
        "<119xxx \"beyond the context menu\"",
        "<105xxx \"beyond the top-level menus\"",
        "<20Jxxx \"beyond the buttons\"",
        "<0xxxxx \"kind 0\"",
        "<8xxxxx \"kind 8\"",
        "<Dxxxxx \"kind 13\"",
        "<xxxxxx \"no kind\"",
        "<3017xx  no quote",
        "<10317x \"Save settings//Ctrl+S\"",
        "<611xxx \"Version  1.7\"", // lblVerzia
        "<612xxx \"no such label\"",
        "<720xxx \"Cancel\"", // Storno of the new-record dialog
        "<721xxx \"no such button\"",
        "<B31xxx \"no such button\"",
        "<541xxx \"no such button\"",
        "<A116xx \"beyond the questions\"", // last, over what would lie behind them
        "<A126xx \"beyond the questions\"",
    };
    writeBytes(rig.dir.file("Mirv_EN.lng"), languageFile(entries, 191));
    ASSERT_TRUE(rig.loader.loadLanguage(2));
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(rig.loader.language(), 2);
    EXPECT_TRUE(rig.loader.loadLanguage(3)); // names no language: the one in use again
    TextTable expected = TextTable::builtIn();
    expected.messages[0] = "One\ntwo three";
    expected.questionCaptions[3] = "  Care";
    expected.questionTexts[5] = "  Leave?  ";
    expected.untimedStatusText = "! Time !";
    expected.recordIntro = "Game %i, %i points";
    EXPECT_EQ(replaceable(rig.texts), replaceable(expected));
    EXPECT_EQ(rig.targets.texts, (std::map<std::string, std::string>{
                                     {"untimed", "! Time !"},
                                     {"menu 3.1.7", "Save settings"},
                                     {"menu 3.1.7 //", "Ctrl+S"},
                                     {"dialog 6.1.1.-1", "Version  1.7"},
                                     {"dialog 7.2.0.-1", "Cancel"},
                                 }));
}

// Texts from a language file fill only the conversions they are meant to; any other is shown
// as it stands, and a message stops at 255 characters, never inside a letter.
TEST(Messages, onlyTheConversionsOfEachTextAreFilled)
{
    const std::string a254(254, 'a');
    EXPECT_EQ(formatMessage("row %i of %s, 100%%", 7, "Eva"), "row 7 of Eva, 100%");
    EXPECT_EQ(formatMessage("%i and %i, %x, %", 7, "Eva"), "7 and %i, %x, %");
    EXPECT_EQ(formatMessage(a254 + "éé", 0, ""), a254 + "é");
    EXPECT_EQ(formatRecordIntro("Game %i: %i points %s %i", 12, 9000),
              "Game 12: 9000 points %s %i");
}

TEST(LanguageLoader, refusesShortOrMissingFilesInBothLanguages)
{
    struct Case
    {
        const char* what;
        int lines; // -1: no file, -2: a folder in its place
        int language;
        int loaded;
        const char* message;
    };
    const Case cases[] = {
        {"190 lines", 190, 2, 0,
         "Nastala chyba pri čítaní zo súboru - Mirv_EN.lng!\n\n--------\n\n"
         "Error while reading the file - Mirv_EN.lng!"},
        {"no file", -1, 1, 2,
         "Could not open the file - Mirv_CZ.lng!\n\n--------\n\n"
         "Nepodařilo se otevřít soubor - Mirv_CZ.lng!"},
        {"no Slovak file", -1, 0, 2,
         "Could not open the file - Mirv_SK.lng!\n\n--------\n\n"
         "Nepodarilo sa otvoriť súbor - Mirv_SK.lng!"},
        {"a folder", -2, 2, 0,
         "Nepodarilo sa otvoriť súbor - Mirv_EN.lng!\n\n--------\n\n"
         "Could not open the file - Mirv_EN.lng!"},
    };
    for (const Case& c : cases) {
        Rig rig;
        const std::string file = rig.dir.file(languageFileName(c.language));
        if (c.lines >= 0)
            writeBytes(file, languageFile({"<A20xxx \"changed\""}, c.lines));
        if (c.lines == -2)
            ::mkdir(file.c_str(), 0755);
        if (c.loaded != 0) {
            writeBytes(rig.dir.file(languageFileName(c.loaded)), languageFile({}, 191));
            ASSERT_TRUE(rig.loader.loadLanguage(c.loaded)) << c.what;
        }
        EXPECT_FALSE(rig.loader.loadLanguage(c.language)) << c.what;
        EXPECT_EQ(rig.messages.shown, std::vector<std::string>{c.message}) << c.what;
        // This run keeps what is loaded and does not ask for the refused file again on its own.
        EXPECT_EQ(rig.loader.language(), c.loaded) << c.what;
        EXPECT_TRUE(rig.loader.refusedBefore(c.language)) << c.what;
        EXPECT_FALSE(rig.loader.refusedBefore(c.loaded)) << c.what;
        EXPECT_EQ(rig.texts.messages[0], TextTable::builtIn().messages[0]) << c.what;
        // Once the file is whole, it loads and stands refused no more, also through a link.
        std::filesystem::remove_all(file);
        writeBytes(rig.dir.file("whole.lng"), languageFile({}, 191));
        std::filesystem::create_symlink(rig.dir.file("whole.lng"), file);
        ASSERT_TRUE(rig.loader.loadLanguage(c.language)) << c.what;
        EXPECT_FALSE(rig.loader.refusedBefore(c.language)) << c.what;
    }
}

// Every text a loaded language hands to the window and to the game, one "key<TAB>text" line
// each, line breaks written as \n.
std::string loadedTexts(const Rig& rig)
{
    std::map<std::string, std::string> all = rig.targets.texts;
    const TextTable& t = rig.texts;
    for (int k = 0; k < kMessageCount; ++k)
        all["message " + std::to_string(k)] = t.messages[k];
    for (int k = 0; k < kQuestionCount; ++k) {
        all["question " + std::to_string(k)] = t.questionTexts[k];
        all["question caption " + std::to_string(k)] = t.questionCaptions[k];
    }
    all["record intro"] = t.recordIntro;
    std::string lines;
    for (const auto& [key, text] : all) {
        lines += key + '\t';
        for (char c : text)
            lines += c == '\n' ? std::string("\\n") : std::string(1, c);
        lines += '\n';
    }
    return lines;
}

// The delivered files: each loads, has its CR LF lines, and hands every control, message and
// question the text kept beside it in tests/data/language (written again with
// MIRVALON_WRITE_EXPECTED=1 after a deliberate change of a file or of where a text goes).
TEST(LanguageFiles, eachDeliveredFileGivesEveryTextItsPlace)
{
    for (int language = 0; language <= 2; ++language) {
        const std::string name = languageFileName(language);
        const std::string bytes = readBytes(std::string(MIRVALON_SOURCE_DATA) + "/" + name);
        const auto lines = splitLines(bytes);
        for (std::size_t k = 0; k < lines.size(); ++k)
            EXPECT_NE(bytes.find(lines[k] + "\r\n"), std::string::npos) << name << " line " << k;

        Rig rig(MIRVALON_SOURCE_DATA);
        rig.texts = TextTable{};
        ASSERT_TRUE(rig.loader.loadLanguage(language)) << name;
        const std::string expectedFile =
            std::string(MIRVALON_TEST_DATA) + "/language/" + name + ".texts";
        if (std::getenv("MIRVALON_WRITE_EXPECTED"))
            writeBytes(expectedFile, loadedTexts(rig));
        EXPECT_EQ(loadedTexts(rig), readBytes(expectedFile)) << name;
        if (language == 0) {
            // The Slovak file holds exactly the built-in texts; questions gain their blanks.
            TextTable builtIn = TextTable::builtIn();
            for (std::string& question : builtIn.questionTexts)
                question = "  " + question;
            EXPECT_EQ(replaceable(rig.texts), replaceable(builtIn));
        }
    }
}

} // namespace
} // namespace mirvalon::test
