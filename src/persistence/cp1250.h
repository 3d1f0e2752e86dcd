// SPDX-License-Identifier: GPL-3.0-or-later
// The one converter between the UTF-8 texts inside the program and the code page 1250 bytes
// of the game's files (records, archive, language files, saved games).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mirvalon {

// Every byte has a character: the five bytes the code page leaves unused stand for the control
// characters U+0081, U+0083, U+0088, U+0090 and U+0098, so any file reads back unchanged.
std::string cp1250ToUtf8(std::string_view bytes);

// Nothing when the text holds a character the code page cannot hold, or is not valid UTF-8
// (overlong forms and surrogate halves included); such a text must never reach a file.
std::optional<std::string> utf8ToCp1250(std::string_view text);

bool fitsCp1250(std::string_view text);

// Number of characters of a UTF-8 text.
int utf8Length(std::string_view text);

// Exactly `width` characters: cut at a character boundary, or padded with blanks.
std::string fitToWidth(std::string_view text, int width);

// The first `count` characters (fewer when the text is shorter).
std::string firstCharacters(std::string_view text, int count);

} // namespace mirvalon
