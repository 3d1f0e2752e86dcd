// SPDX-License-Identifier: GPL-3.0-or-later
// The board's boxes drawn to their last device pixel on every screen, and the pieces of a won
// row drawn like the pieces of every other row.
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/bevel_box.h"
#include "window_rig.h"

namespace mirvalon::test {
namespace {

// The bevel reaches the box's right and bottom edges, whatever the screen's pixel ratio: no
// line of the face colour is left below or beside it.
TEST(BevelBoxLook, theBevelReachesTheLastDevicePixel)
{
    struct Case
    {
        const char* name;
        Bevel outer, inner;
        int width;
        QSize size;
        QColor edge; // right column and bottom row
    };
    const QColor dark(128, 128, 128);
    const Case cases[] = {
        {"piece", Bevel::Raised, Bevel::None, 3, {40, 22}, dark},
        {"slot", Bevel::Raised, Bevel::Lowered, 1, {40, 22}, dark},
        {"peg", Bevel::Raised, Bevel::Lowered, 1, {9, 22}, dark},
        {"sunken panel", Bevel::Lowered, Bevel::None, 1, {34, 20}, Qt::white},
    };
    const QColor face(255, 0, 0);
    for (const Case& c : cases) {
        for (int ratio : {1, 2}) {
            SCOPED_TRACE(std::string(c.name) + " at ratio " + std::to_string(ratio));
            BevelBox box(nullptr);
            box.resize(c.size);
            box.setLook(c.outer, c.inner, c.width);
            box.setColour(face);
            QImage image(c.size * ratio, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::green);
            box.render(&image);
            const int right = image.width() - 1;
            const int bottom = image.height() - 1;
            for (int y = ratio; y <= bottom; ++y)
                ASSERT_EQ(image.pixelColor(right, y), c.edge) << "x " << right << " y " << y;
            for (int x = ratio; x <= right; ++x)
                ASSERT_EQ(image.pixelColor(x, bottom), c.edge) << "x " << x << " y " << bottom;
            // Inside the bevel the face colour shows.
            EXPECT_EQ(image.pixelColor(image.width() / 2, (c.width + 1) * ratio), face);
        }
    }
}

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
        WindowRig rig(GameSettings{
            .positions = 5, .pieceCount = 11, .pieceColours = GreyPieces, .eachPieceOnce = once});
        Tfrm_Logic& w = *rig.window;
        rig.nextHiddenRow({1, 2, 3, 4, 5});
        QTest::keyClick(&w, Qt::Key_F2);
        ASSERT_TRUE(rig.s().inProgress);
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
