// SPDX-License-Identifier: GPL-3.0-or-later
#include "player_files.h"

#include "persistence/archive_store.h"
#include "persistence/records_store.h"
#include "persistence/safe_file.h"

namespace mirvalon {

DataFolderFiles::DataFolderFiles(FileSystem& fs, std::string dataFolder,
                                 std::function<const RecordsTable&()> table,
                                 std::function<void()> reload)
    : m_fs(fs), m_folder(std::move(dataFolder)), m_table(std::move(table)),
      m_reload(std::move(reload))
{
}

std::optional<std::string> DataFolderFiles::records()
{
    ReadResult file = m_fs.readFile(joinPath(m_folder, kRecordsFileName), kRecordsFileSize, false);
    if (file.status == ReadStatus::Ok && decodeRecordsFile(file.bytes))
        return std::move(file.bytes);
    // An unreadable file is not ours to replace behind the player's back.
    if (file.status == ReadStatus::Unreadable)
        return std::nullopt;
    return encodeRecordsFile(m_table());
}

std::optional<std::string> DataFolderFiles::archive()
{
    ReadResult file = m_fs.readFile(joinPath(m_folder, kArchiveFileName), kArchiveFileSize, false);
    if (file.status != ReadStatus::Ok || file.bytes.size() != kArchiveFileSize)
        return std::nullopt;
    return std::move(file.bytes);
}

bool DataFolderFiles::commit(const std::string* records, const std::string* archive)
{
    const std::string archivePath = joinPath(m_folder, kArchiveFileName);
    const std::string recordsPath = joinPath(m_folder, kRecordsFileName);
    if ((archive && !m_fs.mayReplace(archivePath)) || (records && !m_fs.mayReplace(recordsPath)))
        return false;
    // The old archive is kept, so that a records file that cannot be written takes the
    // archive back with it.
    const ReadResult before = m_fs.readFile(archivePath, kArchiveFileSize, false);
    if (archive && !writeFileSafely(m_fs, archivePath, *archive))
        return false;
    if (records && !writeFileSafely(m_fs, recordsPath, *records)) {
        if (archive) {
            if (before.status == ReadStatus::Ok)
                writeFileSafely(m_fs, archivePath, before.bytes);
            else if (before.status == ReadStatus::Missing)
                m_fs.removeFile(archivePath);
        }
        return false;
    }
    return true;
}

void DataFolderFiles::reload()
{
    if (m_reload)
        m_reload();
}

} // namespace mirvalon
