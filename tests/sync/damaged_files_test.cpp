// SPDX-License-Identifier: GPL-3.0-or-later
// One damaged file in the player's own folder, then whatever the player does next: a start, a
// record game viewed, a record won, a merge, the end of the game. Every record that was
// whole stays with its game, the settings stay valid, at most one message is shown and no
// temporary file is left behind.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "persistence/player_rig.h"
#include "sync_rig.h"

namespace mirvalon::test {
namespace {

enum class Next { Start, View, Win, Merge, Exit };

struct Damage
{
    const char* what;
    const char* file;
    std::function<void(const std::string& path)> apply;
    int after = 0; // what the damage leaves, below
};

// No records file the game can read at all; no archive; the settings start from their
// defaults; a configuration that can be neither read at the start nor written at the end,
// which is told at both.
enum : int { RecordsGone = 1, GamesGone = 2, SettingsReset = 4, SettingsUnwritable = 8 };

void truncateTo(const std::string& path, std::size_t size)
{
    writeBytes(path, readBytes(path).substr(0, size));
}

void put16At(const std::string& path, std::size_t at, int value)
{
    std::string bytes = readBytes(path);
    putLE16(bytes, at, value);
    writeBytes(path, bytes);
}

void becomeFolder(const std::string& path)
{
    ::unlink(path.c_str());
    ::mkdir(path.c_str(), 0700);
}

TEST(DamagedOwnFiles, everyWholeRecordSurvivesWhateverThePlayerDoesNext)
{
    const Damage damages[] = {
        {"records file short", "Mirvalon.ldt", [](auto& p) { truncateTo(p, 6000); }},
        {"records file long", "Mirvalon.ldt", [](auto& p) { writeBytes(p, readBytes(p) + "x"); }},
        {"records slot 100 level 14", "Mirvalon.ldt", [](auto& p) { put16At(p, 34 * 99 + 2, 14); }},
        {"records file a folder", "Mirvalon.ldt", becomeFolder, RecordsGone},
        {"archive short", "Mirvalon.lar", [](auto& p) { truncateTo(p, 113000); }},
        {"archive long", "Mirvalon.lar", [](auto& p) { writeBytes(p, readBytes(p) + "x"); }},
        {"archive game 30 environment 26", "Mirvalon.lar",
         [](auto& p) { put16At(p, 592 * 29 + 35, 26); }},
        {"archive a folder", "Mirvalon.lar", becomeFolder, GamesGone},
        {"configuration short", "Mirvalon.lcf", [](auto& p) { truncateTo(p, 100); }, SettingsReset},
        {"configuration environment 26", "Mirvalon.lcf", [](auto& p) { put16At(p, 16, 26); },
         SettingsReset},
        {"configuration a folder", "Mirvalon.lcf", becomeFolder,
         SettingsReset | SettingsUnwritable},
    };
    const Next nexts[] = {Next::Start, Next::View, Next::Win, Next::Merge, Next::Exit};
    for (const Damage& d : damages) {
        for (Next next : nexts) {
            const std::string row =
                std::string(d.what) + ", then " + std::to_string(static_cast<int>(next));
            Player player;
            const fs::path root = makeScratch("damaged");
            SharedRig shared(root / "var");
            player.start();
            PlayerRig own(player.data());
            own.start();
            own.winEach({10, 20}, 8000, "Own");
            {
                GameCopy english(player.fs, player.data(), player.program.path());
                english.settings.language = 2;
                ASSERT_TRUE(english.settingsStore.saveSettings(true));
            }
            d.apply(player.data() + "/" + d.file);

            GameCopy copy(player.fs, player.data(), player.program.path()); // loads the records
            const bool settingsLoaded = copy.settingsStore.loadSettings();
            if (!settingsLoaded)
                copy.settingsStore.resetSettings();
            switch (next) {
            case Next::Start:
                break;
            case Next::View:
                copy.archive.loadArchiveSlot(19, copy.records.table());
                break;
            case Next::Win:
                copy.records.writeRecord(finishedGame(40, 9000, "Won"), copy.settings, false);
                break;
            case Next::Merge: {
                StoreImages store = emptyStore();
                putWonGame(store, 50, 9000, "Store");
                shared.put(store);
                Synchroniser sync(player.fs, player.data(), shared.folder.string(), shared.writer);
                sync.synchronise(0, copy.records.table());
                copy.records.loadRecords();
                break;
            }
            case Next::Exit:
                copy.settingsStore.saveSettings(true);
                break;
            }
            // A damaged file kept aside is one thing the player is told.
            int told = static_cast<int>(copy.dialogs.messages.size());
            for (const std::string& name : listFolder(player.data()))
                told += name.find(".damaged-") != std::string::npos ? 1 : 0;
            EXPECT_LE(told, next == Next::Exit && (d.after & SettingsUnwritable) ? 2 : 1) << row;
            EXPECT_EQ(settingsLoaded, !(d.after & SettingsReset)) << row;

            // What the next start finds.
            GameCopy later(player.fs, player.data(), player.program.path());
            if (!(d.after & RecordsGone)) {
                for (int game : {10, 20}) {
                    EXPECT_EQ(later.records.entry(game - 1).points, 8000)
                        << row << " game " << game;
                    EXPECT_EQ(later.records.entry(game - 1).archived, !(d.after & GamesGone))
                        << row << " game " << game;
                }
            }
            EXPECT_TRUE(later.settingsStore.loadSettings() || (d.after & SettingsReset)) << row;
            EXPECT_GE(later.settings.environment, -1) << row;
            EXPECT_LE(later.settings.environment, 3) << row;
            for (const std::string& name : listFolder(player.data()))
                EXPECT_NE(name.rfind(kTempPrefix, 0), 0u) << row << ": " << name;
            fs::remove_all(root);
        }
    }
}

} // namespace
} // namespace mirvalon::test
