// SPDX-License-Identifier: GPL-3.0-or-later
// The archive of record games, Mirvalon.lar: one slot per numbered game, written right after
// its record, checked against the records at start-up and read back for replay.
//
// Mirvalon.lar: 113664 bytes, 192 slots of 592 bytes, slot i at 592 * i, little-endian.
//   offset   0  1    present: 1 a record game is stored, 0 empty
//   offset   1  34   the record in the records-file slot form (record_slot.h)
//   offset  35  2    environment -1..3          offset  37  1   jokes 0/1
//   offset  38  6    three zero words
//   offset  44  50   faces of pieces 1..25, signed 16-bit (1000 a colour; negative blocked)
//   offset  94  16   hidden row, 8 unsigned 16-bit pieces
//   offset 110  240  guess rows, 15 x 8 signed 16-bit pieces, row 1 first
//   offset 350  240  pegs, 15 x 8 signed 16-bit: +1 hit, -1 miss, 0 none
//   offset 590  2    the points of the record this game beat
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "damaged_file.h"
#include "engine/archived_game.h"
#include "engine/game_settings.h"
#include "engine/game_state.h"
#include "engine/ports.h"
#include "engine/records_table.h"
#include "file_system.h"

namespace mirvalon {

constexpr std::size_t kArchiveSlotSize = 592;
constexpr std::size_t kArchiveFileSize = kArchiveSlotSize * kGameCount; // 113664
constexpr const char* kArchiveFileName = "Mirvalon.lar";
constexpr const char* kDeliveredArchiveName = "Mirvalon.zar";

// How a slot stands against its record.
enum class SlotMatch { Match, Empty, Differs, OutOfBounds };

SlotMatch matchArchiveSlot(std::string_view archive, int index, const RecordEntry& entry);
// The slot holds the game of `entry`, in the bytes the game writes, and that game, replayed,
// produces the record. Only such a slot is marked, shown or shared: it may come from a
// damaged file or from another account.
bool slotProves(std::string_view archive, int index, const RecordEntry& entry);
ArchivedGame decodeArchivedGame(std::string_view archive, int index);
// An archive without games: each slot holds only its record from `records` (a records image).
std::string emptyArchiveFor(std::string_view records);
// An archive of the wrong size read slot by slot: every slot that is there whole is kept, the
// others start empty over their records from `records`.
std::string salvageArchive(std::string_view damaged, std::string_view records);
// The game part of a slot (offsets 35..591) from the finished game.
void encodeArchivedGame(const ArchivedGame& game, std::string& archive, int index);
// The game as the archive keeps it; blocked faces are negated while the blocking aid is shown.
ArchivedGame archivedGameOf(const GameState& state, const GameSettings& settings,
                            bool blockingAidShown);

class ArchiveStore
{
public:
    ArchiveStore(FileSystem& fs, Dialogs& dialogs, std::string dataFolder,
                 std::string programFolder);

    // After the records are loaded: marks every entry whose slot proves it. An archive of
    // the wrong size keeps its whole slots; it is kept once beside itself as it was, and the
    // damage note tells the player so. When the data folder has no archive, the delivered one
    // stands for it until seedArchive() copies it in.
    void markArchived(RecordsTable& table);
    // Copies the delivered archive into the data folder (under the folder's lock) when the
    // start found none there; nothing otherwise. The window calls it once its first frame is
    // out, and before a synchronisation reads the folder.
    void seedArchive();
    void setDamageNote(DamageNote note) { m_damageNote = std::move(note); }
    // The archive as it will be with the finished game of state.gameNumber in its slot, the
    // record part taken from `table` (which already holds the new record): the file as it
    // stands, or a fresh archive from `table` when it is missing or of the wrong size. Nothing
    // when the archive cannot be replaced. The caller holds the data folder's lock and
    // commits it together with the records file.
    std::optional<std::string> archiveWithGame(const RecordsTable& table, const GameState& state,
                                               const GameSettings& settings, bool blockingAidShown);
    // The stored slot `index` holds the game of `entry`.
    bool holdsGameOf(int index, const RecordEntry& entry);
    // Reads slot `index` back for replay. Message 5 when the archive is missing, 4 when it is
    // damaged or the slot does not match entry `index`.
    std::optional<ArchivedGame> loadArchiveSlot(int index, const RecordsTable& table);

    std::string path() const;

private:
    // The player's archive, or the delivered one while it has not been copied in yet.
    ReadResult readArchive(std::size_t limit);
    std::string deliveredPath() const;

    FileSystem& m_fs;
    Dialogs& m_dialogs;
    std::string m_dataFolder;
    std::string m_programFolder;
    DamageNote m_damageNote;
    bool m_seedPending = false;
};

} // namespace mirvalon
