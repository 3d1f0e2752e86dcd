// SPDX-License-Identifier: GPL-3.0-or-later
// The file operations the game needs, as an interface, so that tests can make any step fail
// (a read-only file, a full disk, a write cut short) even when they run as root.
#pragma once

#include <cerrno>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

namespace mirvalon {

enum class ReadStatus { Ok, Missing, Unreadable, TooLarge };

struct ReadResult
{
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;
};

enum class PathKind { None, File, Directory, Other }; // a symbolic link counts as Other

class FileSystem
{
public:
    virtual ~FileSystem() = default;
    // The whole file, at most `limit` bytes (TooLarge beyond). Anything but a regular file is
    // Unreadable; with `noFollow` a symbolic link, or anything but a regular file, is Missing.
    virtual ReadResult readFile(const std::string& path, std::size_t limit, bool noFollow) = 0;
    virtual PathKind kind(const std::string& path) = 0;    // does not follow a last link
    virtual bool isDirectory(const std::string& path) = 0; // follows links
    virtual bool createDirectory(const std::string& path, unsigned mode) = 0;
    // False for an existing file the user marked read-only.
    virtual bool mayReplace(const std::string& path) = 0;

    // The permission bits of a regular file (links are not followed); nothing otherwise.
    virtual std::optional<unsigned> modeOf(const std::string& path) = 0;
    // Names in a folder, hidden ones included; empty when it cannot be read.
    virtual std::vector<std::string> listNames(const std::string& directory) = 0;

    // The steps of a safe write. A handle below 0 means the temporary file was not created.
    // The temporary file is named ".mirvalon-write-" and six letters, created new (never
    // through a link) with `mode` cut by the player's umask.
    virtual int createTemp(const std::string& directory, std::string& tempPath, unsigned mode) = 0;
    // Sets the permission bits of an open file exactly, whatever the umask.
    virtual bool setMode(int handle, unsigned mode) = 0;
    virtual bool writeAll(int handle, std::string_view bytes) = 0;
    virtual bool syncFile(int handle) = 0;
    virtual bool closeFile(int handle) = 0;
    virtual bool renameFile(const std::string& from, const std::string& to) = 0;
    virtual bool syncDirectory(const std::string& directory) = 0;
    virtual void removeFile(const std::string& path) = 0;

    // An advisory lock (flock) on the file `path`, created when missing: tried at once, then
    // again every few milliseconds for at most `waitMilliseconds`. A handle of 0 or more while
    // held, -1 when another holder kept it all that time or the file cannot be opened.
    virtual int lockFile(const std::string& path, int waitMilliseconds) = 0;
    virtual void unlockFile(int handle) = 0;

    // The last failed step of a write on this thread found the disk (or the player's quota)
    // full; cleared when a write starts.
    virtual bool outOfSpace() const = 0;

    // Where a write of `path` goes: the path itself, or the regular file a link there leads
    // to; empty when the link leads nowhere a file can be written.
    virtual std::string writeTarget(const std::string& path) { return path; }
};

// The real file system of this computer.
class PosixFileSystem : public FileSystem
{
public:
    ReadResult readFile(const std::string& path, std::size_t limit, bool noFollow) override;
    PathKind kind(const std::string& path) override;
    bool isDirectory(const std::string& path) override;
    bool createDirectory(const std::string& path, unsigned mode) override;
    bool mayReplace(const std::string& path) override;
    std::optional<unsigned> modeOf(const std::string& path) override;
    std::vector<std::string> listNames(const std::string& directory) override;
    int createTemp(const std::string& directory, std::string& tempPath, unsigned mode) override;
    bool setMode(int handle, unsigned mode) override;
    bool writeAll(int handle, std::string_view bytes) override;
    bool syncFile(int handle) override;
    bool closeFile(int handle) override;
    bool renameFile(const std::string& from, const std::string& to) override;
    bool syncDirectory(const std::string& directory) override;
    void removeFile(const std::string& path) override;
    int lockFile(const std::string& path, int waitMilliseconds) override;
    void unlockFile(int handle) override;
    bool outOfSpace() const override;
    // A link the player made in their own folder is followed: the file it leads to is
    // written, and the link stays.
    std::string writeTarget(const std::string& path) override;
};

// The part of the steps above that works on open descriptors, shared with the folder opened by
// descriptor (folder_file_system.h).
namespace posix {
// What readFileAt refuses: links (which then read as missing), and files with a second name.
// Anything but a regular file reads as unreadable, or as missing with kOddIsMissing.
constexpr int kNoLinks = 1, kSingleLink = 2, kOddIsMissing = 4;
ReadResult readFileAt(int directoryFd, const std::string& path, std::size_t limit, int rules);
ReadResult readOpenFile(int fd, std::size_t limit);
PathKind kindAt(int directoryFd, const std::string& path);                // links not followed
std::optional<unsigned> modeAt(int directoryFd, const std::string& path); // of a regular file
int createTempIn(int directoryFd, const std::string& directory, std::string& tempPath,
                 unsigned mode);
int lockOpenFile(int fd, int waitMilliseconds);
std::vector<std::string> namesIn(int directoryFd);

// Runs `step(done)` until `size` bytes are through, going on after an interruption; a step
// returns what one read, write or send call returns. Nothing moved (a file that shrank under
// the reader) is a failure, never a reason to ask again.
template <typename Step> bool transferWhole(std::size_t size, Step step)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = step(done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}
} // namespace posix

} // namespace mirvalon
