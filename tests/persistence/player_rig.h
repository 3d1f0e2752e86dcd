// SPDX-License-Identifier: GPL-3.0-or-later
// A player's account for the files-layer tests: a home with its data folder, a program folder,
// and one copy of the game's stores over them.
#pragma once

#include <string>

#include "persistence/folders.h"
#include "persistence/records_store.h"
#include "persistence/settings_store.h"
#include "support/fake_persistence.h"
#include "support/fake_ports.h"

namespace mirvalon::test {

// Game `number` won with `points` by `holder`, a finished game in its rows.
inline GameState wonGame(int number, int points, const std::string& holder)
{
    GameState s;
    s.gameNumber = number;
    s.level = referenceRecords()[number - 1].level;
    s.currentRow = 1 + points % 15;
    s.score = points;
    s.clockText = "0:0" + std::to_string(points % 10) + ":11";
    s.holderName = holder;
    s.faces.fill(kColourFace);
    s.hiddenRow = {1, 2, 3, 4, 5, 6, 7, 0};
    s.rows[0] = {7, 6, 5, 4, 3, 2, 1, 0};
    s.pegs[0] = {1, -1, -1, 0, 0, 0, 0, 0};
    return s;
}

// One copy of the game: its records, archive and settings stores on `fs`.
struct GameCopy
{
    GameCopy(FileSystem& fs, const std::string& data, const std::string& program)
        : archive(fs, dialogs, data, program), records(fs, dialogs, archive, data),
          settingsStore(settings, fs, dialogs, view, data)
    {
        records.loadRecords();
    }
    ScriptedDialogs dialogs;
    FakeSettingsView view;
    GameSettings settings;
    ArchiveStore archive;
    RecordsStore records;
    SettingsStore settingsStore;
};

struct Player
{
    TempDir home, program;
    PosixFileSystem fs;
    std::string data() const { return home.path() + "/Orvex/Mirvalon.dat"; }

    // A start of the game: the folders set up (which recovers the data folder), then the
    // records loaded and marked.
    RecordsTable start()
    {
        Folders folders(fs, program.path(), home.path(), "");
        folders.setUp();
        return GameCopy(fs, data(), program.path()).records.table();
    }
};

} // namespace mirvalon::test
