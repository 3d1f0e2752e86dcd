// SPDX-License-Identifier: GPL-3.0-or-later
// A won record game laid into a records file and an archive, as the game writes them: the
// shared store, a player's own files and the writer's input are all made of these.
#pragma once

#include <string>

#include "persistence/archive_store.h"
#include "persistence/record_slot.h"
#include "persistence/shared_store.h"
#include "won_game.h"

namespace mirvalon::test {

// Game `number` won in two rows after 20 s with `points` (at most 9390) by `holder`: its
// record in the records image and, unless `archived` is false, its game in the archive.
inline void putWonGame(StoreImages& images, int number, int points,
                       const std::string& holder = "Tester", bool archived = true)
{
    const WonGame won = wonGame(number, 2, 20, points, holder, static_cast<unsigned>(number));
    const int i = number - 1;
    encodeRecordSlot(won.entry, images.records, kRecordSlotSize * i);
    if (!archived)
        return;
    images.archive[kArchiveSlotSize * i] = 1;
    encodeRecordSlot(won.entry, images.archive, kArchiveSlotSize * i + 1);
    encodeArchivedGame(won.game, images.archive, i);
}

} // namespace mirvalon::test
