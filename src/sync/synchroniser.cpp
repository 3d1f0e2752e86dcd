// SPDX-License-Identifier: GPL-3.0-or-later
#include "synchroniser.h"

#include "persistence/archive_store.h"
#include "persistence/folder_file_system.h"
#include "persistence/record_slot.h"
#include "persistence/records_store.h"
#include "persistence/safe_file.h"

namespace mirvalon {

Synchroniser::Synchroniser(FileSystem& fs, std::string dataFolder, std::string storeFolder,
                           StoreWriter& writer, std::function<void(int)> progress)
    : m_fs(fs), m_data(std::move(dataFolder)), m_store(std::move(storeFolder)), m_writer(writer),
      m_progress(std::move(progress))
{
}

void Synchroniser::setProgress(int percent)
{
    if (m_progress)
        m_progress(percent);
}

StoreImages Synchroniser::readStore()
{
    // Readable by every account and written only by the writer; read without its lock, so
    // a slot caught half written simply does not prove its record this time.
    StoreImages stored;
    const auto folder = FolderFileSystem::openBase(m_store);
    if (!folder)
        return stored;
    ReadResult records = folder->readFile(kRecordsFileName, kRecordsFileSize, true);
    ReadResult archive = folder->readFile(kArchiveFileName, kArchiveFileSize, true);
    if (records.status == ReadStatus::Ok && archive.status == ReadStatus::Ok) {
        stored.records = std::move(records.bytes);
        stored.archive = std::move(archive.bytes);
    }
    return stored;
}

std::optional<StoreImages> Synchroniser::takeIn(const StoreImages& stored, int first, int last,
                                                const RecordsTable& table, bool& locked)
{
    FolderLock lock(m_fs, m_data);
    locked = lock.held();
    if (!locked)
        return std::nullopt;
    const std::string recordsPath = joinPath(m_data, kRecordsFileName);
    const std::string archivePath = joinPath(m_data, kArchiveFileName);
    ReadResult records = m_fs.readFile(recordsPath, kRecordsFileSize, false);
    if (records.status == ReadStatus::Unreadable)
        return std::nullopt; // not ours to replace behind the player's back
    const bool whole = records.status == ReadStatus::Ok && recordsFileWhole(records.bytes);
    const std::optional<std::string> image =
        whole ? std::optional<std::string>(std::move(records.bytes)) : encodeRecordsFile(table);
    if (!image)
        return std::nullopt;
    StoreImages mine;
    mine.records = *image;
    // An archive of the wrong size keeps its whole slots (the start kept a copy of it).
    ReadResult archive = m_fs.readFile(archivePath, 2 * kArchiveFileSize, false);
    if (archive.status == ReadStatus::Unreadable)
        return std::nullopt; // its games are still in it
    mine.archive = archive.status == ReadStatus::Ok && archive.bytes.size() == kArchiveFileSize
                       ? std::move(archive.bytes)
                       : salvageArchive(archive.bytes, mine.records);

    bool any = false;
    for (int i = first; i <= last; ++i) {
        const RecordEntry own = decodeRecordSlot(mine.records, kRecordSlotSize * i);
        const auto theirs = provenRecord(stored.records, stored.archive, i);
        if (theirs && theirs->points > own.points && theirs->key == own.key) {
            m_decisions[i] = Decision::Import;
            copyGame(stored, mine, i);
            any = true;
        } else if (provenPoints(mine, i) > provenPoints(stored, i)) {
            m_decisions[i] = Decision::Export;
        }
    }
    if (!any)
        return mine;
    // The record and its game arrive together, or neither does.
    const std::vector<FileToCommit> files{{recordsPath, mine.records}, {archivePath, mine.archive}};
    if (!m_fs.mayReplace(recordsPath) || !m_fs.mayReplace(archivePath) || !commitFiles(m_fs, files))
        return std::nullopt;
    return mine;
}

SyncResult Synchroniser::synchronise(int gameNumber, const RecordsTable& table)
{
    m_decisions.fill(Decision::None);
    setProgress(0);
    if (gameNumber < 0 || gameNumber > kGameCount || m_store.empty())
        return SyncResult::Unavailable;
    const int first = gameNumber == 0 ? 0 : gameNumber - 1;
    const int last = gameNumber == 0 ? kGameCount - 1 : gameNumber - 1;
    const StoreImages stored = readStore();
    setProgress(10);
    bool locked = false;
    const std::optional<StoreImages> mine = takeIn(stored, first, last, table, locked);
    setProgress(70);
    SyncResult result = SyncResult::Done;
    if (!mine) {
        result = locked ? SyncResult::Interrupted : SyncResult::Busy;
    } else if (!betterGames(*mine, stored, first, last).empty()) {
        switch (m_writer.submit(*mine, gameNumber)) {
        case StoreOutcome::Done:
            break;
        case StoreOutcome::Busy:
            result = SyncResult::Busy;
            break;
        case StoreOutcome::Unavailable:
        case StoreOutcome::Failed:
            result = SyncResult::Unavailable;
            break;
        }
    }
    setProgress(100);
    return result;
}

} // namespace mirvalon
