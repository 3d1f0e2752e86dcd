// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-over of a player's records to the shared store: the game itself never writes the
// store, it runs the writer program (mirvalon-share) with the player's records file and
// archive on its standard input and waits for its verdict.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <sys/types.h>

#include "persistence/shared_store.h"

namespace mirvalon {

class StoreWriter
{
public:
    virtual ~StoreWriter() = default;
    // gameNumber 0 offers all games, 1..192 that one.
    virtual StoreOutcome submit(const StoreImages& offered, int gameNumber) = 0;
};

// The writer program run as a process of its own.
class ProcessStoreWriter final : public StoreWriter
{
public:
    // `program` is the writer's path, `store` the store folder it is told to use.
    ProcessStoreWriter(std::string program, std::string store);

    StoreOutcome submit(const StoreImages& offered, int gameNumber) override;
    // Ends a writer that is running and refuses new ones: the game is closing. A writer ended
    // at any moment leaves the store whole. Safe from another thread.
    void cancel();

private:
    std::string m_program;
    std::string m_store;
    std::mutex m_mutex;
    pid_t m_child = 0;
    bool m_cancelled = false;
};

// The writer beside the program (the build tree), else where the package installs it
// (lib/games/mirvalon beside the program's games folder).
std::string findStoreWriter(const std::string& executablePath);

} // namespace mirvalon
