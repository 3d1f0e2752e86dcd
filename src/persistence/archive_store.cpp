// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive_store.h"

#include <algorithm>

#include "byte_order.h"
#include "cp1250.h"
#include "engine/messages.h"
#include "engine/record_check.h"
#include "record_slot.h"
#include "records_store.h"
#include "safe_file.h"

namespace mirvalon {

namespace {

constexpr std::size_t kRecordAt = 1;
constexpr std::size_t kEnvironmentAt = 35;
constexpr std::size_t kJokesAt = 37;
constexpr std::size_t kReservedAt = 38;
constexpr std::size_t kReservedSize = 6;
constexpr std::size_t kFacesAt = 44;
constexpr std::size_t kHiddenAt = 94;
constexpr std::size_t kRowsAt = 110;
constexpr std::size_t kPegsAt = 350;
constexpr std::size_t kPreviousAt = 590;

std::size_t slotAt(int index)
{
    return kArchiveSlotSize * static_cast<std::size_t>(index);
}

} // namespace

SlotMatch matchArchiveSlot(std::string_view archive, int index, const RecordEntry& entry)
{
    const std::size_t at = slotAt(index);
    if (archive[at] == 0)
        return SlotMatch::Empty;
    const RecordEntry stored = decodeRecordSlot(archive, at + kRecordAt);
    if (stored.number < 1 || stored.number > kGameCount)
        return SlotMatch::OutOfBounds;
    if (stored.number != entry.number)
        return SlotMatch::Differs;
    if (stored.level < 1 || stored.level > 13)
        return SlotMatch::OutOfBounds;
    if (stored.level != entry.level)
        return SlotMatch::Differs;
    if (stored.rows > 15)
        return SlotMatch::OutOfBounds;
    if (stored.rows != entry.rows ||
        firstCharacters(stored.time, kTimeChars) != firstCharacters(entry.time, kTimeChars))
        return SlotMatch::Differs;
    if (stored.points > 9999)
        return SlotMatch::OutOfBounds;
    // Only the first eight characters of the holder count.
    if (stored.points != entry.points ||
        firstCharacters(stored.holder, 8) != firstCharacters(entry.holder, 8) ||
        firstCharacters(stored.key, kKeyChars) != firstCharacters(entry.key, kKeyChars))
        return SlotMatch::Differs;
    return SlotMatch::Match;
}

bool slotProves(std::string_view archive, int index, const RecordEntry& entry)
{
    if (archive.size() != kArchiveFileSize || index < 0 || index >= kGameCount ||
        matchArchiveSlot(archive, index, entry) != SlotMatch::Match)
        return false;
    // The present flag is 1, jokes 0 or 1 and the reserved words zero in every slot the game
    // writes.
    const std::size_t at = slotAt(index);
    if (archive[at] != 1 || static_cast<unsigned char>(archive[at + kJokesAt]) > 1)
        return false;
    for (std::size_t k = 0; k < kReservedSize; ++k)
        if (archive[at + kReservedAt + k] != 0)
            return false;
    return recordHoldsUp(entry, decodeArchivedGame(archive, index));
}

std::string emptyArchiveFor(std::string_view records)
{
    std::string archive(kArchiveFileSize, '\0');
    for (int i = 0; i < kGameCount && std::size_t(kRecordSlotSize) * (i + 1) <= records.size(); ++i)
        archive.replace(slotAt(i) + kRecordAt, kRecordSlotSize,
                        records.substr(kRecordSlotSize * i, kRecordSlotSize));
    return archive;
}

std::string salvageArchive(std::string_view damaged, std::string_view records)
{
    std::string archive = emptyArchiveFor(records);
    for (int i = 0; i < kGameCount && slotAt(i + 1) <= damaged.size(); ++i)
        archive.replace(slotAt(i), kArchiveSlotSize, damaged.substr(slotAt(i), kArchiveSlotSize));
    return archive;
}

ArchivedGame decodeArchivedGame(std::string_view archive, int index)
{
    const std::size_t at = slotAt(index);
    ArchivedGame g;
    g.environment = getSignedLE16(archive, at + kEnvironmentAt);
    g.jokes = archive[at + kJokesAt] != 0;
    for (int piece = 1; piece <= kMaxPieces; ++piece)
        g.faces[piece] = getSignedLE16(archive, at + kFacesAt + 2 * (piece - 1));
    for (int p = 0; p < kMaxPositions; ++p)
        g.hiddenRow[p] = getLE16(archive, at + kHiddenAt + 2 * p);
    for (int r = 0; r < kRows; ++r) {
        for (int p = 0; p < kMaxPositions; ++p) {
            const std::size_t cell = 2 * (r * kMaxPositions + p);
            g.rows[r][p] = getSignedLE16(archive, at + kRowsAt + cell);
            g.pegs[r][p] = getSignedLE16(archive, at + kPegsAt + cell);
        }
    }
    g.previousRecord = getLE16(archive, at + kPreviousAt);
    return g;
}

void encodeArchivedGame(const ArchivedGame& g, std::string& archive, int index)
{
    const std::size_t at = slotAt(index);
    putLE16(archive, at + kEnvironmentAt, g.environment);
    archive[at + kJokesAt] = g.jokes ? 1 : 0;
    for (std::size_t k = 38; k < kFacesAt; ++k)
        archive[at + k] = 0;
    for (int piece = 1; piece <= kMaxPieces; ++piece)
        putLE16(archive, at + kFacesAt + 2 * (piece - 1), g.faces[piece]);
    for (int p = 0; p < kMaxPositions; ++p)
        putLE16(archive, at + kHiddenAt + 2 * p, g.hiddenRow[p]);
    for (int r = 0; r < kRows; ++r) {
        for (int p = 0; p < kMaxPositions; ++p) {
            const std::size_t cell = 2 * (r * kMaxPositions + p);
            putLE16(archive, at + kRowsAt + cell, g.rows[r][p]);
            putLE16(archive, at + kPegsAt + cell, g.pegs[r][p]);
        }
    }
    putLE16(archive, at + kPreviousAt, g.previousRecord);
}

ArchivedGame archivedGameOf(const GameState& s, const GameSettings& settings, bool blockingAidShown)
{
    ArchivedGame g;
    g.environment = settings.environment;
    g.jokes = settings.jokes;
    for (int piece = 1; piece <= kMaxPieces; ++piece) {
        const int32_t face = s.faces[piece];
        g.faces[piece] = blockingAidShown && s.blocked[piece] ? -face : face;
    }
    g.hiddenRow = s.hiddenRow;
    g.rows = s.rows;
    g.pegs = s.pegs;
    g.previousRecord = s.oldPoints;
    return g;
}

ArchiveStore::ArchiveStore(FileSystem& fs, Dialogs& dialogs, std::string dataFolder,
                           std::string programFolder)
    : m_fs(fs), m_dialogs(dialogs), m_dataFolder(std::move(dataFolder)),
      m_programFolder(std::move(programFolder))
{
}

std::string ArchiveStore::path() const
{
    return joinPath(m_dataFolder, kArchiveFileName);
}

std::string ArchiveStore::deliveredPath() const
{
    return joinPath(m_programFolder, kDeliveredArchiveName);
}

ReadResult ArchiveStore::readArchive(std::size_t limit)
{
    ReadResult file = m_fs.readFile(path(), limit, false);
    if (m_seedPending && file.status == ReadStatus::Missing)
        return m_fs.readFile(deliveredPath(), std::min(limit, kArchiveFileSize), false);
    return file;
}

void ArchiveStore::seedArchive()
{
    if (!m_seedPending)
        return;
    FolderLock lock(m_fs, m_dataFolder);
    if (lock.held())
        copyWhenAbsent(m_fs, deliveredPath(), m_fs, path(), kArchiveFileSize);
    // Another copy of the game holding the folder, or a folder that refuses the file, leaves
    // the copy to the next call; the delivered file serves meanwhile.
    m_seedPending = m_fs.kind(path()) == PathKind::None;
}

void ArchiveStore::markArchived(RecordsTable& table)
{
    // A fresh installation starts with the record games delivered beside the program. They go
    // to the data folder, where new records join them (the program folder may well be
    // read-only), but the window does not wait for that: until seedArchive() the delivered
    // file is read in place.
    m_seedPending =
        m_fs.kind(path()) == PathKind::None && m_fs.kind(deliveredPath()) == PathKind::File;
    const ReadResult file = readArchive(2 * kArchiveFileSize);
    if (file.status != ReadStatus::Ok || file.bytes.empty())
        return;
    std::string salvaged;
    std::string_view archive = file.bytes;
    if (archive.size() != kArchiveFileSize) {
        const auto records = encodeRecordsFile(table).value_or(std::string());
        salvaged = salvageArchive(file.bytes, records);
        archive = salvaged;
        // The next record rebuilds the file from what is kept here: the damaged one is kept
        // first.
        const auto copy = keepDamagedCopy(m_fs, path(), file.bytes, todaysDate());
        if (copy && m_damageNote)
            m_damageNote(kArchiveFileName, *copy);
    }
    // A slot that differs from its record, is out of bounds or does not prove it loses only
    // its own mark: one damaged slot costs no other game its record game.
    for (int i = 0; i < kGameCount; ++i)
        table[i].archived = slotProves(archive, i, table[i]);
}

std::optional<std::string> ArchiveStore::archiveWithGame(const RecordsTable& table,
                                                         const GameState& state,
                                                         const GameSettings& settings,
                                                         bool blockingAidShown)
{
    const int index = state.gameNumber - 1;
    if (index < 0 || index >= kGameCount)
        return std::nullopt;
    const ReadResult file = readArchive(2 * kArchiveFileSize);
    const bool present = file.status != ReadStatus::Missing;
    if ((present && file.status != ReadStatus::Ok && file.status != ReadStatus::TooLarge) ||
        !m_fs.mayReplace(path()))
        return std::nullopt;
    std::string archive = file.bytes;
    if (file.status != ReadStatus::Ok || archive.size() != kArchiveFileSize) {
        // Missing or of the wrong size: the whole slots it has, over the records.
        const auto records = encodeRecordsFile(table).value_or(std::string());
        if (records.empty())
            return std::nullopt;
        archive =
            salvageArchive(file.status == ReadStatus::Ok ? file.bytes : std::string(), records);
    }
    RecordEntry record = table[index];
    record.number = static_cast<uint16_t>(state.gameNumber);
    record.level = static_cast<uint16_t>(state.level);
    archive[slotAt(index)] = 1;
    // The key goes too: it is the variant's own in every slot the game wrote, and a damaged
    // one would keep the slot from ever matching its record again.
    if (!encodeRecordSlot(record, archive, slotAt(index) + kRecordAt))
        return std::nullopt;
    encodeArchivedGame(archivedGameOf(state, settings, blockingAidShown), archive, index);
    return archive;
}

bool ArchiveStore::holdsGameOf(int index, const RecordEntry& entry)
{
    const ReadResult file = readArchive(kArchiveFileSize);
    return file.status == ReadStatus::Ok && slotProves(file.bytes, index, entry);
}

std::optional<ArchivedGame> ArchiveStore::loadArchiveSlot(int index, const RecordsTable& table)
{
    if (index < 0 || index >= kGameCount)
        return std::nullopt;
    const ReadResult file = readArchive(2 * kArchiveFileSize);
    if (file.status == ReadStatus::Missing) {
        m_dialogs.showMessage(Message::ArchiveMissing);
        return std::nullopt;
    }
    // The whole slots of an archive of the wrong size are as good as they were at the start.
    const std::string archive =
        file.status == ReadStatus::Ok && file.bytes.size() != kArchiveFileSize
            ? salvageArchive(file.bytes, encodeRecordsFile(table).value_or(std::string()))
            : file.bytes;
    // A game that does not produce its record is not shown: nothing of a damaged or forged
    // slot reaches the board or the settings.
    if (file.status != ReadStatus::Ok || !slotProves(archive, index, table[index])) {
        m_dialogs.showMessage(Message::ArchiveDamaged);
        return std::nullopt;
    }
    return decodeArchivedGame(archive, index);
}

} // namespace mirvalon
