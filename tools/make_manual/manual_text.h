// SPDX-License-Identifier: GPL-3.0-or-later
// The text of the manual "Kombinácie hier" as HTML: the rules, the points and the table of
// the 192 numbered games, each section on a page of its own.
#pragma once

#include <string>

namespace mirvalon {

// Slovak for language 0, English for 2. Empty when the engine's numbering disagrees with
// its own table of keys (the manual would then lie, so the build stops).
std::string manualHtml(int language);

} // namespace mirvalon
