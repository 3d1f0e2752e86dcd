// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_system.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace mirvalon {

namespace {

// Per thread, as a merge writes the player's files beside the window.
thread_local bool t_outOfSpace = false;

// Notes why a step of a write failed; errno is as the failed call left it.
bool failed()
{
    t_outOfSpace = errno == ENOSPC || errno == EDQUOT;
    return false;
}

} // namespace

namespace posix {

ReadResult readOpenFile(int fd, std::size_t limit)
{
    ReadResult result;
    // A file read whole at once, without growing the bytes as it comes (the archive is a
    // hundred kilobytes).
    struct stat st
    {
    };
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        result.bytes.reserve(std::min(static_cast<std::size_t>(st.st_size), limit) + 1);
    std::vector<char> chunk(8192);
    result.status = ReadStatus::Ok;
    for (;;) {
        const ssize_t n = ::read(fd, chunk.data(), chunk.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result.status = ReadStatus::Unreadable;
            break;
        }
        if (n == 0)
            break;
        result.bytes.append(chunk.data(), static_cast<std::size_t>(n));
        if (result.bytes.size() > limit) {
            result.status = ReadStatus::TooLarge;
            break;
        }
    }
    if (result.status != ReadStatus::Ok)
        result.bytes.clear();
    return result;
}

ReadResult readFileAt(int directoryFd, const std::string& path, std::size_t limit, int rules)
{
    ReadResult result;
    const bool noLinks = (rules & kNoLinks) != 0;
    // O_NONBLOCK keeps a FIFO planted in place of a file from hanging the game.
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | (noLinks ? O_NOFOLLOW : 0);
    const int fd = ::openat(directoryFd, path.c_str(), flags);
    if (fd < 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR || (noLinks && errno == ELOOP);
        result.status = missing ? ReadStatus::Missing : ReadStatus::Unreadable;
        return result;
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        ((rules & kSingleLink) != 0 && st.st_nlink != 1)) {
        ::close(fd);
        result.status = (rules & kOddIsMissing) != 0 ? ReadStatus::Missing : ReadStatus::Unreadable;
        return result;
    }
    result = readOpenFile(fd, limit);
    ::close(fd);
    return result;
}

PathKind kindAt(int directoryFd, const std::string& path)
{
    struct stat st
    {
    };
    if (::fstatat(directoryFd, path.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return PathKind::None;
    if (S_ISREG(st.st_mode))
        return PathKind::File;
    if (S_ISDIR(st.st_mode))
        return PathKind::Directory;
    return PathKind::Other;
}

std::optional<unsigned> modeAt(int directoryFd, const std::string& path)
{
    struct stat st
    {
    };
    if (::fstatat(directoryFd, path.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return static_cast<unsigned>(st.st_mode & 07777);
}

int createTempIn(int directoryFd, const std::string& directory, std::string& tempPath,
                 unsigned mode)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned char random[6];
        if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random))
            return -1;
        std::string name = ".mirvalon-write-";
        for (unsigned char r : random)
            name += kLetters[r % (sizeof kLetters - 1)];
        // Relative to the folder's descriptor, or to the folder's path when there is none.
        const std::string at = directoryFd == AT_FDCWD ? directory + "/" + name : name;
        const int fd = ::openat(directoryFd, at.c_str(),
                                O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0) {
            tempPath = directory + "/" + name;
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

int lockOpenFile(int fd, int waitMilliseconds)
{
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return fd;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return -1;
        if (std::chrono::steady_clock::now() >= deadline)
            return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

std::vector<std::string> namesIn(int directoryFd)
{
    std::vector<std::string> names;
    // fdopendir takes the descriptor over; a duplicate keeps the caller's open.
    const int copy = ::fcntl(directoryFd, F_DUPFD_CLOEXEC, 0);
    if (copy < 0)
        return names;
    DIR* dir = ::fdopendir(copy);
    if (!dir) {
        ::close(copy);
        return names;
    }
    ::rewinddir(dir);
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

} // namespace posix

ReadResult PosixFileSystem::readFile(const std::string& path, std::size_t limit, bool noFollow)
{
    return posix::readFileAt(AT_FDCWD, path, limit,
                             noFollow ? posix::kNoLinks | posix::kOddIsMissing : 0);
}

PathKind PosixFileSystem::kind(const std::string& path)
{
    return posix::kindAt(AT_FDCWD, path);
}

bool PosixFileSystem::isDirectory(const std::string& path)
{
    struct stat st
    {
    };
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool PosixFileSystem::createDirectory(const std::string& path, unsigned mode)
{
    // The player's umask decides what others may do in the player's own folders.
    return ::mkdir(path.c_str(), mode) == 0;
}

std::optional<unsigned> PosixFileSystem::modeOf(const std::string& path)
{
    return posix::modeAt(AT_FDCWD, path);
}

std::vector<std::string> PosixFileSystem::listNames(const std::string& directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return {};
    std::vector<std::string> names = posix::namesIn(fd);
    ::close(fd);
    return names;
}

bool PosixFileSystem::mayReplace(const std::string& path)
{
    struct stat st
    {
    };
    if (::lstat(path.c_str(), &st) != 0)
        return errno == ENOENT;
    // A folder or anything else in place of a file is not the game's to replace; a link the
    // player made counts as the file it leads to.
    if (S_ISLNK(st.st_mode) && ::stat(path.c_str(), &st) != 0)
        return false;
    if (!S_ISREG(st.st_mode))
        return false;
    // A file without any write permission is marked read-only by its owner; honour the mark
    // even where the system would let us (root).
    if ((st.st_mode & 0222) == 0)
        return false;
    return ::access(path.c_str(), W_OK) == 0;
}

int PosixFileSystem::createTemp(const std::string& directory, std::string& tempPath, unsigned mode)
{
    t_outOfSpace = false;
    const int handle = posix::createTempIn(AT_FDCWD, directory, tempPath, mode);
    if (handle < 0)
        failed();
    return handle;
}

bool PosixFileSystem::outOfSpace() const
{
    return t_outOfSpace;
}

std::string PosixFileSystem::writeTarget(const std::string& path)
{
    struct stat st
    {
    };
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return {};
    std::string target(resolved);
    std::free(resolved);
    return ::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode) ? target : std::string();
}

bool PosixFileSystem::setMode(int handle, unsigned mode)
{
    return ::fchmod(handle, mode) == 0;
}

bool PosixFileSystem::writeAll(int handle, std::string_view bytes)
{
    const auto step = [&](std::size_t done) {
        return ::write(handle, bytes.data() + done, bytes.size() - done);
    };
    return posix::transferWhole(bytes.size(), step) || failed();
}

bool PosixFileSystem::syncFile(int handle)
{
    return ::fsync(handle) == 0 || failed();
}

bool PosixFileSystem::closeFile(int handle)
{
    return ::close(handle) == 0 || failed();
}

bool PosixFileSystem::renameFile(const std::string& from, const std::string& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool PosixFileSystem::syncDirectory(const std::string& directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

void PosixFileSystem::removeFile(const std::string& path)
{
    ::unlink(path.c_str());
}

int PosixFileSystem::lockFile(const std::string& path, int waitMilliseconds)
{
    // The lock stands in the player's own data folder, as private as the files it guards.
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0 && errno == EACCES) // flock needs no more than reading
        fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return -1;
    if (posix::lockOpenFile(fd, waitMilliseconds) < 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void PosixFileSystem::unlockFile(int handle)
{
    if (handle >= 0)
        ::close(handle); // closing the only descriptor releases the lock
}

} // namespace mirvalon
