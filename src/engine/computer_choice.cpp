// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer_choice.h"

#include <algorithm>
#include <cmath>
#include <future>
#include <optional>

#include "scoring.h"

namespace mirvalon {

namespace {

// Up to this many possible rows, every one is weighed against every other. Beyond it, this many
// drawn rows stand for the hidden rows, and the first kCandidates of them are weighed.
constexpr uint64_t kWeighAll = 320;
constexpr size_t kCandidates = 64;
// Up to this many possible rows, they are listed once and each further row only sorts them.
constexpr uint64_t kListed = 20000;

constexpr int bitCount(uint64_t x)
{
    x -= (x >> 1) & 0x5555555555555555ull;
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return int((x * 0x0101010101010101ull) >> 56);
}

// A row prepared for quick answers: its pieces a byte each, and each piece's copies as the set
// of (piece, copy) pairs, so that hits + misses is the size of the common part.
struct Coded
{
    uint64_t places = 0;
    std::array<uint64_t, 4> copies{};

    Coded(const Row& row, int positions)
    {
        std::array<int, kMaxPieces + 1> seen{};
        for (int i = 0; i < positions; ++i) {
            places |= uint64_t(row[i]) << (8 * i);
            const int pair = row[i] * kMaxPositions + seen[row[i]]++;
            copies[pair / 64] |= uint64_t(1) << (pair % 64);
        }
    }

    // The answer against `hidden` as hits * 9 + misses, as scoreRow gives it.
    int answer(const Coded& hidden, int positions) const
    {
        const uint64_t differ = places ^ hidden.places;
        // A byte's top bit is set when the byte is not zero.
        constexpr uint64_t kLow = 0x7F7F7F7F7F7F7F7Full;
        const uint64_t nonZero = ((differ & kLow) + kLow) | differ;
        const int hits = 8 - bitCount(nonZero & ~kLow) - (kMaxPositions - positions);
        int common = 0;
        for (int w = 0; w < 4; ++w)
            common += bitCount(copies[w] & hidden.copies[w]);
        return hits * 9 + common - hits;
    }
};

// Rows still to play once `left` hidden rows are possible, roughly: one to play the last, and
// for more, one per tenfold of them.
double rowsToFind(double left)
{
    return left <= 1 ? 1 : 1 + std::log(left) / std::log(10.0);
}

// The row among the first `candidates` of `hidden` with the fewest rows still to play expected
// after it: over its answers, the hidden rows each leaves (`hidden` stands for `total` rows)
// times the rows to find one of them, none when the answer is all hits. So a possible row is
// credited with its chance of being the hidden row itself, as well as with how it splits.
ComputerRow bestSplit(const GameRules& rules, std::span<const Row> hidden, size_t candidates,
                      uint64_t total)
{
    std::vector<Coded> coded;
    coded.reserve(hidden.size());
    for (const Row& h : hidden)
        coded.emplace_back(h, rules.positions);
    const double scale = double(total) / double(hidden.size());
    const int won = rules.positions * 9;
    ComputerRow best;
    double fewest = INFINITY;
    for (size_t c = 0; c < candidates; ++c) {
        std::array<int, 81> answers{};
        for (const Coded& h : coded)
            ++answers[coded[c].answer(h, rules.positions)];
        double rows = 0;
        double squares = 0;
        for (int k = 0; k < 81; ++k) {
            squares += double(answers[k]) * answers[k];
            if (answers[k] > 0 && k != won)
                rows += answers[k] * rowsToFind(answers[k] * scale);
        }
        if (rows < fewest) {
            fewest = rows;
            best.row = hidden[c];
            best.expectedLeft = squares / double(hidden.size()) * scale;
        }
    }
    return best;
}

} // namespace

ComputerRow computerRow(const GameRules& rules, const PossibleRows& possible, uint64_t seed)
{
    const uint64_t total = possible.count();
    if (total == 0)
        return {};
    if (total <= kWeighAll) {
        const std::vector<Row> all = possible.list(total);
        return bestSplit(rules, all, all.size(), total);
    }
    std::mt19937_64 random(seed);
    const std::vector<Row> drawn = possible.draw(kWeighAll, random);
    return bestSplit(rules, drawn, kCandidates, total);
}

ComputerRow computerRow(const GameRules& rules, std::span<const Row> possible, uint64_t seed)
{
    if (possible.empty())
        return {};
    if (possible.size() <= kWeighAll)
        return bestSplit(rules, possible, possible.size(), possible.size());
    std::mt19937_64 random(seed);
    std::vector<Row> drawn(kWeighAll);
    std::uniform_int_distribution<size_t> any(0, possible.size() - 1);
    for (Row& row : drawn)
        row = possible[any(random)];
    return bestSplit(rules, drawn, kCandidates, possible.size());
}

ComputerRow computerRow(const GameRules& rules, std::span<const PlayedRow> rows, uint64_t seed)
{
    return computerRow(rules, PossibleRows(rules, rows), seed);
}

namespace {

// The possible hidden rows as rows are added: counted while many, listed once few.
class Position
{
public:
    explicit Position(const GameRules& rules) : m_rules(rules) { settle(); }

    uint64_t count() const { return m_counted ? m_counted->count() : m_listed.size(); }

    ComputerRow computerRow(uint64_t seed) const
    {
        return m_counted ? mirvalon::computerRow(m_rules, *m_counted, seed)
                         : mirvalon::computerRow(m_rules, m_listed, seed);
    }

    // The possible rows once `row` is added too: at once while they are listed; otherwise
    // counted on a thread of its own, so that the rows after it are looked at meanwhile.
    std::future<uint64_t> countWith(const PlayedRow& row) const
    {
        if (m_counted) {
            std::vector<PlayedRow> rows = m_rows;
            rows.push_back(row);
            // Counted here when no thread can be had.
            return std::async(
                std::launch::async | std::launch::deferred,
                [rules = m_rules, rows = std::move(rows)] { return countPossible(rules, rows); });
        }
        std::promise<uint64_t> counted;
        counted.set_value(uint64_t(std::count_if(m_listed.begin(), m_listed.end(),
                                                 [&](const Row& h) { return fits(h, row); })));
        return counted.get_future();
    }

    void add(const PlayedRow& row)
    {
        m_rows.push_back(row);
        if (m_counted) {
            settle();
            return;
        }
        std::erase_if(m_listed, [&](const Row& h) { return !fits(h, row); });
    }

private:
    bool fits(const Row& hidden, const PlayedRow& row) const
    {
        const RowScore score = scoreRow(hidden, row.pieces, m_rules.positions);
        return score.hits == row.hits && score.misses == row.misses;
    }

    void settle()
    {
        m_counted.emplace(m_rules, m_rows);
        if (m_counted->count() <= kListed) {
            m_listed = m_counted->list(m_counted->count());
            m_counted.reset();
        }
    }

    GameRules m_rules;
    std::vector<PlayedRow> m_rows;
    std::optional<PossibleRows> m_counted;
    std::vector<Row> m_listed;
};

} // namespace

std::vector<PlayedRow> computerGame(const GameRules& rules, const Row& hidden, uint64_t seed)
{
    std::vector<PlayedRow> rows;
    Position position(rules);
    while (int(rows.size()) < kRows && (rows.empty() || rows.back().hits < rules.positions)) {
        const Row next = position.computerRow(seed + rows.size()).row;
        rows.push_back(playRow(hidden, next, rules.positions));
        position.add(rows.back());
    }
    return rows;
}

std::vector<RowAnalysis> analyseGame(const GameRules& rules, std::span<const PlayedRow> rows,
                                     const Row& hidden, uint64_t seed)
{
    std::vector<RowAnalysis> analysis(rows.size());
    std::vector<std::future<uint64_t>> computerLeft;
    Position position(rules);
    for (size_t t = 0; t < rows.size(); ++t) {
        RowAnalysis& a = analysis[t];
        a.before = position.count();
        a.couldBeHidden = couldBeHidden(rules, rows.first(t), rows[t].pieces);
        a.computerRow = position.computerRow(seed + t).row;
        computerLeft.push_back(position.countWith(playRow(hidden, a.computerRow, rules.positions)));
        position.add(rows[t]);
        a.after = position.count();
    }
    for (size_t t = 0; t < rows.size(); ++t)
        analysis[t].computerLeft = computerLeft[t].get();
    return analysis;
}

} // namespace mirvalon
