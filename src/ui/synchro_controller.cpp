// SPDX-License-Identifier: GPL-3.0-or-later
#include "synchro_controller.h"

#include "persistence/folders.h"

namespace mirvalon {

SynchroController::SynchroController(FileSystem& fs, RecordsStore& records, Dialogs& dialogs,
                                     const std::string& dataFolder, const std::string& sharedBase,
                                     bool available)
    : m_records(records), m_dialogs(dialogs), m_available(available),
      m_shared(sharedBase, kVendorFolder, kDataFolderName),
      m_files(
          fs, dataFolder, [this]() -> const RecordsTable& { return m_records.table(); },
          [this] { m_records.loadRecords(); }),
      m_synchroniser(m_shared, m_files, *this)
{
}

bool SynchroController::synchronise(int gameNumber)
{
    if (!m_available)
        return false;
    const SyncResult result = m_synchroniser.synchronise(gameNumber);
    if (result == SyncResult::Interrupted)
        m_dialogs.showMessage(kSyncInterruptedMessage);
    if (result != SyncResult::Done)
        return false;
    if (m_changed)
        m_changed();
    return true;
}

void SynchroController::runDialog(Tfrm_Synchro& dialog, const QWidget* owner)
{
    m_dialog = &dialog;
    dialog.run(owner);
    m_dialog = nullptr;
}

void SynchroController::progress(int percent)
{
    if (m_dialog)
        m_dialog->setProgress(percent);
}

} // namespace mirvalon
