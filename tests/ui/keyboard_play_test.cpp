// SPDX-License-Identifier: GPL-3.0-or-later
// Play with the keyboard alone: Tab to the palette, the arrow keys, Enter, Backspace, B and
// Space reach the engine's rules; the focus is drawn on every piece colour.
#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/palette_focus.h"
#include "window_rig.h"

namespace mirvalon::test {
namespace {

// Keys go where the player's keys go: to the widget with the keyboard focus.
void press(Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QApplication::focusWidget(), key);
}

void tabToThePalette(Tfrm_Logic& w)
{
    // At least once: the focus a disabled button gives up may already rest there, unmarked.
    int tabs = 0;
    do
        press(Qt::Key_Tab);
    while (++tabs < 30 && QApplication::focusWidget() != w.control("pnlKocky"));
    ASSERT_EQ(QApplication::focusWidget(), w.control("pnlKocky"));
}

// Where the keyboard focus is, the player sees it, and the key that reaches it does something:
// an enabled button, or a marked piece standing in a palette that takes pieces.
void expectFocusSeenOnSomethingThatActs(WindowRig& rig)
{
    Tfrm_Logic& w = *rig.window;
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(focus->isVisible() && focus->isEnabled()) << focus->objectName().toStdString();
    if (focus != w.control("pnlKocky")) {
        for (int piece = 1; piece <= kMaxPieces; ++piece)
            EXPECT_FALSE(w.palettePiece(piece)->focusMark()) << piece; // no mark without focus
        return;
    }
    const int piece = w.findChild<PaletteFocus*>()->focusedPiece();
    BevelBox* box = w.palettePiece(piece);
    EXPECT_TRUE(rig.s().paletteEnabled);
    EXPECT_TRUE(box->focusMark()) << piece;
    EXPECT_TRUE(box->isVisible() && box->isEnabled()) << piece;
    EXPECT_GE(box->x(), 540) << piece; // at rest in the palette, not in a slot
}

// Each piece once: Enter sends the focused piece into the row and the focus moves on to the
// nearest piece still in the palette; the arrows pass over the pieces in the row.
TEST(KeyboardPlay, theFocusMovesOnFromAPlacedPiece)
{
    WindowRig rig(GameSettings{.positions = 5, .pieceCount = 11, .eachPieceOnce = true});
    Tfrm_Logic& w = *rig.window;
    press(Qt::Key_F2);
    ASSERT_TRUE(rig.s().inProgress);
    tabToThePalette(w);
    struct Step
    {
        Qt::Key key;
        int focused;
        int placed; // pieces in the row
    };
    const Step steps[] = {
        {Qt::Key_Return, 2, 1}, {Qt::Key_Return, 3, 2}, {Qt::Key_Down, 8, 2},
        {Qt::Key_Return, 9, 3}, {Qt::Key_Left, 7, 3},   {Qt::Key_Backspace, 7, 2},
        {Qt::Key_Right, 8, 2},  {Qt::Key_Up, 3, 2},     {Qt::Key_Return, 4, 3},
    };
    for (const Step& step : steps) {
        press(step.key);
        SCOPED_TRACE(QTest::toString(QKeySequence(step.key)));
        EXPECT_EQ(w.findChild<PaletteFocus*>()->focusedPiece(), step.focused);
        EXPECT_EQ(rig.s().editCount, step.placed);
        expectFocusSeenOnSomethingThatActs(rig);
    }
    EXPECT_EQ(rig.s().editRow, (Row{1, 2, 3, 0, 0, 0, 0, 0}));

    // B blocks the focused piece and frees it again (that Enter leaves a blocked piece where
    // it is is the engine's rule); Space confirms the full row.
    press(Qt::Key_B);
    EXPECT_TRUE(rig.s().blocked[4]);
    press(Qt::Key_B);
    press(Qt::Key_Return, 2);
    press(Qt::Key_Space);
    EXPECT_EQ(rig.s().currentRow, 2);
    EXPECT_EQ(QApplication::focusWidget(), w.control("pnlKocky"));
    // Given up, the palette takes no keys and hands the focus on.
    press(Qt::Key_F10);
    expectFocusSeenOnSomethingThatActs(rig);
}

// At start-up, after a new game, a quick start, a won or abandoned game and during the second
// player's entry, the focus is always seen, and always where a key acts.
TEST(KeyboardPlay, theFocusIsAlwaysSeenAndAlwaysActs)
{
    WindowRig rig;
    Tfrm_Logic& w = *rig.window;
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"start-up", [] {}},
        {"new game", [] { press(Qt::Key_F2); }},
        {"tab", [] { press(Qt::Key_Tab); }},
        {"quick start", [&] { w.menuItem("mm1RStart")->trigger(); }},
        {"tab after quick start", [] { press(Qt::Key_Tab); }},
        {"give up", [] { press(Qt::Key_F10); }},
        {"second player", [] { press(Qt::Key_F3); }},
        {"tab in the entry", [] { press(Qt::Key_Tab); }},
        {"records list",
         [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_K, Qt::ControlModifier); }},
    };
    for (const auto& [name, act] : steps) {
        SCOPED_TRACE(name);
        act();
        expectFocusSeenOnSomethingThatActs(rig);
        for (int tabs = 0; tabs < 4; ++tabs) {
            press(Qt::Key_Tab);
            expectFocusSeenOnSomethingThatActs(rig);
        }
    }
}

TEST(KeyboardPlay, theFocusIsDrawnOnEveryPieceInEveryColourScheme)
{
    for (int scheme : {0, 1, 2}) {
        WindowRig rig(GameSettings{.pieceCount = 25, .pieceColours = scheme});
        Tfrm_Logic& w = *rig.window;
        press(Qt::Key_F2); // the palette takes the focus while it takes pieces
        tabToThePalette(w);
        for (int piece = 1; piece <= 25; ++piece) {
            ASSERT_EQ(w.findChild<PaletteFocus*>()->focusedPiece(), piece);
            const QImage image = w.palettePiece(piece)->grab().toImage();
            const int b = w.palettePiece(piece)->bevelWidth();
            EXPECT_EQ(image.pixelColor(b, b), QColor(Qt::black)) << scheme << " " << piece;
            EXPECT_EQ(image.pixelColor(b + 1, b + 1), QColor(Qt::white)) << scheme << " " << piece;
            press(piece % 5 == 0 ? Qt::Key_Down : Qt::Key_Right);
            if (piece % 5 == 0)
                press(Qt::Key_Left, 4);
        }
        const QImage unfocused = w.palettePiece(1)->grab().toImage();
        EXPECT_NE(unfocused.pixelColor(4, 4), QColor(Qt::white)) << scheme; // only one mark
    }
}

} // namespace
} // namespace mirvalon::test
