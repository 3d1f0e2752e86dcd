// SPDX-License-Identifier: GPL-3.0-or-later
// Every reader of the game's files driven with one input, and what it accepted checked against
// the file's layout written out here a second time. Shared by the fuzz targets and the seeded
// mutation runs of the ordinary suite. Each returns an empty text when all is well, otherwise
// what went wrong.
#pragma once

#include <string>
#include <string_view>

namespace mirvalon::fuzz {

std::string checkSettingsFile(std::string_view bytes); // Mirvalon.lcf
std::string checkRecordsFile(std::string_view bytes);  // Mirvalon.ldt
std::string checkArchiveFile(std::string_view bytes);  // Mirvalon.lar: marks and replay
std::string checkLanguageFile(std::string_view bytes); // Mirv_XX.lng
std::string checkCp1250(std::string_view bytes);       // the converter, both ways
std::string checkSavedGame(std::string_view bytes);    // a saved game (.mvg)
std::string checkShareOffer(std::string_view bytes);   // what the store's writer is handed

} // namespace mirvalon::fuzz
