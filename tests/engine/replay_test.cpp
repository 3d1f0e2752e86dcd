// SPDX-License-Identifier: GPL-3.0-or-later
// Archived record games laid out on the board, and numbered games activated from the list.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/variant.h"
#include "support/fake_ports.h"

namespace mirvalon {
namespace {

// The record game of the reference record of game 192: 14 rows, 4950 points.
ArchivedGame recordGame192()
{
    ArchivedGame a{.environment = 3, .hiddenRow = {1, 2, 3, 4, 5, 6, 7, 8}, .previousRecord = 3000};
    for (int k = 1; k <= 25; ++k)
        a.faces[k] = 100 + k;
    a.faces[6] = -106; // pieces 6 and 25 were blocked when the game was stored
    a.faces[25] = -125;
    for (int r = 0; r < 14; ++r) // rows of a piece not in the hidden row
        a.rows[r] = {9, 9, 9, 9, 9, 9, 9, 9};
    a.rows[13] = a.hiddenRow;
    a.pegs[13] = {1, 1, 1, 1, 1, 1, 1, 1};
    a.pegs[2] = {1, -1, -1, 0, 0, 0, 0, 0};
    return a;
}

TEST(Replay, layOutTheWholeRecordGameAtOnce)
{
    test::IdleRig rig({.gameType = Training});
    rig.game.showArchivedGame(recordGame192(), 192);
    const GameState& s = rig.s();
    const GameSettings& set = rig.game.settings();
    // The rules of game 192, numbered faces, a classic game.
    EXPECT_EQ(std::tuple(computeVariant(set).number, set.gameForm, set.pieceColours, set.gameType,
                         set.environment),
              std::tuple(192, int(HardestForm), int(GreyPieces), int(Classic), 3));
    EXPECT_EQ(rig.board.environment, 3);
    ASSERT_EQ(rig.board.drawnRows.size(), 14u);
    EXPECT_EQ(rig.board.drawnRows[2], (test::FakeBoard::DrawnRow{3, 1, 2}));
    EXPECT_EQ(rig.board.drawnRows[13], (test::FakeBoard::DrawnRow{14, 8, 0}));
    EXPECT_EQ(rig.board.revealed.size(), 8u);
    EXPECT_EQ(std::tuple(s.rows[13], s.currentRow), std::tuple(s.hiddenRow, 14));
    EXPECT_EQ(std::tuple(s.faces[6], s.blocked[6], s.blocked[25], s.blockedCount),
              std::tuple(106, true, true, 2));
    // The palette is hidden during a replay.
    EXPECT_EQ(std::tuple(s.paletteShown[1], s.inProgress, s.showingArchived),
              std::tuple(false, false, true));
    EXPECT_EQ(std::tuple(rig.status.texts[9], rig.status.texts[11], rig.status.texts[13]),
              std::tuple(" 0:38:54", "4950", "3000"));
    EXPECT_FALSE(rig.enabled(Command::Archive));
    // The time hidden and shown again keeps the record's own points on view.
    rig.game.toggleStatusGroup(StatusGroup::Time);
    rig.game.toggleStatusGroup(StatusGroup::Time);
    EXPECT_EQ(rig.status.texts[11], "4950");

    // The next game clears the replay away.
    rig.game.startComputerGame();
    EXPECT_TRUE(!rig.s().showingArchived && rig.board.drawnRows.empty() && rig.s().paletteShown[1]);
}

TEST(Replay, colourSchemeFollowsTheFaces)
{
    const int cases[][3] = {{1000, 1000, 1}, {-1000, 7, 1}, {1, 1000, 2}, {1, -1000, 2}, {5, 9, 0}};
    for (const auto& [face1, face2, scheme] : cases) {
        test::IdleRig rig;
        ArchivedGame a = recordGame192();
        a.faces[1] = face1;
        a.faces[2] = face2;
        rig.game.showArchivedGame(a, 192);
        EXPECT_EQ(rig.game.settings().pieceColours, scheme) << face1 << " " << face2;
    }
}

TEST(Replay, activatingANumberedGameSetsItsVariant)
{
    test::IdleRig rig;
    rig.game.activateNumberedGame(2); // 5 places of 19 pieces
    EXPECT_EQ(std::tuple(rig.s().gameNumber, rig.status.texts[1], rig.game.settings().gameForm),
              std::tuple(2, "2", 1));
    rig.game.activateNumberedGame(1);
    EXPECT_EQ(std::tuple(rig.status.texts[1], rig.game.settings().gameForm), std::tuple("EASY", 0));
    rig.game.activateNumberedGame(193); // no such game: nothing changes
    EXPECT_EQ(rig.s().gameNumber, 1);
}

} // namespace
} // namespace mirvalon
