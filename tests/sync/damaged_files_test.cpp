// SPDX-License-Identifier: GPL-3.0-or-later
// One damaged file of the player's own, then whatever the player does next: a start, a record
// game viewed, a record won, a merge, the end of the game. Every record that was whole stays
// with its game, the settings stay valid, a link stays a link, a file the game cannot read is
// never replaced, at most one message is shown and no temporary file is left behind. (Saved
// games and language files, which none of these steps writes, are their readers' tables.)
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
// which is told at both. The file is unreadable (to be made readable again before the next
// start, which must find it as it was), or is a link to a file in the home folder.
enum : int {
    RecordsGone = 1,
    GamesGone = 2,
    SettingsReset = 4,
    SettingsUnwritable = 8,
    Unreadable = 16,
    Linked = 32,
    Game20Unproven = 64, // its record stays, its game no longer matches it
};

void put16At(const std::string& path, std::size_t at, int value)
{
    std::string bytes = readBytes(path);
    putLE16(bytes, at, value);
    writeBytes(path, bytes);
}

TEST(DamagedOwnFiles, everyWholeRecordSurvivesWhateverThePlayerDoesNext)
{
    const Damage damages[] = {
        {"records file short", "Mirvalon.ldt",
         [](auto& p) { writeBytes(p, readBytes(p).substr(0, 6000)); }},
        {"archive one byte short", "Mirvalon.lar",
         [](auto& p) { writeBytes(p, readBytes(p).substr(0, 113663)); }},
        {"records file a folder", "Mirvalon.ldt", becomeFolder, RecordsGone},
        {"archive game 20 environment 26", "Mirvalon.lar",
         [](auto& p) { put16At(p, 592 * 19 + 35, 26); }, Game20Unproven},
        {"archive a folder", "Mirvalon.lar", becomeFolder, GamesGone},
        {"configuration environment 26", "Mirvalon.lcf", [](auto& p) { put16At(p, 16, 26); },
         SettingsReset},
        {"configuration a folder", "Mirvalon.lcf", becomeFolder,
         SettingsReset | SettingsUnwritable},
        {"records file a link", "Mirvalon.ldt", becomeLink, Linked},
        {"archive a link", "Mirvalon.lar", becomeLink, Linked},
        {"configuration a link", "Mirvalon.lcf", becomeLink, Linked},
        {"records file unreadable", "Mirvalon.ldt", nullptr, Unreadable},
        {"archive unreadable", "Mirvalon.lar", nullptr, Unreadable},
        {"configuration unreadable", "Mirvalon.lcf", nullptr,
         Unreadable | SettingsReset | SettingsUnwritable},
    };
    for (const Damage& d : damages) {
        for (Next next : {Next::Start, Next::View, Next::Win, Next::Merge, Next::Exit}) {
            SCOPED_TRACE(std::string(d.what) + ", then " + std::to_string(static_cast<int>(next)));
            Player player;
            TempDir scratch;
            SharedRig shared(fs::path(scratch.path()) / "var");
            PlayerRig own(player.data());
            own.putWon({10, 20}, 8000, "Own");
            {
                GameCopy english(player.fs, player.data(), player.program.path());
                english.settings.language = 2;
                ASSERT_TRUE(english.saveSettings(true));
            }
            const std::string path = player.data() + "/" + d.file;
            if (d.apply)
                d.apply(path);
            if (d.after & Unreadable) {
                player.fs.unreadable.insert(path);
                ::chmod(path.c_str(), 0); // what makes it unreadable also makes it read-only
            }
            const std::string damaged = fs::is_regular_file(path) ? readBytes(path) : "";

            // A start: the records are loaded with the copy, then the settings.
            GameCopy copy(player.fs, player.data(), player.program.path());
            const bool settingsLoaded = copy.loadSettings();
            // The start alone does nothing more.
            if (next == Next::View)
                copy.archive.loadArchiveSlot(19, copy.records.table());
            else if (next == Next::Win)
                copy.win(40, 9000, "Won");
            else if (next == Next::Exit)
                copy.saveSettings(true);
            else if (next == Next::Merge) {
                shared.putWon({50}, 9000);
                Synchroniser sync(player.fs, player.data(), shared.folder(), shared.writer);
                sync.synchronise(0, copy.records.table());
                copy.records.loadRecords();
            }
            // A damaged file kept aside is one thing the player is told.
            int told = static_cast<int>(copy.dialogs.messages.size());
            for (const std::string& name : listFolder(player.data()))
                told += name.find(".damaged-") != std::string::npos ? 1 : 0;
            EXPECT_LE(told, next == Next::Exit && (d.after & SettingsUnwritable) ? 2 : 1);
            EXPECT_EQ(settingsLoaded, !(d.after & SettingsReset));
            if (d.after & Unreadable) {
                EXPECT_EQ(readBytes(path), damaged);
                player.fs.unreadable.clear();
                ::chmod(path.c_str(), 0600);
            }
            EXPECT_EQ(fs::is_symlink(path), (d.after & Linked) != 0);

            // What the next start finds.
            GameCopy later(player.fs, player.data(), player.program.path());
            if (!(d.after & RecordsGone)) {
                for (int game : {10, 20}) {
                    EXPECT_EQ(later.records.entry(game - 1).points, 8000) << "game " << game;
                    const bool unproven = game == 20 && (d.after & Game20Unproven);
                    EXPECT_EQ(later.records.entry(game - 1).archived,
                              !(d.after & GamesGone) && !unproven)
                        << "game " << game;
                }
            }
            // A record won, or brought in by the merge (which takes nothing into a folder
            // whose archive it cannot read), is kept, with its game where the archive allows.
            const int gained = next == Next::Win ? 40 : 50;
            const int blocked = RecordsGone | Unreadable | (next == Next::Merge ? GamesGone : 0);
            if ((next == Next::Win || next == Next::Merge) && !(d.after & blocked)) {
                const RecordEntry& e = later.records.entry(gained - 1);
                EXPECT_EQ(std::pair(int{e.points}, e.archived),
                          std::pair(9000, !(d.after & GamesGone)))
                    << "game " << gained;
            }
            const bool settingsKept = !(d.after & SettingsReset) || (d.after & Unreadable);
            EXPECT_TRUE(later.loadSettings() || !settingsKept);
            EXPECT_EQ(later.settings.language, settingsKept ? 2 : 0);
            EXPECT_FALSE(leftovers(player.data()));
        }
    }
}

} // namespace
} // namespace mirvalon::test
