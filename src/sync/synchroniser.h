// SPDX-License-Identifier: GPL-3.0-or-later
// The exchange of records between the users of one computer: game by game the better record
// travels, with its archived game, from the player's files to the shared ones or back. Only
// records whose game is in the archive travel. A lock file in the shared folder keeps two
// copies of the game from merging at once.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/variant.h"
#include "player_files.h"
#include "shared_folder.h"
#include "sync_ports.h"

namespace mirvalon {

constexpr const char* kSyncLockName = "Mirvalon.tmp";
// A lock older than 0.0012 days was left by a copy that stopped.
constexpr double kStaleLockSeconds = 103.68;
constexpr int kLockWaits = 20;
constexpr int kLockWaitMs = 300;

enum class SyncResult {
    Done,
    Unavailable, // the shared folder cannot be opened
    Busy,        // another copy kept the lock for all the waits
    Interrupted  // a file could not be written; the player's files are as they were
};

// What happens to one game: the player's record goes to the shared files, the shared one
// comes to the player, or nothing.
enum class Decision : int16_t { Import = -1, None = 0, Export = 1 };

class Synchroniser
{
public:
    Synchroniser(SharedFolder& shared, PlayerFiles& player, SyncPort& port);

    // gameNumber 0 merges all 192 games, 1..192 that one game. Takes the lock, merges,
    // reloads the player's records and leaves the bar at 100.
    SyncResult synchronise(int gameNumber);

    // The two steps of a merge, for a folder that is open and locked. computeDecisions
    // reads all four files; shared files that are missing, of a wrong size or damaged are
    // removed and seeded again from the player's files. applyDecisions writes what changed.
    bool computeDecisions(int gameNumber);
    bool applyDecisions(int gameNumber);
    // True when the last applyDecisions failed while writing.
    bool interrupted() const { return m_interrupted; }

    Decision decision(int gameNumber) const { return m_decisions.at(gameNumber - 1); }

private:
    bool takeLock();
    bool checkSharedFiles();
    bool seedSharedFiles();
    void setProgress(int percent);

    SharedFolder& m_shared;
    PlayerFiles& m_player;
    SyncPort& m_port;
    std::array<Decision, kGameCount> m_decisions{};
    int m_bar = 0;
    bool m_interrupted = false;
    // The four images of one merge.
    std::string m_userRecords;
    std::string m_userArchive; // empty when the player has no whole archive
    std::string m_sharedRecords;
    std::string m_sharedArchive;
};

} // namespace mirvalon
