// SPDX-License-Identifier: GPL-3.0-or-later
// The shell's "open" on this desktop: the file goes to the viewer the desktop chose for its
// type (xdg-open), which runs on its own, so the game never waits for it.
#pragma once

#include "persistence/documents.h"

namespace mirvalon {

class DesktopOpener : public DocumentOpener
{
public:
    bool openFile(const std::string& path) override;
};

} // namespace mirvalon
