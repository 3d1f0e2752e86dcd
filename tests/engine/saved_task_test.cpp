// SPDX-License-Identifier: GPL-3.0-or-later
// A second player's task taken from the board, and an opened task laid back on it.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/saved_task.h"
#include "support/fake_ports.h"

namespace mirvalon {
namespace {

SavedTask task104(bool showTime = false)
{
    SavedTask t = taskForGame(104); // "719_aknB"
    t.showTime = showTime;
    t.password = "Tajne";
    t.authText = "Výborne!";
    t.hiddenRow = {19, 1, 2, 18, 7, 8, 9, 0};
    return t;
}

TEST(SavedTask, takesTheSecondPlayersTaskFromTheBoard)
{
    test::IdleRig rig;
    ASSERT_TRUE(rig.setHiddenRow({4, 5, 6, 7, 8, 9, 10}, std::pair{"Heslo", "Bravo"}));
    const SavedTask task = taskOfGame(rig.s(), rig.game.settings());
    EXPECT_EQ(std::tuple(task.gameNumber, task.positions, task.pieceCount, task.hiddenRow),
              std::tuple(104, 7, 19, Row{4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(task.password + "/" + task.authText, "Heslo/Bravo");
    EXPECT_TRUE(taskIsPlayable(task));

    // Set up without a password, the earlier game's text stays behind.
    rig.dialogs.passwordAnswers = {std::pair<std::string, std::string>{"Heslo", ""}};
    rig.game.giveUp();
    ASSERT_FALSE(rig.s().inProgress);
    ASSERT_TRUE(rig.setHiddenRow({4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(rig.s().authText, "Bravo");
    EXPECT_EQ(taskOfGame(rig.s(), rig.game.settings()).authText, "");
}

TEST(SavedTask, keepsLabelsOnlyWhereThePiecesShowThem)
{
    GameSettings settings;
    applyVariantKey(settings, "511_AkNB"); // game 25, random arrangement on
    GameState state{.hiddenRow = {1, 2, 3, 4, 5, 0, 0, 0}, .password = "x"};
    for (int k = 1; k <= kMaxPieces; ++k)
        state.faces[k] = k % 2 ? 500 + k : kColourFace;
    settings.pieceColours = 2;
    settings.showTime = false;
    SavedTask task = taskOfGame(state, settings);
    EXPECT_EQ(std::tuple(task.gameNumber, task.showTime), std::tuple(25, false));
    // Piece 13 is beyond the eleven pieces.
    EXPECT_EQ(std::tuple(task.faces[1], task.faces[2], task.faces[11], task.faces[13]),
              std::tuple(501, 0, 511, 0));
    EXPECT_FALSE(taskIsPlayable(task)); // a password without its text
    // Coloured pieces carry no label: their numbers stand in, so the file opens again.
    settings.pieceColours = 1;
    state.password.clear();
    task = taskOfGame(state, settings);
    EXPECT_EQ(task.faces[2], 2);
    EXPECT_TRUE(taskIsPlayable(task));
}

TEST(SavedTask, opensAsIfTheSecondPlayerHadJustConfirmedIt)
{
    test::IdleRig rig;
    rig.useSettings([&](GameSettings& s) {
        s.gameType = Training;
        s.pieceColours = 2;
    });
    rig.game.openSavedTask(task104());
    const GameState& s = rig.s();
    EXPECT_TRUE(s.loadedFromFile && s.inProgress && s.secondPlayer);
    EXPECT_EQ(std::tuple(s.hiddenRow, s.password), std::tuple(task104().hiddenRow, "Tajne"));
    EXPECT_TRUE(rig.dialogs.passwordModes.empty()); // the password is not asked again
    EXPECT_EQ(std::tuple(rig.game.settings().gameType, rig.game.settings().pieceColours),
              std::tuple(int(Classic), int(GreyPieces)));
    for (int k = 1; k <= 19; ++k)
        EXPECT_EQ(s.faces[k], k) << k;
    EXPECT_EQ(std::tuple(rig.status.texts[13], rig.enabled(Command::TimeView), s.openRow),
              std::tuple("----", false, 1));

    // A solved game shows the text and asks for no record.
    rig.playRow({19, 1, 2, 18, 7, 8, 9});
    EXPECT_TRUE(s.solved && !s.loadedFromFile && rig.dialogs.questions.empty());
    EXPECT_EQ(rig.dialogs.passwordModes, std::vector<int>{2});
    EXPECT_EQ(rig.dialogs.shownAuthTexts.back(), "Výborne!");

    // With the time shown too, a task from a file solved at once asks for no record.
    test::IdleRig timed;
    timed.game.openSavedTask(task104(true));
    ASSERT_TRUE(timed.game.settings().showTime);
    timed.playRow({19, 1, 2, 18, 7, 8, 9});
    EXPECT_TRUE(timed.s().solved && timed.dialogs.questions.empty());
}

// The receiver sees the labels the second player saw: grey pieces keep every label of the
// file, the mix keeps those of its numbered pieces 1, 3, 5 ... and shows the others as colours.
TEST(SavedTask, opensWithTheLabelsItBrought)
{
    // game: with random arrangement
    using Case = std::tuple<const char*, int, int>;
    // Games 25, 26 and 27: "511_AkNB", "519_AkNB", "525_AkNB".
    const Case cases[] = {
        {"grey, 11 pieces", GreyPieces, 25}, {"mix, 11 pieces", MixedPieces, 25},
        {"mix, 19 pieces", MixedPieces, 26}, {"mix, 25 pieces", MixedPieces, 27},
        {"grey, 25 pieces", GreyPieces, 27},
    };
    for (const auto& [name, colours, game] : cases) {
        SCOPED_TRACE(name);
        test::IdleRig rig;
        rig.clock.seconds += 1234; // another second than the file was saved in
        SavedTask t = taskForGame(game);
        ASSERT_TRUE(t.randomArrangement);
        t.pieceColours = colours;
        t.hiddenRow = {1, 2, 3, 4, 5, 0, 0, 0};
        for (int k = 1; k <= t.pieceCount; ++k)
            t.faces[k] = colours == MixedPieces && k % 2 == 0 ? 0 : 990 - k;
        ASSERT_TRUE(taskIsPlayable(t));
        rig.game.openSavedTask(t);
        EXPECT_TRUE(rig.game.settings().randomArrangement);
        EXPECT_EQ(rig.game.settings().pieceCount, t.pieceCount);
        EXPECT_EQ(rig.game.settings().pieceColours, colours);
        for (int k = 1; k <= t.pieceCount; ++k) {
            const bool colour = colours == MixedPieces && k % 2 == 0;
            EXPECT_EQ(rig.s().faces[k], colour ? kColourFace : 990 - k) << k;
        }
    }
}

} // namespace
} // namespace mirvalon
