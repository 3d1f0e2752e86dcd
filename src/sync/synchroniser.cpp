// SPDX-License-Identifier: GPL-3.0-or-later
#include "synchroniser.h"

#include "persistence/archive_store.h"
#include "persistence/byte_order.h"
#include "persistence/record_slot.h"
#include "persistence/records_store.h"

namespace mirvalon {

namespace {

constexpr std::size_t kPointsAt = 14;
// Retries without waiting: the lock vanished or a stale one was moved aside in between.
constexpr int kQuickRetries = 8;

std::size_t recordAt(int index)
{
    return kRecordSlotSize * static_cast<std::size_t>(index);
}

std::size_t slotAt(int index)
{
    return kArchiveSlotSize * static_cast<std::size_t>(index);
}

// The archive a records file would start when it has none: every slot empty, holding only
// its record.
std::string emptyArchiveFor(const std::string& records)
{
    std::string archive(kArchiveFileSize, '\0');
    for (int i = 0; i < kGameCount; ++i)
        archive.replace(slotAt(i) + 1, kRecordSlotSize, records, recordAt(i), kRecordSlotSize);
    return archive;
}

void copySlots(const std::string& fromRecords, const std::string& fromArchive,
               std::string& toRecords, std::string& toArchive, int index)
{
    // Byte for byte: the texts stay shifted, the archived game goes whole.
    toRecords.replace(recordAt(index), kRecordSlotSize, fromRecords, recordAt(index),
                      kRecordSlotSize);
    toArchive.replace(slotAt(index), kArchiveSlotSize, fromArchive, slotAt(index),
                      kArchiveSlotSize);
}

} // namespace

Synchroniser::Synchroniser(SharedFolder& shared, PlayerFiles& player, SyncPort& port)
    : m_shared(shared), m_player(player), m_port(port)
{
}

void Synchroniser::setProgress(int percent)
{
    m_bar = percent;
    m_port.progress(percent);
}

SyncResult Synchroniser::synchronise(int gameNumber)
{
    m_bar = 0;
    m_interrupted = false;
    if (gameNumber < 0 || gameNumber > kGameCount || !m_shared.open())
        return SyncResult::Unavailable;
    if (!takeLock()) {
        m_shared.close();
        return SyncResult::Busy;
    }
    m_shared.removeLeftovers(m_port.calendarSeconds() - kStaleLockSeconds);
    const bool done = computeDecisions(gameNumber) && applyDecisions(gameNumber);
    m_shared.releaseLock(kSyncLockName);
    m_shared.close();
    setProgress(100);
    if (done)
        return SyncResult::Done;
    return m_interrupted ? SyncResult::Interrupted : SyncResult::Unavailable;
}

bool Synchroniser::takeLock()
{
    int waits = 0;
    int quick = 0;
    for (;;) {
        const LockAttempt attempt = m_shared.createLock(kSyncLockName);
        if (attempt != LockAttempt::Held)
            return attempt == LockAttempt::Taken;
        FileStamp held;
        if (quick < kQuickRetries) {
            if (!m_shared.stamp(kSyncLockName, held)) {
                ++quick; // released in between
                continue;
            }
            if (m_port.calendarSeconds() - held.modified > kStaleLockSeconds) {
                ++quick;
                m_shared.removeIfStill(kSyncLockName, held);
                continue;
            }
        }
        if (waits == kLockWaits)
            return false;
        m_port.sleepMs(kLockWaitMs);
        ++waits;
    }
}

bool Synchroniser::checkSharedFiles()
{
    ReadResult records = m_shared.read(kRecordsFileName, kRecordsFileSize);
    ReadResult archive = m_shared.read(kArchiveFileName, kArchiveFileSize);
    const bool recordsOk =
        records.status == ReadStatus::Ok && records.bytes.size() == kRecordsFileSize;
    const bool archiveOk =
        archive.status == ReadStatus::Ok && archive.bytes.size() == kArchiveFileSize;
    if (!recordsOk || !archiveOk) {
        m_shared.remove(kRecordsFileName);
        m_shared.remove(kArchiveFileName);
        return false;
    }
    m_sharedRecords = std::move(records.bytes);
    m_sharedArchive = std::move(archive.bytes);
    return true;
}

bool Synchroniser::seedSharedFiles()
{
    // The player's own files start the shared ones; the player's records do not change in
    // this run. The archive goes first, so that a records file is never there without it.
    std::string archive = m_userArchive.empty() ? emptyArchiveFor(m_userRecords) : m_userArchive;
    if (!m_shared.write(kArchiveFileName, archive) ||
        !m_shared.write(kRecordsFileName, m_userRecords))
        return false;
    m_sharedArchive = std::move(archive);
    m_sharedRecords = m_userRecords;
    return true;
}

bool Synchroniser::computeDecisions(int gameNumber)
{
    m_decisions.fill(Decision::None);
    m_sharedRecords.clear();
    m_sharedArchive.clear();
    const int first = gameNumber == 0 ? 0 : gameNumber - 1;
    const int last = gameNumber == 0 ? kGameCount - 1 : gameNumber - 1;
    const auto records = m_player.records();
    if (!records)
        return false;
    m_userRecords = *records;
    const auto archive = m_player.archive();
    m_userArchive = archive ? *archive : std::string();
    if (!checkSharedFiles())
        return seedSharedFiles();

    bool fault = false;
    int base = m_bar;
    for (int i = first; i <= last && !fault; ++i) {
        setProgress(base + 10 * i / kGameCount);
        const int shared = getSignedLE16(m_sharedRecords, recordAt(i) + kPointsAt);
        if (shared > 9999) {
            fault = true;
            break;
        }
        const RecordEntry mine = decodeRecordSlot(m_userRecords, recordAt(i));
        const bool archived =
            !m_userArchive.empty() && matchArchiveSlot(m_userArchive, i, mine) == SlotMatch::Match;
        if (mine.points > shared && archived)
            m_decisions[i] = Decision::Export;
        else if (shared > mine.points)
            m_decisions[i] = Decision::Import;
    }
    base = m_bar;
    for (int i = first; i <= last && !fault; ++i) {
        setProgress(base + 60 * i / kGameCount);
        if (m_decisions[i] != Decision::Import)
            continue;
        const RecordEntry theirs = decodeRecordSlot(m_sharedRecords, recordAt(i));
        if (!recordInBounds(theirs)) {
            fault = true;
            break;
        }
        // A record is taken only with its game, and only into its own game: a slot of
        // another number or variant would put a foreign record in the player's list.
        const RecordEntry mine = decodeRecordSlot(m_userRecords, recordAt(i));
        if (matchArchiveSlot(m_sharedArchive, i, theirs) != SlotMatch::Match ||
            theirs.number != i + 1 || theirs.key != mine.key)
            m_decisions[i] = Decision::None;
    }
    if (fault) {
        m_decisions.fill(Decision::None);
        m_shared.remove(kRecordsFileName);
        m_shared.remove(kArchiveFileName);
        return seedSharedFiles();
    }
    return true;
}

bool Synchroniser::applyDecisions(int gameNumber)
{
    m_interrupted = false;
    if (m_userRecords.size() != kRecordsFileSize || m_sharedRecords.size() != kRecordsFileSize ||
        m_sharedArchive.size() != kArchiveFileSize)
        return false;
    const int first = gameNumber == 0 ? 0 : gameNumber - 1;
    const int last = gameNumber == 0 ? kGameCount - 1 : gameNumber - 1;
    std::string userRecords = m_userRecords;
    std::string userArchive =
        m_userArchive.empty() ? emptyArchiveFor(m_userRecords) : m_userArchive;
    std::string sharedRecords = m_sharedRecords;
    std::string sharedArchive = m_sharedArchive;
    bool sharedChanged = false;
    bool userChanged = false;
    const int base = m_bar;
    for (int i = first; i <= last; ++i) {
        setProgress(base + 30 * i / kGameCount);
        if (m_decisions[i] == Decision::Export) {
            copySlots(userRecords, userArchive, sharedRecords, sharedArchive, i);
            sharedChanged = true;
        } else if (m_decisions[i] == Decision::Import) {
            copySlots(sharedRecords, sharedArchive, userRecords, userArchive, i);
            userChanged = true;
        }
    }
    // Each file is replaced whole, archive before records: a merge cut short leaves at worst
    // a slot that no longer matches its record, which the next merge sends again.
    if (sharedChanged && (!m_shared.write(kArchiveFileName, sharedArchive) ||
                          !m_shared.write(kRecordsFileName, sharedRecords))) {
        m_interrupted = true;
        return false;
    }
    if (userChanged && !m_player.commit(&userRecords, &userArchive)) {
        m_interrupted = true;
        return false;
    }
    m_player.reload();
    return true;
}

} // namespace mirvalon
