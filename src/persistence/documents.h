// SPDX-License-Identifier: GPL-3.0-or-later
// The documents delivered in the program folder for the desktop's own viewers: the manual of
// the 192 games (PDF) and the reference text of commands and keys. The game never reads them;
// it checks that they are there and hands them to the shell's "open".
#pragma once

#include <string>

#include "file_system.h"

namespace mirvalon {

enum class Document {
    Manual,       // "Kombinácie hier"
    ReferenceText // "Referenčná príručka"
};

// The shell's "open": hands a file to the desktop's viewer and returns at once.
class DocumentOpener
{
public:
    virtual ~DocumentOpener() = default;
    // False when no viewer could be started for the file.
    virtual bool openFile(const std::string& path) = 0;
};

enum class OpenOutcome {
    Opened,
    Missing, // tell the player with missingDocumentMessage()
    NoViewer // tell the player with noViewerMessage()
};

// "Mirv_EN.pdf" / "Quick_EN.txt" for English (2), the Slovak file for any other language.
std::string documentFileName(Document document, int language);

// The information text the game shows in its own panel: "Mirv_EN.rtf" for English, else the
// Slovak one (a Czech player reads the Slovak text).
std::string informationTextFileName(int language);

// The message of the text table that says the document is missing: 13 or 18.
int missingDocumentMessage(Document document);

// The sentence for a document no viewer would take, in the language of the texts in use.
std::string noViewerMessage(const std::string& fileName, int language);

// Opens the document of `language` from the program folder. Nothing else changes: the data
// folder stays where every data file is written.
OpenOutcome openDocument(FileSystem& fs, const std::string& programFolder, Document document,
                         int language, DocumentOpener& opener);

} // namespace mirvalon
