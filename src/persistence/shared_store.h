// SPDX-License-Identifier: GPL-3.0-or-later
// The records shared by the accounts of one computer: a records file and an archive in the
// shared folder, in the same forms as a player's own, and a lock file. Only the small writer
// program (mirvalon-share) changes them, slot by slot in place, under flock on the lock file;
// every game reads them. Nothing in them is believed until the archived game, replayed,
// produces its record.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/records_table.h"

namespace mirvalon {

constexpr const char* kStoreLockName = "Mirvalon.tmp";
// How long the writer waits for another writer: 20 looks, 300 ms apart.
constexpr int kStoreLockWaits = 20;
constexpr int kStoreLockWaitMs = 300;

// A records file and an archive, whole.
struct StoreImages
{
    std::string records;
    std::string archive;

    bool operator==(const StoreImages&) const = default;
};

// The record of game index + 1 in `records` when its slot in `archive` holds its game and
// that game, replayed, produces it; nothing otherwise (also for images of the wrong size).
std::optional<RecordEntry> provenRecord(std::string_view records, std::string_view archive,
                                        int index);
// The points a record counts with when records meet: a proven record's own, else none.
int provenPoints(const StoreImages& images, int index);
// Games `first`..`last` (0-based) whose proven record in `from` beats the proven one in `to`.
std::vector<int> betterGames(const StoreImages& from, const StoreImages& to, int first, int last);
// What the writer is offered: a records file and an archive back to back, exactly; nothing
// for any other size.
std::optional<StoreImages> splitOffer(std::string_view input);
// A slot `index` of both images copied byte for byte from `from` into `to`.
void copyGame(const StoreImages& from, StoreImages& to, int index);
// The images a store starts with: the reference records, and an archive with no game.
StoreImages emptyStore();

enum class StoreOutcome {
    Done,
    Busy,        // another writer kept the lock through every wait
    Unavailable, // the store's files cannot be opened
    Failed       // a write failed; slots written before it stay whole
};

// The store's three files, opened once by descriptor: never through a link, only regular
// files with one name. The writer opens them while it still may, and keeps only them.
class SharedStore
{
public:
    // In the folder open as `folderFd`. With `create`, files that are missing are made (a
    // store of the player's own, when no package made one).
    static std::unique_ptr<SharedStore> open(int folderFd, bool create);
    ~SharedStore();
    SharedStore(const SharedStore&) = delete;
    SharedStore& operator=(const SharedStore&) = delete;

    // flock on the lock file, looking again after each `sleepMs(kStoreLockWaitMs)`.
    bool lock(const std::function<void(int)>& sleepMs);
    // Under the lock: the store as it stands. A file of the wrong size is written again in
    // place from emptyStore(), so that a first merge finds a valid store.
    std::optional<StoreImages> load();
    // Under the lock: for each game in range (gameNumber 0 all, else that one) whose proven
    // record in `offered` beats the store's, its archive slot and then its record slot are
    // written in place, the archive synced before the records. A kill between the two leaves
    // a record that does not match its slot, which no game believes.
    StoreOutcome merge(const StoreImages& offered, int gameNumber, int& written);

private:
    SharedStore(int records, int archive, int lock);

    int m_records;
    int m_archive;
    int m_lock;
};

} // namespace mirvalon
