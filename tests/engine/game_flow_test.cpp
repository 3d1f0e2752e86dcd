// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games played through the engine with scripted answers and a manual clock.
#include <algorithm>
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "support/fake_ports.h"

namespace mirvalon {
namespace {

using test::Rig;

// A row of 7 pieces never in the hidden rows used below.
const std::vector<int> kWrongRow = {12, 13, 14, 15, 16, 17, 18};

TEST(GameFlow, idleAfterStartUp)
{
    test::IdleRig rig;
    EXPECT_FALSE(rig.s().inProgress || rig.s().paletteEnabled);
    EXPECT_EQ(rig.s().revealedHits, GameState{}.revealedHits); // the hidden row stays covered
    for (const auto& [panel, text] : std::vector<std::pair<int, std::string>>{
             {1, "104"}, {2, "8"}, {7, "B"}, {13, "7451"}, {9, "0:00:00"}, {11, "10000"}})
        EXPECT_EQ(rig.status.texts[panel], text) << "panel " << panel;
}

// Coloured pieces carry no label, the last of 25 as well.
TEST(GameFlow, colouredPiecesCarryNoLabel)
{
    test::IdleRig rig(GameSettings{.pieceCount = 25, .pieceColours = ColouredPieces});
    EXPECT_EQ(std::count(rig.s().faces.begin() + 1, rig.s().faces.end(), kColourFace), 25);
}

TEST(GameFlow, commandsFollowThePlacedPieces)
{
    test::PlayingRig rig;
    EXPECT_TRUE(rig.s().inProgress && rig.s().resultCovered && rig.board.openRow == 1);

    using Commands = std::vector<bool>; // confirm, cancel, quick start
    const std::initializer_list<Command> row = {Command::ConfirmRow, Command::CancelRow,
                                                Command::QuickStart};
    for (int piece = 1; piece <= 7; ++piece) {
        EXPECT_TRUE(rig.game.doubleClickPalettePiece(piece));
        EXPECT_TRUE(rig.game.releaseButton()); // the release ends the double click, no drag
        EXPECT_EQ(rig.enabledOf(row), (Commands{piece == 7, true, false})) << piece;
    }

    // Taking one back costs 4 points in row 1 and disables confirming again.
    EXPECT_TRUE(rig.game.doubleClickSlotPiece(3));
    EXPECT_TRUE(rig.game.releaseButton());
    EXPECT_EQ(std::tuple(rig.s().score, rig.s().editCount), std::tuple(10000 - 4, 6));
    EXPECT_FALSE(rig.game.confirmRow());
    EXPECT_EQ(rig.s().score, 10000 - 4);

    // Cancelling empties the row for 60 points and offers the quick start again.
    EXPECT_TRUE(rig.game.cancelRow());
    EXPECT_EQ(std::tuple(rig.s().score, rig.s().editCount), std::tuple(10000 - 4 - 60, 0));
    EXPECT_EQ(rig.enabledOf(row), (Commands{false, false, true}));
    EXPECT_TRUE(rig.clock.timerOn); // removing every piece does not stop the clock

    // A row cancelled later than the first does not bring the quick start back.
    rig.playRow({1, 2, 3, 4, 5, 6, 8});
    rig.place({9});
    EXPECT_TRUE(rig.game.cancelRow());
    EXPECT_EQ(rig.enabledOf(row), (Commands{false, false, false}));
}

TEST(GameFlow, dragsFillAndEmptySlots)
{
    test::PlayingRig rig;
    EXPECT_TRUE(rig.game.pressPalettePiece(7, MouseButton::Left, {}));
    EXPECT_TRUE(rig.game.dropPalettePiece(7, 3));
    EXPECT_EQ(rig.s().editRow[2], 7);
    // An occupied slot, even the piece's own, never takes a piece.
    EXPECT_TRUE(rig.game.pressPalettePiece(5, MouseButton::Left, {}));
    EXPECT_FALSE(rig.game.dropPalettePiece(5, 3));
    EXPECT_TRUE(rig.game.pressSlotPiece(3, MouseButton::Left, {}));
    EXPECT_FALSE(rig.game.dropSlotPiece(3, 3, false));
    EXPECT_EQ(rig.s().editCount, 1);
    // Moving between slots is free; taking back onto the palette costs 4 points.
    EXPECT_TRUE(rig.game.pressSlotPiece(3, MouseButton::Left, {}));
    EXPECT_TRUE(rig.game.dropSlotPiece(3, 5, false));
    EXPECT_EQ(std::tuple(rig.s().editRow[2], rig.s().editRow[4], rig.s().score),
              std::tuple(0, 7, 10000));
    EXPECT_TRUE(rig.game.pressSlotPiece(5, MouseButton::Left, {}));
    EXPECT_TRUE(rig.game.dropSlotPiece(5, 0, true));
    EXPECT_EQ(std::tuple(rig.s().editCount, rig.s().score), std::tuple(0, 9996));
    // A palette piece dropped on no slot goes back; nothing is counted.
    EXPECT_TRUE(rig.game.pressPalettePiece(2, MouseButton::Left, {}));
    EXPECT_FALSE(rig.game.dropPalettePiece(2, 0));
    EXPECT_EQ(rig.s().editCount, 0);
    // A right click blocks a palette piece; a blocked piece cannot be picked up.
    EXPECT_FALSE(rig.game.pressPalettePiece(9, MouseButton::Right, {}));
    EXPECT_TRUE(rig.s().blocked[9]);
    EXPECT_TRUE(rig.enabled(Command::UnblockAll));
    EXPECT_FALSE(rig.game.pressPalettePiece(9, MouseButton::Left, {}));
    // Ctrl+Shift with the left button starts a drag rather than a block.
    EXPECT_TRUE(rig.game.pressPalettePiece(10, MouseButton::Left, {true, true, false}));
    EXPECT_FALSE(rig.s().blocked[10]);
    rig.game.dropPalettePiece(10, 0);
    EXPECT_FALSE(rig.game.pressPalettePiece(10, MouseButton::Left, {false, true, false}));
    EXPECT_TRUE(rig.s().blocked[10]);
}

// A win on row 1 beats the record of 7451 and asks for it; one on row 15 (7200) asks nothing.
TEST(GameFlow, theRecordIsAskedForOnlyAboveTheOldOne)
{
    for (int row : {1, 15}) {
        SCOPED_TRACE(row);
        test::PlayingRig rig;
        rig.dialogs.answers = {true};
        rig.dialogs.recordName = "Anna";
        for (int r = 1; r < row; ++r)
            rig.playRow(kWrongRow);
        rig.playRow({1, 2, 3, 4, 5, 6, 7});
        const auto& s = rig.s();
        const int points = row == 1 ? 9700 : 10000 - 4 * 300 - 5 * 200 - 6 * 100;
        const bool record = row == 1;
        EXPECT_TRUE(s.solved && !s.inProgress);
        EXPECT_EQ(s.score, points);
        const test::ScriptedDialogs& d = rig.dialogs;
        EXPECT_EQ(std::tuple(d.messages, d.messageNumbers, d.questions, d.recordDialogs),
                  std::tuple(std::vector<int>{0}, std::vector<int>{row},
                             record ? std::vector<int>{1} : std::vector<int>{}, int(record)));
        EXPECT_EQ(s.oldPoints, record ? 7451 : 0); // the old record shown beside the new one
        EXPECT_EQ(rig.records.table[103].points, record ? points : 7451);
        EXPECT_EQ(rig.status.texts[13], record ? "9700" : "7451");
        EXPECT_EQ(rig.board.drawnRows.back(), (test::FakeBoard::DrawnRow{row, 7, 0}));
        EXPECT_EQ(s.pegs[row - 1], (Row{1, 1, 1, 1, 1, 1, 1, 0}));
        EXPECT_FALSE(s.paletteEnabled || rig.clock.timerOn);
    }
}

TEST(GameFlow, lossAfterRowFifteenAndGivingUp)
{
    test::PlayingRig rig;
    for (int r = 1; r <= 15; ++r) // the last a piece short of the hidden row
        rig.playRow(r < 15 ? kWrongRow : std::vector<int>{1, 2, 3, 4, 5, 6, 12});
    EXPECT_FALSE(rig.s().inProgress || rig.s().solved);
    EXPECT_EQ(rig.dialogs.messages, std::vector<int>{1});
    // No sixteenth row; a row of neither hit nor miss is of kind 1 with blocking on.
    EXPECT_EQ(std::tuple(rig.s().currentRow, rig.board.revealed.size(), rig.s().rowKind[0]),
              std::tuple(15, 7u, 1));

    rig.startWithHidden({1, 2, 3, 4, 5, 6, 7});
    rig.playRow({2, 1, 3, 12, 13, 14, 15});
    EXPECT_EQ(rig.s().pegs[0], (Row{1, -1, -1, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(rig.game.giveUp());
    EXPECT_TRUE(!rig.s().inProgress && rig.dialogs.messages == (std::vector<int>{1, 1}));
    EXPECT_FALSE(rig.game.giveUp()); // nothing left to give up
}

TEST(GameFlow, equalScoreIsNoRecordAndSecondPlayerGetsQuestionTwo)
{
    test::PlayingRig rig;
    rig.records.table[103].points = 9700;
    rig.playRow({1, 2, 3, 4, 5, 6, 7});
    EXPECT_TRUE(rig.dialogs.questions.empty());

    rig.records.table[103].points = 100;
    EXPECT_TRUE(rig.setHiddenRow({1, 2, 3, 4, 5, 6, 7}));
    rig.playRow({1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(rig.dialogs.questions, std::vector<int>{2});
    EXPECT_EQ(rig.records.writes, 0);
}

TEST(GameFlow, showTimeOffMeansNoClockNoScoreNoRecord)
{
    test::IdleRig rig({.showTime = false});
    rig.startWithHidden({1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(rig.status.texts[11], "! Čas !");
    rig.place({1});
    EXPECT_FALSE(rig.clock.timerOn || rig.enabled(Command::TimeView));
    rig.game.clockTick();
    EXPECT_EQ(rig.status.texts[9], "0:00:00");
    rig.playRow({2, 3, 4, 5, 6, 7});
    EXPECT_TRUE(rig.s().solved && rig.dialogs.questions.empty());
    EXPECT_TRUE(rig.enabled(Command::TimeView)); // the next game may have its clock again
}

TEST(GameFlow, quickStartTriesEveryPieceInOrder)
{
    test::IdleRig rig({.positions = 5, .pieceCount = 11});
    rig.startWithHidden({11, 10, 9, 8, 7});
    rig.game.quickStart();
    EXPECT_EQ(std::tuple(rig.events.yields, rig.s().currentRow), std::tuple(3, 3));
    EXPECT_EQ((std::array{rig.s().rows[0], rig.s().rows[1], rig.s().editRow}),
              (std::array<Row, 3>{Row{1, 2, 3, 4, 5}, Row{6, 7, 8, 9, 10}, Row{11}}));
    EXPECT_EQ(std::tuple(rig.s().editCount, rig.s().score), std::tuple(1, 10000 - 600));
}

TEST(GameFlow, quickStartStopsWhenTheWindowCloses)
{
    test::IdleRig rig;
    rig.startWithHidden({19, 18, 17, 16, 15, 14, 13});
    int rowsSeen = 0;
    rig.events.onYield = [&] {
        if (++rowsSeen == 2)
            rig.game.close();
    };
    rig.game.quickStart();
    // One row confirmed, then it stopped.
    EXPECT_EQ(std::tuple(rig.s().currentRow, rig.s().editCount), std::tuple(2, 0));
}

TEST(GameFlow, resetToIdleLeavesNothingRunning)
{
    test::PlayingRig rig;
    rig.playRow(kWrongRow);
    rig.game.resetToIdle();
    EXPECT_FALSE(rig.s().inProgress || rig.s().paletteEnabled);
    EXPECT_TRUE(rig.board.drawnRows.empty() && rig.dialogs.messages.empty());
    EXPECT_EQ(std::tuple(rig.board.openRow, rig.s().rowKind[0], rig.s().rows[0], rig.s().score),
              std::tuple(0, -1, Row{}, 10000));

    // Pieces left in a wider row do not come back with a narrower game's row.
    rig.game.startComputerGame();
    rig.place({1, 2, 3, 4, 5, 6, 7});
    rig.useSettings([&](GameSettings& s) { s.positions = 5; });
    rig.game.resetToIdle();
    rig.startWithHidden({1, 2, 3, 4, 5});
    rig.playRow({8, 9, 10, 11, 12});
    EXPECT_EQ(rig.s().rows[0], (Row{8, 9, 10, 11, 12, 0, 0, 0}));
}

// A row proves its pieces unused (kind 1: neither hit nor miss) only in a game with blocking;
// the blocking aid's table pins the kinds of rows with hits and misses.
TEST(GameFlow, withoutBlockingNoRowProvesItsPiecesUnused)
{
    test::IdleRig rig({.blocking = false});
    rig.startWithHidden({1, 2, 3, 4, 5, 6, 7});
    rig.playRow(kWrongRow);
    EXPECT_EQ(rig.s().rowKind[0], 0);
}

// The groups, their marks and the score panel follow the settings at start and after each
// group's toggle; without the clock there is no score.
TEST(StatusBar, groupsFollowTheSettingsAndTheirToggles)
{
    using Case = std::array<bool, 3>; // info, time, score
    for (const Case& settings : {Case{true, true, true}, Case{true, false, true},
                                 Case{false, true, true}, Case{true, true, false}}) {
        test::IdleRig rig(
            {.showInfo = settings[0], .showTime = settings[1], .showScore = settings[2]});
        const CommandTable& t = rig.commands.table;
        for (bool toggled : {false, true}) {
            const Case on{settings[0] != toggled, settings[1] != toggled, settings[2] != toggled};
            EXPECT_EQ(rig.status.groupsShown, on);
            EXPECT_EQ((Case{t.checked(Command::InfoView), t.checked(Command::TimeView),
                            t.checked(Command::ScoreView)}),
                      on);
            EXPECT_EQ(rig.status.texts[11], on[1] ? "10000" : "! Čas !");
            for (StatusGroup group : {StatusGroup::Info, StatusGroup::Time, StatusGroup::Score})
                rig.game.toggleStatusGroup(group);
        }
    }
}

// The hidden row holds the palette's pieces, distinct where each piece is once, and nothing
// beyond its width, also after a wider row.
TEST(HiddenRow, palettePiecesDistinctWhenEachOnceAndNothingBeyondTheWidth)
{
    for (bool eachOnce : {true, false}) {
        std::set<int> drawn;
        bool repeatSeen = false;
        for (int seed = 1; seed <= 300; ++seed) {
            Rig rig({.positions = 8, .pieceCount = 11, .eachPieceOnce = eachOnce});
            rig.clock.seconds = seed;
            rig.game.drawHiddenRow();
            rig.useSettings([&](GameSettings& s) { s.positions = 5; });
            rig.game.drawHiddenRow();
            const Row& h = rig.s().hiddenRow;
            const std::set<int> seen(h.begin(), h.begin() + 5);
            drawn.insert(seen.begin(), seen.end());
            repeatSeen = repeatSeen || seen.size() < 5;
            EXPECT_EQ(std::tuple(h[5], h[6], h[7]), std::tuple(0, 0, 0)) << "seed " << seed;
        }
        EXPECT_EQ(drawn, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})) << eachOnce;
        EXPECT_EQ(repeatSeen, !eachOnce);
    }
}

} // namespace
} // namespace mirvalon
