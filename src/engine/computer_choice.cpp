// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer_choice.h"

#include "scoring.h"

namespace mirvalon {

namespace {

// Up to this many possible rows, every one is weighed against every other. Beyond it, this many
// drawn rows stand for the hidden rows, and the first kCandidates of them are weighed.
constexpr uint64_t kWeighAll = 320;
constexpr size_t kCandidates = 64;

} // namespace

ComputerRow computerRow(const GameRules& rules, const PossibleRows& possible, uint64_t seed)
{
    ComputerRow best;
    const uint64_t total = possible.count();
    if (total == 0)
        return best;
    std::vector<Row> hidden;
    size_t candidates = 0;
    if (total <= kWeighAll) {
        hidden = possible.list(total);
        candidates = hidden.size();
    } else {
        std::mt19937_64 random(seed);
        hidden = possible.draw(kWeighAll, random);
        candidates = kCandidates;
    }
    uint64_t bestSquares = UINT64_MAX;
    int bestWorst = INT32_MAX;
    for (size_t c = 0; c < candidates; ++c) {
        // Answers are hits * 9 + misses; the sum of squared answer sizes ranks the rows by the
        // hidden rows they leave on average.
        std::array<int, 81> answers{};
        for (const Row& h : hidden) {
            const RowScore s = scoreRow(h, hidden[c], rules.positions);
            ++answers[s.hits * 9 + s.misses];
        }
        uint64_t squares = 0;
        int worst = 0;
        for (int n : answers) {
            squares += uint64_t(n) * uint64_t(n);
            worst = std::max(worst, n);
        }
        if (squares < bestSquares || (squares == bestSquares && worst < bestWorst)) {
            bestSquares = squares;
            bestWorst = worst;
            best.row = hidden[c];
        }
    }
    const double n = double(hidden.size());
    best.expectedLeft = double(bestSquares) / n * (double(total) / n);
    return best;
}

ComputerRow computerRow(const GameRules& rules, std::span<const PlayedRow> rows, uint64_t seed)
{
    return computerRow(rules, PossibleRows(rules, rows), seed);
}

std::vector<PlayedRow> computerGame(const GameRules& rules, const Row& hidden, uint64_t seed)
{
    std::vector<PlayedRow> rows;
    while (int(rows.size()) < kRows && (rows.empty() || rows.back().hits < rules.positions)) {
        const Row next = computerRow(rules, rows, seed + rows.size()).row;
        rows.push_back(playRow(hidden, next, rules.positions));
    }
    return rows;
}

std::vector<RowAnalysis> analyseGame(const GameRules& rules, std::span<const PlayedRow> rows,
                                     const Row& hidden, uint64_t seed)
{
    std::vector<RowAnalysis> analysis(rows.size());
    std::vector<PlayedRow> upTo;
    PossibleRows before(rules, upTo);
    for (size_t t = 0; t < rows.size(); ++t) {
        RowAnalysis& a = analysis[t];
        a.before = before.count();
        a.couldBeHidden = couldBeHidden(rules, upTo, rows[t].pieces);
        a.computerRow = computerRow(rules, before, seed + t).row;
        upTo.push_back(playRow(hidden, a.computerRow, rules.positions));
        a.computerLeft = countPossible(rules, upTo);
        upTo.back() = rows[t];
        before = PossibleRows(rules, upTo);
        a.after = before.count();
    }
    return analysis;
}

} // namespace mirvalon
