// SPDX-License-Identifier: GPL-3.0-or-later
// Rules behind the menus and the records list: game type, positions and pieces, the records
// list's archive and deletion, the activation without a shared folder, the score's floor, and
// one table for the window per operation.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <tuple>

#include "support/fake_ports.h"

namespace mirvalon {
namespace {

TEST(Score, neverFallsBelowZeroAfterAPenalty)
{
    enum class Step { Confirm, Cancel, TakeBack };
    for (Step step : {Step::Confirm, Step::Cancel, Step::TakeBack}) {
        test::PlayingRig rig;
        // The clock starts; one tick after 9996 s leaves 3 points, one short of a take-back.
        rig.place({8});
        rig.tickAfter(9'996'000);
        ASSERT_EQ(rig.s().score, 3);
        if (step == Step::Confirm)
            rig.playRow({9, 10, 11, 12, 13, 14});
        else if (step == Step::Cancel)
            rig.game.cancelRow();
        else
            rig.game.doubleClickSlotPiece(1);
        EXPECT_EQ(rig.s().score, 0) << static_cast<int>(step);
    }
}

TEST(RecordsList, archiveIsOfferedForAnArchivedRowOnlyWhileTheListIsShown)
{
    test::IdleRig rig;
    rig.records.table[0].archived = true;
    rig.records.table[0].points = 500;
    rig.records.table[191].points = 0;
    rig.game.recordsPanelShown(true);
    const std::initializer_list<Command> both = {Command::Archive, Command::DeleteRecord};
    rig.game.selectRecordRow(0);
    EXPECT_EQ(rig.enabledOf(both), (std::vector<bool>{true, true}));
    rig.game.selectRecordRow(191);
    EXPECT_EQ(rig.enabledOf(both), (std::vector<bool>{false, false}));
    rig.game.selectRecordRow(-1); // no row: nothing changes
    rig.game.selectRecordRow(192);
    EXPECT_FALSE(rig.enabled(Command::Archive));
    rig.game.selectRecordRow(0);
    rig.game.recordsPanelShown(false);
    EXPECT_FALSE(rig.enabled(Command::Archive));
}

TEST(RecordsList, deletionAsksAndResetsTheGameItTouches)
{
    // index: the game on the board is 104, index 103
    using Case = std::tuple<const char*, bool, int, std::vector<bool>, std::vector<int>,
                            std::vector<int>, bool>;
    const Case cases[] = {
        {"own row, yes twice", false, 103, {true, true}, {0, 3}, {103}, false},
        {"own row, no to ending", false, 103, {false}, {0}, {}, true},
        {"own row, no to deleting", false, 103, {true, false}, {0, 3}, {}, true},
        {"other row", false, 5, {true}, {3}, {5}, true},
        {"the first game's row", false, 0, {true}, {3}, {0}, true},
        {"a row past the last", false, 192, {true}, {}, {}, true},
        {"all, yes twice", true, 0, {true, true}, {0, 4}, {-1}, false},
        {"all, no to ending", true, 0, {false}, {0}, {}, true},
    };
    for (const auto& [name, all, index, answers, questions, deleted, stillPlaying] : cases) {
        SCOPED_TRACE(name);
        test::PlayingRig rig;
        const int closes = rig.board.panelCloses;
        rig.dialogs.answers.assign(answers.begin(), answers.end());
        const bool done = all ? rig.game.deleteAllRecords() : rig.game.deleteRecord(index);
        EXPECT_EQ(done, !deleted.empty());
        EXPECT_EQ(rig.dialogs.questions, questions);
        EXPECT_EQ(rig.records.deleted, deleted);
        EXPECT_EQ(rig.s().inProgress, stillPlaying);
        EXPECT_EQ(rig.board.panelCloses > closes, !stillPlaying);
    }
    // The game whose hidden row the second player enters counts as running too.
    test::IdleRig rig;
    rig.game.startSecondPlayerGame();
    rig.dialogs.answers = {false};
    EXPECT_FALSE(rig.game.deleteRecord(103));
    EXPECT_EQ(rig.dialogs.questions, std::vector<int>{Question::EndRunningGame});
}

TEST(RecordsList, deletingWhileIdleAsksOnlyTheDeletionAndShowsTheNewRecord)
{
    test::IdleRig rig;
    rig.game.selectRecordRow(103);
    rig.dialogs.answers = {true};
    EXPECT_TRUE(rig.game.deleteRecord(103));
    EXPECT_EQ(rig.dialogs.questions, (std::vector<int>{Question::DeleteRecord}));
    EXPECT_EQ(rig.status.texts[13], "0");
    EXPECT_FALSE(rig.enabled(Command::DeleteRecord)); // the row has no points now
    rig.game.activateNumberedGame(1);                 // a record on the status bar again
    ASSERT_NE(rig.status.texts[13], "0");
    rig.dialogs.answers = {true};
    EXPECT_TRUE(rig.game.deleteAllRecords());
    EXPECT_EQ(rig.status.texts[13], "0");
    rig.records.writable = false;
    rig.dialogs.answers = {true};
    EXPECT_FALSE(rig.game.deleteAllRecords());
}

TEST(Activation, withoutASharedFolderSynchronisationIsSwitchedOff)
{
    for (bool ready : {false, true}) {
        test::IdleRig rig;
        rig.useSettings([&](GameSettings& s) { s.syncAtStart = s.syncNewRecords = true; });
        rig.game.activate(ready);
        const GameSettings& s = rig.game.settings();
        EXPECT_EQ(std::tuple(s.syncAtStart, s.syncNewRecords), std::tuple(ready, ready));
        EXPECT_EQ(rig.enabledOf({Command::SyncAtStart, Command::Synchronise}),
                  (std::vector<bool>{ready, ready}));
        if (!ready) { // through the one operation that changes a setting
            EXPECT_FALSE(rig.checked(Command::SyncAtStart));
            EXPECT_EQ(rig.settings.shown.back(),
                      (std::pair<Setting, int32_t>{Setting::SyncAtStart, 0}));
        }
    }
}

TEST(Synchronisation, asksBeforeEndingARunningGame)
{
    // state: 0 idle, 1 the second player's hidden entry, 2 a computer game, 3 won
    using Case = std::tuple<const char*, int, std::deque<bool>, bool, bool, bool>;
    // clang-format off
    const Case cases[] = {
        {"idle: no question", 0, {}, false, true, false},  {"hidden entry, Yes", 1, {true}, true, true, false},
        {"hidden entry, No", 1, {false}, true, false, true}, {"game running, Yes", 2, {true}, true, true, false},
        {"game running, No", 2, {false}, true, false, true}, {"game won: nothing runs", 3, {}, false, true, false},
    };
    // clang-format on
    for (const auto& [what, state, answers, asked, mayOpen, stillRunning] : cases) {
        SCOPED_TRACE(what);
        test::IdleRig rig;
        if (state == 1)
            rig.game.startSecondPlayerGame();
        if (state >= 2) {
            rig.startWithHidden({1, 2, 3, 4, 5, 6, 7});
            rig.playRow({1, 2, 3, 4, 5, 6, state == 3 ? 7 : 8});
        }
        rig.dialogs.questions.clear(); // the record question after a win
        rig.dialogs.answers = answers;
        EXPECT_EQ(rig.game.maySynchronise(), mayOpen);
        EXPECT_EQ(rig.dialogs.questions,
                  asked ? std::vector<int>{Question::EndRunningGame} : std::vector<int>{});
        EXPECT_EQ(rig.s().inProgress || rig.s().secondPlayer, stillRunning);
    }
}

TEST(Menus, gameTypeChangesOnlyBetweenGames)
{
    test::IdleRig rig;
    EXPECT_FALSE(rig.game.chooseGameType(Classic)); // already chosen
    EXPECT_TRUE(rig.game.chooseGameType(Training));
    EXPECT_TRUE(rig.checked(Command::GameTypeTraining) && !rig.checked(Command::GameTypeClassic));
    rig.game.chooseGameType(Classic);
    rig.game.startComputerGame();
    EXPECT_FALSE(rig.game.chooseGameType(Training));
    EXPECT_EQ(rig.game.settings().gameType, Classic);
    EXPECT_TRUE(rig.checked(Command::GameTypeClassic));
}

TEST(Menus, positionsAndPiecesAskBeforeEndingAGame)
{
    // running, the answer, changed, the item already checked
    using Case = std::tuple<bool, std::deque<bool>, bool, bool>;
    const Case cases[] = {
        {false, {}, true, false},
        {true, {true}, true, false},
        {true, {false}, false, false},
        {true, {}, false, true},
    };
    for (const auto& [running, answers, changed, same] : cases) {
        for (bool pieces : {false, true}) {
            SCOPED_TRACE(testing::Message() << running << answers.size() << same << pieces);
            test::IdleRig rig;
            if (running)
                rig.game.startComputerGame();
            rig.dialogs.answers = answers;
            EXPECT_EQ(pieces ? rig.game.changePieceCount(same ? 19 : 11)
                             : rig.game.changePositions(same ? 7 : 5),
                      changed);
            EXPECT_EQ(rig.dialogs.questions.size(), running && !same ? 1u : 0u);
            EXPECT_EQ(rig.s().inProgress, running && !changed);
            const GameSettings& s = rig.game.settings();
            EXPECT_EQ(pieces ? s.pieceCount : s.positions,
                      changed ? (pieces ? 11 : 5) : (pieces ? 19 : 7));
            EXPECT_EQ(rig.settings.shown.size(), changed ? 1u : 0u); // shown once, by set()
            EXPECT_EQ(rig.s().gameNumber != 104, changed) << "the variant on the status bar";
        }
    }
}

// The table reaches the window once per operation, also when the operation changes settings
// on its way, and once for the window's own steps held together by a Publisher.
TEST(Menus, theWindowGetsOneTablePerOperation)
{
    test::IdleRig rig;
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"positions", [&rig] { rig.game.changePositions(5); }},
        {"pieces", [&rig] { rig.game.changePieceCount(25); }},
        {"the window's own publish", [&rig] { rig.game.publish(); }},
        {"two steps held together",
         [&rig] {
             Game::Publisher once(rig.game);
             rig.game.changePositions(6);
             rig.game.toggleStatusGroup(StatusGroup::Time);
         }},
    };
    for (const auto& [what, run] : cases) {
        const int before = rig.commands.updates;
        run();
        EXPECT_EQ(rig.commands.updates - before, 1) << what;
    }
    EXPECT_TRUE(rig.checked(Command::Positions6) && !rig.checked(Command::TimeView));
}

} // namespace
} // namespace mirvalon
