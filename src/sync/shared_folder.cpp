// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared_folder.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace mirvalon {

namespace {

constexpr unsigned kSharedMode = 0666; // every account of the computer reads and replaces them
constexpr const char* kTempPrefix = ".Mirvalon-part-";
// A folder that another account filled with names is looked through only this far.
constexpr int kLeftoverScanLimit = 4096;

double secondsOf(const struct timespec& t)
{
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

FileStamp stampOf(const struct stat& st)
{
    return {static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino),
            secondsOf(st.st_mtim)};
}

bool sameFile(const FileStamp& a, const FileStamp& b)
{
    return a.device == b.device && a.inode == b.inode && a.modified == b.modified;
}

int openFolderAt(int at, const char* name)
{
    return ::openat(at, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// A name nobody else picks: the process, a counter and a random part.
std::string uniqueName(const char* tag)
{
    static std::atomic<unsigned> counter{0};
    static thread_local std::mt19937 random{std::random_device{}()};
    char name[96];
    std::snprintf(name, sizeof name, "%s%s%d-%u-%08x", kTempPrefix, tag,
                  static_cast<int>(::getpid()), counter++, static_cast<unsigned>(random()));
    return name;
}

// The descriptor-level write loop of the game's own file layer.
bool writeWhole(int fd, std::string_view bytes)
{
    PosixFileSystem posix;
    return posix.writeAll(fd, bytes);
}

} // namespace

DescriptorFolder::DescriptorFolder(std::string base, std::string vendor, std::string folder)
    : m_base(std::move(base)), m_vendor(std::move(vendor)), m_folder(std::move(folder))
{
}

DescriptorFolder::~DescriptorFolder()
{
    close();
}

bool DescriptorFolder::open()
{
    close();
    if (m_base.empty())
        return false;
    const int base = ::open(m_base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (base < 0)
        return false;
    const int vendor = openFolderAt(base, m_vendor.c_str());
    ::close(base);
    if (vendor < 0)
        return false;
    m_dir = openFolderAt(vendor, m_folder.c_str());
    ::close(vendor);
    return m_dir >= 0;
}

void DescriptorFolder::close()
{
    if (m_lock >= 0) {
        ::close(m_lock);
        m_lock = -1;
    }
    if (m_dir >= 0) {
        ::close(m_dir);
        m_dir = -1;
    }
}

ReadResult DescriptorFolder::read(const char* name, std::size_t limit)
{
    ReadResult result;
    // O_NONBLOCK: a pipe put in place of a file must not hang the game.
    const int fd = ::openat(m_dir, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.status =
            errno == ENOENT || errno == ELOOP ? ReadStatus::Missing : ReadStatus::Unreadable;
        return result;
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        result.status = ReadStatus::Missing;
        return result;
    }
    if (static_cast<unsigned long long>(st.st_size) > limit) {
        ::close(fd);
        result.status = ReadStatus::TooLarge;
        return result;
    }
    // The file may grow while it is read; never take more than one byte over the limit.
    result.bytes.resize(limit + 1);
    std::size_t done = 0;
    result.status = ReadStatus::Ok;
    while (done < result.bytes.size()) {
        const ssize_t n = ::read(fd, result.bytes.data() + done, result.bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.status = ReadStatus::Unreadable;
            break;
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (result.status == ReadStatus::Ok && done > limit)
        result.status = ReadStatus::TooLarge;
    result.bytes.resize(result.status == ReadStatus::Ok ? done : 0);
    return result;
}

bool DescriptorFolder::write(const char* name, std::string_view bytes)
{
    const std::string temp = uniqueName("w-");
    const int fd = ::openat(m_dir, temp.c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kSharedMode);
    if (fd < 0)
        return false;
    // The umask must not keep the other accounts out.
    bool ok = ::fchmod(fd, kSharedMode) == 0 && writeWhole(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    // rename replaces the name itself: a link planted there is replaced, never followed.
    if (!ok || ::renameat(m_dir, temp.c_str(), m_dir, name) != 0) {
        ::unlinkat(m_dir, temp.c_str(), 0);
        return false;
    }
    ::fsync(m_dir);
    return true;
}

bool DescriptorFolder::remove(const char* name)
{
    return ::unlinkat(m_dir, name, 0) == 0 || errno == ENOENT;
}

bool DescriptorFolder::stamp(const char* name, FileStamp& stamp)
{
    struct stat st
    {
    };
    if (::fstatat(m_dir, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    stamp = stampOf(st);
    return true;
}

LockAttempt DescriptorFolder::createLock(const char* name)
{
    // O_EXCL makes the look and the creation one step; with O_CREAT it also refuses a link.
    const int fd =
        ::openat(m_dir, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kSharedMode);
    if (fd < 0)
        return errno == EEXIST ? LockAttempt::Held : LockAttempt::Failed;
    struct stat st
    {
    };
    if (::fchmod(fd, kSharedMode) != 0 || ::fstat(fd, &st) != 0) {
        ::close(fd);
        ::unlinkat(m_dir, name, 0);
        return LockAttempt::Failed;
    }
    m_lock = fd;
    m_lockStamp = stampOf(st);
    return LockAttempt::Taken;
}

bool DescriptorFolder::removeIfStill(const char* name, const FileStamp& seen)
{
    // Moving the lock aside is one step; only then can it be looked at without a newer lock
    // taking its name in between.
    const std::string aside = uniqueName("stale-");
    if (::renameat(m_dir, name, m_dir, aside.c_str()) != 0)
        return false;
    FileStamp moved;
    const bool same = stamp(aside.c_str(), moved) && sameFile(moved, seen);
    if (!same) {
        // It was a fresh lock of another copy: put it back unless a newer one took the name.
        if (::renameat2(m_dir, aside.c_str(), m_dir, name, RENAME_NOREPLACE) == 0)
            return false;
    }
    ::unlinkat(m_dir, aside.c_str(), 0);
    return same;
}

void DescriptorFolder::releaseLock(const char* name)
{
    if (m_lock < 0)
        return;
    FileStamp now;
    // A copy that found our lock stale may have removed it, and a third copy may hold the
    // name now: remove only our own file.
    if (stamp(name, now) && now.device == m_lockStamp.device && now.inode == m_lockStamp.inode)
        ::unlinkat(m_dir, name, 0);
    ::close(m_lock);
    m_lock = -1;
}

void DescriptorFolder::removeLeftovers(double before)
{
    const int fd = ::dup(m_dir);
    if (fd < 0)
        return;
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return;
    }
    ::rewinddir(dir);
    const std::size_t prefix = std::strlen(kTempPrefix);
    int seen = 0;
    while (const dirent* e = ::readdir(dir)) {
        if (++seen > kLeftoverScanLimit)
            break;
        if (std::strncmp(e->d_name, kTempPrefix, prefix) != 0)
            continue;
        FileStamp s;
        if (stamp(e->d_name, s) && s.modified < before)
            ::unlinkat(m_dir, e->d_name, 0);
    }
    ::closedir(dir);
}

} // namespace mirvalon
