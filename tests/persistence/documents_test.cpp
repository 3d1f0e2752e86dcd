// SPDX-License-Identifier: GPL-3.0-or-later
// The manual and the reference text: which file each language opens, what a missing file or
// a missing viewer gives, and the delivered reference texts against the menus' keys.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "persistence/documents.h"
#include "persistence/file_system.h"
#include "persistence/language_loader.h"
#include "support/fake_document_opener.h"
#include "support/fake_persistence.h"

using namespace mirvalon;
using namespace mirvalon::test;

// A missing file is the player's "missing" message, a missing viewer names the file in the
// player's language; a folder in place of the file counts as missing.
TEST(Documents, eachLanguageOpensItsFileOrTellsWhatIsWrong)
{
    struct Case
    {
        Document document;
        int language;
        bool present; // otherwise the manuals have a folder in their place
        bool viewer;
        const char* file;
        OpenOutcome outcome;
    };
    const Case cases[] = {
        {Document::Manual, 0, true, true, "Mirv_SK.pdf", OpenOutcome::Opened},
        {Document::Manual, 1, true, true, "Mirv_SK.pdf", OpenOutcome::Opened}, // Czech: Slovak
        {Document::Manual, 2, true, true, "Mirv_EN.pdf", OpenOutcome::Opened},
        {Document::Manual, 2, false, true, "Mirv_EN.pdf", OpenOutcome::Missing},
        {Document::Manual, 1, true, false, "Mirv_SK.pdf", OpenOutcome::NoViewer},
        {Document::ReferenceText, 0, true, true, "Quick_SK.txt", OpenOutcome::Opened},
        {Document::ReferenceText, 1, false, true, "Quick_SK.txt", OpenOutcome::Missing},
        {Document::ReferenceText, 2, true, true, "Quick_EN.txt", OpenOutcome::Opened},
        {Document::ReferenceText, 0, true, false, "Quick_SK.txt", OpenOutcome::NoViewer},
        {Document::ReferenceText, 2, true, false, "Quick_EN.txt", OpenOutcome::NoViewer},
    };
    const char* const warnings[] = {"Upozornenie!", "Upozornění!", "Warning!"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        TempDir program;
        PosixFileSystem fs;
        // The other language's file is always there: it must not stand in for this one.
        for (const char* other : {"Mirv_SK.pdf", "Mirv_EN.pdf", "Quick_SK.txt", "Quick_EN.txt"})
            if (std::string(other) != c.file)
                writeBytes(program.file(other), "x");
        if (c.present)
            writeBytes(program.file(c.file), std::string(20000, 'p'));
        else if (c.document == Document::Manual) {
            ASSERT_TRUE(fs.createDirectory(program.file(c.file), 0755));
        }
        FakeDocumentOpener opener;
        opener.viewerInstalled = c.viewer;
        EXPECT_EQ(documentFileName(c.document, c.language), c.file);
        EXPECT_EQ(openDocument(fs, program.path(), c.document, c.language, opener), c.outcome);
        EXPECT_EQ(opener.opened, c.present ? std::vector<std::string>{program.file(c.file)}
                                           : std::vector<std::string>{});
        const std::string text = noViewerMessage(c.file, c.language);
        EXPECT_EQ(text.rfind(warnings[c.language], 0), 0u) << text;
        EXPECT_NE(text.find(std::string("'") + c.file + "'"), std::string::npos) << text;
    }
    EXPECT_EQ(noViewerMessage("a", 7), noViewerMessage("a", 0));
    EXPECT_EQ(missingDocumentMessage(Document::Manual), 13);
    EXPECT_EQ(missingDocumentMessage(Document::ReferenceText), 18);
}

// The reference text lists every key of the menus (a key added to a menu without a line in
// the reference text is caught here), and, since keyboard play has no menu items, its own
// section names each key of it.
TEST(Documents, theReferenceTextsNameEveryKeyOfTheGame)
{
    const std::string data = MIRVALON_SOURCE_DATA;
    struct Case
    {
        int language;
        const char* heading;
        std::vector<const char*> keys;
    };
    const Case cases[] = {
        {0, "KLÁVESNICA\n", {"Tab ", "Šípky ", "Enter ", "Backspace ", "B ", "Medzerník "}},
        {2, "KEYBOARD\n", {"Tab ", "Arrow keys ", "Enter ", "Backspace ", "B ", "Space "}},
    };
    for (const Case& c : cases) {
        const std::string reference = documentFileName(Document::ReferenceText, c.language);
        SCOPED_TRACE(reference);
        const std::string lng = readBytes(data + "/" + languageFileName(c.language));
        const std::string text = readBytes(data + "/" + reference);
        ASSERT_FALSE(lng.empty() || text.empty());
        int shortcuts = 0;
        for (const std::string& line : splitLines(lng)) {
            const auto entry = parseLanguageLine(line);
            if (!entry || entry->code[0] != 1 || !entry->extra || entry->extra->empty())
                continue;
            ++shortcuts;
            const std::string key = *entry->extra;
            // "Ctrl+1" .. "Ctrl+4" are written as one range.
            const bool inRange = key.rfind("Ctrl+", 0) == 0 && key.size() == 6 && key[5] >= '1' &&
                                 key[5] <= '4' &&
                                 text.find("Ctrl+1 .. Ctrl+4") != std::string::npos;
            EXPECT_TRUE(inRange || text.find(key) != std::string::npos)
                << entry->text << " " << key;
        }
        EXPECT_GT(shortcuts, 25);
        const std::size_t from = text.find(c.heading);
        ASSERT_NE(from, std::string::npos);
        // The section ends at the next heading, two blank lines further on.
        const std::string section = text.substr(from, text.find("\n\n\n", from) - from);
        for (const char* key : c.keys)
            EXPECT_NE(section.find(std::string("\n  ") + key), std::string::npos) << key;
    }
}
