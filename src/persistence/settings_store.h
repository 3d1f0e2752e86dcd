// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration file Mirvalon.lcf and the one place that changes a setting together with
// everything that shows it.
//
// Mirvalon.lcf: 240 bytes, 60 signed 32-bit little-endian words, no header.
//   word  1 positions 5..8            word  2 pieceCount 11/19/25     word  3 gameForm 0..2
//   word  4 pieceColours 0..2         word  5 environment -1..3       word  6 language 0..3
//   word  7 gameType 1..2             words 8..24 flags, 0 or 1, in the order of GameSettings
//                                     (artificialIntelligence .. syncNewRecords)
//   words 25..31 reserved: written 0, not read
//   word 32 activeFavourite (not checked)
//   words 33..60 four favourite slots of 7 words: inUse, gameType, gameNumber, pieceColours,
//                environment, showTime, rowMarking (flags 0/1; gameType 1..2 when in use)
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game_settings.h"
#include "engine/ports.h"
#include "file_system.h"
#include "view_ports.h"

namespace mirvalon {

constexpr std::size_t kSettingsFileSize = 240;
constexpr const char* kSettingsFileName = "Mirvalon.lcf";

// What a configuration image holds: the settings (the fields not stored keep the values of
// `base`) and the 1-based numbers of the words that broke their range, all of them.
struct SettingsImage
{
    GameSettings settings;
    std::vector<int> badWords;
};

SettingsImage decodeSettings(std::string_view bytes, const GameSettings& base);
std::string encodeSettings(const GameSettings& settings);

class SettingsStore
{
public:
    SettingsStore(GameSettings& settings, FileSystem& fs, Dialogs& dialogs, SettingsView& view,
                  std::string dataFolder);

    // Start-up only. True when the file was read and valid; false when it is missing
    // (silently) or corrupted (message 7). A corrupted file changes nothing: its values are
    // read into a scratch record and applied only when all of them are valid.
    bool loadSettings();
    // Every stored setting to its default, no favourites; the view shows the defaults.
    void resetSettings();
    // Writes the file safely under the data folder's lock. Message 11 on success unless the
    // application is ending; message 12 on failure, the old file and the settings in memory
    // unchanged.
    bool saveSettings(bool applicationEnding = false);
    // Changes one setting with its check marks, dialog control and picture or panel, then
    // the game form follows the current game.
    void applySetting(Setting which, int32_t value);

    std::string path() const;

private:
    void showAll();

    GameSettings& m_settings;
    FileSystem& m_fs;
    Dialogs& m_dialogs;
    SettingsView& m_view;
    std::string m_dataFolder;
};

} // namespace mirvalon
