// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar's panels laid out by groups.
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

#include "ui/status_strip.h"

namespace mirvalon {
namespace {

TEST(StatusStrip, hiddenGroupsAreAbsorbedByTheNextVisiblePanel)
{
    struct Case
    {
        bool info, time, score;
        StatusWidths widths;
    };
    // clang-format off
    const Case cases[] = {
        {true, true, true,    {54, 36, 20, 10, 20, 20, 20, 20, 50, 60, 47, 50, 55, 50}},
        {true, false, true,   {54, 36, 20, 10, 20, 20, 20, 20, 0, 0, 157, 50, 55, 50}},
        {false, true, true,   {0, 0, 0, 0, 0, 0, 0, 0, 250, 60, 47, 50, 55, 50}},
        {true, true, false,   {54, 36, 20, 10, 20, 20, 20, 20, 50, 60, 0, 0, 0, 0}},
        {false, false, false, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    // clang-format on
    for (const Case& c : cases) {
        QWidget window;
        StatusStrip strip(&window);
        strip.showGroup(StatusGroup::Info, c.info);
        strip.showGroup(StatusGroup::Time, c.time);
        strip.showGroup(StatusGroup::Score, c.score);
        int left = 0;
        for (int i = 0; i < kStatusPanels; ++i) {
            EXPECT_EQ(strip.panel(i)->width(), c.widths[i]) << i;
            EXPECT_EQ(strip.panel(i)->x(), left) << i;
            left += c.widths[i];
        }
        // Showing a group again restores its panels with their widths.
        for (StatusGroup g : {StatusGroup::Info, StatusGroup::Time, StatusGroup::Score})
            strip.showGroup(g, true);
        for (int i = 0; i < kStatusPanels; ++i)
            EXPECT_EQ(strip.panel(i)->width(), cases[0].widths[i]) << i;
    }
}

} // namespace
} // namespace mirvalon
