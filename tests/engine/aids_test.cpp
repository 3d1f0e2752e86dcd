// SPDX-License-Identifier: GPL-3.0-or-later
// Deduction aids, the training driver and the second player's game.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "support/fake_ports.h"
#include "support/won_game.h"

namespace mirvalon {
namespace {

using test::Rig;

// A computer game of 5 positions and 11 pieces whose hidden row is 1..5.
void classicRig(Rig& rig, bool correctPosition = true)
{
    rig.game.useSettings({.positions = 5, .pieceCount = 11, .correctPosition = correctPosition});
    rig.game.startUp();
    rig.startWithHidden({1, 2, 3, 4, 5});
}

// The rules of a training game; blocking and row marking are on, as a new player has them.
GameSettings trainingRules(int positions, int pieces, bool correctPosition, bool eachOnce)
{
    return {.positions = positions,
            .pieceCount = pieces,
            .gameType = Training,
            .eachPieceOnce = eachOnce,
            .correctPosition = correctPosition};
}

TEST(Aids, blockCertainlyUnusedBlocksWhatConfirmedRowsProve)
{
    using Case = std::tuple<bool, std::vector<int>, std::vector<int>>;
    // Hidden row 1..5 of 11 pieces; rows played in a classic game by hand.
    // Piece 6, blocked by hand, stays blocked, also where a row proves it unused.
    const Case cases[] = {
        {false, {6, 7, 8, 9, 10}, {6, 7, 8, 9, 10}}, // neither hit nor miss
        {false, {1, 7, 8, 9, 10}, {6}},              // a hit without hit activation proves nothing
        {true, {1, 7, 8, 9, 10}, {6, 7, 8, 9, 10}},  // hits only: the hit piece stays free
        {true, {2, 7, 8, 9, 10}, {6}},               // a miss proves nothing
    };
    for (const auto& [correctPosition, guess, blockedPieces] : cases) {
        Rig rig;
        classicRig(rig, correctPosition);
        rig.playRow(guess);
        // Classic games never show the button, but unblocking offers F7 there too.
        rig.game.pressPalettePiece(11, MouseButton::Right, {});
        rig.game.unblockAll();
        // Offered where the row proves pieces unused.
        EXPECT_EQ(rig.enabled(Command::BlockUnusedMenu), blockedPieces != std::vector<int>{6});
        rig.game.pressPalettePiece(6, MouseButton::Right, {}); // blocked by hand: the aid keeps it
        rig.game.blockCertainlyUnused();
        std::array<bool, kMaxPieces + 1> blocked{};
        for (int p : blockedPieces)
            blocked[p] = true;
        EXPECT_EQ(std::tuple(rig.s().blocked, rig.s().blockedCount),
                  std::tuple(blocked, static_cast<int>(blockedPieces.size())));
        EXPECT_FALSE(rig.enabled(Command::BlockUnusedMenu));
    }
}

// A row the player confirms in a training game may prove pieces unused: the table the window
// gets with that row offers the blocking aid at once.
TEST(Aids, aRowThePlayerConfirmsOffersBlockingAtOnce)
{
    test::IdleRig rig(trainingRules(5, 11, false, false));
    rig.game.startComputerGame();
    rig.game.blockCertainlyUnused();
    ASSERT_FALSE(rig.enabled(Command::BlockUnused));
    const int unused = test::pieceNotIn(rig.s().hiddenRow);
    if (rig.s().blocked[unused])
        rig.game.toggleBlock(unused);
    rig.playRow({unused, unused, unused, unused, unused}); // neither hit nor miss
    ASSERT_TRUE(rig.s().inProgress);
    EXPECT_TRUE(rig.enabled(Command::BlockUnused) && rig.enabled(Command::BlockUnusedMenu));
    rig.game.giveUp(); // and takes it away at the end
    EXPECT_FALSE(rig.enabled(Command::BlockUnusedMenu));
}

TEST(Aids, enterAllHitsFillsRevealedPositions)
{
    Rig rig;
    classicRig(rig);
    rig.playRow({6, 2, 7, 4, 8});
    EXPECT_EQ(rig.board.revealed, (std::vector<int>{2, 4}));
    rig.game.pressPalettePiece(4, MouseButton::Right, {}); // a blocked hit piece is freed
    rig.game.enterAllHits();
    EXPECT_EQ(
        std::tuple(rig.s().editRow, rig.s().editCount, rig.s().blocked[4], rig.s().blockedCount),
        std::tuple(Row{0, 2, 0, 4, 0, 0, 0, 0}, 2, false, 0));
    EXPECT_EQ(rig.enabledOf({Command::ConfirmRow, Command::CancelRow, Command::EnterHits}),
              (std::vector<bool>{false, true, false}));
    rig.game.cancelRow();
    EXPECT_TRUE(rig.enabled(Command::EnterHits)); // offered again on the empty row
    rig.game.resetToIdle();                       // but not to the next game
    EXPECT_FALSE(rig.enabled(Command::EnterHits));
    rig.startWithHidden({1, 2, 3, 4, 5});
    rig.playRow({1, 2, 3, 4, 5}); // nor after a won game
    EXPECT_FALSE(rig.enabled(Command::EnterHits));
}

TEST(Aids, rowMarksOnlyOnReachedRowsOfATrainingGame)
{
    test::IdleRig rig(trainingRules(5, 11, true, true));
    rig.game.startComputerGame();
    const int current = rig.s().currentRow;
    ASSERT_EQ(current, 15);
    EXPECT_TRUE(rig.commands.table.visible(Command::ClearRowMarks));
    // The row being edited takes no mark; row 5 is marked and unmarked again.
    for (int row : {current, 3, 5, 5, 7, current - 1, 1})
        rig.game.toggleRowMark(row);
    EXPECT_EQ(rig.s().markedRows, 4);
    EXPECT_EQ(rig.s().rowMark,
              (std::array<int32_t, kRows>{1, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(rig.enabledOf({Command::ClearRowMarks, Command::RestoreAll}),
              (std::vector<bool>{true, true}));
    rig.game.clearRowMarks();
    EXPECT_EQ(std::tuple(rig.s().markedRows, rig.s().rowMark, rig.enabled(Command::ClearRowMarks)),
              std::tuple(0, std::array<int32_t, kRows>{}, false));
    rig.useSettings([](GameSettings& s) { s.rowMarking = false; });
    rig.game.toggleRowMark(3); // row marking switched off
    EXPECT_EQ(rig.s().markedRows, 0);
}

// Each guarded command acts only while the game's history offers it: quick start until the
// first row is begun, cancel once a piece is placed, the hits aid until the next row is
// begun, unblocking until the game ends, the second player's game once per game. Each case
// watches one value the command would change.
TEST(Offers, guardedCommandsActOnlyWhileTheGameOffersThem)
{
    using Step = std::function<void(Rig&)>;
    struct Case
    {
        const char* name;
        Step start, then;
        std::function<void(Game&)> command;
        std::function<int(const Rig&)> watch;
        bool acts;
    };
    const Step classic = [](Rig& r) { classicRig(r); };
    const Step training = [](Rig& r) {
        r.game.useSettings(trainingRules(5, 11, true, true));
        r.game.startUp();
        r.game.startComputerGame();
    };
    const Step secondPlayer = [](Rig& r) {
        r.game.startUp();
        r.game.startSecondPlayerGame();
    };
    const Step nothing = [](Rig&) {};
    const Step piece6 = [](Rig& r) { r.place({6}); };
    const Step block11 = [](Rig& r) { r.game.pressPalettePiece(11, MouseButton::Right, {}); };
    const Step revealed = [](Rig& r) { r.playRow({6, 2, 7, 4, 8}); };
    const Step secondRow = [](Rig& r) { r.playRow({6, 7, 8, 9, 10}); };
    const auto score = [](const Rig& r) { return r.s().score; };
    const auto placed = [](const Rig& r) { return r.s().editCount; };
    const auto blocked = [](const Rig& r) { return r.s().blockedCount; };
    const auto panelCloses = [](const Rig& r) { return r.board.panelCloses; };
    // clang-format off
    const Case cases[] = {
        {"cancel on an empty row",                   classic, nothing, &Game::cancelRow, score, false},
        {"cancel after a piece",                     classic, piece6, &Game::cancelRow, score, true},
        {"quick start on a fresh first row",         classic, nothing, &Game::quickStart, panelCloses, true},
        {"quick start on a first row emptied again", classic,
         [](Rig& r) { r.place({6}), r.game.doubleClickSlotPiece(1), r.game.releaseButton(); },
         &Game::quickStart, panelCloses, true},
        {"quick start on the second row",            classic, secondRow, &Game::quickStart, panelCloses, false},
        {"quick start while idle", [](Rig& r) { r.game.startUp(); }, nothing, &Game::quickStart, panelCloses, false},
        {"hits before any is revealed",              classic, nothing, &Game::enterAllHits, placed, false},
        {"hits once revealed",                       classic, revealed, &Game::enterAllHits, placed, true},
        {"hits once the row is begun", classic, [&](Rig& r) { revealed(r), r.place({9}); },
         &Game::enterAllHits, placed, false},
        {"block unused, never offered in a classic game", classic, secondRow,
         &Game::blockCertainlyUnused, blocked, false},
        {"unblock after a block",                    classic, block11, &Game::unblockAll, blocked, true},
        {"unblock after giving up", classic, [&](Rig& r) { block11(r), r.game.giveUp(); },
         &Game::unblockAll, blocked, false},
        {"restore all in a classic game",            classic, piece6, &Game::restoreAll, placed, false},
        {"restore all in a training game",           training, piece6, &Game::restoreAll, placed, true},
        {"second player's game while its hidden row is entered", secondPlayer,
         [](Rig& r) { r.place({3}); }, &Game::startSecondPlayerGame,
         [](const Rig& r) { return r.s().hiddenRow[0]; }, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        Rig rig;
        c.start(rig);
        c.then(rig);
        const int before = c.watch(rig);
        c.command(rig.game);
        EXPECT_EQ(c.watch(rig) != before, c.acts) << c.name;
    }
}

TEST(TrainingDriver, rowsLeftToThePlayerByLevelAndRules)
{
    using Case = std::tuple<int, int, bool, bool, int>;
    const Case cases[] = {
        {5, 11, true, true, 1},   // level 1
        {5, 11, false, true, 2},  // level 5
        {8, 25, false, false, 4}, // level 12, 8 positions with repetition
        {8, 19, false, true, 2},  // level 9: 13 rows
        {8, 25, false, true, 2},  // level 10
        {8, 25, true, false, 2},  // 14, then one less for 8 positions with repetition
        {7, 25, false, false, 3}, // level 11
        {8, 11, true, false, 1},  // 14: only 8 positions of more than 11 pieces lose one
    };
    for (const auto& [positions, pieces, correctPosition, eachOnce, rowsLeft] : cases) {
        test::IdleRig rig(trainingRules(positions, pieces, correctPosition, eachOnce));
        rig.game.startComputerGame();
        SCOPED_TRACE(rig.s().level);
        const GameState& s = rig.s();
        // The player's row is open, with none of the driver's pieces or gestures left in it.
        EXPECT_TRUE(s.inProgress && !s.trainingAutoPlay && !s.autoRow && s.editCount == 0);
        EXPECT_EQ(std::tuple(16 - s.currentRow, rig.events.yields),
                  std::tuple(rowsLeft, 15 - rowsLeft));
        EXPECT_EQ(rig.status.texts[11], "Tréning");
        EXPECT_EQ(std::count(s.paletteShown.begin() + 1, s.paletteShown.begin() + pieces + 1, true),
                  pieces);
        if (correctPosition) { // the driver's rows show all places but two at most
            EXPECT_LE(std::count(s.revealedHits.begin(), s.revealedHits.end(), true),
                      positions - 2);
        }
    }
}

TEST(TrainingDriver, stopsBeforeTheNextRowWhenClosingOrReplaced)
{
    enum class Stop { Closing, GivenUp, NewGame };
    for (Stop stop : {Stop::Closing, Stop::GivenUp, Stop::NewGame}) {
        SCOPED_TRACE(static_cast<int>(stop));
        const int stopAt = stop == Stop::Closing ? 4 : 3;
        test::IdleRig rig(trainingRules(5, 11, true, true));
        bool keysTaken = false; // the driver's rows are not the player's to type into
        rig.events.onYield = [&] {
            keysTaken = keysTaken || rig.game.paletteTakesKeys();
            if (rig.events.yields != stopAt)
                return;
            if (stop == Stop::Closing)
                rig.game.close();
            else if (stop == Stop::GivenUp)
                rig.game.giveUp();
            else { // the next game, whose own driver leaves the player row 15
                rig.game.resetToIdle();
                rig.game.startComputerGame();
            }
        };
        rig.game.startComputerGame();
        // No half-made row is left behind.
        EXPECT_EQ(std::tuple(rig.s().currentRow, rig.s().editCount, rig.s().inProgress, keysTaken),
                  std::tuple(stop == Stop::NewGame ? 15 : stopAt, 0, stop != Stop::GivenUp, false));
    }
}

TEST(SecondPlayer, passwordGuardsGivingUp)
{
    test::IdleRig rig;
    rig.game.startSecondPlayerGame();
    EXPECT_FALSE(rig.s().resultCovered);
    rig.place({1, 2, 3, 4, 5, 6, 7});
    // Taking a piece back while the hidden row is entered costs nothing.
    rig.game.doubleClickSlotPiece(7);
    rig.game.releaseButton();
    EXPECT_EQ(rig.s().score, 10000);
    EXPECT_FALSE(rig.game.confirmHiddenRow()); // a place is still empty
    rig.place({9});
    EXPECT_TRUE(rig.enabled(Command::ConfirmHiddenRow));
    EXPECT_EQ(rig.s().hiddenRow, (Row{1, 2, 3, 4, 5, 6, 9, 0}));

    rig.dialogs.passwordAnswers = {std::pair<std::string, std::string>{"Tajne", "Dobre!"}};
    EXPECT_TRUE(rig.game.confirmHiddenRow());
    EXPECT_FALSE(rig.game.confirmHiddenRow()); // once only
    EXPECT_EQ(std::tuple(rig.s().password, rig.s().inProgress, rig.s().resultCovered),
              std::tuple("Tajne", true, true));
    EXPECT_EQ(rig.enabledOf({Command::SaveGame, Command::QuickStart}),
              (std::vector<bool>{true, true}));

    rig.dialogs.passwordAnswers = {std::pair<std::string, std::string>{"tajne", ""}};
    EXPECT_FALSE(rig.game.giveUp()); // another letter case is refused
    EXPECT_EQ(rig.dialogs.messages, std::vector<int>{19});
    rig.dialogs.passwordAnswers = {std::nullopt};
    EXPECT_FALSE(rig.game.giveUp()); // Cancel does nothing
    EXPECT_TRUE(rig.s().inProgress); // and neither did the refusal

    rig.dialogs.passwordAnswers = {std::pair<std::string, std::string>{"x", ""}};
    rig.playRow({1, 2, 3, 4, 5, 6, 9});
    EXPECT_TRUE(rig.s().solved && rig.enabled(Command::NewSecondPlayerGame)); // the next may start
    EXPECT_EQ(rig.dialogs.passwordModes, (std::vector<int>{0, 1, 1, 2}));
    EXPECT_EQ(rig.dialogs.shownAuthTexts.back(), "Dobre!");
}

TEST(SecondPlayer, pointsRunningOutWhileThePasswordIsAskedEndTheGameOnce)
{
    test::IdleRig rig;
    ASSERT_TRUE(rig.setHiddenRow({1, 2, 3, 4, 5, 6, 7}, std::pair{"Tajne", ""}));
    rig.place({1});
    ASSERT_TRUE(rig.clock.timerOn);

    rig.dialogs.passwordAnswers = {std::pair<std::string, std::string>{"Tajne", ""}};
    rig.dialogs.whilePasswordAsked = [&rig] { rig.tickAfter(20000 * 1000LL); };
    EXPECT_FALSE(rig.game.giveUp());
    EXPECT_FALSE(rig.s().inProgress);
    EXPECT_EQ(std::count(rig.dialogs.messages.begin(), rig.dialogs.messages.end(), 1), 1);
}

TEST(SecondPlayer, cancelledSetUpNeedsNoPassword)
{
    test::IdleRig rig;
    rig.game.startSecondPlayerGame();
    rig.place({1, 2, 3, 4, 5, 6, 7});
    rig.game.cancelRow(); // empties the hidden row again for the row-1 price
    EXPECT_EQ(std::tuple(rig.s().hiddenRow, rig.s().score), std::tuple(Row{}, 10000 - 60));
    rig.place({1, 2, 3, 4, 5, 6, 7});
    rig.dialogs.passwordAnswers = {std::nullopt};
    rig.game.confirmHiddenRow();
    EXPECT_TRUE(rig.s().password.empty());
    EXPECT_TRUE(rig.enabled(Command::SaveGame));
    rig.game.resetToIdle();
    rig.setHiddenRow({1, 2, 3, 4, 5, 6, 7});
    EXPECT_TRUE(rig.game.giveUp());
    EXPECT_EQ(rig.dialogs.passwordModes, (std::vector<int>{0, 0}));
}

TEST(SecondPlayer, aTrainingGameRunsTheDriverAgainstTheSetRow)
{
    test::IdleRig rig(trainingRules(5, 11, true, true));
    ASSERT_TRUE(rig.setHiddenRow({3, 1, 4, 9, 5}));
    // The driver played 14 rows against it.
    EXPECT_EQ(std::tuple(rig.s().hiddenRow, rig.s().currentRow, rig.s().training, rig.s().solved),
              std::tuple(Row{3, 1, 4, 9, 5, 0, 0, 0}, 15, true, false));
    rig.playRow({3, 1, 4, 9, 5});
    EXPECT_TRUE(rig.s().solved && rig.dialogs.questions.empty());
    EXPECT_EQ(rig.dialogs.messages, std::vector<int>{10}); // a training game sets no record
}

} // namespace
} // namespace mirvalon
