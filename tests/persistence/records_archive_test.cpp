// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "engine/record_check.h"
#include "persistence/byte_order.h"
#include "player_rig.h"

namespace mirvalon::test {
namespace {

// The shift amounts every build uses, written out so that a change to them shows here.
constexpr int kTime = 0x11, kHolder = 0x68, kKey = 0x3A;

void putText(std::string& b, std::size_t at, const std::string& cp1250, int width, int shift)
{
    for (int k = 0; k < width; ++k)
        b[at + k] = k < static_cast<int>(cp1250.size())
                        ? static_cast<char>((static_cast<unsigned char>(cp1250[k]) + shift) & 0xFF)
                        : '\0';
}

// The 34 bytes of a record as the records file lays them out.
void putRecord(std::string& b, std::size_t at, const RecordEntry& e, const std::string& holder)
{
    putLE16(b, at, e.number);
    putLE16(b, at + 2, e.level);
    putLE16(b, at + 4, e.rows);
    putText(b, at + 6, e.time, 8, kTime);
    putLE16(b, at + 14, e.points);
    putText(b, at + 16, holder, 10, kHolder);
    putText(b, at + 26, e.key, 8, kKey);
}

std::string recordsImage(const RecordsTable& t)
{
    std::string b(6528, '\0');
    for (int i = 0; i < 192; ++i)
        putRecord(b, 34 * i, t[i], t[i].holder); // the reference holders are plain ASCII
    return b;
}

// The game that produced reference record `index`, as the game archived it: environment 3,
// jokes on, coloured pieces, piece 5 blocked where the game allows blocking, and the record it
// beat.
ArchivedGame referenceGame(const RecordEntry& e)
{
    const int seconds = *clockSeconds(e.time);
    ArchivedGame game = wonGame(e.number, e.rows, seconds, e.points).game;
    game.environment = 3;
    game.jokes = true;
    for (int k = 1; k <= kMaxPieces; ++k)
        game.faces[k] = kColourFace;
    if (e.key[7] == 'B')
        game.faces[5] = -kColourFace;
    game.previousRecord = 4321;
    return game;
}

// An archive whose slots hold the records of `t` with a game in each of `present` (each one
// a reference record).
std::string archiveImage(const RecordsTable& t, const std::vector<int>& present)
{
    std::string b(113664, '\0');
    for (int i = 0; i < 192; ++i)
        putRecord(b, 592 * i + 1, t[i], t[i].holder);
    for (int i : present) {
        b[592 * i] = 1;
        encodeArchivedGame(referenceGame(t[i]), b, i);
    }
    return b;
}

struct Rig
{
    TempDir data, program;
    FaultyFileSystem fs;
    ScriptedDialogs dialogs;
    ArchiveStore archive{fs, dialogs, data.path(), program.path()};
    RecordsStore store{fs, dialogs, archive, data.path()};
    std::string ldt() const { return data.file("Mirvalon.ldt"); }
    std::string lar() const { return data.file("Mirvalon.lar"); }

    // Game 2, won in row 3 after 62 s with 9000 points over a record of 4321, coloured
    // pieces, piece 7 blocked.
    GameState wonGame(const std::string& holder = "Ján")
    {
        GameState s = wonState(test::wonGame(2, 3, 62, 9000, holder), holder);
        s.faces.fill(kColourFace);
        s.blocked[7] = true;
        s.oldPoints = 4321;
        return s;
    }
    // The slots marked as holding their record's game.
    std::vector<int> marked() const
    {
        std::vector<int> slots;
        for (int i = 0; i < 192; ++i)
            if (store.entry(i).archived)
                slots.push_back(i);
        return slots;
    }
};

// A second start on the files `rig` left.
void restartOn(Rig& next, const Rig& rig)
{
    writeBytes(next.ldt(), readBytes(rig.ldt()));
    writeBytes(next.lar(), readBytes(rig.lar()));
    next.store.loadRecords();
}

RecordsTable withRecord(RecordsTable t, int index, int points, const std::string& holder,
                        int rows = 5, const char* time = " 0:02:00")
{
    t[index].rows = static_cast<uint16_t>(rows);
    t[index].points = static_cast<uint16_t>(points);
    t[index].time = time;
    t[index].holder = holder;
    return t;
}

// A damaged records file costs only its damaged slots: the player's other records stay in
// the table and in the file the next write makes, and the damaged file is kept once beside
// it, which the player is told once. A whole file loads whole, silently.
TEST(RecordsFile, aDamagedFileKeepsEveryValidSlot)
{
    RecordsTable own = withRecord(referenceRecords(), 0, 9999, "X");
    own = withRecord(own, 49, 8100, "Eva");
    own = withRecord(own, 150, 7200, "Ivan");
    const std::string good = recordsImage(own);
    auto patched = [&good](std::size_t at, int v) {
        std::string b = good;
        putLE16(b, at, v);
        return b;
    };
    struct Case
    {
        const char* what;
        std::string bytes;
        std::vector<int> lost; // slots that stand as the reference afterwards; -1: all
    };
    std::string otherKey = good;
    putText(otherKey, 34 * 3 + 26, "511_AknB", 8, kKey);
    const Case files[] = {
        {"whole", good, {}},
        {"6527 bytes", good.substr(0, 6527), {191}},
        {"6529 bytes", good + '\0', {}},
        {"zeros", std::string(6528, '\0'), {-1}},
        {"slot 100 level 14", patched(34 * 99 + 2, 14), {99}},
        {"slot 51 of game 193", patched(34 * 50, 193), {50}},
        {"slot 8 of game 9", patched(34 * 7, 9), {7}},
        {"rows 16", patched(34 * 49 + 4, 16), {49}},
        {"rows -1", patched(34 * 49 + 4, -1), {49}},
        {"points 10000", patched(34 * 150 + 14, 10000), {150}},
        {"points -5", patched(34 * 150 + 14, -5), {150}},
        {"the key of another game", otherKey, {3}},
    };
    for (const Case& c : files) {
        SCOPED_TRACE(c.what);
        Rig rig;
        std::vector<std::pair<std::string, std::string>> notes;
        rig.store.setDamageNote([&notes](const std::string& f, const std::string& copy) {
            notes.emplace_back(f, copy);
        });
        writeBytes(rig.ldt(), c.bytes);
        rig.store.loadRecords();
        rig.store.loadRecords(); // the same damage at the next start is kept and told once
        RecordsTable expected = c.lost == std::vector<int>{-1} ? referenceRecords() : own;
        for (int i : c.lost)
            if (i >= 0)
                expected[i] = referenceRecords()[i];
        EXPECT_EQ(rig.store.table(), expected);
        EXPECT_TRUE(rig.dialogs.messages.empty());
        EXPECT_EQ(readBytes(rig.ldt()), c.bytes);
        ASSERT_EQ(notes.size(), c.bytes == good ? 0u : 1u);
        if (!notes.empty()) {
            EXPECT_EQ(notes[0].first, "Mirvalon.ldt");
            EXPECT_EQ(notes[0].second.rfind("Mirvalon.ldt.damaged-", 0), 0u);
            EXPECT_EQ(readBytes(rig.data.file(notes[0].second)), c.bytes);
        }

        // The next record rebuilds the file from what was kept.
        ASSERT_TRUE(rig.store.writeRecord(rig.wonGame(), GameSettings{}, false));
        auto written = decodeRecordsFile(readBytes(rig.ldt()));
        ASSERT_TRUE(written);
        (*written)[1] = expected[1];
        EXPECT_EQ(*written, expected);
    }
}

// A record goes into its own slot of the file, or of a file built from the table when there
// is none; every other byte stays.
TEST(RecordsFile, writingARecordPatchesOnlyItsSlot)
{
    for (bool existing : {false, true}) {
        SCOPED_TRACE(existing);
        Rig rig;
        RecordsTable table =
            existing ? withRecord(referenceRecords(), 100, 5000, "Other") : referenceRecords();
        std::string expected = recordsImage(table);
        if (existing)
            writeBytes(rig.ldt(), expected);
        rig.store.loadRecords();
        GameState won = rig.wonGame("Ján");
        const char* time = existing ? "10:20:30" : " 0:01:02"; // a blank only before a short one
        won.clockText = existing ? "10:20:30" : "0:01:02";
        ASSERT_TRUE(rig.store.writeRecord(won, GameSettings{}, false));
        table = withRecord(table, 1, 9000, "Ján       ", 3, time);
        putRecord(expected, 34, table[1], "J\xE1n       "); // á is one CP1250 byte
        EXPECT_EQ(readBytes(rig.ldt()), expected);
        table[1].archived = true;
        EXPECT_EQ(rig.store.table(), table);
        EXPECT_TRUE(rig.dialogs.messages.empty());
    }
}

TEST(RecordsFile, aRecordThatCannotBeWrittenChangesNothing)
{
    struct Case
    {
        const char* what;
        std::function<void(Rig&)> spoil;
        const char* holder = "Ján";
    };
    const Case cases[] = {
        {"read-only file", [](Rig& r) { r.fs.readOnly.insert(r.ldt()); }},
        {"disk full", [](Rig& r) { r.fs.failAt = WriteStep::Write; }},
        {"a folder in its place", [](Rig& r) { becomeFolder(r.ldt()); }},
        {"a name the file cannot hold, never written in part", [](Rig&) {}, "Ωmega"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig rig;
        writeBytes(rig.ldt(), recordsImage(referenceRecords()));
        c.spoil(rig);
        const std::string before = readBytes(rig.ldt());
        EXPECT_FALSE(rig.store.writeRecord(rig.wonGame(c.holder), GameSettings{}, false));
        EXPECT_EQ(rig.dialogs.messages, std::vector<int>{2});
        EXPECT_EQ(readBytes(rig.ldt()), before);
        EXPECT_EQ(rig.store.table(), referenceRecords());
        EXPECT_FALSE(exists(rig.lar())); // the archive is not written either
    }
}

TEST(RecordsFile, deletingClearsTheSlotsButKeepsKeysAndLevels)
{
    Rig rig;
    rig.store.loadRecords();
    ASSERT_TRUE(rig.store.deleteRecord(2)); // game 3, no file yet: built from the table first
    RecordsTable expected = referenceRecords();
    std::string image = recordsImage(expected);
    image.replace(34 * 2 + 4, 22, 22, '\0');
    EXPECT_EQ(readBytes(rig.ldt()), image);
    clearRecord(expected[2]);
    EXPECT_EQ(rig.store.table(), expected);
    // Read back at the next start and written out again from the table, it keeps its zeros.
    Rig next;
    restartOn(next, rig);
    ::unlink(next.ldt().c_str());
    ASSERT_TRUE(next.store.writeRecord(next.wonGame(), GameSettings{}, false));
    EXPECT_EQ(readBytes(next.ldt()).substr(34 * 2, 34), image.substr(34 * 2, 34));

    ASSERT_TRUE(rig.store.deleteAllRecords());
    for (int i = 0; i < 192; ++i)
        image.replace(34 * i + 4, 22, 22, '\0');
    EXPECT_EQ(readBytes(rig.ldt()), image);
    for (RecordEntry& e : expected)
        clearRecord(e);
    EXPECT_EQ(rig.store.table(), expected);

    rig.fs.readOnly.insert(rig.ldt());
    for (bool all : {false, true}) {
        const std::string before = readBytes(rig.ldt());
        EXPECT_FALSE(all ? rig.store.deleteAllRecords() : rig.store.deleteRecord(0));
        EXPECT_EQ(readBytes(rig.ldt()), before);
    }
    EXPECT_EQ(rig.dialogs.messages, (std::vector<int>{9, 9}));
}

// A slot is marked, and read back for replay, only when it matches its record and its game
// produces it; every other slot loses only its own mark.
TEST(Archive, marksAndReplaysOnlyTheSlotsThatMatchTheirRecords)
{
    Rig rig;
    const RecordsTable table = referenceRecords();
    writeBytes(rig.ldt(), recordsImage(table));
    std::string lar = archiveImage(table, {0, 2, 5, 11, 17, 24, 56, 86, 96, 191});
    putText(lar, 592 * 2 + 1 + 6, " 9:99:99", 8, kTime);        // time differs: only slot 2 skipped
    putLE16(lar, 592 * 5 + 1 + 14, 1);                          // points differ
    putText(lar, 592 * 11 + 1 + 16, " Quillbeqq", 10, kHolder); // differs after the 8th only
    putLE16(lar, 592 * 17 + 1 + 4, table[17].rows + 1);         // rows differ
    putLE16(lar, 592 * 24 + 1 + 2, table[24].level % 13 + 1);   // level differs, in bounds
    putText(lar, 592 * 86 + 1 + 26, "511_AknB", 8, kKey);       // another game's key
    lar[592 * 96 + 43] = 1;                                     // the last reserved byte set
    putLE16(lar, 592 * 56 + 350 + 16 * (table[56].rows - 1), 0); // a hit of the winning row gone
    writeBytes(rig.lar(), lar);
    rig.store.loadRecords();
    EXPECT_EQ(rig.marked(), (std::vector<int>{0, 11, 191}));
    EXPECT_EQ(rig.archive.loadArchiveSlot(0, rig.store.table()), referenceGame(table[0]));
    EXPECT_FALSE(rig.archive.loadArchiveSlot(56, rig.store.table()));  // unproven
    EXPECT_FALSE(rig.archive.loadArchiveSlot(190, rig.store.table())); // an empty slot
    EXPECT_EQ(rig.dialogs.messages, (std::vector<int>{4, 4}));
}

// An archive of the wrong size keeps every slot that is there whole, for the marks, for
// replay and through the next record; a slot whose game is damaged loses only its own mark.
TEST(Archive, aDamagedArchiveKeepsEveryWholeSlot)
{
    const std::string good = archiveImage(referenceRecords(), {0, 2, 191});
    std::string badGame = good;
    putLE16(badGame, 592 * 2 + 94, 26); // a hidden piece beyond the palette
    struct Case
    {
        const char* what;
        std::string bytes;
        std::vector<int> marked;
        bool copied;
    };
    const Case files[] = {
        {"113663 bytes", good.substr(0, 113663), {0, 2}, true},
        {"cut after slot 3", good.substr(0, 592 * 3), {0, 2}, true},
        {"113665 bytes", good + '\0', {0, 2, 191}, true},
        {"slot 3's game damaged", badGame, {0, 191}, false},
        {"zeros", std::string(113664, '\0'), {}, false},
        {"empty", "", {}, false}, // nothing in it to keep
    };
    for (const Case& c : files) {
        SCOPED_TRACE(c.what);
        Rig rig;
        int notes = 0;
        rig.archive.setDamageNote([&notes](const std::string&, const std::string&) { ++notes; });
        writeBytes(rig.lar(), c.bytes);
        rig.store.loadRecords();
        EXPECT_EQ(rig.marked(), c.marked);
        EXPECT_EQ(notes, c.copied ? 1 : 0);
        for (int i : {0, 2, 191})
            EXPECT_EQ(rig.archive.loadArchiveSlot(i, rig.store.table()).has_value(),
                      std::find(c.marked.begin(), c.marked.end(), i) != c.marked.end())
                << "slot " << i;

        ASSERT_TRUE(rig.store.writeRecord(rig.wonGame(), GameSettings{}, false));
        EXPECT_EQ(readBytes(rig.lar()).size(), 113664u);
        Rig next;
        restartOn(next, rig);
        for (int i : c.marked)
            EXPECT_TRUE(next.store.entry(i).archived) << "slot " << i;
        EXPECT_TRUE(next.store.entry(1).archived);
        // Piece 7 was blocked, but without the blocking aid shown it is archived as it was.
        EXPECT_EQ(next.archive.loadArchiveSlot(1, next.store.table())->faces[7], kColourFace);
    }
    Rig missing;
    EXPECT_FALSE(missing.archive.loadArchiveSlot(0, missing.store.table()));
    EXPECT_EQ(missing.dialogs.messages, std::vector<int>{5});
}

TEST(Archive, theFirstRecordCreatesTheArchiveWithOnlyItsGame)
{
    Rig rig;
    const GameSettings settings{.environment = 1, .jokes = true};
    ASSERT_TRUE(rig.store.writeRecord(rig.wonGame("Eva"), settings, true));
    std::string expected =
        archiveImage(withRecord(referenceRecords(), 1, 9000, "Eva       ", 3, " 0:01:02"), {});
    const std::size_t at = 592;
    expected[at] = 1;
    putLE16(expected, at + 35, 1);
    expected[at + 37] = 1;             // jokes
    putLE16(expected, at + 590, 4321); // the record it beat
    for (int p = 1; p <= 25; ++p)
        putLE16(expected, at + 44 + 2 * (p - 1), p == 7 ? -1000 : 1000); // piece 7 was blocked
    const GameState won = rig.wonGame("Eva");
    for (int p = 0; p < 8; ++p) {
        putLE16(expected, at + 94 + 2 * p, won.hiddenRow[p]);
        for (int r = 0; r < 3; ++r) {
            putLE16(expected, at + 110 + 16 * r + 2 * p, won.rows[r][p]);
            putLE16(expected, at + 350 + 16 * r + 2 * p, won.pegs[r][p]);
        }
    }
    EXPECT_EQ(readBytes(rig.lar()), expected);

    // Written over an archive of other bytes, the slot comes out the same, its gaps zero.
    Rig over;
    writeBytes(over.lar(), std::string(113664, '\x5A'));
    ASSERT_TRUE(over.store.writeRecord(over.wonGame("Eva"), settings, true));
    EXPECT_EQ(readBytes(over.lar()).substr(at, 592), expected.substr(at, 592));
}

TEST(Archive, anArchiveThatCannotBeWrittenKeepsTheRecordAndTheOldFile)
{
    Rig rig;
    const std::string before = archiveImage(referenceRecords(), {0});
    writeBytes(rig.lar(), before);
    rig.fs.readOnly.insert(rig.lar());
    EXPECT_TRUE(rig.store.writeRecord(rig.wonGame(), GameSettings{}, false));
    EXPECT_EQ(rig.dialogs.messages, std::vector<int>{3});
    EXPECT_EQ(readBytes(rig.lar()), before);
    EXPECT_EQ(rig.store.entry(1).points, 9000);
    EXPECT_FALSE(rig.store.entry(1).archived);
}

// A fresh installation reads the delivered archive in place (its own test below) until the
// window copies it in; a record won before that joins the delivered games, and the player's
// own archive is never replaced.
TEST(Archive, aFreshInstallationIsSeededFromTheDeliveredArchive)
{
    Rig rig;
    const std::string delivered = archiveImage(referenceRecords(), {0, 191});
    writeBytes(rig.program.file("Mirvalon.zar"), delivered);
    rig.store.loadRecords();
    {
        FolderLock other(rig.fs, rig.data.path()); // another copy of the game writing
        rig.fs.waitForLocks = false;
        rig.store.seedArchive();
        EXPECT_FALSE(exists(rig.lar())); // neither the start nor a held folder made it
    }
    rig.store.seedArchive();
    EXPECT_EQ(readBytes(rig.lar()), delivered);

    Rig early;
    writeBytes(early.program.file("Mirvalon.zar"), delivered);
    early.store.loadRecords();
    ASSERT_TRUE(early.store.writeRecord(early.wonGame(), GameSettings{}, false));
    early.store.seedArchive();
    early.store.loadRecords();
    EXPECT_EQ(early.marked(), (std::vector<int>{0, 1, 191}));

    Rig own;
    const std::string mine = archiveImage(referenceRecords(), {2});
    writeBytes(own.lar(), mine);
    writeBytes(own.program.file("Mirvalon.zar"), delivered);
    own.store.loadRecords();
    own.store.seedArchive();
    EXPECT_EQ(own.marked(), std::vector<int>{2});
    EXPECT_EQ(readBytes(own.lar()), mine);
}

TEST(DeliveredArchive, holdsARealRecordGameForEveryReferenceRecord)
{
    Rig rig;
    writeBytes(rig.program.file("Mirvalon.zar"),
               readBytes(std::string(MIRVALON_SOURCE_DATA) + "/Mirvalon.zar"));
    rig.store.loadRecords();
    const RecordsTable reference = referenceRecords();
    for (int i = 0; i < kGameCount; ++i) {
        const RecordEntry& e = rig.store.entry(i);
        EXPECT_EQ(e.archived, reference[i].points != 0) << "game " << i + 1;
        if (!e.archived)
            continue;
        const auto game = rig.archive.loadArchiveSlot(i, rig.store.table());
        ASSERT_TRUE(game) << "game " << i + 1;
        // Replayed, the game produces its record, as any other account's copy will check.
        EXPECT_EQ(checkRecordGame(e, *game), RecordFault::None) << "game " << i + 1;
    }
}

} // namespace
} // namespace mirvalon::test
