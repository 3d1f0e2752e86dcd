// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog_launcher.h"

#include <QApplication>
#include <QMainWindow>

#include "desktop_opener.h"
#include "engine/game.h"
#include "message_boxes.h"
#include "output_commands.h"
#include "output_dialogs.h"
#include "persistence/folders.h"
#include "persistence/records_store.h"
#include "plain_text.h"
#include "print_system.h"
#include "saved_games.h"
#include "settings_command.h"
#include "synchro_controller.h"
#include "tfrm_about.h"
#include "tfrm_rozbor.h"
#include "tfrm_setup.h"
#include "tfrm_synchro.h"
#include "window_settings.h"

namespace mirvalon {

namespace {

// The middle of the rows and the result area, in the client's coordinates.
const QPoint kBoardCentre(271, 245);

} // namespace

DialogLauncher::DialogLauncher(const Parts& parts, const StartOptions& options)
    : m_window(parts.window), m_game(parts.game), m_dialogs(parts.dialogs),
      m_messageBoxes(parts.messageBoxes), m_fs(parts.fs), m_folders(parts.folders),
      m_records(parts.records), m_windowSettings(parts.windowSettings),
      m_printing(std::make_unique<PrintLibrary>(QString::fromStdString(options.printLibrary))),
      m_outputDialogs(std::make_unique<QtOutputDialogs>(&parts.window, *m_printing)),
      m_output(std::make_unique<OutputCommands>(
          parts.window, options.outputDialogs ? *options.outputDialogs : *m_outputDialogs, parts.fs,
          *m_printing)),
      m_desktopOpener(std::make_unique<DesktopOpener>()),
      m_opener(options.opener ? options.opener : m_desktopOpener.get())
{
    RecordsStore& records = parts.records;
    m_savedGames = std::make_unique<SavedGames>(
        parts.game, parts.dialogs, parts.fs,
        options.chooseSavedGame ? options.chooseSavedGame : [this](SavedGameDialog kind) {
            return chooseSavedGame(&m_window, kind, QString::fromStdString(m_folders.dataFolder()));
        });

    // Records are exchanged after each new record the player shares.
    m_syncRunner = std::make_unique<SynchroController>(
        parts.fs, records, parts.dialogs, m_folders.dataFolder(), m_folders.sharedFolder(),
        options.storeWriter, m_folders.sharedFolderReady());
    records.setShareHandler([this](int gameNumber) { m_syncRunner->synchronise(gameNumber); });
}

DialogLauncher::~DialogLauncher() = default;

// The three dialogs are made when first needed (opened, or given texts by a language file), so
// the window paints sooner; captions come from language files, names from records and the
// shared folder, so each shows plain text.
Tfrm_About* DialogLauncher::aboutBox()
{
    if (!m_about) {
        m_about = new Tfrm_About(&m_window);
        showPlainText(*m_about);
        m_about->onLinkClicked = [this] { openDocument(Document::Manual); };
        m_about->setLanguage(m_game.settings().loadedLanguage);
    }
    return m_about;
}

Tfrm_Rozbor* DialogLauncher::reviewDialog()
{
    if (!m_review) {
        m_review = new Tfrm_Rozbor(&m_window);
        showPlainText(*m_review);
        m_review->setLanguage(m_game.settings().loadedLanguage);
    }
    return m_review;
}

Tfrm_Setup* DialogLauncher::settingsDialog()
{
    if (!m_setup) {
        m_setup = new Tfrm_Setup(&m_window);
        showPlainText(*m_setup);
        // The dialog's manual button opens the same manual as "Kombinácie hier".
        m_setup->setManualAvailable(true);
        QObject::connect(m_setup, &Tfrm_Setup::manualRequested, m_setup,
                         [this] { openDocument(Document::Manual); });
        RecordsStore& records = m_records;
        m_setup->setRecordPoints(
            [&records](int number) { return records.entry(number - 1).points; });
        m_settingsCommand = std::make_unique<SettingsCommand>(*m_setup, m_game, m_windowSettings);
    }
    return m_setup;
}

Tfrm_Synchro* DialogLauncher::synchroDialog()
{
    if (!m_synchro) {
        m_synchro = new Tfrm_Synchro(*m_syncRunner, &m_window);
        showPlainText(*m_synchro);
    }
    return m_synchro;
}

const QString& DialogLauncher::fileCaption() const
{
    return m_savedGames->fileCaption();
}

void DialogLauncher::setLanguage(int language)
{
    if (m_about) // one made later takes the loaded language itself
        m_about->setLanguage(language);
    if (m_review)
        m_review->setLanguage(language);
}

std::optional<SetupResult> DialogLauncher::openSettings()
{
    settingsDialog();
    return m_settingsCommand->run();
}

void DialogLauncher::showAboutBox()
{
    aboutBox()->run(&m_window);
}

void DialogLauncher::showReview()
{
    if (!m_game.commands().enabled(Command::Review))
        return;
    // Counting the larger games takes a moment.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const GameReview review = reviewGame(m_game.settings(), m_game.state());
    QApplication::restoreOverrideCursor();
    // Over the board, which the review speaks of.
    const auto* main = qobject_cast<QMainWindow*>(&m_window);
    const QWidget* client = main && main->centralWidget() ? main->centralWidget() : &m_window;
    reviewDialog()->run(review, client->mapToGlobal(kBoardCentre));
}

void DialogLauncher::openDocument(Document document)
{
    const int language = m_game.settings().language;
    switch (
        mirvalon::openDocument(m_fs, m_folders.programFolder(), document, language, *m_opener)) {
    case OpenOutcome::Opened:
        break;
    case OpenOutcome::Missing:
        m_dialogs.showMessage(missingDocumentMessage(document), 0, {});
        break;
    case OpenOutcome::NoViewer:
        m_messageBoxes.showPlainMessage(noViewerMessage(documentFileName(document, language),
                                                        m_game.settings().loadedLanguage));
        break;
    }
}

void DialogLauncher::synchronise()
{
    if (m_game.maySynchronise())
        m_syncRunner->runDialog(*synchroDialog(), &m_window);
}

bool DialogLauncher::openGame(const QString& baseCaption)
{
    return m_savedGames->open(baseCaption);
}

void DialogLauncher::saveGame()
{
    m_savedGames->save();
}

void DialogLauncher::savePicture()
{
    m_output->savePicture(m_game.settings().language,
                          QString::fromStdString(m_folders.dataFolder()));
}

void DialogLauncher::printBoard()
{
    if (m_output->choosePrinter(m_game.settings().language))
        m_output->printBoard(m_game.settings().language);
}

} // namespace mirvalon
