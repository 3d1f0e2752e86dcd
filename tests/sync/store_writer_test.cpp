// SPDX-License-Identifier: GPL-3.0-or-later
// The writer of the shared store, handed what any account may send it: only a record its own
// replayed game proves, and that beats the stored one, is written. What a replayed game
// proves is the record check's table; one damaged game here shows the writer asks it.
#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

#include "sync_rig.h"

namespace mirvalon::test {
namespace {

constexpr int kGame = 11;

std::size_t slotAt(std::size_t offset)
{
    return kArchiveSlotSize * (kGame - 1) + offset;
}

TEST(StoreWriter, writesOnlyRecordsTheirGamesProveAndThatBeatTheStore)
{
    struct Case
    {
        const char* what;
        std::function<void(StoreImages&)> forge; // on an offered 8000-point record of game 11
        StoreOutcome outcome;
        int storePoints;
        int game = 0; // the game it is handed, 0: all
    };
    const Case cases[] = {
        {"a genuine better record", [](StoreImages&) {}, StoreOutcome::Done, 8000},
        {"handed game 11 alone, game 4's beside it stays out", // (checked for every row)
         [](StoreImages& o) { putWonGame(o, 4, 8000, "Anna"); }, StoreOutcome::Done, 8000, kGame},
        {"a genuine record below the stored one",
         [](StoreImages& o) { putWonGame(o, kGame, 5000, "Low"); }, StoreOutcome::Done, 6000},
        {"a peg that does not follow from the rows",
         [](StoreImages& o) { putLE16(o.archive, slotAt(350), 0); }, StoreOutcome::Done, 6000},
        {"a present flag the game never writes (2)",
         [](StoreImages& o) { o.archive[slotAt(0)] = 2; }, StoreOutcome::Done, 6000},
        {"bytes the game never writes (jokes 2)", [](StoreImages& o) { o.archive[slotAt(37)] = 2; },
         StoreOutcome::Done, 6000},
        {"no archived game at all", [](StoreImages& o) { o.archive[slotAt(0)] = 0; },
         StoreOutcome::Done, 6000},
        {"game 2's record and game moved into this game's slots",
         [](StoreImages& o) {
             StoreImages other = emptyStore();
             putWonGame(other, 2, 8000, "Forger");
             o.records.replace(kRecordSlotSize * (kGame - 1), kRecordSlotSize, other.records,
                               kRecordSlotSize, kRecordSlotSize);
             o.archive.replace(slotAt(0), kArchiveSlotSize, other.archive, kArchiveSlotSize,
                               kArchiveSlotSize);
         },
         StoreOutcome::Done, 6000},
        {"one byte short", [](StoreImages& o) { o.archive.pop_back(); }, StoreOutcome::Failed,
         6000},
    };
    TempDir scratch;
    SharedRig shared(fs::path(scratch.path()) / "var");
    for (const Case& c : cases) {
        StoreImages store = emptyStore();
        putWonGame(store, kGame, 6000, "Stored");
        shared.put(store);
        StoreImages offered = emptyStore();
        putWonGame(offered, kGame, 8000, "Forger");
        c.forge(offered);
        EXPECT_EQ(shared.writer.submit(offered, c.game), c.outcome) << c.what;
        EXPECT_EQ(shared.points(kGame), c.storePoints) << c.what;
        EXPECT_EQ(shared.points(4), 0) << c.what;
        const StoreImages now = shared.images();
        if (c.storePoints == 6000)
            EXPECT_EQ(now, store) << c.what;
        else
            EXPECT_TRUE(provenRecord(now.records, now.archive, kGame - 1)) << c.what;
    }
}

// A signal that reaches the game while it waits for the writer (here the writer sends it
// itself) neither loses the writer's answer nor keeps the game waiting: a wait that asks
// again after its answer came would spin for ever, and the alarm ends the test instead.
TEST(StoreWriter, aSignalDuringTheWaitKeepsTheWritersAnswer)
{
    TempDir scratch;
    const std::string busyWriter = scratch.file("busy-writer");
    writeBytes(busyWriter, "#!/bin/sh\n/bin/cat >/dev/null\n/bin/sleep 0.1\n"
                           "kill -USR1 $PPID\n/bin/sleep 0.1\nexit 3\n");
    ASSERT_EQ(::chmod(busyWriter.c_str(), 0755), 0);
    struct sigaction interrupting = {}, before = {};
    interrupting.sa_handler = [](int) {}; // without SA_RESTART, so that the wait is interrupted
    ASSERT_EQ(::sigaction(SIGUSR1, &interrupting, &before), 0);
    ProcessStoreWriter writer(busyWriter, scratch.path());
    ::alarm(10);
    EXPECT_EQ(writer.submit(emptyStore(), 0), StoreOutcome::Busy);
    ::alarm(0);
    ::sigaction(SIGUSR1, &before, nullptr);
}

} // namespace
} // namespace mirvalon::test
