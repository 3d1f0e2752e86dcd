// SPDX-License-Identifier: GPL-3.0-or-later
// Saved-game files (".mvg"): the task a second player set, passed to somebody else to play.
//
// The file has no header. It is a sequence of values; each value is its text (a number as its
// decimal digits, a text as code page 1250 bytes) written twice, first scrambled with variant 1,
// then with variant 2, each copy followed by one zero byte (an empty text is two zero bytes).
// A copy is read up to its zero byte or the end of the file; the value is the first copy, and
// two copies that differ make the file damaged. Values missing at the end read as empty.
//
//   #      value                                           when read
//   1      noise text made from the password (below)       ignored
//   2      noise text made from the authorisation text     ignored
//   3      game number                                     1..192
//   4      pieceColours: 0 numbers, 1 colours, 2 mix       0..2
//   5      positions                                       0..8, then those of the game number
//   6      noise 1..999                                    ignored
//   7      pieces                                          0..25, then those of the game number
//   8      random arrangement 1 / 0                        0..1, then that of the game number
//   9      showTime 1 / 0                                  0..1
//   10     password, as typed                              at most 20 characters
//   11     value 2 again                                   ignored
//   12..   hidden row, one piece per position; before      1..pieces; distinct when each piece
//          positions 1 and 5 a noise value 1..25           is used once
//   next   value 1 again                                   ignored
//   next   authorisation text, as typed                    at most 30 characters; never empty
//                                                          beside a password
//   next   with random arrangement only: the faces of      1..999, all different
//          pieces 1..N; before every piece whose 0-based
//          index is a multiple of 3 a noise value 1..999;
//          in the mix scheme each face but the last is
//          followed by a noise value 1..999 in place of
//          the next piece's face, and that piece is skipped
//   tail   11 to 35 noise values 1..999                    copies compared, values ignored
//
// A noise text is the text with k printable characters (codes 32..121) put in, k from 1 to the
// text's length, each at a random place among its first (length) characters; for an empty text
// it is 8 to 15 printable characters. Noise comes from the game's generator, so two saves of
// one task differ and both open to it. Texts hold no control characters.
//
// Scrambling: a copy's bytes b[0..n-1] (never 0) become
//   variant 1:  s[i] = 1 + (b[i] - 1 + k1(i)) mod 255,    k1(i) = 1 + (37 + 11 i) mod 254
//   variant 2:  the bytes in reverse order, r[j] = b[n-1-j], then
//               s[j] = 1 + (r[j] - 1 + k2(j)) mod 255,    k2(j) = 1 + (151 + 23 j) mod 254
// Each step maps 1..255 onto 1..255 and never leaves a byte as it was, so a copy never holds a
// zero byte and never shows its text; unscrambling subtracts the same amounts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/random.h"
#include "engine/saved_task.h"
#include "file_system.h"

namespace mirvalon {

// A saved task is a few hundred bytes; anything far larger is not one.
constexpr std::size_t kSavedGameLimit = 64 * 1024;

// Variant 1 or 2 of the copy scrambling; the bytes must not hold a zero.
std::string scrambleCopy(std::string_view bytes, int variant);
std::string unscrambleCopy(std::string_view bytes, int variant);

// The file's bytes, noise drawn from `noise`. Nothing when a text holds a character the code
// page cannot hold or a control character.
std::optional<std::string> encodeSavedGame(const SavedTask& task, Random& noise);
// The task, or nothing when any two copies differ or any value breaks its range.
std::optional<SavedTask> decodeSavedGame(std::string_view bytes);

// Nothing when the file is missing, unreadable, over kSavedGameLimit or damaged.
std::optional<SavedTask> readSavedGame(FileSystem& fs, const std::string& path);
// Through the safe write: a failed save leaves an earlier file of that name whole. A file the
// player made read-only is not replaced.
bool writeSavedGame(FileSystem& fs, const std::string& path, const SavedTask& task, Random& noise);

// The last four characters of the name, in upper case, are ".MVG".
bool hasSavedGameExtension(std::string_view path);
// The window's caption while a game opened from `path` is played: the base caption, nine
// blanks, "-  " and the file name without folder and extension, at most 70 characters in all.
std::string savedGameCaption(std::string_view baseCaption, std::string_view path);

} // namespace mirvalon
