// SPDX-License-Identifier: GPL-3.0-or-later
// Runs record synchronisations for the main window: at start-up, after a new record and from
// the synchronisation dialog, whose progress bar follows the merge while it is open. A merge
// runs beside the window, never freezing it while it waits for the shared store's lock; the
// records are loaded again when it ends. Tells the player when a merge was cut short.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "engine/ports.h"
#include "persistence/records_store.h"
#include "sync/synchroniser.h"
#include "tfrm_synchro.h"

namespace mirvalon {

// Message 14: the synchronisation was interrupted and the player's records left as they were.
constexpr int kSyncInterruptedMessage = 14;

class SynchroController final : public SynchroDriver
{
public:
    // `available` says whether the shared folder was found at start-up; without it nothing
    // ever runs. `storeFolder` is that folder, `writer` the program that writes it.
    SynchroController(FileSystem& fs, RecordsStore& records, Dialogs& dialogs,
                      const std::string& dataFolder, const std::string& storeFolder,
                      const std::string& writer, bool available);
    // Ends a writer still running (the store stays whole) and waits for the merge.
    ~SynchroController() override;

    // Called after a merge that changed or reloaded the records (the records panel is filled
    // again when it is shown).
    void setRecordsChanged(std::function<void()> changed) { m_changed = std::move(changed); }
    bool available() const { return m_available; }

    // gameNumber 0: all games; 1..192: that one. Starts the merge, or queues it behind the
    // one running.
    void synchronise(int gameNumber);
    void startAll() override { synchronise(0); }
    bool running() const { return m_running; }
    // Waits until no merge runs or waits, and handles its end (tests, and closing).
    void waitUntilIdle();

    // Shows the dialog modally beside `owner`; its bar follows the merge meanwhile.
    void runDialog(Tfrm_Synchro& dialog, const QWidget* owner);
    bool dialogOpen() const { return m_dialog != nullptr; }

private:
    void start(int gameNumber);
    void finished(SyncResult result);

    RecordsStore& m_records;
    Dialogs& m_dialogs;
    bool m_available;
    ProcessStoreWriter m_writer;
    Synchroniser m_synchroniser;
    QObject m_context; // where the merge's progress and end are handed to the window
    std::thread m_worker;
    bool m_running = false;
    std::optional<int> m_queued;
    Tfrm_Synchro* m_dialog = nullptr;
    std::function<void()> m_changed;
};

} // namespace mirvalon
