// SPDX-License-Identifier: GPL-3.0-or-later
// The exchange of records between the accounts of one computer: game by game the better
// record travels, with its archived game, from the shared store to the player's files or
// back. Only records whose archived game, replayed, produces them travel. The game reads the
// store and writes the player's own files; the store itself is written only by the writer
// program, under the store's lock.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/records_table.h"
#include "persistence/file_system.h"
#include "persistence/shared_store.h"
#include "store_writer.h"

namespace mirvalon {

enum class SyncResult {
    Done,
    Unavailable, // the store cannot be read, or the writer cannot run
    Busy,        // another copy kept a lock for all the waits; what came in is kept
    Interrupted  // a file could not be written; the player's files are as they were
};

// What happens to one game: the player's record goes to the store, the stored one comes to
// the player, or nothing.
enum class Decision : int16_t { Import = -1, None = 0, Export = 1 };

class Synchroniser
{
public:
    // `fs` reaches the player's data folder `dataFolder`; `storeFolder` is the shared store,
    // read here and written by `writer`; `progress` follows the merge from 0 to 100.
    Synchroniser(FileSystem& fs, std::string dataFolder, std::string storeFolder,
                 StoreWriter& writer, std::function<void(int)> progress = {});

    // gameNumber 0 merges all 192 games, 1..192 that one. `table` is the records in memory,
    // which stand for a records file that is not whole. The caller loads the records again
    // afterwards.
    SyncResult synchronise(int gameNumber, const RecordsTable& table);

    Decision decision(int gameNumber) const { return m_decisions.at(gameNumber - 1); }

private:
    StoreImages readStore();
    // Under the data folder's lock: the player's images, the stored records they lack taken
    // in and committed together. Nothing when the player's files cannot be read or written.
    std::optional<StoreImages> takeIn(const StoreImages& stored, int first, int last,
                                      const RecordsTable& table, bool& locked);
    void setProgress(int percent);

    FileSystem& m_fs;
    std::string m_data;
    std::string m_store;
    StoreWriter& m_writer;
    std::function<void(int)> m_progress;
    std::array<Decision, kGameCount> m_decisions{};
};

} // namespace mirvalon
