// SPDX-License-Identifier: GPL-3.0-or-later
// The four favourite slots, and the random game's draws.
#include <gtest/gtest.h>
#include <set>

#include <tuple>

#include "engine/favourites.h"
#include "support/fake_ports.h"

namespace mirvalon {
namespace {

TEST(Favourites, aStoredGameIsFoundUntilItsSlotIsReleased)
{
    GameSettings s; // game 104, classic, coloured, row marking on
    EXPECT_EQ(findFavourite(s), 0);
    storeFavourite(s, 3);
    EXPECT_EQ(s.favourites[2], (FavouriteSlot{true, Classic, 104, 1, s.environment, true, true}));
    EXPECT_EQ(std::tuple(s.activeFavourite, findFavourite(s)), std::tuple(3, 3));
    storeFavourite(s, 4);
    EXPECT_EQ(findFavourite(s), 3); // the first matching slot

    using Change = std::tuple<const char*, void (*)(GameSettings&), int>;
    const Change changes[] = {
        {"another number", [](GameSettings& g) { g.positions = 5; }, 0},
        {"training", [](GameSettings& g) { g.gameType = Training; }, 0},
        {"grey pieces", [](GameSettings& g) { g.pieceColours = 0; }, 0},
        {"no row marking", [](GameSettings& g) { g.rowMarking = false; }, 0},
        {"another picture", [](GameSettings& g) { g.environment = 0; }, 3},
        {"time hidden", [](GameSettings& g) { g.showTime = false; }, 3},
    };
    for (const auto& [what, apply, found] : changes) {
        GameSettings changed = s;
        apply(changed);
        EXPECT_EQ(findFavourite(changed), found) << what;
    }

    EXPECT_EQ(s.activeFavourite, 4);
    releaseFavourite(s, 3);
    EXPECT_EQ(s.favourites[2], FavouriteSlot{});
    // The marker stays under the other slot.
    EXPECT_EQ(std::tuple(s.activeFavourite, findFavourite(s)), std::tuple(4, 4));
    releaseFavourite(s, 4);
    EXPECT_EQ(s.activeFavourite, 0);
    storeFavourite(s, 2);
    clearFavourites(s);
    EXPECT_EQ(findFavourite(s), 0);
}

TEST(Favourites, startingASlotSetsItsGame)
{
    GameSettings s;
    s.favourites[1] = FavouriteSlot{true, Training, 25, 2, 0, false, false};
    ASSERT_TRUE(favouritePlayable(s, 2));
    applyFavourite(s, 2, referenceKey(25));
    // Found again: type, game, colours and row marking came from the slot.
    EXPECT_EQ(findFavourite(s), 2);
    EXPECT_EQ(std::tuple(s.environment, s.showTime, s.activeFavourite), std::tuple(0, false, 2));

    // The configuration does not check these words; nothing undrawable comes of them.
    s.favourites[0] = FavouriteSlot{true, Classic, 104, 3, 4, true, true};
    applyFavourite(s, 1, referenceKey(104));
    EXPECT_EQ(std::tuple(s.pieceColours, s.environment), std::tuple(0, -1));
    s.favourites[0].gameNumber = 300;
    EXPECT_FALSE(favouritePlayable(s, 1));
    s.favourites[0].gameNumber = 0;
    EXPECT_FALSE(favouritePlayable(s, 1));
    EXPECT_FALSE(favouritePlayable(s, 3) || favouritePlayable(s, 5)); // unused, and no slot 5
}

TEST(Favourites, pressesOnThePanels)
{
    using Case = std::tuple<bool, MouseButton, Modifiers, bool, bool>;
    const Modifiers none, ctrl{false, true, false}, alt{false, false, true},
        shift{true, false, false};
    const Case cases[] = {
        {false, MouseButton::Left, none, false, false},
        {true, MouseButton::Left, none, true, false},
        {true, MouseButton::Left, shift, true, false},
        {false, MouseButton::Right, none, false, true},
        {true, MouseButton::Right, none, false, true},
        {false, MouseButton::Left, ctrl, false, true},
        {true, MouseButton::Left, ctrl, true, true}, // starts the game, then clears the slot
        {true, MouseButton::Left, alt, true, true},
        {true, MouseButton::Middle, ctrl, false, false},
    };
    for (const auto& [inUse, button, keys, start, toggle] : cases) {
        const FavouritePress p = favouritePress(inUse, button, keys);
        EXPECT_EQ(p.start, start) << inUse << static_cast<int>(button) << keys.ctrl;
        EXPECT_EQ(p.toggle, toggle) << inUse << static_cast<int>(button) << keys.ctrl;
    }
}

TEST(Favourites, panelsStoreStartAndReleaseTheirGames)
{
    test::IdleRig rig;
    const Modifiers none, ctrl{false, true, false};
    // A right press on an unused panel stores the game on the board.
    EXPECT_FALSE(rig.game.pressFavourite(2, MouseButton::Right, none));
    const FavouriteSlot& slot2 = rig.game.settings().favourites[1];
    EXPECT_EQ(std::tuple(slot2.inUse, slot2.gameNumber), std::tuple(true, 104));
    EXPECT_TRUE(rig.enabled(Command::FavouritesMenu) && rig.enabled(Command::PlayFavourite2));
    // Marked in the menu, and the panel pressed.
    EXPECT_TRUE(rig.checked(Command::PlayFavourite2) && rig.checked(Command::StoreFavourite2));

    // Another game: the marker goes; starting the slot brings its game back and marks it.
    ASSERT_TRUE(rig.game.changePositions(5));
    rig.game.chooseEnvironment(0);
    EXPECT_EQ(rig.game.settings().activeFavourite, 0);
    rig.game.startComputerGame();
    rig.dialogs.answers = {true}; // yes, end the running game
    EXPECT_TRUE(rig.game.pressFavourite(2, MouseButton::Left, none));
    EXPECT_EQ(rig.dialogs.questions, std::vector<int>{Question::EndRunningGame});
    EXPECT_FALSE(rig.s().inProgress);
    EXPECT_EQ(
        std::tuple(rig.s().gameNumber, rig.board.environment, rig.game.settings().activeFavourite),
        std::tuple(104, 2, 2));

    // Ctrl with a left press starts the slot's game, then releases the slot.
    ASSERT_TRUE(rig.game.changePositions(6));
    EXPECT_TRUE(rig.game.pressFavourite(2, MouseButton::Left, ctrl));
    EXPECT_EQ(std::tuple(rig.s().gameNumber, slot2.inUse, rig.game.settings().activeFavourite),
              std::tuple(104, false, 0));

    // Two slots with one game: the slot started is the one marked.
    rig.game.pressFavourite(1, MouseButton::Right, none);
    rig.game.pressFavourite(4, MouseButton::Left, ctrl);
    EXPECT_TRUE(rig.game.pressFavourite(4, MouseButton::Left, none));
    EXPECT_EQ(rig.game.settings().activeFavourite, 4);
    rig.game.clearAllFavourites();
    EXPECT_FALSE(anyFavourite(rig.game.settings()) || rig.enabled(Command::FavouritesMenu));
}

TEST(RandomGame, neverColouredPiecesWithRandomArrangement)
{
    test::IdleRig rig;
    int arranged = 0;
    for (int draw = 0; draw < 2000; ++draw) {
        if (draw % 50 == 0) {
            rig.clock.seconds += 1;
            rig.game.drawHiddenRow(); // seeds the generator from the clock
        }
        ASSERT_TRUE(rig.game.pickRandomGame());
        const GameSettings& s = rig.game.settings();
        const int number = computeVariant(s).number;
        ASSERT_TRUE(number >= 1 && number <= kGameCount);
        EXPECT_TRUE(s.environment >= 0 && s.environment <= 3 && s.pieceColours >= 0 &&
                    s.pieceColours <= 2)
            << s.environment << " " << s.pieceColours;
        if (s.randomArrangement) {
            ++arranged;
            EXPECT_NE(s.pieceColours, 1) << "game " << number;
            // Each labelled piece (in the mix, the odd ones) gets a label of its own, 1..999,
            // drawn afresh.
            rig.game.startComputerGame();
            const auto& faces = rig.s().faces;
            std::set<int32_t> labels(faces.begin() + 1, faces.begin() + s.pieceCount + 1);
            const bool mix = s.pieceColours == MixedPieces;
            if (mix) {
                EXPECT_EQ(labels.erase(kColourFace), 1u) << "game " << number;
            }
            EXPECT_EQ(static_cast<int>(labels.size()), mix ? (s.pieceCount + 1) / 2 : s.pieceCount)
                << "game " << number;
            EXPECT_TRUE(*labels.begin() >= 1 && *labels.rbegin() <= 999);
            rig.game.resetToIdle();
        }
        EXPECT_FALSE(rig.s().inProgress);
    }
    EXPECT_GT(arranged, 500); // half the numbered games arrange their pieces at random
}

} // namespace
} // namespace mirvalon
