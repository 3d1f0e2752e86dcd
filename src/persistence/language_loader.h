// SPDX-License-Identifier: GPL-3.0-or-later
// Language files: Mirv_SK.lng, Mirv_CZ.lng, Mirv_EN.lng in the program folder, CP1250 text in
// CR LF lines, at least 191 of them. A line starting with "<" is an entry:
//   <c1c2c3c4c5c6 ... "text//extra"
// six base-36 code characters ("x" = not given), then the text after the first double quote,
// the extra text after the first "//", the last character (the closing quote) dropped, and
// "/n" standing for a line break. Other lines are comments.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game_settings.h"
#include "file_system.h"
#include "text_table.h"
#include "view_ports.h"

namespace mirvalon {

constexpr int kLanguageMinimumLines = 191;

struct LanguageEntry
{
    std::array<int, 6> code{}; // -1 for a code character not given
    std::string text;          // UTF-8
    std::optional<std::string> extra;
};

// Lines of a file, split at LF with a CR before it dropped.
std::vector<std::string> splitLines(std::string_view bytes);
// An entry line (CP1250 bytes); nothing for a comment, a line too short to hold the codes or a
// line without a double quote.
std::optional<LanguageEntry> parseLanguageLine(std::string_view line);
// "Mirv_SK.lng", "Mirv_CZ.lng", "Mirv_EN.lng"; empty for any other language.
std::string languageFileName(int language);

class LanguageLoader
{
public:
    LanguageLoader(FileSystem& fs, std::string programFolder, TextTable& texts,
                   LanguageTargets& targets, PlainMessages& messages);

    // Loads and applies the file of `language` (0..2; any other value reloads the last file).
    // On failure the two-language message is shown and no text changes; the player's chosen
    // language stays as it is, so that the file, once back, is used at the next start.
    bool loadLanguage(int language);
    // The language of the texts in use: Slovak until a file loads.
    int language() const { return m_inUse; }
    // The file of `language` was refused in this run: loading it again on its own accord
    // would only show the same message again.
    bool refusedBefore(int language) const
    {
        return knownLanguage(language) && m_refused[language];
    }

    // One entry to its target; entries that name nothing are ignored.
    void applyEntry(const LanguageEntry& entry);

private:
    void refuse(const char* const sentences[3]);

    FileSystem& m_fs;
    std::string m_programFolder;
    TextTable& m_texts;
    LanguageTargets& m_targets;
    PlainMessages& m_messages;
    int m_fileLanguage = 0;
    int m_inUse = 0;
    std::array<bool, 3> m_refused{};
};

} // namespace mirvalon
