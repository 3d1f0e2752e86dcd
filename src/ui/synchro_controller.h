// SPDX-License-Identifier: GPL-3.0-or-later
// Runs record synchronisations for the main window: at start-up, after a new record and from
// the synchronisation dialog, whose progress bar follows the merge while it is open. Tells
// the player when a merge was cut short.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/ports.h"
#include "persistence/records_store.h"
#include "sync/synchroniser.h"
#include "tfrm_synchro.h"

namespace mirvalon {

// Message 14: the synchronisation was interrupted and the player's records left as they were.
constexpr int kSyncInterruptedMessage = 14;

class SynchroController final : public SynchroDriver, private SystemSyncPort
{
public:
    // `available` says whether the shared folder was prepared at start-up; without it nothing
    // ever runs.
    SynchroController(FileSystem& fs, RecordsStore& records, Dialogs& dialogs,
                      const std::string& dataFolder, const std::string& sharedBase, bool available);

    // Called after a merge that changed or reloaded the records (the records panel is filled
    // again when it is shown).
    void setRecordsChanged(std::function<void()> changed) { m_changed = std::move(changed); }
    bool available() const { return m_available; }

    // gameNumber 0: all games; 1..192: that one. True when the merge completed.
    bool synchronise(int gameNumber);
    bool synchroniseAll() override { return synchronise(0); }

    // Shows the dialog modally beside `owner`; its bar follows the merge meanwhile.
    void runDialog(Tfrm_Synchro& dialog, const QWidget* owner);
    bool dialogOpen() const { return m_dialog != nullptr; }

private:
    void progress(int percent) override;

    RecordsStore& m_records;
    Dialogs& m_dialogs;
    bool m_available;
    DescriptorFolder m_shared;
    DataFolderFiles m_files;
    Synchroniser m_synchroniser;
    Tfrm_Synchro* m_dialog = nullptr;
    std::function<void()> m_changed;
};

} // namespace mirvalon
