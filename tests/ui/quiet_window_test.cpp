// SPDX-License-Identifier: GPL-3.0-or-later
// The window keeps still when nothing changes: no timer runs while no clock is on view, a tick
// of the game clock repaints the time and score panels only, and the pictures not on view are
// not decoded.
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <array>
#include <set>

#include "ui/environment_picture.h"
#include "ui/total_time_clock.h"
#include "window_rig.h"

namespace mirvalon::test {
namespace {

// Names the controls that painted, leaving out the containers painted only behind them.
std::set<QString> paintedControls(const PaintLog& log)
{
    std::set<QString> names;
    for (const auto& [o, count] : log.paints)
        if (o->metaObject() != &QWidget::staticMetaObject && !qobject_cast<const QMainWindow*>(o) &&
            !qobject_cast<const QStatusBar*>(o))
            names.insert(o->objectName());
    return names;
}

std::set<QString> activeTimers(const QObject* window)
{
    std::set<QString> names;
    for (const QTimer* t : window->findChildren<QTimer*>())
        if (t->isActive())
            names.insert(t->objectName());
    return names;
}

TEST(QuietWindow, timersRunOnlyWhileAClockIsOnViewAndATickRepaintsItsPanelsOnly)
{
    WindowRig rig;
    EXPECT_EQ(activeTimers(rig.window.get()), std::set<QString>{});

    QTest::keyClick(rig.window.get(), Qt::Key_Q, Qt::ControlModifier); // total time shown
    ASSERT_TRUE(rig.window->control("pnlKCas")->isVisible());
    EXPECT_EQ(activeTimers(rig.window.get()), std::set<QString>{"timeKCas"});
    QTest::keyClick(rig.window.get(), Qt::Key_Q, Qt::ControlModifier); // hidden again
    EXPECT_FALSE(rig.window->control("pnlKCas")->isVisible());
    EXPECT_EQ(activeTimers(rig.window.get()), std::set<QString>{});

    QTest::keyClick(rig.window.get(), Qt::Key_F2);
    EXPECT_EQ(activeTimers(rig.window.get()), std::set<QString>{});
    WindowRig::doubleClick(rig.window->palettePiece(1)); // the first piece starts the clock
    EXPECT_EQ(activeTimers(rig.window.get()), std::set<QString>{"timeCas"});

    // A tick of the game clock repaints the time and score panels only.
    PaintLog log(rig.window.get());
    rig.game().clockTick(); // the first tick may still show what the piece changed
    log.settle();
    qApp->installEventFilter(&log);
    for (int i = 0; i < 3; ++i) {
        rig.timeOfDayMs += 1000; // a second passes: the tick shows a new time and score
        rig.game().clockTick();
        QCoreApplication::processEvents();
    }
    log.settle();
    qApp->removeEventFilter(&log);
    EXPECT_EQ(paintedControls(log), (std::set<QString>{"stbrPanel9", "stbrPanel11"}));
}

TEST(QuietWindow, totalTimeTicksJustAfterEachWholeSecond)
{
    int64_t running = 0;
    TotalTimeClock clock(
        nullptr, [&] { return running; }, [] {});
    // How long the clock has run, and how long it then waits for its next tick.
    const std::pair<int64_t, int> cases[] = {
        {0, 1010}, {300, 710}, {999, 11}, {1005, 1005}, {86399010, 1000}};
    for (const auto& [runningMs, waitMs] : cases) {
        running = runningMs;
        clock.setRunning(true);
        EXPECT_EQ(clock.msToNextTick(), waitMs) << "running " << runningMs;
    }
}

// Pixels are held only for pictures that have been on view, at three bytes a pixel; each one
// has its whole picture by the time it first paints.
TEST(QuietWindow, picturesAreDecodedWhenFirstShown)
{
    WindowRig rig;
    PaintLog(rig.window.get()).settle(); // the first picture is painted
    const char* const names[4] = {"imgText1", "imgText2", "imgFoto1", "imgFoto2"};
    const char* const items[4] = {"mm2Text1", "mm2Text2", "mm2Foto1", "mm2Foto2"};
    std::array<EnvironmentPicture*, 4> pictures{};
    std::array<bool, 4> seen{};
    for (int i = 0; i < 4; ++i) {
        pictures[i] = dynamic_cast<EnvironmentPicture*>(rig.window->control(names[i]));
        ASSERT_NE(pictures[i], nullptr) << names[i];
        seen[i] = pictures[i]->isVisible();
    }
    ASSERT_EQ(std::count(seen.begin(), seen.end(), true), 1); // the saved picture is on view
    for (int shown : {0, 3, 1, 2}) {
        rig.window->menuItem(items[shown])->trigger();
        if (!pictures[shown]->isVisible()) // choosing the picture on view takes it away
            rig.window->menuItem(items[shown])->trigger();
        ASSERT_TRUE(pictures[shown]->isVisible()) << names[shown];
        seen[shown] = true;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(pictures[i]->isDecoded(), seen[i]) << names[i] << " after " << names[shown];
        EXPECT_EQ(pictures[shown]->pixmap().depth(), 24) << names[shown];
    }
}

} // namespace
} // namespace mirvalon::test
