// SPDX-License-Identifier: GPL-3.0-or-later
// The records of the 192 numbered games: the table in memory, seeded from the reference
// records, and the records file Mirvalon.ldt behind it. Texts in the table are UTF-8; the file
// holds them as CP1250 bytes.
//
// Mirvalon.ldt: 6528 bytes, 192 slots of 34 bytes, slot i at 34 * i holds game i + 1, in the
// form of record_slot.h. A deleted record is 22 zero bytes at offsets 4..25 of its slot.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "archive_store.h"
#include "damaged_file.h"
#include "engine/ports.h"
#include "engine/records_table.h"
#include "file_system.h"
#include "record_slot.h"

namespace mirvalon {

constexpr std::size_t kRecordsFileSize = 34 * kGameCount; // 6528
constexpr const char* kRecordsFileName = "Mirvalon.ldt";

// A records image read strictly: nothing unless every slot is within its bounds.
std::optional<RecordsTable> decodeRecordsFile(std::string_view bytes);

// A records file read slot by slot: every slot that is there whole, within its bounds, of its
// own game and variant is kept; any other stands as the reference entry of its game.
struct SalvagedRecords
{
    RecordsTable table;
    int damaged = 0; // slots that were not kept, and bytes past the last slot as one more
};
SalvagedRecords salvageRecordsFile(std::string_view bytes);
// Every slot of the file loads: it may be patched in place; any other is rebuilt whole.
bool recordsFileWhole(std::string_view bytes);
// Nothing when a text of the table cannot be held by the code page.
std::optional<std::string> encodeRecordsFile(const RecordsTable& table);

class RecordsStore final : public RecordKeeper
{
public:
    RecordsStore(FileSystem& fs, Dialogs& dialogs, ArchiveStore& archive, std::string dataFolder);

    // Replaces the table from the records file, then marks the archived entries. A damaged
    // file costs only its damaged slots: the others are kept, the file is kept once beside
    // itself as it was, and the damage note tells the player so. A missing file is silent.
    void loadRecords();
    // Copies the delivered record games into the data folder when the start found none there.
    void seedArchive() { m_archive.seedArchive(); }
    void setDamageNote(DamageNote note) { m_damageNote = std::move(note); }
    // Tells the player that the file named could not be written because the disk is full.
    void setDiskFullNote(std::function<void(const std::string& file)> note)
    {
        m_diskFullNote = std::move(note);
    }

    const RecordEntry& entry(int index) const override;
    const RecordsTable& table() const { return m_table; }

    // Writes the won game as the record of its number together with its archive slot: after a
    // kill at any moment the next start sees both old or both new. On a records file that
    // cannot be written (or a folder another copy keeps locked): message 2, or the disk-full
    // note when the disk is full, and neither the table nor the archive changes. An archive
    // that cannot be written, or that no longer fits on the disk: message 3, the record is
    // kept. A better record another copy of the game wrote meanwhile is kept and taken in.
    bool writeRecord(const GameState& state, const GameSettings& settings,
                     bool blockingAidShown) override;
    void shareRecord(int gameNumber) override;
    // The synchronisation takes new records from here once it exists.
    void setShareHandler(std::function<void(int)> handler) { m_share = std::move(handler); }

    // Deletes the record of table index 0..191, or all of them; message 9 and nothing
    // changes when the file cannot be written. The archive is not touched. Records another
    // copy of the game wrote meanwhile stay.
    bool deleteRecord(int index);
    bool deleteAllRecords();

    std::string path() const;

private:
    // Under the folder's lock: the records file as it stands when it loads (right size, every
    // record within bounds), else the table rebuilt whole; nothing when the file cannot be
    // replaced. A file that did not load is never patched.
    std::optional<std::string> startingImage();
    // The starting image with `patch` applied, written safely under the folder's lock.
    bool rewriteFile(const std::function<bool(std::string&)>& patch);

    FileSystem& m_fs;
    Dialogs& m_dialogs;
    ArchiveStore& m_archive;
    std::string m_dataFolder;
    RecordsTable m_table = referenceRecords();
    std::function<void(int)> m_share;
    DamageNote m_damageNote;
    std::function<void(const std::string& file)> m_diskFullNote;
};

} // namespace mirvalon
