// SPDX-License-Identifier: GPL-3.0-or-later
// The table of commands: every command bound once to its button, menu item and context-menu
// item and to the one handler they all run; and the small handlers of the window's own
// commands. What a command may do, and when, the game decides.
#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>

#include "bevel_box.h"
#include "board.h"
#include "information_panel.h"
#include "message_boxes.h"
#include "output_commands.h"
#include "qt_translations.h"
#include "records_panel.h"
#include "saved_games.h"
#include "settings_command.h"
#include "synchro_controller.h"
#include "tfrm_about.h"
#include "tfrm_logic.h"

namespace mirvalon {

// clang-format off
const std::vector<Tfrm_Logic::CommandBinding>& Tfrm_Logic::commandTable()
{
    using W = Tfrm_Logic;
    static const std::vector<CommandBinding> table = {
        // command                      button         menu item       context item     handler
        {Command::NewComputerGame,     "btnNovaP",    "mm2NovaP",     nullptr,         [](W& w) { w.m_game->startComputerGame(); }},
        {Command::NewSecondPlayerGame, "btnNovaH",    "mm2NovaH",     nullptr,         [](W& w) { w.m_game->startSecondPlayerGame(); }},
        {Command::RandomGame,          nullptr,       "mm2NovaN",     nullptr,         [](W& w) { w.randomGame(); }},
        {Command::ConfirmRow,          "btnOk",       "mm1OK",        nullptr,         [](W& w) { w.m_game->confirmRow(); }},
        {Command::CancelRow,           "btnZrusit",   "mm1Zrus",      nullptr,         [](W& w) { w.m_game->cancelRow(); }},
        {Command::GiveUp,              "btnVzdat",    "mm1Vzdat",     nullptr,         [](W& w) { w.m_game->giveUp(); }},
        {Command::QuickStart,          nullptr,       "mm1RStart",    nullptr,         [](W& w) { w.m_game->quickStart(); }},
        {Command::ConfirmHiddenRow,    "btnPotvrd",   nullptr,        nullptr,         [](W& w) { w.m_game->confirmHiddenRow(); }},
        {Command::Undo,                nullptr,       "mm1Spat",      nullptr,         nullptr},
        {Command::TestRow,             nullptr,       "mm1Test",      nullptr,         nullptr},
        {Command::EnterHits,           "btnZasahy",   nullptr,        nullptr,         [](W& w) { w.m_game->enterAllHits(); }},
        {Command::EnterHitsMenu,       nullptr,       "mm1Zasahy",    nullptr,         [](W& w) { w.m_game->enterAllHits(); }},
        {Command::UnblockAll,          "btnBloky",    nullptr,        nullptr,         [](W& w) { w.m_game->unblockAll(); }},
        {Command::BlockUnused,         "btnBeton",    nullptr,        nullptr,         [](W& w) { w.m_game->blockCertainlyUnused(); }},
        {Command::BlockUnusedMenu,     nullptr,       "mm1Beton",     nullptr,         [](W& w) { w.m_game->blockCertainlyUnused(); }},
        {Command::ClearRowMarks,       "btnZnacRiad", nullptr,        nullptr,         [](W& w) { w.m_game->clearRowMarks(); }},
        {Command::RestoreAll,          nullptr,       "mm1Obnov",     nullptr,         [](W& w) { w.m_game->restoreAll(); }},
        {Command::OpenGame,            nullptr,       "mm1Otvorit",   nullptr,         [](W& w) { if (w.m_savedGames->open(w.m_windowCaption)) w.afterRulesChanged(); }},
        {Command::SaveGame,            nullptr,       "mm1Ulozit",    nullptr,         [](W& w) { w.m_savedGames->save(); }},
        {Command::SavePicture,         nullptr,       "mm1UlozAkoObr", nullptr,        [](W& w) { w.m_output->savePicture(w.m_game->settings().language, QString::fromStdString(w.m_folders->dataFolder())); }},
        {Command::PrintBoard,          nullptr,       "mm2Prostredie", nullptr,        [](W& w) { if (w.m_output->choosePrinter()) w.m_output->printBoard(w.m_game->settings().language); }},
        {Command::PrintInformation,    nullptr,       "mm2Informacie", nullptr,        [](W& w) { w.printInformation(); }},
        {Command::Minimise,            nullptr,       "mm1Minimal",   nullptr,         [](W& w) { w.showMinimized(); }},
        {Command::Exit,                nullptr,       "mm1Koniec",    nullptr,         [](W& w) { w.exitCommand(); }},
        {Command::GameTypeClassic,     "pnlHra_1",    "mm2Klasika",   nullptr,         [](W& w) { w.m_game->chooseGameType(Classic); }},
        {Command::GameTypeTraining,    "pnlHra_2",    "mm2Trening",   nullptr,         [](W& w) { w.m_game->chooseGameType(Training); }},
        {Command::Positions5,          nullptr,       "mm2Pozic5",    nullptr,         [](W& w) { if (w.m_game->changePositions(5)) w.focusNewGame(); }},
        {Command::Positions6,          nullptr,       "mm2Pozic6",    nullptr,         [](W& w) { if (w.m_game->changePositions(6)) w.focusNewGame(); }},
        {Command::Positions7,          nullptr,       "mm2Pozic7",    nullptr,         [](W& w) { if (w.m_game->changePositions(7)) w.focusNewGame(); }},
        {Command::Positions8,          nullptr,       "mm2Pozic8",    nullptr,         [](W& w) { if (w.m_game->changePositions(8)) w.focusNewGame(); }},
        {Command::Pieces11,            nullptr,       "mm2Kocky11",   nullptr,         [](W& w) { if (w.m_game->changePieceCount(11)) w.focusNewGame(); }},
        {Command::Pieces19,            nullptr,       "mm2Kocky19",   nullptr,         [](W& w) { if (w.m_game->changePieceCount(19)) w.focusNewGame(); }},
        {Command::Pieces25,            nullptr,       "mm2Kocky25",   nullptr,         [](W& w) { if (w.m_game->changePieceCount(25)) w.focusNewGame(); }},
        {Command::Texture1,            nullptr,       "mm2Text1",     nullptr,         [](W& w) { w.chooseEnvironment(0); }},
        {Command::Texture2,            nullptr,       "mm2Text2",     nullptr,         [](W& w) { w.chooseEnvironment(1); }},
        {Command::Photo1,              nullptr,       "mm2Foto1",     nullptr,         [](W& w) { w.chooseEnvironment(2); }},
        {Command::Photo2,              nullptr,       "mm2Foto2",     nullptr,         [](W& w) { w.chooseEnvironment(3); }},
        {Command::InfoView,            nullptr,       "mm2Info",      nullptr,         [](W& w) { w.m_game->toggleStatusGroup(StatusGroup::Info); }},
        {Command::TimeView,            nullptr,       "mm2Cas",       nullptr,         [](W& w) { w.m_game->toggleStatusGroup(StatusGroup::Time); }},
        {Command::ScoreView,           nullptr,       "mm2Skore",     nullptr,         [](W& w) { w.m_game->toggleStatusGroup(StatusGroup::Score); }},
        {Command::RecordsPanel,        nullptr,       "mm1NajSkore",  "pm1NajSkore",   [](W& w) { w.toggleRecordsPanel(); }},
        {Command::FavouritesMenu,      nullptr,       "mm1Oblubene",  nullptr,         nullptr},
        {Command::PlayFavourite1,      nullptr,       "mm2Hra1",      nullptr,         [](W& w) { if (w.m_game->startFavourite(1)) w.afterRulesChanged(); }},
        {Command::PlayFavourite2,      nullptr,       "mm2Hra2",      nullptr,         [](W& w) { if (w.m_game->startFavourite(2)) w.afterRulesChanged(); }},
        {Command::PlayFavourite3,      nullptr,       "mm2Hra3",      nullptr,         [](W& w) { if (w.m_game->startFavourite(3)) w.afterRulesChanged(); }},
        {Command::PlayFavourite4,      nullptr,       "mm2Hra4",      nullptr,         [](W& w) { if (w.m_game->startFavourite(4)) w.afterRulesChanged(); }},
        // The favourite panels take right presses and keys too: FavouritePanels reports them.
        {Command::StoreFavourite1,     "pnl1",        nullptr,        nullptr,         nullptr},
        {Command::StoreFavourite2,     "pnl2",        nullptr,        nullptr,         nullptr},
        {Command::StoreFavourite3,     "pnl3",        nullptr,        nullptr,         nullptr},
        {Command::StoreFavourite4,     "pnl4",        nullptr,        nullptr,         nullptr},
        {Command::ClearFavourites,     nullptr,       "mm2ZrusOblub", nullptr,         [](W& w) { w.m_game->clearAllFavourites(); }},
        {Command::TotalTime,           nullptr,       "mm1KCas",      nullptr,         [](W& w) { w.toggleOption(Setting::TotalTime, !w.m_game->settings().showTotalTime); }},
        {Command::Settings,            "btnNastavit", "mm1Nastav",    nullptr,         [](W& w) { w.openSettings(); }},
        {Command::Synchronise,         nullptr,       "mm1Synchro",   "pm1Synchro",    [](W& w) { if (w.m_game->maySynchronise()) w.m_syncRunner->runDialog(*w.m_synchro, &w); }},
        {Command::SyncAtStart,         nullptr,       "mm1SynchroStart", nullptr,      [](W& w) { w.toggleOption(Setting::SyncAtStart, !w.m_game->settings().syncAtStart); }},
        {Command::SaveSettings,        nullptr,       "mm1UlozNastavenie", nullptr,    [](W& w) { w.saveSettingsCommand(); }},
        {Command::AutoSave,            nullptr,       "mm1AutoUloz",  nullptr,         [](W& w) { w.toggleOption(Setting::AutoSave, !w.m_game->settings().autoSave); }},
        {Command::ExitWarning,         nullptr,       "mm1UpozExit",  nullptr,         [](W& w) { w.toggleOption(Setting::ExitWarning, !w.m_game->settings().exitWarning); }},
        {Command::LanguageSlovak,      nullptr,       "mm2Slo",       nullptr,         [](W& w) { w.changeLanguage(0); }},
        {Command::LanguageCzech,       nullptr,       "mm2Ces",       nullptr,         [](W& w) { w.changeLanguage(1); }},
        {Command::LanguageEnglish,     nullptr,       "mm2Ang",       nullptr,         [](W& w) { w.changeLanguage(2); }},
        {Command::InformationPanel,    nullptr,       "mm1Inform",    nullptr,         [](W& w) { w.toggleInformationPanel(); }},
        {Command::ReferenceText,       nullptr,       "mm1Refer",     nullptr,         [](W& w) { w.openDocument(Document::ReferenceText); }},
        {Command::Manual,              nullptr,       "mm1Strom",     nullptr,         [](W& w) { w.openDocument(Document::Manual); }},
        {Command::About,               nullptr,       "mm1Oprograme", nullptr,         [](W& w) { w.showAboutBox(); }},
        {Command::ActivateGame,        nullptr,       nullptr,        "pm1Aktivovat",  [](W& w) { w.activateSelectedGame(w.m_recordsPanel->selectedIndex()); }},
        {Command::Archive,             "btnArchiv",   nullptr,        "pm1Archiv",     [](W& w) { w.showArchive(); }},
        {Command::DeleteRecord,        nullptr,       nullptr,        "pm1Vymazat",    [](W& w) { w.deleteSelectedRecord(); }},
        {Command::DeleteAllRecords,    nullptr,       nullptr,        "pm1VymazatAll", [](W& w) { w.deleteAllRecords(); }},
    };
    return table;
}
// clang-format on

void Tfrm_Logic::bindCommands()
{
    for (const CommandBinding& row : commandTable()) {
        BoundControls& bound = m_bound[row.command];
        bound.button = row.button ? control(row.button) : nullptr;
        bound.item = row.item ? menuItem(row.item) : nullptr;
        bound.contextItem = row.contextItem ? m_recordsPanel->action(row.contextItem) : nullptr;
        if (!row.handler)
            continue;
        const auto run = [this, handler = row.handler] { handler(*this); };
        if (auto* button = qobject_cast<QPushButton*>(bound.button))
            connect(button, &QPushButton::clicked, this, run);
        else if (auto* panel = qobject_cast<BevelBox*>(bound.button))
            panel->onPress = [run](QMouseEvent* e) {
                if (e->button() == Qt::LeftButton)
                    run();
            };
        for (QAction* action : {bound.item, bound.contextItem})
            if (action)
                connect(action, &QAction::triggered, this, run);
    }
}

void Tfrm_Logic::connectRecordsList()
{
    RecordsPanel* list = m_recordsPanel;
    // Delete and A act on the list only while the archive of the row is offered.
    const auto archiveOffered = [this] { return m_game->commands().enabled(Command::Archive); };
    connect(list, &RecordsPanel::rowChanged, this, [this](int i) { m_game->selectRecordRow(i); });
    connect(list, &RecordsPanel::activateRequested, this,
            [this](int i) { activateSelectedGame(i); });
    connect(list, &RecordsPanel::deleteKeyPressed, this, [this, archiveOffered] {
        if (archiveOffered())
            deleteSelectedRecord();
    });
    connect(list, &RecordsPanel::archiveKeyPressed, this, [this, archiveOffered] {
        if (archiveOffered())
            showArchive();
    });
    connect(list, &RecordsPanel::deleteAllKeyPressed, this, [this] { deleteAllRecords(); });
    connect(list, &RecordsPanel::contextMenuRequested, this, [list](const QPoint& at) {
        list->contextMenu()->popup(list->list()->mapToGlobal(at));
    });
}

// The menus and pictures follow rules the game changed itself (a numbered game, a replay, a
// random game); the focus goes back to the new game.
void Tfrm_Logic::afterRulesChanged()
{
    const GameSettings& s = m_game->settings();
    m_settingsStore->applySetting(Setting::Positions, s.positions - 5);
    m_settingsStore->applySetting(Setting::PieceCount, pieceIndex(s.pieceCount));
    m_settingsStore->applySetting(Setting::Environment, s.environment);
    focusNewGame();
}

void Tfrm_Logic::randomGame()
{
    if (m_game->pickRandomGame())
        afterRulesChanged();
}

void Tfrm_Logic::chooseEnvironment(int environment)
{
    // The checked picture again switches the pictures off.
    const bool same = m_game->settings().environment == environment;
    m_settingsStore->applySetting(Setting::Environment, same ? -1 : environment);
}

void Tfrm_Logic::nextEnvironment()
{
    const int e = m_game->settings().environment;
    m_settingsStore->applySetting(Setting::Environment, e < 0 || e >= 3 ? 0 : e + 1);
}

void Tfrm_Logic::toggleOption(Setting which, bool on)
{
    m_settingsStore->applySetting(which, on ? 1 : 0);
}

void Tfrm_Logic::saveSettingsCommand()
{
    m_settingsStore->saveSettings(false);
}

// Every text of the game follows a language file that loaded, and so do Qt's own dialogs and
// the lines of the about box that the file does not carry.
bool Tfrm_Logic::loadLanguage(int language)
{
    if (!m_languages->loadLanguage(language))
        return false;
    const int loaded = m_game->settings().loadedLanguage;
    m_qtTranslations->apply(loaded);
    m_about->setLanguage(loaded);
    return true;
}

void Tfrm_Logic::changeLanguage(int language)
{
    if (m_game->settings().loadedLanguage != language && loadLanguage(language))
        m_settingsStore->applySetting(Setting::Language, language);
    else
        m_game->showLanguageMark(m_game->settings().loadedLanguage);
}

// The manual and the reference text of the language in use, from the program folder; the
// viewer runs on its own, so the game goes on at once.
void Tfrm_Logic::openDocument(Document document)
{
    const int language = m_game->settings().language;
    switch (
        mirvalon::openDocument(m_fs, m_folders->programFolder(), document, language, *m_opener)) {
    case OpenOutcome::Opened:
        break;
    case OpenOutcome::Missing:
        m_dialogs->showMessage(missingDocumentMessage(document), 0, {});
        break;
    case OpenOutcome::NoViewer:
        m_messageBoxes->showPlainMessage(noViewerMessage(documentFileName(document, language),
                                                         m_game->settings().loadedLanguage));
        break;
    }
}

void Tfrm_Logic::showAboutBox()
{
    m_about->run(this);
}

void Tfrm_Logic::openSettings()
{
    const std::optional<SetupResult> result =
        m_settingsCommand->run(m_folders->sharedFolderReady());
    if (!result) {
        // Cancel: back to the list or the text over the board, whichever is open.
        if (m_game->state().recordsPanelShown)
            m_recordsPanel->list()->setFocus();
        else if (m_game->state().informationPanelShown)
            m_infoPanel->textBox()->setFocus();
    } else if (*result == SetupResult::GameChanged) {
        focusNewGame();
    }
}

} // namespace mirvalon
