// SPDX-License-Identifier: GPL-3.0-or-later
#include "synchro_controller.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>

namespace mirvalon {

SynchroController::SynchroController(FileSystem& fs, RecordsStore& records, Dialogs& dialogs,
                                     const std::string& dataFolder, const std::string& storeFolder,
                                     const std::string& writer, bool available)
    : m_records(records), m_dialogs(dialogs), m_available(available), m_writer(writer, storeFolder),
      m_synchroniser(fs, dataFolder, storeFolder, m_writer, [this](int percent) {
          // Called on the merge's thread; the bar is the window's.
          QMetaObject::invokeMethod(
              &m_context,
              [this, percent] {
                  if (m_dialog)
                      m_dialog->setProgress(percent);
              },
              Qt::QueuedConnection);
      })
{
}

SynchroController::~SynchroController()
{
    m_writer.cancel();
    if (m_worker.joinable())
        m_worker.join();
}

void SynchroController::synchronise(int gameNumber)
{
    if (!m_available)
        return;
    if (!m_running) {
        start(gameNumber);
        return;
    }
    // One merge of all games serves every request; two single games become all games.
    m_queued = m_queued && *m_queued != gameNumber ? 0 : gameNumber;
}

void SynchroController::start(int gameNumber)
{
    if (m_worker.joinable())
        m_worker.join();
    m_running = true;
    // The merge reads the player's archive from the folder: the delivered games go in first.
    m_records.seedArchive();
    // The merge works on a copy: the table in memory stays the window's.
    m_worker = std::thread([this, gameNumber, table = m_records.table()] {
        const SyncResult result = m_synchroniser.synchronise(gameNumber, table);
        QMetaObject::invokeMethod(
            &m_context, [this, result] { finished(result); }, Qt::QueuedConnection);
    });
}

void SynchroController::finished(SyncResult result)
{
    if (m_worker.joinable())
        m_worker.join();
    m_running = false;
    if (result == SyncResult::Interrupted)
        m_dialogs.showMessage(kSyncInterruptedMessage);
    if (result == SyncResult::Done || result == SyncResult::Busy) {
        m_records.loadRecords();
        if (m_changed)
            m_changed();
    }
    if (m_dialog)
        m_dialog->finished(result == SyncResult::Done);
    if (m_queued) {
        const int next = *m_queued;
        m_queued.reset();
        start(next);
    }
}

void SynchroController::waitUntilIdle()
{
    while (m_running) {
        if (m_worker.joinable())
            m_worker.join();
        QCoreApplication::sendPostedEvents(&m_context, QEvent::MetaCall);
    }
    QCoreApplication::sendPostedEvents(&m_context, QEvent::MetaCall);
}

void SynchroController::runDialog(Tfrm_Synchro& dialog, const QWidget* owner)
{
    m_dialog = &dialog;
    dialog.run(owner);
    m_dialog = nullptr;
}

} // namespace mirvalon
