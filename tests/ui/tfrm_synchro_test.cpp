// SPDX-License-Identifier: GPL-3.0-or-later
// The synchronisation dialog: its place beside the main window and what "Štart" does.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

#include "ui/tfrm_synchro.h"

namespace mirvalon {
namespace {

class ScriptedDriver : public SynchroDriver
{
public:
    void startAll() override { ++runs; }
    int runs = 0;
};

TEST(SynchroDialog, opensBesideTheMainWindowWithTheBarAtZero)
{
    // Where the main window stands, and where the dialog then opens.
    const std::pair<QPoint, QPoint> cases[] = {
        {{300, 200}, {414, 346}},
        {{-200, -150}, {10, 10}},
        {{-104, 40}, {10, 186}},
    };
    ScriptedDriver driver;
    Tfrm_Synchro dialog(driver);
    QWidget main;
    main.resize(780, 500);
    for (const auto& [at, expected] : cases) {
        SCOPED_TRACE(::testing::Message() << "main window at " << at.x() << "," << at.y());
        main.move(at);
        dialog.setProgress(55);
        dialog.okLabel()->show();
        dialog.prepare(&main);
        EXPECT_EQ(dialog.pos(), expected);
        EXPECT_EQ(dialog.progressBar()->value(), 0);
        EXPECT_TRUE(dialog.okLabel()->isHidden());
        EXPECT_EQ(dialog.focusWidget(), dialog.startButton());
    }
}

} // namespace
} // namespace mirvalon
