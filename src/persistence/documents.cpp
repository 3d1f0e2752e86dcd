// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents.h"

#include "engine/game_settings.h"
#include "engine/messages.h"
#include "safe_file.h"

namespace mirvalon {

std::string documentFileName(Document document, int language)
{
    const bool english = language == English;
    if (document == Document::Manual)
        return english ? "Mirv_EN.pdf" : "Mirv_SK.pdf";
    return english ? "Quick_EN.txt" : "Quick_SK.txt";
}

std::string informationTextFileName(int language)
{
    return language == English ? "Mirv_EN.rtf" : "Mirv_SK.rtf";
}

int missingDocumentMessage(Document document)
{
    return document == Document::Manual ? Message::ManualMissing : Message::ReferenceMissing;
}

std::string noViewerMessage(const std::string& fileName, int language)
{
    static const char* const kSentences[3][2] = {
        {"Upozornenie!\n\nSúbor '", "' nie je možné otvoriť!\nNie je nainštalovaný program, "
                                    "ktorý ho zobrazí."},
        {"Upozornění!\n\nSoubor '", "' není možné otevřít!\nNení nainstalován program, "
                                    "který ho zobrazí."},
        {"Warning!\n\nThe file '", "' cannot be opened!\nNo program to show it is installed."}};
    const int l = languageOrSlovak(language);
    return kSentences[l][0] + fileName + kSentences[l][1];
}

OpenOutcome openDocument(FileSystem& fs, const std::string& programFolder, Document document,
                         int language, DocumentOpener& opener)
{
    const std::string path = joinPath(programFolder, documentFileName(document, language));
    // Reading one byte is enough to know the viewer will find a readable file; a folder or a
    // file the player may not read counts as missing.
    const ReadStatus status = fs.readFile(path, 0, false).status;
    if (status != ReadStatus::Ok && status != ReadStatus::TooLarge)
        return OpenOutcome::Missing;
    return opener.openFile(path) ? OpenOutcome::Opened : OpenOutcome::NoViewer;
}

} // namespace mirvalon
