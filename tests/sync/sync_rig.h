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

// A folder with a records file and an archive: a player's data folder as the game writes it,
// or the shared store.
class StoreFolder
{
public:
    explicit StoreFolder(fs::path folder) : m_folder(std::move(folder))
    {
        fs::create_directories(m_folder);
    }

    fs::path recordsPath() const { return m_folder / kRecordsFileName; }
    fs::path archivePath() const { return m_folder / kArchiveFileName; }
    const fs::path& folder() const { return m_folder; }
    StoreImages images() const { return {readBytes(recordsPath()), readBytes(archivePath())}; }

    // Both files together, as the game commits a record with its game (the store's as if the
    // writer had left them).
    void put(const StoreImages& images)
    {
        const std::vector<FileToCommit> files{{recordsPath().string(), images.records},
                                              {archivePath().string(), images.archive}};
        if (!commitFiles(m_posix, files))
            std::abort();
    }
    // Both files from the reference table, with a won record of `points` by `holder` and its
    // game in each of `numbers`.
    void putWon(const std::vector<int>& numbers = {}, int points = 0,
                const std::string& holder = "Store")
    {
        StoreImages files = emptyStore();
        for (int number : numbers)
            putWonGame(files, number, points, holder);
        put(files);
    }

    int points(int number) const { return pointsIn(recordsPath(), number); }

protected:
    PosixFileSystem m_posix;

private:
    fs::path m_folder;
};

// A store folder of the player's own, written by the real writer (unprivileged, as in a
// build of the game without the package).
struct SharedRig : StoreFolder
{
    explicit SharedRig(const fs::path& base) : StoreFolder(base / kVendorFolder / kDataFolderName)
    {
    }
    ProcessStoreWriter writer{MIRVALON_STORE_WRITER, folder()};
};

// One player's data folder, and a synchronisation of it with the store.
struct PlayerRig : StoreFolder
{
    using StoreFolder::StoreFolder;
    // One synchronisation, on the real file system unless `files` is given.
    SyncResult sync(SharedRig& shared, int gameNumber = 0, FileSystem* files = nullptr)
    {
        Synchroniser synchroniser(files ? *files : m_posix, folder(), shared.folder(),
                                  shared.writer);
        return synchroniser.synchronise(gameNumber, referenceRecords());
    }
};

} // namespace mirvalon::test
