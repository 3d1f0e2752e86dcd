// SPDX-License-Identifier: GPL-3.0-or-later
// The one way the game writes a file: a temporary file in the same folder, synced, then renamed
// over the target. Every step is checked; a failed write leaves the old file whole and never
// reports success. Files that must change together (a record and its archived game) commit
// under a small note, so that a copy of the game killed at any moment leaves either all the
// old files or all the new ones once the next start has finished the note.
//
// Rules for every folder the game writes in:
// - every read-modify-write of a data file holds the folder's `FolderLock`, so two copies of
//   the game of one account never lose each other's changes;
// - temporary files exist only while their writer holds the lock: the next start, holding it,
//   removes those a killed copy left (`recoverFolder`).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "file_system.h"

namespace mirvalon {

// A new file gets its mode cut by the player's umask; a file that is rewritten keeps its bits.
// The game's own files are the player's alone; a file the player saves where they choose (a
// saved game for somebody else, a picture) is as open as the player's umask makes it.
constexpr unsigned kPrivateFileMode = 0600;
constexpr unsigned kChosenFileMode = 0666;

constexpr const char* kTempPrefix = ".mirvalon-write-";
constexpr const char* kCommitNoteName = ".mirvalon-commit";
constexpr const char* kLockFileName = ".mirvalon-lock";
// Long enough for another copy to finish a write, short enough not to freeze the window.
constexpr int kLockWaitMilliseconds = 1500;

bool writeFileSafely(FileSystem& fs, const std::string& path, std::string_view bytes,
                     unsigned newMode = kPrivateFileMode);

struct FileToCommit
{
    std::string path; // all files of one commit lie in the same folder
    std::string bytes;
    unsigned newMode = kPrivateFileMode;
};

// Writes every file whole or none: all temporary files written and synced, then a commit note
// naming them, then the renames, then the note removed. False (nothing changed) when a
// temporary file or the note cannot be written or the first rename fails.
bool commitFiles(FileSystem& fs, const std::vector<FileToCommit>& files);

// At start, holding the folder's lock: finishes the renames of a commit note a killed copy
// left, drops a note that is not well formed, and removes every temporary file.
void recoverFolder(FileSystem& fs, const std::string& folder);

// The advisory lock of a folder (flock on its lock file), held from construction to
// destruction when `held()`.
class FolderLock
{
public:
    FolderLock(FileSystem& fs, const std::string& folder,
               int waitMilliseconds = kLockWaitMilliseconds);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool held() const { return m_handle >= 0; }

private:
    FileSystem& m_fs;
    int m_handle = -1;
};

// Copies `from` (read through `source`) to `to` (written through `target`) when `to` does not
// exist; an absent or unreadable source is skipped. True when a copy was made.
bool copyWhenAbsent(FileSystem& source, const std::string& from, FileSystem& target,
                    const std::string& to, std::size_t limit);

// Folder and name joined; the folder holds no trailing separator.
std::string joinPath(const std::string& folder, const std::string& name);
// The folder part of a path: "." for a bare name, "/" for a name in the root.
std::string parentFolder(const std::string& path);
// The last part of a path.
std::string baseName(const std::string& path);

} // namespace mirvalon
