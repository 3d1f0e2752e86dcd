// SPDX-License-Identifier: GPL-3.0-or-later
// The folder shared by all accounts of the computer, reached through one folder descriptor.
// Any account may put anything there (links, pipes, huge files, folders), so every file is
// opened relative to the descriptor without following links, checked to be a regular file
// and read only up to its expected size; every write replaces the whole file through a
// temporary file and a rename inside the folder.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "persistence/file_system.h"

namespace mirvalon {

// What identifies one file on disk, so that a lock can be told from a newer one of the same
// name.
struct FileStamp
{
    unsigned long long device = 0;
    unsigned long long inode = 0;
    double modified = 0; // seconds since the epoch
};

enum class LockAttempt {
    Taken,
    Held, // another copy holds it
    Failed
};

class SharedFolder
{
public:
    virtual ~SharedFolder() = default;
    // Opens the folder afresh for one synchronisation; false when it is not there or is not
    // a real folder.
    virtual bool open() = 0;
    virtual void close() = 0;

    // A regular file of at most `limit` bytes; a link, a pipe or a folder reads as Missing.
    virtual ReadResult read(const char* name, std::size_t limit) = 0;
    // Replaces the whole file; after a kill at any moment it is the old or the new one.
    virtual bool write(const char* name, std::string_view bytes) = 0;
    // True when the name is gone afterwards.
    virtual bool remove(const char* name) = 0;
    // False when the name does not exist; a link is described, not followed.
    virtual bool stamp(const char* name, FileStamp& stamp) = 0;

    // Creates the lock in one step, refusing an existing name and links, and keeps it open.
    virtual LockAttempt createLock(const char* name) = 0;
    // Removes the lock only when it is still the file described by `seen`.
    virtual bool removeIfStill(const char* name, const FileStamp& seen) = 0;
    // Closes the lock taken and removes it when the name still holds it.
    virtual void releaseLock(const char* name) = 0;
    // Removes temporary files that a copy killed while writing left behind, once they are
    // older than `before` (seconds since the epoch). Called only while holding the lock.
    virtual void removeLeftovers(double before) = 0;
};

// The real folder: `base` is trusted (it belongs to the system); each of `below` is opened
// without following links.
class DescriptorFolder final : public SharedFolder
{
public:
    DescriptorFolder(std::string base, std::string vendor, std::string folder);
    ~DescriptorFolder() override;
    DescriptorFolder(const DescriptorFolder&) = delete;
    DescriptorFolder& operator=(const DescriptorFolder&) = delete;

    bool open() override;
    void close() override;
    ReadResult read(const char* name, std::size_t limit) override;
    bool write(const char* name, std::string_view bytes) override;
    bool remove(const char* name) override;
    bool stamp(const char* name, FileStamp& stamp) override;
    LockAttempt createLock(const char* name) override;
    bool removeIfStill(const char* name, const FileStamp& seen) override;
    void releaseLock(const char* name) override;
    void removeLeftovers(double before) override;

private:
    std::string m_base;
    std::string m_vendor;
    std::string m_folder;
    int m_dir = -1;
    int m_lock = -1;
    FileStamp m_lockStamp;
};

} // namespace mirvalon
