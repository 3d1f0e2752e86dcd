// SPDX-License-Identifier: GPL-3.0-or-later
// The game clock: one point a second, catch-up of missed ticks in a classic game, midnight,
// the end at zero points and the training limit of two hours.
#include <gtest/gtest.h>

#include <tuple>

#include "support/fake_ports.h"

namespace mirvalon {
namespace {

using test::Rig;

// A computer game whose clock the first piece has started.
void ticking(Rig& rig)
{
    rig.game.startUp();
    rig.game.startComputerGame();
    rig.place({1});
}

// A tick takes a point, or the seconds of a gap in a classic game; the window hears of the
// commands only from a tick that ends the game, and then hears the table of the ended game.
TEST(GameClock, pointsByGapAndCommandsOnlyAtTheEnd)
{
    constexpr int kAllPoints = -1;
    using Case = std::tuple<int, int64_t, int, bool>;
    const int64_t twoHours = 2 * 3600 * 1000LL;
    const Case cases[] = {
        {Classic, 1000, 1, false},
        {Classic, 2000, 1, false},
        {Classic, 2001, 3, false},
        {Classic, 10600, 11, false},
        {Training, 10600, 1, false},
        {Classic, 10000 * 1000LL, kAllPoints, true},
        {Training, twoHours - 1000, 1, false},
        {Training, twoHours, 1, true},
    };
    for (const auto& [gameType, gapMs, pointsTaken, ends] : cases) {
        SCOPED_TRACE(testing::Message() << "gap " << gapMs);
        Rig rig({.gameType = gameType});
        ticking(rig);
        const int before = rig.s().score;
        const int updates = rig.commands.updates;
        rig.tickAfter(gapMs);
        EXPECT_EQ(before - rig.s().score, pointsTaken == kAllPoints ? before : pointsTaken);
        EXPECT_EQ(std::tuple(rig.s().inProgress, rig.commands.updates > updates,
                             rig.enabled(Command::GiveUp)),
                  std::tuple(!ends, ends, !ends));
    }
}

TEST(GameClock, clockTextAcrossMidnightAndTotalTime)
{
    Rig rig;
    rig.clock.now = (23 * 3600 + 59 * 60 + 30) * 1000LL;
    ticking(rig);
    for (int i = 0; i < 60; ++i)
        rig.tickAfter(1000);
    EXPECT_EQ(rig.clock.now, 30 * 1000LL);
    EXPECT_EQ(std::tuple(rig.status.texts[9], rig.s().score), std::tuple("0:01:00", 10000 - 60));
    rig.game.totalTimeTick();
    EXPECT_EQ(rig.status.totalTime, "0:01:00");
    EXPECT_EQ(formatClock((100 * 3600 + 59 * 60 + 9) * 1000LL + 999), "100:59:09");
    EXPECT_EQ(formatClock(-1000), "0:00:00");
}

TEST(GameClock, totalTimeCountsFromStartUpAcrossMidnight)
{
    using Case = std::tuple<int64_t, int64_t, int64_t, const char*>;
    const int64_t day = 24 * 3600 * 1000LL;
    const Case cases[] = {
        {1000, 1000, 0, "0:00:00"},
        {1000, 3500, 2500, "0:00:02"},
        {day - 500, 1250, 1750, "0:00:01"},
        {5000, 5000 + 3723 * 1000LL + 999, 3723 * 1000LL + 999, "1:02:03"},
    };
    for (const auto& [startMs, nowMs, totalMs, text] : cases) {
        Rig rig;
        rig.clock.now = startMs;
        rig.game.startUp();
        rig.clock.now = nowMs;
        EXPECT_EQ(std::tuple(rig.game.totalTimeMs(), rig.game.totalTimeText()),
                  std::tuple(totalMs, text))
            << "start " << startMs;
    }
}

TEST(GameClock, pointsRunningOutEndTheGameAndDropADraggedPiece)
{
    Rig rig;
    ticking(rig);
    ASSERT_TRUE(rig.game.pressPalettePiece(2, MouseButton::Left, {}));
    rig.board.onEndDrag = [&] { rig.game.dropPalettePiece(2, 0); };
    rig.tickAfter(20000 * 1000LL); // a long stall costs every second
    EXPECT_EQ(rig.board.dragsEnded, 1);
    EXPECT_FALSE(rig.s().dragging || rig.clock.timerOn);
    EXPECT_EQ(rig.dialogs.messages, std::vector<int>{1});
}

TEST(GameClock, recordOutOfReachLabels)
{
    Rig rig;
    ticking(rig);
    // A tick after 2547 s takes them and its own point: one above the record of game 104.
    rig.tickAfter(2'547'000);
    ASSERT_EQ(rig.s().score, 7452);
    rig.tickAfter(1000);
    EXPECT_FALSE(rig.status.recordLabels);
    rig.tickAfter(1000);
    EXPECT_TRUE(rig.status.recordLabels && rig.s().recordOutOfReach);
}

} // namespace
} // namespace mirvalon
