#include "file_system.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace mirvalon {

ReadResult PosixFileSystem::readFile(const std::string& path, std::size_t limit, bool noFollow)
{
    ReadResult result;
    // O_NONBLOCK keeps a FIFO planted in place of a file from hanging the game.
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | (noFollow ? O_NOFOLLOW : 0);
    const int fd = ::open(path.c_str(), flags);
    if (fd < 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR || (noFollow && errno == ELOOP);
        result.status = missing ? ReadStatus::Missing : ReadStatus::Unreadable;
        return result;
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        result.status = noFollow ? ReadStatus::Missing : ReadStatus::Unreadable;
        return result;
    }
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
    ::close(fd);
    if (result.status != ReadStatus::Ok)
        result.bytes.clear();
    return result;
}

PathKind PosixFileSystem::kind(const std::string& path)
{
    struct stat st
    {
    };
    if (::lstat(path.c_str(), &st) != 0)
        return PathKind::None;
    if (S_ISREG(st.st_mode))
        return PathKind::File;
    if (S_ISDIR(st.st_mode))
        return PathKind::Directory;
    return PathKind::Other;
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
    if (::mkdir(path.c_str(), mode) != 0)
        return false;
    // The umask must not take away what other users of the computer need.
    return ::chmod(path.c_str(), mode) == 0;
}

bool PosixFileSystem::mayReplace(const std::string& path)
{
    struct stat st
    {
    };
    if (::lstat(path.c_str(), &st) != 0)
        return errno == ENOENT;
    // A file without any write permission is marked read-only by its owner; honour the mark
    // even where the system would let us (root).
    if ((st.st_mode & 0222) == 0)
        return false;
    return ::access(path.c_str(), W_OK) == 0;
}

int PosixFileSystem::createTemp(const std::string& directory, std::string& tempPath, unsigned mode)
{
    std::string pattern = directory + "/.mirvalon-write-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return -1;
    tempPath = name.data();
    if (::fchmod(fd, mode) != 0) {
        ::close(fd);
        ::unlink(tempPath.c_str());
        return -1;
    }
    return fd;
}

bool PosixFileSystem::writeAll(int handle, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(handle, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool PosixFileSystem::syncFile(int handle)
{
    return ::fsync(handle) == 0;
}

bool PosixFileSystem::closeFile(int handle)
{
    return ::close(handle) == 0;
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

} // namespace mirvalon
