// SPDX-License-Identifier: GPL-3.0-or-later
// A player's account for the files-layer tests: a home with its data folder, a program folder,
// one copy of the game's stores over them, and a file system that dies after any step.
#pragma once

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "persistence/folders.h"
#include "persistence/records_store.h"
#include "persistence/safe_file.h"
#include "persistence/settings_store.h"
#include "support/fake_persistence.h"
#include "support/fake_ports.h"
#include "support/won_game.h"

namespace mirvalon::test {

// What a write killed half way leaves in `folder`: a temporary file or a commit note.
inline bool leftovers(const std::string& folder)
{
    for (const std::string& name : listFolder(folder))
        if (name.rfind(kTempPrefix, 0) == 0 || name == kCommitNoteName)
            return true;
    return false;
}

// A folder in the place of the file at `path`.
inline void becomeFolder(const std::string& path)
{
    ::unlink(path.c_str());
    ::mkdir(path.c_str(), 0700);
}

// The file at `path` moved to a folder of its own beside it (a backed-up place) and a link
// left in its place.
inline void becomeLink(const std::string& path)
{
    namespace fs = std::filesystem;
    const fs::path kept = fs::path(path).parent_path() / "kept";
    fs::create_directory(kept);
    fs::rename(path, kept / fs::path(path).filename());
    fs::create_symlink(kept / fs::path(path).filename(), path);
}

// Game `number` won on its first row with `points` (at most 9695) by `holder`.
inline GameState finishedGame(int number, int points, const std::string& holder)
{
    return wonState(wonGame(number, 1, 10, points, holder, static_cast<unsigned>(points)), holder);
}

// One copy of the game: its records, archive and settings stores on `fs`.
struct GameCopy
{
    GameCopy(FileSystem& fs, const std::string& data, const std::string& program)
        : archive(fs, dialogs, data, program), records(fs, dialogs, archive, data),
          settingsStore(fs, dialogs, data)
    {
        records.loadRecords();
    }
    // The settings as the game takes them at start: the file's, or the defaults.
    bool loadSettings()
    {
        const std::optional<GameSettings> loaded = settingsStore.loadSettings(GameSettings{});
        settings = loaded.value_or(GameSettings{});
        return loaded.has_value();
    }
    // Game `number` won with `points` by `holder`, its record written under the settings in use.
    bool win(int number, int points, const std::string& holder)
    {
        return records.writeRecord(finishedGame(number, points, holder), settings, false);
    }
    bool saveSettings(bool applicationEnding = false)
    {
        return settingsStore.saveSettings(settings, applicationEnding);
    }
    ScriptedDialogs dialogs;
    GameSettings settings;
    ArchiveStore archive;
    RecordsStore records;
    SettingsStore settingsStore;
};

// A player who has started the game once.
struct Player
{
    Player() { start(); }
    TempDir home, program;
    FaultyFileSystem fs;
    std::string data() const { return home.path() + "/Orvex/Mirvalon.dat"; }

    // A start of the game: the folders set up (which recovers the data folder), then the
    // records loaded and marked, and the sample games copied as the window shows.
    RecordsTable start()
    {
        Folders folders(fs, program.path(), home.path(), "");
        folders.setUp();
        RecordsTable table = GameCopy(fs, data(), program.path()).records.table();
        folders.copySampleGames();
        return table;
    }
};

} // namespace mirvalon::test
