// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration file Mirvalon.lcf: read at start, written on the player's word or at the
// end. The game owns the settings; the store only reads and writes them.
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
    SettingsStore(FileSystem& fs, Dialogs& dialogs, std::string dataFolder);

    // Start-up only. The stored settings (the fields not stored as in `base`) when the file
    // was read and valid; nothing when it is missing (silently) or corrupted (message 7), and
    // the game then starts from the defaults.
    std::optional<GameSettings> loadSettings(const GameSettings& base) const;
    // Writes the file safely under the data folder's lock. Message 11 on success unless the
    // application is ending; message 12 on failure, the old file unchanged.
    bool saveSettings(const GameSettings& settings, bool applicationEnding = false) const;

    std::string path() const;

private:
    FileSystem& m_fs;
    Dialogs& m_dialogs;
    std::string m_dataFolder;
};

} // namespace mirvalon
