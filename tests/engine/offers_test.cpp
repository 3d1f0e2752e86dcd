// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "engine/offers.h"

namespace mirvalon {
namespace {

using C = Command;

// The commands whose state follows the game; every other one is enabled and shown always,
// except the minimise item (never shown) and the two never offered.
constexpr C kFollowing[] = {
    C::NewComputerGame,  C::GameTypeClassic, C::GameTypeTraining, C::NewSecondPlayerGame,
    C::ConfirmHiddenRow, C::GiveUp,          C::ConfirmRow,       C::CancelRow,
    C::QuickStart,       C::SaveGame,        C::TimeView,         C::Review,
    C::EnterHits,        C::EnterHitsMenu,   C::UnblockAll,       C::BlockUnused,
    C::BlockUnusedMenu,  C::ClearRowMarks,   C::RestoreAll,       C::SyncAtStart,
    C::Synchronise,      C::Archive,         C::DeleteRecord,     C::FavouritesMenu,
    C::PlayFavourite1,   C::PlayFavourite2,  C::PlayFavourite3,   C::PlayFavourite4};

// Phase of the game x settings x history -> the commands enabled and the buttons hidden. The
// settings start as a new player's (7 positions, blocking on); the aids' buttons not named
// under "hidden" show.
TEST(Offers, everyCommandFollowsThePhaseTheSettingsAndTheHistory)
{
    using Set = std::function<void(GameState&, GameSettings&)>;
    using Case = std::tuple<const char*, Set, std::vector<C>, std::vector<C>>;
    const std::vector<C> aidsHidden = {C::ConfirmHiddenRow, C::EnterHits, C::BlockUnused,
                                       C::ClearRowMarks};
    // What a new game may start from; an idle board offers the second player's game too.
    const std::vector<C> between = {C::NewComputerGame, C::GameTypeClassic, C::GameTypeTraining,
                                    C::TimeView};
    const auto plus = [](std::vector<C> list, std::initializer_list<C> more) {
        list.insert(list.end(), more);
        return list;
    };
    const std::vector<C> idle = plus(between, {C::NewSecondPlayerGame});
    const auto playing = [](GameState& s) { s.inProgress = true; };
    const auto secondPlayersGame = [](GameState& s, GameSettings& g, int gameType) {
        s.secondPlayer = s.inProgress = true;
        g.gameType = gameType;
    };
    const auto trainingWithAids = [](GameState& s, GameSettings& g) {
        s.inProgress = s.training = true;
        g.gameType = Training;
        g.correctPosition = true;
        Offers& o = s.offered;
        o.enterHits = o.blockUnused = o.blockUnusedMenu = o.rowMarksShown = o.restoreAll = true;
        s.markedRows = 1;
    };
    // clang-format off
    const Case cases[] = {
        {"idle", [](GameState&, GameSettings&) {}, idle, aidsHidden},
        {"second player enters the hidden row, one piece short",
         [](GameState& s, GameSettings&) { s.secondPlayer = true; s.editCount = 6; },
         between, {C::EnterHits, C::BlockUnused, C::ClearRowMarks}},
        {"the hidden row is full",
         [](GameState& s, GameSettings&) { s.secondPlayer = true; s.editCount = 7; },
         plus(between, {C::ConfirmHiddenRow}), {C::EnterHits, C::BlockUnused, C::ClearRowMarks}},
        {"the second player sets the password",
         [&](GameState& s, GameSettings& g) {
             secondPlayersGame(s, g, Classic);
             s.settingPassword = true;
             s.editCount = 7;
         },
         plus(between, {C::ConfirmHiddenRow}), aidsHidden},
        {"a computer game's untouched first row",
         [&](GameState& s, GameSettings&) { playing(s); s.offered.quickStart = true; },
         {C::GiveUp, C::TimeView, C::QuickStart}, aidsHidden},
        {"a full row with a blocked piece, a record on the board",
         [&](GameState& s, GameSettings&) {
             playing(s);
             s.editCount = 7;
             s.blockedCount = 1;
             s.offered.cancelRow = true;
             s.rowKind[0] = 0;
         },
         {C::GiveUp, C::TimeView, C::ConfirmRow, C::UnblockAll, C::CancelRow}, aidsHidden},
        {"a full row the training driver placed",
         [&](GameState& s, GameSettings&) {
             playing(s);
             s.editCount = 7;
             s.trainingAutoPlay = true;
         },
         {C::GiveUp, C::TimeView}, aidsHidden},
        {"a game without its clock",
         [&](GameState& s, GameSettings&) { playing(s); s.untimed = true; },
         {C::GiveUp}, aidsHidden},
        {"the second player's classic game",
         [&](GameState& s, GameSettings& g) { secondPlayersGame(s, g, Classic); },
         {C::GiveUp, C::TimeView, C::SaveGame}, aidsHidden},
        {"the second player's training game",
         [&](GameState& s, GameSettings& g) { secondPlayersGame(s, g, Training); },
         {C::GiveUp, C::TimeView}, aidsHidden},
        {"the end's messages of a second player's classic game",
         [&](GameState& s, GameSettings& g) {
             secondPlayersGame(s, g, Classic);
             s.ending = true;
             s.editCount = 7;
             s.blockedCount = 1;
             s.markedRows = 1;
             s.offered.rowMarksShown = true;
         },
         {C::TimeView, C::SaveGame}, {C::ConfirmHiddenRow, C::EnterHits, C::BlockUnused}},
        {"a game over with its last row full",
         [](GameState& s, GameSettings&) {
             s.rowKind[0] = 0;
             s.editCount = 7;
             s.blockedCount = 1;
         },
         plus(idle, {C::Review}), aidsHidden},
        {"a training game with every aid on offer", trainingWithAids,
         {C::GiveUp, C::TimeView, C::EnterHits, C::EnterHitsMenu, C::BlockUnused,
          C::BlockUnusedMenu, C::ClearRowMarks, C::RestoreAll}, {C::ConfirmHiddenRow}},
        {"the same without blocking and with no row struck out",
         [&](GameState& s, GameSettings& g) {
             trainingWithAids(s, g);
             g.blocking = false;
             s.markedRows = 0;
         },
         {C::GiveUp, C::TimeView, C::EnterHits, C::EnterHitsMenu, C::BlockUnused,
          C::BlockUnusedMenu, C::RestoreAll}, {C::ConfirmHiddenRow, C::UnblockAll, C::BlockUnused}},
        {"a training game whose blocking aid is left in the menu, nothing to put back",
         [&](GameState& s, GameSettings& g) {
             playing(s);
             s.training = true;
             g.gameType = Training;
             s.offered.blockUnusedMenu = true;
         },
         {C::GiveUp, C::TimeView, C::BlockUnusedMenu},
         {C::ConfirmHiddenRow, C::EnterHits, C::ClearRowMarks}},
        {"hits to enter in a game that does not show them",
         [&](GameState& s, GameSettings&) { playing(s); s.offered.enterHits = true; },
         {C::GiveUp, C::TimeView, C::EnterHits}, aidsHidden},
        {"a usable shared folder, a chosen record with its game",
         [](GameState& s, GameSettings&) {
             s.sharedFolderReady = true;
             s.offered.archive = s.offered.deleteRecord = true;
         },
         plus(idle, {C::SyncAtStart, C::Synchronise, C::Archive, C::DeleteRecord}), aidsHidden},
        {"a chosen record whose game was not kept",
         [](GameState& s, GameSettings&) { s.offered.deleteRecord = true; },
         plus(idle, {C::DeleteRecord}), aidsHidden},
        {"the first favourite slot in use",
         [](GameState&, GameSettings& g) { g.favourites[0].inUse = true; },
         plus(idle, {C::FavouritesMenu, C::PlayFavourite1}), aidsHidden},
        {"the last favourite slot in use",
         [](GameState&, GameSettings& g) { g.favourites[3].inUse = true; },
         plus(idle, {C::FavouritesMenu, C::PlayFavourite4}), aidsHidden},
    };
    // clang-format on
    const auto in = [](const std::vector<C>& list, C c) {
        return std::find(list.begin(), list.end(), c) != list.end();
    };
    for (const auto& [what, set, on, off] : cases) {
        GameState state;
        GameSettings settings;
        set(state, settings);
        // The table the window holds from the last state, everything on: each bit is written.
        CommandTable table;
        for (std::size_t i = 0; i < kCommandCount; ++i) {
            table.enable(static_cast<C>(i));
            table.check(static_cast<C>(i)); // the marks are the game's, never the offers'
        }
        offers(state, settings, table);
        for (std::size_t i = 0; i < kCommandCount; ++i) {
            const auto command = static_cast<C>(i);
            const bool following = in({std::begin(kFollowing), std::end(kFollowing)}, command);
            const bool enabled =
                following ? in(on, command) : command != C::Undo && command != C::TestRow;
            const bool visible = following ? !in(off, command) : command != C::Minimise;
            EXPECT_EQ(table.enabled(command), enabled) << what << ", command " << i;
            EXPECT_EQ(table.visible(command), visible) << what << ", command " << i;
            EXPECT_TRUE(table.checked(command)) << what << ", command " << i;
        }
    }
}

} // namespace
} // namespace mirvalon
