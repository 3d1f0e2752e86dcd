// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis.h"

#include <algorithm>
#include <bit>

#include "scoring.h"

namespace mirvalon {

namespace {

// Completions already counted, keyed by the pieces still to place and the hits so far.
// One table serves a whole position; a new generation forgets the previous multiset.
class Memo
{
public:
    Memo() : m_slots(1024) {}

    void forget() { ++m_generation, m_used = 0; }

    // The slot of the key, empty (generation stale) when not counted yet.
    uint64_t* find(uint64_t rest, uint64_t hits, bool& known)
    {
        if (2 * (m_used + 1) > m_slots.size())
            grow();
        Slot& s = locate(m_slots, rest, hits);
        known = s.generation == m_generation;
        if (!known) {
            s = Slot{rest, hits, 0, m_generation};
            ++m_used;
        }
        return &s.value;
    }

private:
    struct Slot
    {
        uint64_t rest = 0, hits = 0, value = 0;
        uint32_t generation = 0;
    };

    Slot& locate(std::vector<Slot>& slots, uint64_t rest, uint64_t hits) const
    {
        const size_t mask = slots.size() - 1;
        size_t i = ((rest * 0x9E3779B97F4A7C15ull) ^ (hits * 0xC2B2AE3D27D4EB4Full)) >> 20;
        for (i &= mask;; i = (i + 1) & mask) {
            Slot& s = slots[i];
            if (s.generation != m_generation || (s.rest == rest && s.hits == hits))
                return s;
        }
    }

    void grow()
    {
        std::vector<Slot> bigger(m_slots.size() * 2);
        for (const Slot& s : m_slots)
            if (s.generation == m_generation)
                locate(bigger, s.rest, s.hits) = s;
        m_slots.swap(bigger);
    }

    std::vector<Slot> m_slots;
    size_t m_used = 0;
    uint32_t m_generation = 1;
};

// Places the pieces of one multiset on the row so that every played row gets exactly its hits.
// Counts per kind are packed four bits each, hits per played row four bits each (at most 15
// rows of at most 8 hits), so a state is two words.
class Placer
{
public:
    Placer(int positions, std::span<const PlayedRow> rows, const PossibleRows::Group& group,
           Memo& memo)
        : m_positions(positions), m_rowCount(int(rows.size())), m_kinds(group.kinds), m_memo(memo)
    {
        m_memo.forget();
        for (int j = 0; j < m_kinds; ++j) {
            m_piece[j] = group.piece[j];
            m_start |= uint64_t(group.count[j]) << (4 * j);
        }
        for (int t = 0; t < m_rowCount; ++t) {
            m_wanted[t] = rows[t].hits;
            m_target |= uint64_t(rows[t].hits) << (4 * t);
        }
        for (int i = 0; i < positions; ++i)
            for (int j = 0; j < m_kinds; ++j)
                for (int t = 0; t < m_rowCount; ++t)
                    if (m_piece[j] != 0 && rows[t].pieces[i] == m_piece[j]) {
                        m_step[i][j] += uint64_t(1) << (4 * t);
                        m_touched[i][j] |= 1u << t;
                    }
    }

    uint64_t start() const { return m_start; }

    uint64_t completions(uint64_t rest, uint64_t hits, int place)
    {
        if (place == m_positions)
            return hits == m_target ? 1 : 0;
        bool known = false;
        uint64_t* slot = m_memo.find(rest, hits, known);
        if (known)
            return *slot;
        uint64_t total = 0;
        for (int j = 0; j < m_kinds; ++j) {
            uint64_t next = 0;
            if (child(rest, hits, place, j, next))
                total += completions(rest - (uint64_t(1) << (4 * j)), next, place + 1);
        }
        // The recursion may have moved the table; look the slot up again.
        *m_memo.find(rest, hits, known) = total;
        return total;
    }

    // Fills `row` with one placing, each chosen with its share of the completions.
    void walk(std::mt19937_64& random, Row& row)
    {
        uint64_t rest = m_start, hits = 0;
        for (int place = 0; place < m_positions; ++place) {
            const uint64_t all = completions(rest, hits, place);
            uint64_t pick = std::uniform_int_distribution<uint64_t>(0, all - 1)(random);
            for (int j = 0; j < m_kinds; ++j) {
                uint64_t next = 0;
                if (!child(rest, hits, place, j, next))
                    continue;
                const uint64_t restNext = rest - (uint64_t(1) << (4 * j));
                const uint64_t share = completions(restNext, next, place + 1);
                if (pick < share) {
                    row[place] = m_piece[j];
                    rest = restNext;
                    hits = next;
                    break;
                }
                pick -= share;
            }
        }
    }

    // Every placing in turn, until `visit` returns false.
    template <class Visit>
    bool each(uint64_t rest, uint64_t hits, int place, Row& row, Visit& visit)
    {
        if (place == m_positions)
            return visit(row);
        for (int j = 0; j < m_kinds; ++j) {
            uint64_t next = 0;
            const uint64_t restNext = rest - (uint64_t(1) << (4 * j));
            if (!child(rest, hits, place, j, next) || completions(restNext, next, place + 1) == 0)
                continue;
            row[place] = m_piece[j];
            if (!each(restNext, next, place + 1, row, visit))
                return false;
        }
        return true;
    }

private:
    // Kind j at `place`: still available, no row gets more hits than it had, and every row can
    // still reach its hits on the places left.
    bool child(uint64_t rest, uint64_t hits, int place, int j, uint64_t& next) const
    {
        if (((rest >> (4 * j)) & 15) == 0)
            return false;
        next = hits + m_step[place][j];
        for (uint32_t t = m_touched[place][j]; t != 0; t &= t - 1) {
            const int r = std::countr_zero(t);
            if (int((next >> (4 * r)) & 15) > m_wanted[r])
                return false;
        }
        const int left = m_positions - place - 1;
        for (int t = 0; t < m_rowCount; ++t)
            if (m_wanted[t] - int((next >> (4 * t)) & 15) > left)
                return false;
        return true;
    }

    int m_positions;
    int m_rowCount;
    int m_kinds;
    Memo& m_memo;
    std::array<int, kMaxPositions + 1> m_piece{};
    std::array<int, kRows> m_wanted{};
    uint64_t m_start = 0;
    uint64_t m_target = 0;
    std::array<std::array<uint64_t, kMaxPositions + 1>, kMaxPositions> m_step{};
    std::array<std::array<uint32_t, kMaxPositions + 1>, kMaxPositions> m_touched{};
};

// Ways to put `places` unseen pieces, out of `unseen`, on given places.
uint64_t fillWays(int unseen, int places, bool eachPieceOnce)
{
    uint64_t ways = 1;
    for (int k = 0; k < places; ++k)
        ways *= uint64_t(eachPieceOnce ? unseen - k : unseen);
    return ways;
}

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
        for (int i = int(m_seen.size()) - 1; i >= 0; --i)
            m_rest[t][i] = m_rest[t][i + 1] + m_inRow[t][i];
    }

    std::array<int, kRows> together{};
    Group group;
    collectGroups(0, rules.positions, together, group);

    Memo memo;
    for (Group& g : m_groups) {
        Placer placer(rules.positions, m_rows, g, memo);
        g.arrangements = placer.completions(placer.start(), 0, 0);
        g.weight = g.arrangements * unseenWays(g.unseenPlaces);
        m_total += g.weight;
    }
    std::erase_if(m_groups, [](const Group& g) { return g.weight == 0; });
}

uint64_t PossibleRows::unseenWays(int places) const
{
    return fillWays(int(m_unseen.size()), places, m_rules.eachPieceOnce);
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
        const int unseen = int(m_unseen.size());
        if (placesLeft > 0 && (unseen == 0 || (m_rules.eachPieceOnce && placesLeft > unseen)))
            return;
        Group found = group;
        found.unseenPlaces = placesLeft;
        if (placesLeft > 0) {
            found.piece[found.kinds] = 0;
            found.count[found.kinds++] = int8_t(placesLeft);
        }
        m_groups.push_back(found);
        return;
    }
    const int most = m_rules.eachPieceOnce ? std::min(1, placesLeft) : placesLeft;
    for (int copies = 0; copies <= most; ++copies) {
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
            group.count[group.kinds++] = int8_t(copies);
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
        Placer placer(m_rules.positions, m_rows, g, memo);
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
        placer.each(placer.start(), 0, 0, placing, fill);
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
        Placer placer(m_rules.positions, m_rows, g, memo);
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
