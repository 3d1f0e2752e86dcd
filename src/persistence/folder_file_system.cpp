// SPDX-License-Identifier: GPL-3.0-or-later
#include "folder_file_system.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "safe_file.h"

namespace mirvalon {

namespace {

bool validName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

// Opens the folder `name` in `parent` without following a link, and makes it when asked.
int openFolderIn(int parent, const std::string& name, bool create, unsigned mode)
{
    // Made private first: it becomes shared only once it is known to be the folder we made.
    const bool made = create && ::mkdirat(parent, name.c_str(), 0700) == 0;
    const int fd = ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISDIR(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    if (made && st.st_uid == ::geteuid() && ::fchmod(fd, mode) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

FolderFileSystem::FolderFileSystem(int fd, std::string path) : m_fd(fd), m_path(std::move(path)) {}

FolderFileSystem::~FolderFileSystem()
{
    ::close(m_fd);
}

std::unique_ptr<FolderFileSystem> FolderFileSystem::openBase(const std::string& path)
{
    if (path.empty())
        return nullptr;
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    return std::unique_ptr<FolderFileSystem>(new FolderFileSystem(fd, path));
}

std::unique_ptr<FolderFileSystem> FolderFileSystem::subfolder(const std::string& name,
                                                              bool create) const
{
    if (!validName(name))
        return nullptr;
    const int fd = openFolderIn(m_fd, name, create, kMadeFolderMode);
    if (fd < 0)
        return nullptr;
    return std::unique_ptr<FolderFileSystem>(new FolderFileSystem(fd, joinPath(m_path, name)));
}

std::string FolderFileSystem::file(const std::string& name) const
{
    return joinPath(m_path, name);
}

std::string FolderFileSystem::nameOf(const std::string& path) const
{
    std::string name = path;
    if (path.find('/') != std::string::npos) {
        if (parentFolder(path) != m_path)
            return {};
        name = baseName(path);
    }
    return validName(name) ? name : std::string();
}

ReadResult FolderFileSystem::readFile(const std::string& path, std::size_t limit, bool noFollow)
{
    const std::string name = nameOf(path);
    if (name.empty())
        return {};
    // A second name of the same file could be a hard link to a file of another account.
    return posix::readFileAt(m_fd, name, limit,
                             posix::kNoLinks | posix::kSingleLink |
                                 (noFollow ? posix::kOddIsMissing : 0));
}

PathKind FolderFileSystem::kind(const std::string& path)
{
    const std::string name = nameOf(path);
    return name.empty() ? PathKind::None : posix::kindAt(m_fd, name);
}

bool FolderFileSystem::isDirectory(const std::string& path)
{
    return path == m_path || kind(path) == PathKind::Directory;
}

bool FolderFileSystem::createDirectory(const std::string& path, unsigned mode)
{
    const std::string name = nameOf(path);
    if (name.empty() || kind(path) != PathKind::None)
        return false;
    const int fd = openFolderIn(m_fd, name, true, mode);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

bool FolderFileSystem::mayReplace(const std::string& path)
{
    const std::string name = nameOf(path);
    struct stat st
    {
    };
    if (name.empty())
        return false;
    if (::fstatat(m_fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    return (st.st_mode & 0222) != 0;
}

std::optional<unsigned> FolderFileSystem::modeOf(const std::string& path)
{
    const std::string name = nameOf(path);
    return name.empty() ? std::nullopt : posix::modeAt(m_fd, name);
}

std::vector<std::string> FolderFileSystem::listNames(const std::string& directory)
{
    if (directory != m_path)
        return {};
    return posix::namesIn(m_fd);
}

int FolderFileSystem::createTemp(const std::string& directory, std::string& tempPath, unsigned mode)
{
    if (directory != m_path)
        return -1;
    return posix::createTempIn(m_fd, m_path, tempPath, mode);
}

bool FolderFileSystem::renameFile(const std::string& from, const std::string& to)
{
    const std::string a = nameOf(from);
    const std::string b = nameOf(to);
    return !a.empty() && !b.empty() && ::renameat(m_fd, a.c_str(), m_fd, b.c_str()) == 0;
}

bool FolderFileSystem::syncDirectory(const std::string& directory)
{
    return directory == m_path && ::fsync(m_fd) == 0;
}

void FolderFileSystem::removeFile(const std::string& path)
{
    const std::string name = nameOf(path);
    if (!name.empty())
        ::unlinkat(m_fd, name.c_str(), 0);
}

int FolderFileSystem::lockFile(const std::string& path, int waitMilliseconds)
{
    const std::string name = nameOf(path);
    if (name.empty())
        return -1;
    // flock works on a descriptor opened for reading, which is all another's lock file allows.
    int fd =
        ::openat(m_fd, name.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        fd = ::openat(m_fd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    struct stat st
    {
    };
    if (fd < 0)
        return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        posix::lockOpenFile(fd, waitMilliseconds) < 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace mirvalon
