// SPDX-License-Identifier: GPL-3.0-or-later
// A player's data folder and a shared folder in a temporary place, and the means to win
// records in them, for the synchronisation tests. Header only: the concurrency and kill
// tests run it in child processes too.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "persistence/archive_store.h"
#include "persistence/byte_order.h"
#include "persistence/cp1250.h"
#include "persistence/folders.h"
#include "persistence/record_slot.h"
#include "persistence/records_store.h"
#include "persistence/safe_file.h"
#include "sync/synchroniser.h"

namespace mirvalon::test {

namespace fs = std::filesystem;

// Calendar time that moves only when told to, or when the synchronisation waits.
class ManualSyncPort : public SyncPort
{
public:
    double now = 0;
    int sleeps = 0;
    std::vector<int> bar;
    bool realClock = false; // real time plus `now` as an offset
    int realSleepMs = 0;    // how long a wait of 300 ms really takes

    double calendarSeconds() override { return (realClock ? m_system.calendarSeconds() : 0) + now; }
    void sleepMs(int ms) override
    {
        ++sleeps;
        if (realClock && realSleepMs > 0)
            m_system.sleepMs(realSleepMs);
        else
            now += ms / 1000.0;
    }
    void progress(int percent) override { bar.push_back(percent); }

private:
    SystemSyncPort m_system;
};

inline fs::path makeScratch(const char* tag)
{
    std::string pattern =
        (fs::temp_directory_path() / (std::string("mirvalon-") + tag + "-XXXXXX"));
    if (!::mkdtemp(pattern.data()))
        std::abort();
    return pattern;
}

inline std::string readAll(const fs::path& p)
{
    PosixFileSystem posix;
    return posix.readFile(p.string(), 1 << 20, false).bytes;
}

inline void writeAll(const fs::path& p, const std::string& bytes)
{
    PosixFileSystem posix;
    if (!writeFileSafely(posix, p.string(), bytes, NewFileMode::Shared))
        std::abort();
}

// The archive slot of a won game: the record, and a game made up from the points.
inline void putArchivedGame(std::string& archive, int index, const RecordEntry& e)
{
    archive[kArchiveSlotSize * index] = 1;
    encodeRecordSlot(e, archive, kArchiveSlotSize * index + 1);
    ArchivedGame game;
    game.environment = e.points % 4;
    for (int piece = 1; piece <= kMaxPieces; ++piece)
        game.faces[piece] = piece;
    for (int p = 0; p < kMaxPositions; ++p)
        game.hiddenRow[p] = 1 + (e.points + p) % 11;
    game.previousRecord = e.points / 2;
    encodeArchivedGame(game, archive, index);
}

// One player's data folder with its records and archive files, as the game writes them.
class PlayerRig
{
public:
    explicit PlayerRig(fs::path folder)
        : m_folder(std::move(folder)),
          m_files(
              m_posix, m_folder.string(), [this]() -> const RecordsTable& { return m_table; },
              [this] { ++reloads; })
    {
        fs::create_directories(m_folder);
    }

    fs::path recordsPath() const { return m_folder / kRecordsFileName; }
    fs::path archivePath() const { return m_folder / kArchiveFileName; }
    PlayerFiles& files() { return m_files; }

    // Writes both files from the reference table, with no game archived.
    void start()
    {
        writeAll(recordsPath(), *encodeRecordsFile(m_table));
        std::string archive(kArchiveFileSize, '\0');
        for (int i = 0; i < kGameCount; ++i)
            encodeRecordSlot(m_table[i], archive, kArchiveSlotSize * i + 1);
        writeAll(archivePath(), archive);
    }

    // A won record of `points` for game `number`, written like a new record: the records
    // file, then its archive slot unless `archived` is false.
    void win(int number, int points, const std::string& holder, bool archived = true)
    {
        winEach({number}, points, holder, archived);
    }
    // The same record in each of `numbers`, each file written once.
    void winEach(const std::vector<int>& numbers, int points, const std::string& holder,
                 bool archived = true)
    {
        std::string records = readAll(recordsPath());
        std::string archive = readAll(archivePath());
        for (int number : numbers) {
            RecordEntry& e = m_table[number - 1];
            e.rows = 5;
            e.time = " 0:01:23";
            e.points = static_cast<uint16_t>(points);
            e.holder = fitToWidth(holder, kHolderChars);
            encodeRecordSlot(e, records, kRecordSlotSize * (number - 1));
            putArchivedGame(archive, number - 1, e);
        }
        writeAll(recordsPath(), records);
        if (archived)
            writeAll(archivePath(), archive);
    }

    // The records as the player's game would load them: nothing when the file is not whole.
    std::optional<RecordsTable> load() const { return decodeRecordsFile(readAll(recordsPath())); }
    int points(int number) const
    {
        const auto t = load();
        return t ? (*t)[number - 1].points : -1;
    }

    int reloads = 0;

private:
    fs::path m_folder;
    PosixFileSystem m_posix;
    RecordsTable m_table = referenceRecords();
    DataFolderFiles m_files;
};

// base/Orvex/Mirvalon.dat, as the installation makes it.
inline fs::path makeSharedFolder(const fs::path& base)
{
    const fs::path folder = base / kVendorFolder / kDataFolderName;
    fs::create_directories(folder);
    return folder;
}

inline int sharedPoints(const fs::path& folder, int number)
{
    const std::string records = readAll(folder / kRecordsFileName);
    if (records.size() != kRecordsFileSize)
        return -1;
    return getLE16(records, kRecordSlotSize * (number - 1) + 14);
}

} // namespace mirvalon::test
