// SPDX-License-Identifier: GPL-3.0-or-later
// The shell's "open" for tests: records what would have been shown and answers as told.
#pragma once

#include <string>
#include <vector>

#include "persistence/documents.h"

namespace mirvalon::test {

class FakeDocumentOpener : public DocumentOpener
{
public:
    bool openFile(const std::string& path) override
    {
        opened.push_back(path);
        return viewerInstalled;
    }

    bool viewerInstalled = true;
    std::vector<std::string> opened;
};

} // namespace mirvalon::test
