// SPDX-License-Identifier: GPL-3.0-or-later
// The look back at a game: the counts it gives for a game played on the board, and the same
// figures when that game comes back as a record game.
#include <gtest/gtest.h>

#include "engine/game_review.h"
#include "support/fake_ports.h"

namespace mirvalon {
namespace {

TEST(GameReview, aRecordGameOnViewReadsAsTheGamePlayed)
{
    test::PlayingRig played; // game 104: 7 places, 19 pieces, each piece once
    EXPECT_FALSE(gameReviewable(played.s()));
    played.playRow({8, 9, 10, 11, 12, 13, 14}); // none of its pieces is hidden
    EXPECT_FALSE(gameReviewable(played.s()));   // still being played
    played.playRow({2, 1, 3, 8, 16, 17, 18});   // 8 is known to be out
    played.playRow({1, 2, 3, 4, 5, 6, 7});
    ASSERT_TRUE(gameReviewable(played.s()));
    const GameReview review = reviewGame(played.game.settings(), played.s());
    ASSERT_EQ(review.rows.size(), 3u);
    EXPECT_TRUE(review.solved);
    EXPECT_EQ(review.rows[0].before, 19ull * 18 * 17 * 16 * 15 * 14 * 13);
    EXPECT_EQ(review.rows[0].after, 12ull * 11 * 10 * 9 * 8 * 7 * 6); // the 12 pieces left
    EXPECT_EQ(review.rows[1].before, review.rows[0].after);
    EXPECT_EQ(review.rows[2].after, 1u);
    EXPECT_EQ(std::tuple(review.rows[0].couldBeHidden, review.rows[1].couldBeHidden,
                         review.rows[2].couldBeHidden),
              std::tuple(true, false, true));
    EXPECT_DOUBLE_EQ(review.computerRows, 9.27); // the computer's average for 7 of 19, once

    const GameState& won = played.s();
    ArchivedGame archived{.hiddenRow = won.hiddenRow, .rows = won.rows, .pegs = won.pegs};
    for (int k = 1; k <= kMaxPieces; ++k)
        archived.faces[k] = kColourFace;
    test::Rig replayed;
    replayed.records.table[103].rows = 3; // the record this game set
    replayed.game.startUp();
    replayed.game.showArchivedGame(archived, 104);
    ASSERT_TRUE(gameReviewable(replayed.s()));
    const GameReview again = reviewGame(replayed.game.settings(), replayed.s());
    ASSERT_EQ(again.rows.size(), review.rows.size());
    EXPECT_EQ(again.solved, review.solved);
    for (std::size_t r = 0; r < review.rows.size(); ++r) {
        const RowAnalysis &a = again.rows[r], &b = review.rows[r];
        EXPECT_EQ(std::tuple(a.before, a.after, a.couldBeHidden, a.computerLeft),
                  std::tuple(b.before, b.after, b.couldBeHidden, b.computerLeft))
            << r;
        EXPECT_LE(b.computerLeft, b.before) << r;
    }

    // A new game has nothing to look back on until it ends; given up, it ends unsolved.
    replayed.startWithHidden({1, 2, 3, 4, 5, 6, 7});
    EXPECT_TRUE(reviewGame(replayed.game.settings(), replayed.s()).rows.empty());
    replayed.playRow({7, 6, 5, 4, 3, 2, 1});
    replayed.game.giveUp();
    const GameReview givenUp = reviewGame(replayed.game.settings(), replayed.s());
    ASSERT_EQ(givenUp.rows.size(), 1u);
    EXPECT_FALSE(givenUp.solved);
}

} // namespace
} // namespace mirvalon
