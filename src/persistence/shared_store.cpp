// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared_store.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "archive_store.h"
#include "record_slot.h"
#include "records_store.h"
#include "safe_file.h"

namespace mirvalon {

namespace {

std::size_t recordAt(int index)
{
    return kRecordSlotSize * static_cast<std::size_t>(index);
}

std::size_t slotAt(int index)
{
    return kArchiveSlotSize * static_cast<std::size_t>(index);
}

// A missing file of a store of the player's own starts whole: written aside and renamed into
// place, never over one another writer made meanwhile, so no reader sees it half made.
void createWhole(int folderFd, const char* name, std::string_view bytes)
{
    std::string temp;
    const int fd = posix::createTempIn(folderFd, ".", temp, 0644);
    if (fd < 0)
        return;
    PosixFileSystem files;
    const bool written = files.writeAll(fd, bytes) && ::fsync(fd) == 0;
    ::close(fd);
    const std::string tempName = baseName(temp);
    if (written)
        ::renameat2(folderFd, tempName.c_str(), folderFd, name, RENAME_NOREPLACE);
    ::unlinkat(folderFd, tempName.c_str(), 0); // still there only when it was not renamed
}

int openStoreFile(int folderFd, const char* name, std::string_view initial, bool create)
{
    // O_NONBLOCK: nothing planted in the folder may hang the writer.
    const int flags = O_RDWR | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
    int fd = ::openat(folderFd, name, flags);
    if (fd < 0 && errno == ENOENT && create) {
        createWhole(folderFd, name, initial);
        fd = ::openat(folderFd, name, flags);
    }
    if (fd < 0)
        return -1;
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool readWhole(int fd, std::size_t size, std::string& out)
{
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || static_cast<std::size_t>(st.st_size) != size)
        return false;
    out.assign(size, '\0');
    return posix::transferWhole(size, [&](std::size_t done) {
        return ::pread(fd, out.data() + done, size - done, static_cast<off_t>(done));
    });
}

bool writeAt(int fd, std::string_view bytes, std::size_t offset)
{
    return posix::transferWhole(bytes.size(), [&](std::size_t done) {
        return ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                        static_cast<off_t>(offset + done));
    });
}

// A store file of the wrong size starts again from its empty form, in place: the file stays
// the one the package made, with its owner and mode.
bool loadOrRepair(int fd, std::size_t size, const std::string& empty, std::string& out)
{
    if (readWhole(fd, size, out))
        return true;
    if (::ftruncate(fd, 0) != 0 || !writeAt(fd, empty, 0) || ::fsync(fd) != 0)
        return false;
    out = empty;
    return true;
}

} // namespace

std::optional<RecordEntry> provenRecord(std::string_view records, std::string_view archive,
                                        int index)
{
    if (records.size() != kRecordsFileSize || archive.size() != kArchiveFileSize || index < 0 ||
        index >= kGameCount)
        return std::nullopt;
    const RecordEntry entry = decodeRecordSlot(records, recordAt(index));
    if (!recordInBounds(entry) || entry.number != index + 1 || !slotProves(archive, index, entry))
        return std::nullopt;
    return entry;
}

int provenPoints(const StoreImages& images, int index)
{
    const auto entry = provenRecord(images.records, images.archive, index);
    return entry ? entry->points : 0;
}

std::vector<int> betterGames(const StoreImages& from, const StoreImages& to, int first, int last)
{
    std::vector<int> better;
    for (int i = std::max(first, 0); i <= std::min(last, kGameCount - 1); ++i)
        if (provenPoints(from, i) > provenPoints(to, i))
            better.push_back(i);
    return better;
}

std::optional<StoreImages> splitOffer(std::string_view input)
{
    if (input.size() != kRecordsFileSize + kArchiveFileSize)
        return std::nullopt;
    return StoreImages{std::string(input.substr(0, kRecordsFileSize)),
                       std::string(input.substr(kRecordsFileSize))};
}

void copyGame(const StoreImages& from, StoreImages& to, int index)
{
    // Byte for byte: the texts stay shifted, the archived game goes whole.
    to.records.replace(recordAt(index), kRecordSlotSize, from.records, recordAt(index),
                       kRecordSlotSize);
    to.archive.replace(slotAt(index), kArchiveSlotSize, from.archive, slotAt(index),
                       kArchiveSlotSize);
}

StoreImages emptyStore()
{
    StoreImages images;
    images.records = *encodeRecordsFile(referenceRecords());
    images.archive = emptyArchiveFor(images.records);
    return images;
}

SharedStore::SharedStore(int records, int archive, int lock)
    : m_records(records), m_archive(archive), m_lock(lock)
{
}

SharedStore::~SharedStore()
{
    ::close(m_records);
    ::close(m_archive);
    ::close(m_lock); // releases the lock
}

std::unique_ptr<SharedStore> SharedStore::open(int folderFd, bool create)
{
    const StoreImages empty = create ? emptyStore() : StoreImages{};
    const int records = openStoreFile(folderFd, kRecordsFileName, empty.records, create);
    const int archive = openStoreFile(folderFd, kArchiveFileName, empty.archive, create);
    const int lock = openStoreFile(folderFd, kStoreLockName, {}, create);
    if (records < 0 || archive < 0 || lock < 0) {
        for (int fd : {records, archive, lock})
            if (fd >= 0)
                ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<SharedStore>(new SharedStore(records, archive, lock));
}

bool SharedStore::lock(const std::function<void(int)>& sleepMs)
{
    for (int waits = 0;; ++waits) {
        if (::flock(m_lock, LOCK_EX | LOCK_NB) == 0)
            return true;
        if ((errno != EWOULDBLOCK && errno != EINTR) || waits == kStoreLockWaits)
            return false;
        sleepMs(kStoreLockWaitMs);
    }
}

std::optional<StoreImages> SharedStore::load()
{
    const StoreImages empty = emptyStore();
    StoreImages images;
    if (!loadOrRepair(m_archive, kArchiveFileSize, empty.archive, images.archive) ||
        !loadOrRepair(m_records, kRecordsFileSize, empty.records, images.records))
        return std::nullopt;
    return images;
}

StoreOutcome SharedStore::merge(const StoreImages& offered, int gameNumber, int& written)
{
    written = 0;
    if (gameNumber < 0 || gameNumber > kGameCount)
        return StoreOutcome::Failed;
    const std::optional<StoreImages> stored = load();
    if (!stored)
        return StoreOutcome::Failed;
    const int first = gameNumber == 0 ? 0 : gameNumber - 1;
    const int last = gameNumber == 0 ? kGameCount - 1 : gameNumber - 1;
    const std::vector<int> better = betterGames(offered, *stored, first, last);
    if (better.empty())
        return StoreOutcome::Done;
    for (int i : better)
        if (!writeAt(m_archive,
                     std::string_view(offered.archive).substr(slotAt(i), kArchiveSlotSize),
                     slotAt(i)))
            return StoreOutcome::Failed;
    if (::fsync(m_archive) != 0)
        return StoreOutcome::Failed;
    for (int i : better) {
        if (!writeAt(m_records,
                     std::string_view(offered.records).substr(recordAt(i), kRecordSlotSize),
                     recordAt(i)))
            return StoreOutcome::Failed;
        ++written;
    }
    return ::fsync(m_records) == 0 ? StoreOutcome::Done : StoreOutcome::Failed;
}

} // namespace mirvalon
