// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis.h"

#include <algorithm>
#include <bit>

#include "scoring.h"

namespace mirvalon {

namespace {

// Completions already counted, keyed by the place, the copies placed so far and the hits so far.
// One table serves a whole position; a new generation forgets the previous group.
class Memo
{
public:
    Memo() : m_slots(1024) {}

    void forget() { ++m_generation, m_used = 0; }

    // The slot of the key; `known` is false when it was not counted yet (its value is then 0).
    uint64_t* find(uint64_t placed, uint64_t hits, bool& known)
    {
        if (2 * (m_used + 1) > m_slots.size())
            grow();
        Slot& s = locate(m_slots, placed, hits);
        known = s.generation == m_generation;
        if (!known) {
            s = Slot{placed, hits, 0, m_generation};
            ++m_used;
        }
        return &s.value;
    }

private:
    struct Slot
    {
        uint64_t placed = 0, hits = 0, value = 0;
        uint32_t generation = 0;
    };

    Slot& locate(std::vector<Slot>& slots, uint64_t placed, uint64_t hits) const
    {
        const size_t mask = slots.size() - 1;
        size_t i = ((placed * 0x9E3779B97F4A7C15ull) ^ (hits * 0xC2B2AE3D27D4EB4Full)) >> 20;
        for (i &= mask;; i = (i + 1) & mask) {
            Slot& s = slots[i];
            if (s.generation != m_generation || (s.placed == placed && s.hits == hits))
                return s;
        }
    }

    void grow()
    {
        std::vector<Slot> bigger(m_slots.size() * 2);
        for (const Slot& s : m_slots)
            if (s.generation == m_generation)
                locate(bigger, s.placed, s.hits) = s;
        m_slots.swap(bigger);
    }

    std::vector<Slot> m_slots;
    size_t m_used = 0;
    uint32_t m_generation = 1;
};

// Places the pieces of one group on the row so that every played row gets exactly its hits.
// Copies placed per kind (capped at the group's count) are packed four bits each with the place
// above them; hits per played row four bits each (at most 15 rows of at most 8 hits).
class Placer
{
public:
    static constexpr int kUnseen = kMaxPositions; // the choice of an unseen piece

    Placer(const GameRules& rules, std::span<const PlayedRow> rows,
           const PossibleRows::Group& group, int unseen, Memo& memo)
        : m_positions(rules.positions), m_once(rules.eachPieceOnce), m_unseen(unseen),
          m_rowCount(int(rows.size())), m_kinds(group.kinds), m_memo(memo)
    {
        m_memo.forget();
        for (int j = 0; j < m_kinds; ++j) {
            m_piece[j] = group.piece[j];
            m_copies[j] = group.copies[j];
            m_orMore[j] = group.orMore[j];
            m_full |= uint64_t(m_copies[j]) << (4 * j);
        }
        for (int t = 0; t < m_rowCount; ++t) {
            m_wanted[t] = rows[t].hits;
            m_target |= uint64_t(rows[t].hits) << (4 * t);
        }
        for (int i = 0; i < m_positions; ++i)
            for (int j = 0; j < m_kinds; ++j)
                for (int t = 0; t < m_rowCount; ++t)
                    if (rows[t].pieces[i] == m_piece[j]) {
                        m_step[i][j] += uint64_t(1) << (4 * t);
                        m_touched[i][j] |= 1u << t;
                        m_placesOf[t][j] |= 1u << i;
                    }
        for (int t = 0; t < m_rowCount; ++t) {
            if (m_wanted[t] > 0)
                m_hitRows[m_hitRowCount++] = t;
            for (int j = 0; j < m_kinds; ++j)
                for (int place = 0; place < m_positions; ++place)
                    m_laterAny[t][place] +=
                        int8_t(std::popcount(m_placesOf[t][j] & ~((2u << place) - 1)));
        }
        m_owedAtStart = copiesIn(m_full);
    }

    // Hidden rows with `placed` copies so far and `hits`, from `place` on. Unseen places count
    // once per unseen piece that may go there.
    uint64_t completions(uint64_t placed, uint64_t hits, int place)
    {
        if (place == m_positions)
            return placed == m_full && hits == m_target ? 1 : 0;
        bool known = false;
        const uint64_t key = placed | uint64_t(place) << 40;
        const uint64_t* slot = m_memo.find(key, hits, known);
        if (known)
            return *slot;
        uint64_t total = 0;
        for (int j = 0; j <= kUnseen; ++j) {
            uint64_t nextPlaced = 0, nextHits = 0;
            const uint64_t ways = choice(placed, hits, place, j, nextPlaced, nextHits);
            if (ways > 0)
                total += ways * completions(nextPlaced, nextHits, place + 1);
        }
        // The recursion may have moved the table; look the slot up again.
        *m_memo.find(key, hits, known) = total;
        return total;
    }

    // Fills `row` with one placing drawn with its share of the completions; unseen places are
    // left 0 for the caller to fill.
    void walk(std::mt19937_64& random, Row& row)
    {
        uint64_t placed = 0, hits = 0;
        for (int place = 0; place < m_positions; ++place) {
            const uint64_t all = completions(placed, hits, place);
            uint64_t pick = std::uniform_int_distribution<uint64_t>(0, all - 1)(random);
            for (int j = 0; j <= kUnseen; ++j) {
                uint64_t nextPlaced = 0, nextHits = 0;
                const uint64_t ways = choice(placed, hits, place, j, nextPlaced, nextHits);
                const uint64_t share =
                    ways == 0 ? 0 : ways * completions(nextPlaced, nextHits, place + 1);
                if (pick < share) {
                    row[place] = j == kUnseen ? 0 : m_piece[j];
                    placed = nextPlaced;
                    hits = nextHits;
                    break;
                }
                pick -= share;
            }
        }
    }

    // Every placing in turn (unseen places 0), until `visit` returns false.
    template <class Visit>
    bool each(uint64_t placed, uint64_t hits, int place, Row& row, Visit& visit)
    {
        if (place == m_positions)
            return visit(row);
        for (int j = 0; j <= kUnseen; ++j) {
            uint64_t nextPlaced = 0, nextHits = 0;
            if (choice(placed, hits, place, j, nextPlaced, nextHits) == 0 ||
                completions(nextPlaced, nextHits, place + 1) == 0)
                continue;
            row[place] = j == kUnseen ? 0 : m_piece[j];
            if (!each(nextPlaced, nextHits, place + 1, row, visit))
                return false;
        }
        return true;
    }

private:
    // Choice j (a kind, or kUnseen) at `place`: in how many ways it can be made (0 when it
    // cannot), with the state after it. A kind takes a further copy while below its count, or
    // beyond it when it may hold more; no row may get more hits than it had, and every row must
    // still be able to reach its hits, and every kind its count, on the places left.
    uint64_t choice(uint64_t placed, uint64_t hits, int place, int j, uint64_t& nextPlaced,
                    uint64_t& nextHits) const
    {
        uint64_t ways = 1;
        nextPlaced = placed;
        nextHits = hits;
        if (j == kUnseen) {
            const int seenPlaced = copiesIn(placed);
            // With each piece once, only the unseen pieces not used yet remain; the capped
            // counts are exact then, so the places before tell how many were used.
            ways = m_once ? uint64_t(std::max(0, m_unseen - (place - seenPlaced)))
                          : uint64_t(m_unseen);
            if (ways == 0)
                return 0;
        } else {
            if (j >= m_kinds)
                return 0;
            const int have = int((placed >> (4 * j)) & 15);
            if (have < m_copies[j])
                nextPlaced += uint64_t(1) << (4 * j);
            else if (!m_orMore[j] || m_once)
                return 0;
            nextHits += m_step[place][j];
            for (uint32_t t = m_touched[place][j]; t != 0; t &= t - 1) {
                const int r = std::countr_zero(t);
                if (int((nextHits >> (4 * r)) & 15) > m_wanted[r])
                    return 0;
            }
        }
        if (m_owedAtStart - copiesIn(nextPlaced) > m_positions - place - 1)
            return 0;
        // A row can still get a hit on each place to come that holds one of the group's pieces.
        for (int r = 0; r < m_hitRowCount; ++r) {
            const int t = m_hitRows[r];
            if (m_wanted[t] - int((nextHits >> (4 * t)) & 15) > m_laterAny[t][place])
                return 0;
        }
        return ways;
    }

    // The copies placed in a packed state: the sum of its four-bit counts.
    static int copiesIn(uint64_t placed)
    {
        const uint64_t pairs = (placed & 0x0F0F0F0F) + ((placed >> 4) & 0x0F0F0F0F);
        return int(((pairs * 0x01010101) >> 24) & 0xFF);
    }

    int m_positions;
    bool m_once;
    int m_unseen;
    int m_rowCount;
    int m_kinds;
    Memo& m_memo;
    std::array<int, kMaxPositions> m_piece{};
    std::array<int, kMaxPositions> m_copies{};
    std::array<bool, kMaxPositions> m_orMore{};
    std::array<int, kRows> m_wanted{};
    uint64_t m_full = 0;
    uint64_t m_target = 0;
    std::array<std::array<uint64_t, kMaxPositions>, kMaxPositions> m_step{};
    std::array<std::array<uint32_t, kMaxPositions>, kMaxPositions> m_touched{};
    std::array<std::array<uint32_t, kMaxPositions>, kRows> m_placesOf{}; // row t, kind j
    // Places of row t after `place` that hold a kind of the group.
    std::array<std::array<int8_t, kMaxPositions>, kRows> m_laterAny{};
    std::array<int, kRows> m_hitRows{}; // the rows that had hits
    int m_hitRowCount = 0;
    int m_owedAtStart = 0;
};

} // namespace

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

PossibleRows::PossibleRows(const GameRules& rules, std::span<const PlayedRow> rows)
    : m_rules(rules), m_rows(rows.begin(), rows.end())
{
    std::array<int, kMaxPieces + 1> seenAt{};
    seenAt.fill(-1);
    for (const PlayedRow& row : m_rows)
        for (int i = 0; i < rules.positions; ++i)
            if (seenAt[row.pieces[i]] < 0) {
                seenAt[row.pieces[i]] = int(m_seen.size());
                m_seen.push_back(row.pieces[i]);
            }
    for (int piece = 1; piece <= rules.pieceCount; ++piece)
        if (seenAt[piece] < 0)
            m_unseen.push_back(piece);

    m_inRow.assign(m_rows.size(), {});
    m_rest.assign(m_rows.size(), {});
    for (size_t t = 0; t < m_rows.size(); ++t) {
        for (int i = 0; i < rules.positions; ++i)
            ++m_inRow[t][seenAt[m_rows[t].pieces[i]]];
        for (int i = int(m_seen.size()) - 1; i >= 0; --i) {
            m_rest[t][i] = m_rest[t][i + 1] + m_inRow[t][i];
            m_most[i] = std::max(m_most[i], int(m_inRow[t][i]));
        }
    }

    std::array<int, kRows> together{};
    Group group;
    collectGroups(0, rules.positions, together, group);

    Memo memo;
    for (Group& g : m_groups) {
        Placer placer(rules, m_rows, g, int(m_unseen.size()), memo);
        g.weight = placer.completions(0, 0, 0);
        m_total += g.weight;
    }
    std::erase_if(m_groups, [](const Group& g) { return g.weight == 0; });
}

// `together[t]`: hits + misses that row t gets from the pieces decided so far.
void PossibleRows::collectGroups(int index, int placesLeft, std::array<int, kRows>& together,
                                 Group& group)
{
    const int rowCount = int(m_rows.size());
    if (index == int(m_seen.size())) {
        for (int t = 0; t < rowCount; ++t)
            if (together[t] != m_rows[t].hits + m_rows[t].misses)
                return;
        m_groups.push_back(group);
        return;
    }
    // Copies beyond the most any row holds change no row's hits + misses: "at least" covers them.
    const int most = m_rules.eachPieceOnce ? 1 : m_most[index];
    for (int copies = 0; copies <= std::min(most, placesLeft); ++copies) {
        bool fits = true;
        std::array<int, kRows> next = together;
        for (int t = 0; t < rowCount && fits; ++t) {
            next[t] += std::min(copies, int(m_inRow[t][index]));
            const int want = m_rows[t].hits + m_rows[t].misses;
            const int reachable = std::min(m_rest[t][index + 1], placesLeft - copies);
            fits = next[t] <= want && next[t] + reachable >= want;
        }
        if (!fits)
            continue;
        if (copies > 0) {
            group.piece[group.kinds] = int8_t(m_seen[index]);
            group.copies[group.kinds] = int8_t(copies);
            group.orMore[group.kinds++] = copies == most && !m_rules.eachPieceOnce;
        }
        collectGroups(index + 1, placesLeft - copies, next, group);
        if (copies > 0)
            --group.kinds;
    }
}

std::vector<Row> PossibleRows::list(size_t limit) const
{
    std::vector<Row> rows;
    Memo memo;
    for (const Group& g : m_groups) {
        if (rows.size() >= limit)
            break;
        Placer placer(m_rules, m_rows, g, int(m_unseen.size()), memo);
        // Unseen places hold 0 in a placing; fill them with every choice of unseen pieces.
        auto fill = [&](Row& placing) {
            std::array<bool, kMaxPieces + 1> used{};
            auto from = [&](auto& self, int i) -> void {
                while (i < m_rules.positions && placing[i] != 0)
                    ++i;
                if (i == m_rules.positions) {
                    rows.push_back(placing);
                    return;
                }
                for (int piece : m_unseen) {
                    if (rows.size() >= limit)
                        break;
                    if (m_rules.eachPieceOnce && used[piece])
                        continue;
                    used[piece] = true;
                    placing[i] = piece;
                    self(self, i + 1);
                    used[piece] = false;
                }
                placing[i] = 0;
            };
            from(from, 0);
            return rows.size() < limit;
        };
        Row placing{};
        placer.each(0, 0, 0, placing, fill);
    }
    return rows;
}

std::vector<Row> PossibleRows::draw(size_t n, std::mt19937_64& random) const
{
    std::vector<Row> rows;
    if (m_total == 0)
        return rows;
    // Pick the groups first, so that each group's placings are counted once for all its rows.
    std::vector<size_t> picks(n);
    std::vector<uint64_t> upTo(m_groups.size());
    uint64_t sum = 0;
    for (size_t g = 0; g < m_groups.size(); ++g)
        upTo[g] = sum += m_groups[g].weight;
    std::uniform_int_distribution<uint64_t> anyRow(0, m_total - 1);
    for (size_t& pick : picks)
        pick = size_t(std::upper_bound(upTo.begin(), upTo.end(), anyRow(random)) - upTo.begin());
    std::sort(picks.begin(), picks.end());

    Memo memo;
    for (size_t k = 0; k < n;) {
        const Group& g = m_groups[picks[k]];
        Placer placer(m_rules, m_rows, g, int(m_unseen.size()), memo);
        for (; k < n && &m_groups[picks[k]] == &g; ++k) {
            Row row{};
            placer.walk(random, row);
            std::vector<int> unseen = m_unseen;
            for (int i = 0, taken = 0; i < m_rules.positions; ++i) {
                if (row[i] != 0)
                    continue;
                if (!m_rules.eachPieceOnce) {
                    row[i] = unseen[random() % unseen.size()];
                    continue;
                }
                const size_t swapWith = taken + std::uniform_int_distribution<size_t>(
                                                    0, unseen.size() - taken - 1)(random);
                std::swap(unseen[taken], unseen[swapWith]);
                row[i] = unseen[taken++];
            }
            rows.push_back(row);
        }
    }
    // The groups were drawn in order; shuffle so that a prefix is as random as the whole.
    std::shuffle(rows.begin(), rows.end(), random);
    return rows;
}

} // namespace mirvalon
