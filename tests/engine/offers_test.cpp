// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <gtest/gtest.h>

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
    struct Case
    {
        const char* what;
        GameState state;
        GameSettings settings;
        std::vector<C> on, off;
    };
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
    // The board holds a confirmed first row of no proof.
    const auto firstRowOnBoard = [](GameState s) {
        s.rowKind[0] = 0;
        return s;
    };
    const Offers everyAid{.restoreAll = true,
                          .enterHits = true,
                          .blockUnused = true,
                          .blockUnusedMenu = true,
                          .rowMarksShown = true};
    const auto favourite = [](int slot) {
        GameSettings g;
        g.favourites[slot].inUse = true;
        return g;
    };
    // clang-format off
    const Case cases[] = {
        {"idle", {}, {}, idle, aidsHidden},
        {"second player enters the hidden row, one piece short", {.editCount = 6, .secondPlayer = true}, {},
         between, {C::EnterHits, C::BlockUnused, C::ClearRowMarks}},
        {"the hidden row is full", {.editCount = 7, .secondPlayer = true}, {},
         plus(between, {C::ConfirmHiddenRow}), {C::EnterHits, C::BlockUnused, C::ClearRowMarks}},
        {"the second player sets the password",
         {.editCount = 7, .inProgress = true, .secondPlayer = true, .settingPassword = true},
         {.gameType = Classic}, plus(between, {C::ConfirmHiddenRow}), aidsHidden},
        {"a computer game's untouched first row", {.offered = {.quickStart = true}, .inProgress = true}, {},
         {C::GiveUp, C::TimeView, C::QuickStart}, aidsHidden},
        {"a full row with a blocked piece, a record on the board",
         firstRowOnBoard({.editCount = 7, .blockedCount = 1, .offered = {.cancelRow = true},
                          .inProgress = true}), {},
         {C::GiveUp, C::TimeView, C::ConfirmRow, C::UnblockAll, C::CancelRow}, aidsHidden},
        {"a full row the training driver placed",
         {.editCount = 7, .inProgress = true, .trainingAutoPlay = true}, {}, {C::GiveUp, C::TimeView}, aidsHidden},
        {"a game without its clock", {.inProgress = true, .untimed = true}, {}, {C::GiveUp}, aidsHidden},
        {"the second player's classic game", {.inProgress = true, .secondPlayer = true}, {.gameType = Classic},
         {C::GiveUp, C::TimeView, C::SaveGame}, aidsHidden},
        {"the second player's training game", {.inProgress = true, .secondPlayer = true}, {.gameType = Training},
         {C::GiveUp, C::TimeView}, aidsHidden},
        {"the end's messages of a second player's classic game",
         {.editCount = 7, .markedRows = 1, .blockedCount = 1, .offered = {.rowMarksShown = true},
          .inProgress = true, .secondPlayer = true, .ending = true},
         {.gameType = Classic},
         {C::TimeView, C::SaveGame}, {C::ConfirmHiddenRow, C::EnterHits, C::BlockUnused}},
        {"a game over with its last row full", firstRowOnBoard({.editCount = 7, .blockedCount = 1}), {},
         plus(idle, {C::Review}), aidsHidden},
        {"a training game with every aid on offer",
         {.markedRows = 1, .offered = everyAid, .inProgress = true, .training = true},
         {.gameType = Training, .correctPosition = true},
         {C::GiveUp, C::TimeView, C::EnterHits, C::EnterHitsMenu, C::BlockUnused,
          C::BlockUnusedMenu, C::ClearRowMarks, C::RestoreAll}, {C::ConfirmHiddenRow}},
        {"the same without blocking and with no row struck out",
         {.offered = everyAid, .inProgress = true, .training = true},
         {.gameType = Training, .correctPosition = true, .blocking = false},
         {C::GiveUp, C::TimeView, C::EnterHits, C::EnterHitsMenu, C::BlockUnused,
          C::BlockUnusedMenu, C::RestoreAll}, {C::ConfirmHiddenRow, C::UnblockAll, C::BlockUnused}},
        {"a training game whose blocking aid is left in the menu, nothing to put back",
         {.offered = {.blockUnusedMenu = true}, .inProgress = true, .training = true}, {.gameType = Training},
         {C::GiveUp, C::TimeView, C::BlockUnusedMenu}, {C::ConfirmHiddenRow, C::EnterHits, C::ClearRowMarks}},
        {"hits to enter in a game that does not show them", {.offered = {.enterHits = true}, .inProgress = true}, {},
         {C::GiveUp, C::TimeView, C::EnterHits}, aidsHidden},
        {"a usable shared folder, a chosen record with its game",
         {.offered = {.archive = true, .deleteRecord = true}, .sharedFolderReady = true}, {},
         plus(idle, {C::SyncAtStart, C::Synchronise, C::Archive, C::DeleteRecord}), aidsHidden},
        {"a chosen record whose game was not kept", {.offered = {.deleteRecord = true}}, {},
         plus(idle, {C::DeleteRecord}), aidsHidden},
        {"the first favourite slot in use", {}, favourite(0),
         plus(idle, {C::FavouritesMenu, C::PlayFavourite1}), aidsHidden},
        {"the last favourite slot in use", {}, favourite(3),
         plus(idle, {C::FavouritesMenu, C::PlayFavourite4}), aidsHidden},
    };
    // clang-format on
    const auto in = [](const std::vector<C>& list, C c) {
        return std::find(list.begin(), list.end(), c) != list.end();
    };
    for (const auto& [what, state, settings, on, off] : cases) {
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
