// The file operations the game needs, as an interface, so that tests can make any step fail
// (a read-only file, a full disk, a write cut short) even when they run as root.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

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

    // The steps of a safe write. A handle below 0 means the temporary file was not created.
    virtual int createTemp(const std::string& directory, std::string& tempPath, unsigned mode) = 0;
    virtual bool writeAll(int handle, std::string_view bytes) = 0;
    virtual bool syncFile(int handle) = 0;
    virtual bool closeFile(int handle) = 0;
    virtual bool renameFile(const std::string& from, const std::string& to) = 0;
    virtual bool syncDirectory(const std::string& directory) = 0;
    virtual void removeFile(const std::string& path) = 0;
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
    int createTemp(const std::string& directory, std::string& tempPath, unsigned mode) override;
    bool writeAll(int handle, std::string_view bytes) override;
    bool syncFile(int handle) override;
    bool closeFile(int handle) override;
    bool renameFile(const std::string& from, const std::string& to) override;
    bool syncDirectory(const std::string& directory) override;
    void removeFile(const std::string& path) override;
};

} // namespace mirvalon
