// The one way the game writes a file: a temporary file in the same folder, synced, then renamed
// over the target. Every step is checked; a failed write leaves the old file whole and never
// reports success.
#pragma once

#include <string>
#include <string_view>

#include "file_system.h"

namespace mirvalon {

constexpr unsigned kPrivateFileMode = 0644;
constexpr unsigned kSharedFileMode = 0666; // the shared folder is written by every user

bool writeFileSafely(FileSystem& fs, const std::string& path, std::string_view bytes,
                     unsigned mode = kPrivateFileMode);

// Copies `from` to `to` when `to` does not exist; an absent or unreadable source is skipped.
// True when a copy was made.
bool copyWhenAbsent(FileSystem& fs, const std::string& from, const std::string& to,
                    std::size_t limit, unsigned mode = kPrivateFileMode);

// Folder and name joined; the folder holds no trailing separator.
std::string joinPath(const std::string& folder, const std::string& name);

} // namespace mirvalon
