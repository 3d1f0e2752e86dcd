// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis.h"

#include <algorithm>
#include <bit>
#include <mutex>
#include <utility>

#include "scoring.h"

namespace mirvalon {
namespace {

// Places taken or free are sets of at most eight places: their sizes from a table.
constexpr std::array<int8_t, 256> kSizes = [] {
    std::array<int8_t, 256> sizes{};
    for (int s = 1; s < 256; ++s)
        sizes[s] = int8_t(sizes[s >> 1] + (s & 1));
    return sizes;
}();

// The subsets of each set of eight places, listed by size.
struct Subsets
{
    std::array<std::array<uint16_t, kMaxPositions + 2>, 256> start{};
    std::array<uint8_t, 6561> sets{}; // 3^8: each place out, free and left, or free and taken

    const uint8_t* begin(unsigned places, int size) const { return &sets[start[places][size]]; }
    const uint8_t* end(unsigned places, int size) const
    {
        return &sets[0] + start[places][size + 1];
    }
};

constexpr Subsets kSubsets = [] {
    Subsets table;
    int at = 0;
    for (unsigned places = 0; places < 256; ++places)
        for (int size = 0; size <= kMaxPositions; ++size) {
            table.start[places][size] = uint16_t(at);
            for (unsigned s = 0; s < 256; ++s)
                if ((s & ~places) == 0 && kSizes[s] == size)
                    table.sets[at++] = uint8_t(s);
            table.start[places][size + 1] = uint16_t(at);
        }
    return table;
}();

// Per row one byte, rows 0-7 in `low` and 8-14 in `high`: a row's hits so far, or what a
// step adds to them.
struct Bytes
{
    uint64_t low = 0, high = 0;

    Bytes operator+(const Bytes& o) const { return {low + o.low, high + o.high}; }
    Bytes operator-(const Bytes& o) const { return {low - o.low, high - o.high}; }
    bool operator==(const Bytes&) const = default;
    void add(int row, uint64_t amount) { (row < 8 ? low : high) += amount << (8 * (row % 8)); }
    // Whether every byte is at most the same byte of `o` (all bytes below 128).
    bool atMost(const Bytes& o) const
    {
        constexpr uint64_t kTop = 0x8080808080808080ull;
        return (((o.low | kTop) - low) & kTop) == kTop && (((o.high | kTop) - high) & kTop) == kTop;
    }
    // 0xFF in each byte where `a` and `b` agree, 0 elsewhere.
    static uint64_t fullBytes(uint64_t a, uint64_t b)
    {
        constexpr uint64_t kLow = 0x7F7F7F7F7F7F7F7Full;
        const uint64_t differ = a ^ b;
        const uint64_t nonZero = (((differ & kLow) + kLow) | differ) & ~kLow;
        return ((~nonZero & ~kLow) >> 7) * 0xFF;
    }
    // Four-bit digits, rows 0-7 in the low half, as bytes.
    static Bytes unpacked(uint64_t x) { return {unpack(x & 0xFFFFFFFFull), unpack(x >> 32)}; }
    static uint64_t unpack(uint64_t x)
    {
        x = (x | x << 16) & 0x0000FFFF0000FFFFull;
        x = (x | x << 8) & 0x00FF00FF00FF00FFull;
        return (x | x << 4) & 0x0F0F0F0F0F0F0F0Full;
    }
    // The bytes as four-bit digits, rows 0-7 in the low half.
    uint64_t packed() const { return pack(low) | pack(high) << 32; }

    static uint64_t pack(uint64_t x)
    {
        x = (x | x >> 4) & 0x00FF00FF00FF00FFull;
        x = (x | x >> 8) & 0x0000FFFF0000FFFFull;
        return (x | x >> 16) & 0xFFFFFFFFull;
    }
};

// A table of counts below 2^39 keyed by two words and a number below 2^24: open addressing,
// grown at half full.
class Memo
{
public:
    Memo() = default;
    Memo(const Memo&) = delete;
    Memo& operator=(const Memo&) = delete;
    ~Memo() { keep(std::move(m_slots)); }

    // The value stored for the key, if any.
    bool get(uint64_t a, uint64_t b, uint32_t c, uint64_t& value) const
    {
        if (m_slots.empty())
            return false;
        const Slot& slot = locate(m_slots, a, b, c | kUsed);
        value = slot.rest >> kValueShift;
        return slot.rest != 0;
    }

    void put(uint64_t a, uint64_t b, uint32_t c, uint64_t value)
    {
        if (2 * (m_used + 1) > m_slots.size())
            grow();
        Slot& slot = locate(m_slots, a, b, c | kUsed);
        if (slot.rest == 0)
            ++m_used;
        slot = Slot{a, b, value << kValueShift | c | kUsed};
    }

private:
    static constexpr uint64_t kUsed = 1u << 24;
    static constexpr int kValueShift = 25;

    struct Slot
    {
        uint64_t a = 0, b = 0;
        uint64_t rest = 0; // value << 25 | kUsed | c; 0 for a free slot
    };

    static size_t start(size_t size, uint64_t a, uint64_t b, uint64_t c)
    {
        uint64_t mixed =
            (a * 0x9E3779B97F4A7C15ull) ^ (b * 0xC2B2AE3D27D4EB4Full) ^ (c * 0x165667B19E3779F9ull);
        mixed ^= mixed >> 29;
        return mixed & (size - 1);
    }

    static const Slot& locate(const std::vector<Slot>& slots, uint64_t a, uint64_t b, uint64_t c)
    {
        const size_t mask = slots.size() - 1;
        constexpr uint64_t kKey = (uint64_t(1) << kValueShift) - 1;
        for (size_t i = start(slots.size(), a, b, c);; i = (i + 1) & mask) {
            const Slot& slot = slots[i];
            if (slot.rest == 0 || ((slot.rest & kKey) == c && slot.a == a && slot.b == b))
                return slot;
        }
    }

    static Slot& locate(std::vector<Slot>& slots, uint64_t a, uint64_t b, uint64_t c)
    {
        return const_cast<Slot&>(locate(std::as_const(slots), a, b, c));
    }

    // Tables are kept for the next counts, on any thread, which would otherwise map fresh
    // memory: up to 64 of them, of 64 MiB together.
    struct Spare
    {
        std::mutex lock;
        std::vector<std::vector<Slot>> tables;
    };

    static Spare& spare()
    {
        static Spare kept;
        return kept;
    }

    static void keep(std::vector<Slot>&& table)
    {
        const std::lock_guard<std::mutex> hold(spare().lock);
        std::vector<std::vector<Slot>>& tables = spare().tables;
        size_t bytes = table.capacity() * sizeof(Slot);
        for (const std::vector<Slot>& t : tables)
            bytes += t.capacity() * sizeof(Slot);
        if (!table.empty() && tables.size() < 64 && bytes <= (size_t(64) << 20))
            tables.push_back(std::move(table));
    }

    void grow()
    {
        const size_t size = std::max<size_t>(64, m_slots.size() * 4);
        std::vector<Slot> bigger;
        {
            const std::lock_guard<std::mutex> hold(spare().lock);
            std::vector<std::vector<Slot>>& tables = spare().tables;
            // The smallest spare table that is big enough, or a new one.
            auto found = tables.end();
            for (auto t = tables.begin(); t != tables.end(); ++t)
                if (t->capacity() >= size &&
                    (found == tables.end() || t->capacity() < found->capacity()))
                    found = t;
            if (found != tables.end()) {
                bigger = std::move(*found);
                tables.erase(found);
            }
        }
        bigger.assign(size, Slot{});
        for (const Slot& slot : m_slots)
            if (slot.rest != 0)
                locate(bigger, slot.a, slot.b, slot.rest & ((uint64_t(1) << kValueShift) - 1)) =
                    slot;
        m_slots.swap(bigger);
        keep(std::move(bigger));
    }

    std::vector<Slot> m_slots;
    size_t m_used = 0;
};

} // namespace

// Decides the seen pieces in turn: the places each takes in the hidden row (one or none with
// each piece once, any with repeats). A state is the next piece, the places taken, and each
// row's hits and hits + misses so far. A step is dropped at once when some row gets more hits
// than its answer, or can no longer get its hits on the places left to the later pieces, or
// when no choice of how many copies the later pieces get gives every row its hits + misses
// (that last judged exactly, on the copies alone, and remembered).
class PossibleRows::Counter
{
public:
    Counter(const GameRules& rules, std::span<const PlayedRow> rows, std::span<const int> seen,
            int unseen)
        : m_positions(rules.positions), m_once(rules.eachPieceOnce), m_rowCount(int(rows.size())),
          m_kinds(int(seen.size())), m_seen(seen.begin(), seen.end()), m_unseen(unseen),
          m_full((1u << rules.positions) - 1)
    {
        std::array<int, kMaxPieces + 1> order{};
        for (int j = 0; j < m_kinds; ++j)
            order[m_seen[j]] = j;
        std::array<std::array<int, kMaxPieces>, kRows> inRow{}; // copies of seen piece j in row t
        // Bytes a piece gives on each place; the places of each row whose piece is decided at
        // stage j or later.
        std::vector<std::array<Bytes, kMaxPositions>> onPlace(m_kinds);
        std::vector<std::array<Bytes, kMaxPositions>> laterOn(m_kinds + 1);
        for (int t = 0; t < m_rowCount; ++t) {
            m_hitTarget.add(t, uint64_t(rows[t].hits));
            m_togetherTarget += uint64_t(rows[t].hits + rows[t].misses) << (4 * t);
            for (int i = 0; i < m_positions; ++i) {
                const int j = order[rows[t].pieces[i]];
                onPlace[j][i].add(t, 1);
                for (int k = 0; k <= j; ++k) {
                    laterOn[k][i].add(t, 1);
                    m_live[k] |= 1u << i;
                }
                ++inRow[t][j];
            }
        }
        const size_t subsets = size_t(1) << m_positions;
        m_hitsOn.assign(size_t(m_kinds) * subsets, Bytes{});
        m_room.assign(size_t(m_kinds + 1) * subsets, Bytes{});
        for (int j = 0; j <= m_kinds; ++j)
            for (unsigned s = 1; s < subsets; ++s) {
                const int i = std::countr_zero(s);
                m_room[j * subsets + s] = m_room[j * subsets + (s & (s - 1))] + laterOn[j][i];
                if (j < m_kinds)
                    m_hitsOn[j * subsets + s] =
                        m_hitsOn[j * subsets + (s & (s - 1))] + onPlace[j][i];
            }
        for (int j = 0; j < m_kinds; ++j) {
            for (int t = 0; t < m_rowCount; ++t) {
                const int copies = m_once ? std::min(1, inRow[t][j]) : inRow[t][j];
                m_most[j] = std::max(m_most[j], copies);
                for (int c = 0; c <= kMaxPositions; ++c)
                    m_together[j][c] += uint64_t(std::min(c, copies)) << (4 * t);
                for (int k = 0; k <= j; ++k)
                    m_togetherLater[k][t] += copies;
            }
        }
        for (int k = 0; k <= m_positions; ++k) {
            uint64_t ways = 1;
            for (int i = 0; i < k; ++i)
                ways *= uint64_t(std::max(0, m_once ? m_unseen - i : m_unseen));
            m_fill[k] = ways;
            if (ways > 0)
                m_fillable |= 1 << k;
        }
    }

    uint64_t total() { return completions(0, 0, Bytes{}, 0); }

    // The hidden rows from a state on: each way to decide the pieces from `j` on, times the ways
    // to fill the places left with unseen pieces.
    uint64_t completions(int j, unsigned taken, const Bytes& hits, uint64_t together)
    {
        if (j == m_kinds)
            return hits == m_hitTarget && together == m_togetherTarget
                       ? m_fill[kSizes[m_full & ~taken]]
                       : 0;
        const uint64_t key = hits.packed();
        const uint32_t where = whereOf(j, taken);
        Memo& memo = m_memo[j];
        uint64_t total = 0;
        if (memo.get(key, together, where, total))
            return total;
        eachStep(j, taken, hits, together, [&](unsigned s, const Bytes& h, uint64_t tog) {
            total += completions(j + 1, taken | s, h, tog);
            return true;
        });
        memo.put(key, together, where, total);
        return total;
    }

    // Fills `row` with one decision drawn with its share of the completions; places left to
    // unseen pieces stay 0 for the caller to fill.
    void walk(std::mt19937_64& random, Row& row)
    {
        unsigned taken = 0;
        Bytes hits;
        uint64_t together = 0;
        for (int j = 0; j < m_kinds; ++j) {
            uint64_t pick = std::uniform_int_distribution<uint64_t>(
                0, completions(j, taken, hits, together) - 1)(random);
            unsigned chosen = 0;
            Bytes nextHits;
            uint64_t nextTogether = 0;
            eachStep(j, taken, hits, together, [&](unsigned s, const Bytes& h, uint64_t tog) {
                const uint64_t share = completions(j + 1, taken | s, h, tog);
                if (pick >= share) {
                    pick -= share;
                    return true;
                }
                chosen = s, nextHits = h, nextTogether = tog;
                return false;
            });
            for (unsigned s = chosen; s != 0; s &= s - 1)
                row[std::countr_zero(s)] = m_seen[j];
            taken |= chosen, hits = nextHits, together = nextTogether;
        }
    }

    // Every decision in turn (places left to unseen pieces 0), until `visit` returns false.
    template <class Visit>
    bool each(int j, unsigned taken, const Bytes& hits, uint64_t together, Row& row, Visit& visit)
    {
        if (j == m_kinds)
            return completions(j, taken, hits, together) == 0 || visit(row);
        bool more = true;
        eachStep(j, taken, hits, together, [&](unsigned s, const Bytes& h, uint64_t tog) {
            if (completions(j + 1, taken | s, h, tog) == 0)
                return true;
            for (unsigned b = s; b != 0; b &= b - 1)
                row[std::countr_zero(b)] = m_seen[j];
            more = each(j + 1, taken | s, h, tog, row, visit);
            for (unsigned b = s; b != 0; b &= b - 1)
                row[std::countr_zero(b)] = 0;
            return more;
        });
        return more;
    }

private:
    // The places taken as the counts of stage j tell them apart: places where no later piece
    // gives a hit differ only in how many are taken.
    uint32_t whereOf(int j, unsigned taken) const
    {
        return (taken & m_live[j]) | uint32_t(kSizes[taken & ~m_live[j]]) << 8;
    }

    // Calls `step(places, hits, together)` for each set of free places piece `j` may take, with
    // the rows' figures after it, until `step` returns false.
    template <class Step>
    void eachStep(int j, unsigned taken, const Bytes& hits, uint64_t together, Step step)
    {
        const unsigned free = m_full & ~taken;
        const int freeCount = kSizes[free];
        const size_t subsets = size_t(1) << m_positions;
        // Places where the piece would give a hit to a row that has all its hits already.
        const uint64_t fullLow = hits.fullBytes(m_hitTarget.low, hits.low);
        const uint64_t fullHigh = hits.fullBytes(m_hitTarget.high, hits.high);
        unsigned open = 0;
        for (unsigned rest = free; rest != 0; rest &= rest - 1) {
            const Bytes& on = m_hitsOn[j * subsets + (rest & -rest)];
            if (((on.low & fullLow) | (on.high & fullHigh)) == 0)
                open |= rest & -rest;
        }
        // The free places the later pieces may leave, so that every row can still get its
        // hits + misses, by the copies this piece takes; copies beyond the most a row holds
        // count as that most.
        int leaves = 0;
        for (int copies = 0; copies <= (m_once ? std::min(1, freeCount) : kSizes[open]); ++copies) {
            const int counted = std::min(copies, m_most[j]);
            if (copies == counted)
                leaves = freeLeft(j + 1, together + m_together[j][counted]);
            if (((leaves >> (freeCount - copies)) & 1) == 0)
                continue;
            const uint64_t nextTogether = together + m_together[j][counted];
            // A hit is one of the row's hits + misses: no row may need more hits than those.
            const Bytes hitsRoom = Bytes::unpacked(m_togetherTarget - nextTogether);
            for (const uint8_t* s = kSubsets.begin(open, copies); s != kSubsets.end(open, copies);
                 ++s) {
                const Bytes h = hits + m_hitsOn[j * subsets + *s];
                // No row over its hits, and each can still get them on the places left.
                if (h.atMost(m_hitTarget) &&
                    (m_hitTarget - h).atMost(m_room[(j + 1) * subsets + (free & ~*s)]) &&
                    (m_hitTarget - h).atMost(hitsRoom) && !step(*s, h, nextTogether))
                    return;
            }
        }
    }

    // The numbers of free places (bit k for k places) from which the pieces from `j` on can
    // take copies that bring every row's hits + misses from `together` to its answer, the places
    // they leave going to unseen pieces.
    int freeLeft(int j, uint64_t together)
    {
        if (j == m_kinds)
            return together == m_togetherTarget ? m_fillable : 0;
        for (int t = 0; t < m_rowCount; ++t) {
            const int have = int((together >> (4 * t)) & 15);
            const int want = int((m_togetherTarget >> (4 * t)) & 15);
            if (have > want || want - have > m_togetherLater[j][t])
                return 0;
        }
        uint64_t known = 0;
        if (m_copiesMemo.get(together, 0, uint32_t(j), known))
            return int(known);
        // Copies beyond the most a row holds add nothing more (with each piece once, none).
        int counts = 0;
        int after = 0;
        for (int copies = 0; copies <= (m_once ? 1 : m_positions); ++copies) {
            if (copies <= m_most[j])
                after = freeLeft(j + 1, together + m_together[j][copies]);
            counts |= after << copies;
        }
        counts &= (2 << m_positions) - 1;
        m_copiesMemo.put(together, 0, uint32_t(j), uint64_t(counts));
        return counts;
    }

    int m_positions;
    bool m_once;
    int m_rowCount;
    int m_kinds;
    std::vector<int> m_seen;
    int m_unseen;
    unsigned m_full;
    Bytes m_hitTarget;
    uint64_t m_togetherTarget = 0; // hits + misses, four bits a row
    // Per piece j and set of places s (index j << positions | s): the hits it gives there.
    std::vector<Bytes> m_hitsOn;
    // Per stage j and set of places s: the hits each row can still get there from pieces j on.
    std::vector<Bytes> m_room;
    std::array<int, kMaxPieces> m_most{}; // the most copies of piece j any row holds
    // Per stage j: the places where some row holds a piece decided then or later.
    std::array<unsigned, kMaxPieces + 1> m_live{};
    // Per piece j and copies c: the hits + misses the copies give each row.
    std::array<std::array<uint64_t, kMaxPositions + 1>, kMaxPieces> m_together{};
    // Per stage j and row t: the hits + misses pieces j on can still give.
    std::array<std::array<int, kRows>, kMaxPieces + 1> m_togetherLater{};
    std::array<uint64_t, kMaxPositions + 1> m_fill{}; // ways to fill k places with unseen pieces
    int m_fillable = 0;                               // bit k: k places can be filled so
    std::array<Memo, kMaxPieces> m_memo;              // the completions of the states of each stage
    Memo m_copiesMemo;
};

GameRules rulesOf(const GameSettings& settings)
{
    return GameRules{settings.positions, settings.pieceCount, settings.eachPieceOnce};
}

PlayedRow playRow(const Row& hidden, const Row& guess, int positions)
{
    const RowScore score = scoreRow(hidden, guess, positions);
    return PlayedRow{guess, score.hits, score.misses};
}

std::vector<PlayedRow> playedRows(const GameState& state, int positions)
{
    std::vector<PlayedRow> rows;
    for (int r = 0; r < kRows && state.rowKind[r] != -1; ++r) {
        PlayedRow row{state.rows[r], 0, 0};
        for (int i = 0; i < positions; ++i) {
            row.hits += state.pegs[r][i] == 1;
            row.misses += state.pegs[r][i] == -1;
        }
        rows.push_back(row);
    }
    return rows;
}

bool couldBeHidden(const GameRules& rules, std::span<const PlayedRow> rows, const Row& candidate)
{
    std::array<bool, kMaxPieces + 1> used{};
    for (int i = 0; i < rules.positions; ++i) {
        const int piece = candidate[i];
        if (piece < 1 || piece > rules.pieceCount || (rules.eachPieceOnce && used[piece]))
            return false;
        used[piece] = true;
    }
    return std::all_of(rows.begin(), rows.end(), [&](const PlayedRow& row) {
        const RowScore score = scoreRow(candidate, row.pieces, rules.positions);
        return score.hits == row.hits && score.misses == row.misses;
    });
}

PossibleRows::PossibleRows(const GameRules& rules, std::span<const PlayedRow> rows) : m_rules(rules)
{
    std::array<bool, kMaxPieces + 1> seen{};
    std::vector<int> order;
    for (const PlayedRow& row : rows) {
        // No hidden row gives an answer beyond the places, and no game has rows of pieces
        // beyond its palette: nothing is possible.
        if (row.hits < 0 || row.misses < 0 || row.hits + row.misses > rules.positions)
            return;
        for (int i = 0; i < rules.positions; ++i)
            if (row.pieces[i] < 1 || row.pieces[i] > rules.pieceCount)
                return;
        for (int i = 0; i < rules.positions; ++i)
            if (!seen[row.pieces[i]]) {
                seen[row.pieces[i]] = true;
                order.push_back(row.pieces[i]);
            }
    }
    for (int piece = 1; piece <= rules.pieceCount; ++piece)
        if (!seen[piece])
            m_unseen.push_back(piece);
    // The pieces of the latest rows first: fewer states to tell apart than in the order they
    // were first played.
    std::array<int, kMaxPieces + 1> last{};
    for (size_t t = 0; t < rows.size(); ++t)
        for (int i = 0; i < rules.positions; ++i)
            last[rows[t].pieces[i]] = int(t);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return last[a] > last[b]; });
    m_counter = std::make_unique<Counter>(rules, rows, order, int(m_unseen.size()));
    m_total = m_counter->total();
}

PossibleRows::PossibleRows(PossibleRows&&) noexcept = default;
PossibleRows& PossibleRows::operator=(PossibleRows&&) noexcept = default;
PossibleRows::~PossibleRows() = default;

std::vector<Row> PossibleRows::list(size_t limit) const
{
    std::vector<Row> rows;
    if (m_total == 0 || limit == 0)
        return rows;
    // Places left to unseen pieces hold 0 in a decision; fill them with every choice of them.
    auto fill = [&](Row& decided) {
        Row row = decided;
        std::array<bool, kMaxPieces + 1> used{};
        auto from = [&](auto& self, int i) -> void {
            while (i < m_rules.positions && row[i] != 0)
                ++i;
            if (i == m_rules.positions) {
                rows.push_back(row);
                return;
            }
            for (int piece : m_unseen) {
                if (rows.size() >= limit)
                    break;
                if (m_rules.eachPieceOnce && used[piece])
                    continue;
                used[piece] = true;
                row[i] = piece;
                self(self, i + 1);
                used[piece] = false;
            }
            row[i] = 0;
        };
        from(from, 0);
        return rows.size() < limit;
    };
    Row decided{};
    m_counter->each(0, 0, Bytes{}, 0, decided, fill);
    return rows;
}

std::vector<Row> PossibleRows::draw(size_t n, std::mt19937_64& random) const
{
    std::vector<Row> rows;
    if (m_total == 0)
        return rows;
    std::vector<int> unseen = m_unseen;
    for (size_t k = 0; k < n; ++k) {
        Row row{};
        m_counter->walk(random, row);
        for (size_t i = 0, taken = 0; i < size_t(m_rules.positions); ++i) {
            if (row[i] != 0)
                continue;
            // With each piece once, a shuffle of the unseen pieces as far as needed.
            const size_t from = m_rules.eachPieceOnce ? taken++ : 0;
            const size_t pick =
                std::uniform_int_distribution<size_t>(from, unseen.size() - 1)(random);
            std::swap(unseen[from], unseen[pick]);
            row[i] = unseen[from];
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace mirvalon
