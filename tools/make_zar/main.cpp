// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the delivered archive Mirvalon.zar: for each of the sixteen reference records, a real
// record game played through the engine with exactly the record's rows, time and points.
// Usage: make_zar OUTPUT_FILE
#include <cstdio>
#include <filesystem>
#include <vector>

#include "engine/game.h"
#include "engine/null_ports.h"
#include "engine/scoring.h"
#include "persistence/archive_store.h"
#include "persistence/file_system.h"
#include "persistence/records_store.h"
#include "persistence/safe_file.h"

using namespace mirvalon;

namespace {

// " 0:03:01" -> 181: hours, minutes and seconds separated by colons.
int secondsOf(const std::string& time)
{
    int total = 0;
    int field = 0;
    for (char c : time) {
        if (c >= '0' && c <= '9') {
            field = field * 10 + (c - '0');
        } else if (c == ':') {
            total = (total + field) * 60;
            field = 0;
        }
    }
    return total + field;
}

// A guess that agrees with every row confirmed so far, as a careful player would make it;
// after many tries any guess that is not the hidden row.
Row nextGuess(const GameState& s, const GameSettings& set, Random& random, bool last)
{
    const int p = set.positions;
    const int n = set.pieceCount;
    if (last)
        return s.hiddenRow;
    Row best{};
    for (int attempt = 0; attempt < 200000; ++attempt) {
        Row g{};
        for (int i = 0; i < p; ++i) {
            for (;;) {
                g[i] = random.below(n) + 1;
                bool repeated = false;
                for (int j = 0; j < i; ++j)
                    repeated = repeated || g[j] == g[i];
                if (!set.eachPieceOnce || !repeated)
                    break;
            }
        }
        if (scoreRow(s.hiddenRow, g, p).hits == p)
            continue;
        best = g;
        bool consistent = true;
        for (int r = 0; r + 1 < s.currentRow && consistent; ++r) {
            const RowScore was = scoreRow(s.rows[r], g, p);
            int hits = 0, misses = 0;
            for (int k = 0; k < p; ++k) {
                hits += s.pegs[r][k] == 1;
                misses += s.pegs[r][k] == -1;
            }
            consistent = was.hits == hits && was.misses == misses;
        }
        if (consistent)
            return g;
    }
    return best;
}

struct Played
{
    int game;
    bool ok;
};

// Plays one record game; true when rows, time and points came out as the record says.
bool playRecordGame(int number, const RecordEntry& record, Game& game, ManualClock& clock,
                    Random& random)
{
    GameSettings set = game.settings();
    applyVariantKey(set, record.key);
    set.pieceColours = set.randomArrangement ? (number % 2 ? GreyPieces : MixedPieces) : number % 3;
    set.environment = number % 4;
    set.gameType = Classic;
    game.useSettings(set);
    clock.seconds = 1'000'000 + number * 7919; // the hidden row of each game is its own
    game.resetToIdle();
    game.startComputerGame();

    const int rows = record.rows;
    const int seconds = secondsOf(record.time);
    int confirmCost = 0;
    for (int r = 1; r <= rows; ++r)
        confirmCost += penaltyFor(Penalty::Confirm, r);
    // Points the record lost besides rows and seconds: pieces taken back in row 5 (3 points
    // each) or in row 10 (2 points each).
    const int extra = kStartScore - confirmCost - seconds - record.points;
    const int takeBackRow = extra % 3 == 0 && rows >= 5 ? 5 : 10;
    int takeBacks = extra / (takeBackRow == 5 ? 3 : 2);
    if (extra < 0 || (extra > 0 && takeBackRow == 10 && (extra % 2 != 0 || rows < 10)))
        return false;

    int ticksLeft = seconds;
    for (int r = 1; r <= rows; ++r) {
        const Row guess = nextGuess(game.state(), set, random, r == rows);
        for (int i = 0; i < set.positions; ++i) {
            game.doubleClickPalettePiece(guess[i]);
            game.releaseButton();
            if (r == takeBackRow && i == 0) {
                for (; takeBacks > 0; --takeBacks) {
                    game.doubleClickSlotPiece(1);
                    game.releaseButton();
                    game.doubleClickPalettePiece(guess[0]);
                    game.releaseButton();
                }
            }
        }
        const int ticks = r == rows ? ticksLeft : seconds / rows;
        for (int t = 0; t < ticks; ++t) {
            clock.now += 1000;
            game.clockTick();
        }
        ticksLeft -= ticks;
        game.confirmRow();
    }
    const GameState& s = game.state();
    if (!(s.solved && s.currentRow == rows && s.score == record.points))
        std::fprintf(stderr, "game %d: solved %d, rows %d, points %d, time %s\n", number, s.solved,
                     s.currentRow, s.score, s.clockText.c_str());
    return s.solved && s.currentRow == rows && s.score == record.points &&
           " " + s.clockText == record.time;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FILE\n", argv[0]);
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path work = fs::temp_directory_path() / "mirvalon-make-zar";
    fs::remove_all(work);
    fs::create_directories(work);

    PosixFileSystem files;
    NullDialogs dialogs;
    ArchiveStore archive(files, dialogs, work.string(), work.string());
    RecordsStore store(files, dialogs, archive, work.string());

    // The records file starts without the reference records, so each game sets its record
    // anew and the archive slot is written for it.
    RecordsTable empty = referenceRecords();
    for (RecordEntry& e : empty)
        clearRecord(e);
    if (!writeFileSafely(files, store.path(), *encodeRecordsFile(empty))) {
        std::fprintf(stderr, "cannot write %s\n", store.path().c_str());
        return 1;
    }
    store.loadRecords();

    NullBoard board;
    NullSettings settingsPort;
    NullCommands commands;
    ManualClock clock;
    NullStatusBar status;
    NullEvents events;
    Random dice;
    Game game{Ports{board, dialogs, commands, clock, status, events, store, settingsPort, dice}};
    game.startUp();
    dialogs.answer = true;

    const RecordsTable reference = referenceRecords();
    Random random;
    random.seed(1957);
    int written = 0;
    for (int n = 1; n <= kGameCount; ++n) {
        const RecordEntry& record = reference[n - 1];
        if (record.points == 0)
            continue;
        dialogs.holder = record.holder;
        if (!playRecordGame(n, record, game, clock, random) || !store.entry(n - 1).archived) {
            std::fprintf(stderr, "game %d: the record game did not come out as its record\n", n);
            return 1;
        }
        ++written;
    }
    const ReadResult lar = files.readFile(archive.path(), kArchiveFileSize + 1, false);
    if (lar.bytes.size() != kArchiveFileSize || !writeFileSafely(files, argv[1], lar.bytes)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    fs::remove_all(work);
    std::printf("%d record games written to %s\n", written, argv[1]);
    return 0;
}
