// SPDX-License-Identifier: GPL-3.0-or-later
#include "records_store.h"

#include "cp1250.h"
#include "engine/messages.h"
#include "record_slot.h"
#include "safe_file.h"

namespace mirvalon {

namespace {

constexpr std::size_t kDeletedAt = 4;
constexpr std::size_t kDeletedSize = 22; // rows, time, points, holder

std::size_t recordAt(int index)
{
    return kRecordSlotSize * static_cast<std::size_t>(index);
}

// The clock text with the blank the records keep in front of short times, in 8 characters.
std::string recordTime(const std::string& clockText)
{
    const std::string time = utf8Length(clockText) < kTimeChars ? " " + clockText : clockText;
    return firstCharacters(time, kTimeChars);
}

} // namespace

std::optional<RecordsTable> decodeRecordsFile(std::string_view bytes)
{
    if (bytes.size() != kRecordsFileSize)
        return std::nullopt;
    RecordsTable table;
    for (int i = 0; i < kGameCount; ++i) {
        table[i] = decodeRecordSlot(bytes, recordAt(i));
        if (!recordInBounds(table[i]))
            return std::nullopt;
    }
    return table;
}

SalvagedRecords salvageRecordsFile(std::string_view bytes)
{
    SalvagedRecords salvaged{referenceRecords(), bytes.size() > kRecordsFileSize ? 1 : 0};
    for (int i = 0; i < kGameCount; ++i) {
        if (recordAt(i + 1) > bytes.size()) {
            ++salvaged.damaged;
            continue;
        }
        const RecordEntry entry = decodeRecordSlot(bytes, recordAt(i));
        if (recordInBounds(entry) && entry.number == i + 1 &&
            firstCharacters(entry.key, kKeyChars) == salvaged.table[i].key)
            salvaged.table[i] = entry;
        else
            ++salvaged.damaged;
    }
    return salvaged;
}

bool recordsFileWhole(std::string_view bytes)
{
    return bytes.size() == kRecordsFileSize && salvageRecordsFile(bytes).damaged == 0;
}

std::optional<std::string> encodeRecordsFile(const RecordsTable& table)
{
    std::string bytes(kRecordsFileSize, '\0');
    for (int i = 0; i < kGameCount; ++i) {
        if (!encodeRecordSlot(table[i], bytes, recordAt(i)))
            return std::nullopt;
    }
    return bytes;
}

RecordsStore::RecordsStore(FileSystem& fs, Dialogs& dialogs, ArchiveStore& archive,
                           std::string dataFolder)
    : m_fs(fs), m_dialogs(dialogs), m_archive(archive), m_dataFolder(std::move(dataFolder))
{
}

std::string RecordsStore::path() const
{
    return joinPath(m_dataFolder, kRecordsFileName);
}

void RecordsStore::loadRecords()
{
    // A file a little too long still gives its slots; one that cannot be read is passed over
    // and the table stays as it is.
    const ReadResult file = m_fs.readFile(path(), 2 * kRecordsFileSize, false);
    if (file.status == ReadStatus::Ok && !file.bytes.empty()) {
        const SalvagedRecords salvaged = salvageRecordsFile(file.bytes);
        m_table = salvaged.table;
        // The next write rebuilds the file from the table: the damaged one is kept first.
        if (salvaged.damaged > 0) {
            const auto copy = keepDamagedCopy(m_fs, path(), file.bytes, todaysDate());
            if (copy && m_damageNote)
                m_damageNote(kRecordsFileName, *copy);
        }
    }
    m_archive.markArchived(m_table);
}

const RecordEntry& RecordsStore::entry(int index) const
{
    return m_table.at(static_cast<std::size_t>(index));
}

std::optional<std::string> RecordsStore::startingImage()
{
    const ReadResult file = m_fs.readFile(path(), kRecordsFileSize, false);
    if ((file.status != ReadStatus::Missing && file.status != ReadStatus::Ok &&
         file.status != ReadStatus::TooLarge) ||
        !m_fs.mayReplace(path()))
        return std::nullopt;
    // Only a file whose every slot loads is patched; any other is rebuilt from the table,
    // which holds what loaded of it (and the damaged file was kept aside at the start).
    if (file.status == ReadStatus::Ok && recordsFileWhole(file.bytes))
        return file.bytes;
    return encodeRecordsFile(m_table);
}

bool RecordsStore::rewriteFile(const std::function<bool(std::string&)>& patch)
{
    FolderLock lock(m_fs, m_dataFolder);
    std::optional<std::string> bytes;
    if (lock.held())
        bytes = startingImage();
    return bytes && patch(*bytes) && writeFileSafely(m_fs, path(), *bytes);
}

bool RecordsStore::writeRecord(const GameState& state, const GameSettings& settings,
                               bool blockingAidShown)
{
    const int index = state.gameNumber - 1;
    if (index < 0 || index >= kGameCount)
        return false;
    RecordEntry record = m_table[index];
    record.number = static_cast<uint16_t>(state.gameNumber);
    record.level = static_cast<uint16_t>(state.level);
    record.rows = static_cast<uint16_t>(state.currentRow);
    record.points = static_cast<uint16_t>(state.score);
    record.time = recordTime(state.clockText);
    record.holder = fitToWidth(state.holderName, kHolderChars);

    FolderLock lock(m_fs, m_dataFolder);
    std::optional<std::string> records;
    if (lock.held())
        records = startingImage();
    if (!records) {
        m_dialogs.showMessage(Message::RecordsReadOnly);
        return false;
    }
    const RecordEntry stored = decodeRecordSlot(*records, recordAt(index));
    if (stored.points >= record.points) {
        // Another copy of the game set a better record meanwhile: it stays, and shows here.
        RecordEntry& e = m_table[index];
        e.rows = stored.rows;
        e.points = stored.points;
        e.time = stored.time;
        e.holder = stored.holder;
        e.archived = m_archive.holdsGameOf(index, e);
        return true;
    }
    RecordsTable next = m_table;
    RecordEntry& e = next[index];
    e.rows = record.rows;
    e.points = record.points;
    e.time = record.time;
    e.holder = record.holder;
    if (!encodeRecordSlot(record, *records, recordAt(index), kRecordPatchSize)) {
        m_dialogs.showMessage(Message::RecordsReadOnly);
        return false;
    }
    std::vector<FileToCommit> files{{path(), *records}};
    const std::optional<std::string> archive =
        m_archive.archiveWithGame(next, state, settings, blockingAidShown);
    if (archive)
        files.push_back({m_archive.path(), *archive});
    bool archived = archive.has_value();
    bool written = commitFiles(m_fs, files);
    if (!written && archived) {
        // A disk too full for the record game may still take the record.
        files.pop_back();
        archived = false;
        written = commitFiles(m_fs, files);
    }
    if (!written) {
        if (m_fs.outOfSpace() && m_diskFullNote)
            m_diskFullNote(kRecordsFileName);
        else
            m_dialogs.showMessage(Message::RecordsReadOnly);
        return false;
    }
    e.archived = archived;
    m_table = next;
    if (!archived)
        m_dialogs.showMessage(Message::ArchiveReadOnly);
    return true;
}

void RecordsStore::shareRecord(int gameNumber)
{
    if (m_share)
        m_share(gameNumber);
}

bool RecordsStore::deleteRecord(int index)
{
    if (index < 0 || index >= kGameCount)
        return false;
    const bool written = rewriteFile([index](std::string& bytes) {
        bytes.replace(recordAt(index) + kDeletedAt, kDeletedSize, kDeletedSize, '\0');
        return true;
    });
    if (!written) {
        m_dialogs.showMessage(Message::RecordsNotDeletable);
        return false;
    }
    clearRecord(m_table[index]);
    return true;
}

bool RecordsStore::deleteAllRecords()
{
    const bool written = rewriteFile([](std::string& bytes) {
        for (int i = 0; i < kGameCount; ++i)
            bytes.replace(recordAt(i) + kDeletedAt, kDeletedSize, kDeletedSize, '\0');
        return true;
    });
    if (!written) {
        m_dialogs.showMessage(Message::RecordsNotDeletable);
        return false;
    }
    for (RecordEntry& e : m_table)
        clearRecord(e);
    return true;
}

} // namespace mirvalon
