// SPDX-License-Identifier: GPL-3.0-or-later
// A player's own file found damaged keeps what is good in it; before the game writes over it,
// the damaged file is kept once beside itself, and the player is told where, in the game's
// language. The texts are the game's own, in Slovak, Czech and English.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "file_system.h"

namespace mirvalon {

// How many damaged copies of one file are kept at most; older ones are the player's to remove.
constexpr int kDamagedCopies = 3;

// Tells the player that `file` was damaged and its copy `copy` kept (both bare names).
using DamageNote = std::function<void(const std::string& file, const std::string& copy)>;

// Keeps `bytes`, the damaged contents of `path`, as "<name>.damaged-<date>" beside it (a number
// added when that name is taken). The bare name of the copy, or nothing when the same bytes
// are already kept, kDamagedCopies copies already are, or the copy cannot be written.
std::optional<std::string> keepDamagedCopy(FileSystem& fs, const std::string& path,
                                           std::string_view bytes, const std::string& date);
// Today as YYYY-MM-DD, local time.
std::string todaysDate();

// The message that tells the player about a damaged file and its kept copy.
std::string damagedFileMessage(const std::string& file, const std::string& copy, int language);
// The message for a file that cannot be written because the disk is full.
std::string diskFullMessage(const std::string& file, int language);

} // namespace mirvalon
