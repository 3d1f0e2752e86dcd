// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces of a won row drawn like the pieces of every other row.
#include <QTest>
#include <gtest/gtest.h>

#include "ui/bevel_box.h"
#include "window_rig.h"

namespace mirvalon::test {
namespace {

// Pixels of the caption colour `colour` inside the bevel of a piece.
int captionPixels(BevelBox* piece, const QColor& colour)
{
    const QImage image = piece->grab().toImage();
    const int b = piece->bevelWidth() * qRound(image.devicePixelRatio());
    int n = 0;
    for (int y = b; y < image.height() - b; ++y)
        for (int x = b; x < image.width() - b; ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

// The pieces of the winning row, the rows before it and the revealed hidden row all carry
// black numbers; none looks disabled.
TEST(BevelBoxLook, theWinningRowsNumbersAreBlackLikeEveryOtherRow)
{
    for (bool once : {true, false}) {
        SCOPED_TRACE(once ? "each piece once" : "pieces may repeat");
        GameSettings settings;
        settings.pieceColours = GreyPieces;
        settings.eachPieceOnce = once;
        settings.positions = 5;
        settings.pieceCount = 11;
        WindowRig rig(settings);
        Tfrm_Logic& w = *rig.window;
        QTest::keyClick(&w, Qt::Key_F2);
        ASSERT_TRUE(rig.s().inProgress);
        rig.game().mutableState().hiddenRow = {1, 2, 3, 4, 5, 0, 0, 0};
        const auto playRow = [&](const std::vector<int>& pieces) {
            for (int piece : pieces)
                WindowRig::doubleClick(w.palettePiece(piece));
            QTest::keyClick(&w, Qt::Key_Space);
        };
        playRow({2, 1, 3, 4, 5});
        playRow({1, 2, 3, 4, 5});
        ASSERT_TRUE(rig.s().solved);
        for (int row : {1, 2}) {
            for (int position = 1; position <= 5; ++position) {
                SCOPED_TRACE("row " + std::to_string(row) + " position " +
                             std::to_string(position));
                // What the player sees there: the topmost box at the place's centre.
                auto* seen = qobject_cast<BevelBox*>(
                    w.centralWidget()->childAt(WindowRig::slotCentre(row, position)));
                ASSERT_NE(seen, nullptr);
                EXPECT_GT(captionPixels(seen, Qt::black), 0);
                EXPECT_EQ(captionPixels(seen, QColor(128, 128, 128)), 0);
            }
        }
        EXPECT_EQ(captionPixels(w.hiddenPiece(1), QColor(128, 128, 128)), 0);
    }
}

} // namespace
} // namespace mirvalon::test
