// SPDX-License-Identifier: GPL-3.0-or-later
// The folder shared by all users of the computer, reached only through descriptors: another
// account may swap any name in it for a link at any moment, so every file is opened, made,
// renamed and removed relative to the folder's descriptor and never through a link, and
// permissions are set on descriptors of what was created, never on a path.
#pragma once

#include <memory>
#include <string>

#include "file_system.h"

namespace mirvalon {

// A folder made below a system's base: every account may look in, only its maker writes.
constexpr unsigned kMadeFolderMode = 0755;

// A FileSystem confined to one folder: a path must name an entry directly inside it (the
// folder's path, "/", the name; or the bare name); any other path is missing and cannot be
// written. Reads refuse links, anything but regular files, and files with more than one link.
class FolderFileSystem : public PosixFileSystem
{
public:
    // A base folder the system gives (such as /var/games); links in its path are followed, as
    // the administrator set them up. Nothing when it is not a folder that can be opened.
    static std::unique_ptr<FolderFileSystem> openBase(const std::string& path);

    ~FolderFileSystem() override;
    FolderFileSystem(const FolderFileSystem&) = delete;
    FolderFileSystem& operator=(const FolderFileSystem&) = delete;

    // The subfolder `name`, opened without following a link. With `create` a missing one is
    // made; when the folder opened is the one this call made, it gets kMadeFolderMode on its
    // descriptor. Nothing when there is no real folder of that name.
    std::unique_ptr<FolderFileSystem> subfolder(const std::string& name, bool create) const;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const;
    int descriptor() const { return m_fd; }

    ReadResult readFile(const std::string& path, std::size_t limit, bool noFollow) override;
    PathKind kind(const std::string& path) override;
    bool isDirectory(const std::string& path) override;
    // Made with `mode` set on the new folder's descriptor.
    bool createDirectory(const std::string& path, unsigned mode) override;
    bool mayReplace(const std::string& path) override;
    std::optional<unsigned> modeOf(const std::string& path) override;
    std::vector<std::string> listNames(const std::string& directory) override;
    int createTemp(const std::string& directory, std::string& tempPath, unsigned mode) override;
    bool renameFile(const std::string& from, const std::string& to) override;
    bool syncDirectory(const std::string& directory) override;
    void removeFile(const std::string& path) override;
    // Nothing here is written through a link: a link is replaced.
    std::string writeTarget(const std::string& path) override { return path; }
    // The lock file, when made here, is its maker's alone.
    int lockFile(const std::string& path, int waitMilliseconds) override;

private:
    FolderFileSystem(int fd, std::string path);
    // The entry of this folder that `path` names; empty for anything else.
    std::string nameOf(const std::string& path) const;

    int m_fd;
    std::string m_path;
};

} // namespace mirvalon
