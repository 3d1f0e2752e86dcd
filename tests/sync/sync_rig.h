// SPDX-License-Identifier: GPL-3.0-or-later
// Players' data folders and a shared store in a temporary place, written by the real writer
// program, and the means to win records in them, for the synchronisation tests.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "persistence/archive_store.h"
#include "persistence/byte_order.h"
#include "persistence/folders.h"
#include "persistence/record_slot.h"
#include "persistence/records_store.h"
#include "persistence/safe_file.h"
#include "support/fake_persistence.h"
#include "support/won_images.h"
#include "sync/synchroniser.h"

namespace mirvalon::test {

namespace fs = std::filesystem;

// The points of game `number` as a game would load the records file at `path`: -1 when the
// file is not whole.
inline int pointsIn(const fs::path& path, int number)
{
    const auto t = decodeRecordsFile(readBytes(path));
    return t ? (*t)[number - 1].points : -1;
}

// A store folder of the player's own, written by the real writer (unprivileged, as in a
// build of the game without the package).
struct SharedRig
{
    explicit SharedRig(fs::path base) : folder(base / kVendorFolder / kDataFolderName)
    {
        fs::create_directories(folder);
    }
    StoreImages images() const
    {
        return {readBytes(folder / kRecordsFileName), readBytes(folder / kArchiveFileName)};
    }
    // Lays the store down as it would be after writes, bypassing the writer.
    void put(const StoreImages& images) const
    {
        writeBytes(folder / kRecordsFileName, images.records);
        writeBytes(folder / kArchiveFileName, images.archive);
    }
    // A store holding only the given games' records of `points` by "Store", with their games.
    void putWon(const std::vector<int>& numbers, int points) const
    {
        StoreImages images = emptyStore();
        for (int number : numbers)
            putWonGame(images, number, points, "Store");
        put(images);
    }
    int points(int number) const { return pointsIn(folder / kRecordsFileName, number); }

    fs::path folder;
    ProcessStoreWriter writer{MIRVALON_STORE_WRITER, folder.string()};
};

// One player's data folder with its records and archive files, as the game writes them.
class PlayerRig
{
public:
    explicit PlayerRig(fs::path folder) : m_folder(std::move(folder))
    {
        fs::create_directories(m_folder);
    }

    fs::path recordsPath() const { return m_folder / kRecordsFileName; }
    fs::path archivePath() const { return m_folder / kArchiveFileName; }
    std::string folder() const { return m_folder.string(); }
    StoreImages images() const { return {readBytes(recordsPath()), readBytes(archivePath())}; }

    // Writes both files from the reference table, with no game archived.
    void start() { put(emptyStore()); }
    // Both files together, as the game commits a record with its game.
    void put(const StoreImages& images)
    {
        const std::vector<FileToCommit> files{{recordsPath().string(), images.records},
                                              {archivePath().string(), images.archive}};
        if (!commitFiles(m_posix, files))
            std::abort();
    }

    // A won record of `points` in each of `numbers`, with its game.
    void winEach(const std::vector<int>& numbers, int points, const std::string& holder)
    {
        StoreImages files = images();
        for (int number : numbers)
            putWonGame(files, number, points, holder);
        put(files);
    }

    // One synchronisation, on the real file system unless `files` is given.
    SyncResult sync(SharedRig& shared, int gameNumber = 0, FileSystem* files = nullptr)
    {
        Synchroniser synchroniser(files ? *files : m_posix, folder(), shared.folder.string(),
                                  shared.writer);
        return synchroniser.synchronise(gameNumber, referenceRecords());
    }

    int points(int number) const { return pointsIn(recordsPath(), number); }

private:
    fs::path m_folder;
    PosixFileSystem m_posix;
};

} // namespace mirvalon::test
