// SPDX-License-Identifier: GPL-3.0-or-later
// The table of commands: every command bound once to its button, menu item and context-menu
// item and to the one handler they all run, which hands it to the game or to the part of the
// window it belongs to; and the one loop that applies the game's table to those controls.
// What a command may do, and when, the game decides.
#include <QAction>
#include <QMouseEvent>
#include <QPushButton>

#include "bevel_box.h"
#include "board.h"
#include "board_panels.h"
#include "dialog_launcher.h"
#include "engine/offers.h"
#include "favourite_panels.h"
#include "palette_focus.h"
#include "records_panel.h"
#include "tfrm_logic.h"
#include "window_settings.h"

namespace mirvalon {

// clang-format off
const std::vector<Tfrm_Logic::CommandBinding>& Tfrm_Logic::commandTable()
{
    using W = Tfrm_Logic;
    static const std::vector<CommandBinding> table = {
        // command                      button         menu item       context item     handler
        {Command::NewComputerGame,     "btnNovaP",    "mm2NovaP",     nullptr,         [](W& w) { w.m_game->startComputerGame(); }},
        {Command::NewSecondPlayerGame, "btnNovaH",    "mm2NovaH",     nullptr,         [](W& w) { w.m_game->startSecondPlayerGame(); }},
        {Command::RandomGame,          nullptr,       "mm2NovaN",     nullptr,         [](W& w) { if (w.m_game->pickRandomGame()) w.afterRulesChanged(); }},
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
        {Command::OpenGame,            nullptr,       "mm1Otvorit",   nullptr,         [](W& w) { if (w.m_launcher->openGame(w.m_windowCaption)) w.afterRulesChanged(); }},
        {Command::SaveGame,            nullptr,       "mm1Ulozit",    nullptr,         [](W& w) { w.m_launcher->saveGame(); }},
        {Command::SavePicture,         nullptr,       "mm1UlozAkoObr", nullptr,        [](W& w) { w.m_launcher->savePicture(); }},
        {Command::PrintBoard,          nullptr,       "mm2Prostredie", nullptr,        [](W& w) { w.m_launcher->printBoard(); }},
        {Command::PrintInformation,    nullptr,       "mm2Informacie", nullptr,        [](W& w) { w.m_panels->printInformation(w.m_launcher->output()); }},
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
        {Command::Texture1,            nullptr,       "mm2Text1",     nullptr,         [](W& w) { w.m_game->chooseEnvironment(0); }},
        {Command::Texture2,            nullptr,       "mm2Text2",     nullptr,         [](W& w) { w.m_game->chooseEnvironment(1); }},
        {Command::Photo1,              nullptr,       "mm2Foto1",     nullptr,         [](W& w) { w.m_game->chooseEnvironment(2); }},
        {Command::Photo2,              nullptr,       "mm2Foto2",     nullptr,         [](W& w) { w.m_game->chooseEnvironment(3); }},
        {Command::InfoView,            nullptr,       "mm2Info",      nullptr,         [](W& w) { w.m_game->toggleStatusGroup(StatusGroup::Info); }},
        {Command::TimeView,            nullptr,       "mm2Cas",       nullptr,         [](W& w) { w.m_game->toggleStatusGroup(StatusGroup::Time); }},
        {Command::ScoreView,           nullptr,       "mm2Skore",     nullptr,         [](W& w) { w.m_game->toggleStatusGroup(StatusGroup::Score); }},
        {Command::RecordsPanel,        nullptr,       "mm1NajSkore",  "pm1NajSkore",   [](W& w) { w.m_panels->toggleRecordsPanel(); }},
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
        {Command::Review,              nullptr,       "mm1Rozbor",    nullptr,         [](W& w) { w.m_launcher->showReview(); }},
        {Command::TotalTime,           nullptr,       "mm1KCas",      nullptr,         [](W& w) { w.m_game->toggle(Setting::TotalTime); }},
        {Command::Settings,            "btnNastavit", "mm1Nastav",    nullptr,         [](W& w) { w.openSettings(); }},
        {Command::Synchronise,         nullptr,       "mm1Synchro",   "pm1Synchro",    [](W& w) { w.m_launcher->synchronise(); }},
        {Command::SyncAtStart,         nullptr,       "mm1SynchroStart", nullptr,      [](W& w) { w.m_game->toggle(Setting::SyncAtStart); }},
        {Command::SaveSettings,        nullptr,       "mm1UlozNastavenie", nullptr,    [](W& w) { w.m_settings->saveSettings(false); }},
        {Command::AutoSave,            nullptr,       "mm1AutoUloz",  nullptr,         [](W& w) { w.m_game->toggle(Setting::AutoSave); }},
        {Command::ExitWarning,         nullptr,       "mm1UpozExit",  nullptr,         [](W& w) { w.m_game->toggle(Setting::ExitWarning); }},
        {Command::LanguageSlovak,      nullptr,       "mm2Slo",       nullptr,         [](W& w) { w.m_settings->changeLanguage(0); }},
        {Command::LanguageCzech,       nullptr,       "mm2Ces",       nullptr,         [](W& w) { w.m_settings->changeLanguage(1); }},
        {Command::LanguageEnglish,     nullptr,       "mm2Ang",       nullptr,         [](W& w) { w.m_settings->changeLanguage(2); }},
        {Command::InformationPanel,    nullptr,       "mm1Inform",    nullptr,         [](W& w) { w.m_panels->toggleInformationPanel(); }},
        {Command::ReferenceText,       nullptr,       "mm1Refer",     nullptr,         [](W& w) { w.m_panels->showReferenceText(); }},
        {Command::Manual,              nullptr,       "mm1Strom",     nullptr,         [](W& w) { w.m_launcher->openDocument(Document::Manual); }},
        {Command::About,               nullptr,       "mm1Oprograme", nullptr,         [](W& w) { w.m_launcher->showAboutBox(); }},
        {Command::ActivateGame,        nullptr,       nullptr,        "pm1Aktivovat",  [](W& w) { w.m_panels->activateSelectedGame(); }},
        {Command::Archive,             "btnArchiv",   nullptr,        "pm1Archiv",     [](W& w) { w.m_panels->showArchive(); }},
        {Command::DeleteRecord,        nullptr,       nullptr,        "pm1Vymazat",    [](W& w) { w.m_panels->deleteSelectedRecord(); }},
        {Command::DeleteAllRecords,    nullptr,       nullptr,        "pm1VymazatAll", [](W& w) { w.m_panels->deleteAllRecords(); }},
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
        bound.contextItem =
            row.contextItem ? m_area.recordsPanel->action(row.contextItem) : nullptr;
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

// The one loop that applies the game's table to the bound controls.
void Tfrm_Logic::commandsChanged(const CommandTable& table)
{
    // The confirm button of the hidden row takes the focus as soon as the row is full.
    const bool focusPotvrd =
        usable(table, Command::ConfirmHiddenRow) && !m_applied.enabled(Command::ConfirmHiddenRow);
    m_applied = table;
    for (const auto& [command, bound] : m_bound) {
        const CommandState& st = table[command];
        if (bound.button) {
            bound.button->setEnabled(st.enabled);
            bound.button->setVisible(st.visible);
        }
        for (QAction* action : {bound.item, bound.contextItem}) {
            if (!action)
                continue;
            action->setEnabled(st.enabled);
            action->setVisible(st.visible);
            if (action->isCheckable())
                action->setChecked(st.checked);
        }
    }
    // The game-type panels look pressed for the chosen type; F4 always names the other one.
    const bool classic = table.checked(Command::GameTypeClassic);
    m_area.gameTypes[0]->setLook(classic ? Bevel::Lowered : Bevel::Raised, Bevel::None, 1);
    m_area.gameTypes[1]->setLook(classic ? Bevel::Raised : Bevel::Lowered, Bevel::None, 1);
    menuItem("mm2Klasika")->setShortcut(classic ? QKeySequence() : QKeySequence(Qt::Key_F4));
    menuItem("mm2Trening")->setShortcut(classic ? QKeySequence(Qt::Key_F4) : QKeySequence());
    m_favourites->show(table);
    setWindowTitle(m_game->state().captionNamesFile ? m_launcher->fileCaption() : m_windowCaption);
    if (focusPotvrd)
        m_area.confirmHidden->setFocus();
    m_board->refreshPieces();
    if (m_paletteFocus)
        m_paletteFocus->refresh();
}

void Tfrm_Logic::afterRulesChanged()
{
    focusNewGame();
}

void Tfrm_Logic::focusNewGame()
{
    QPushButton* next = m_game->commands().enabled(Command::NewComputerGame)
                            ? m_area.newComputerGame
                            : m_area.settings;
    next->setFocus();
}

void Tfrm_Logic::openSettings()
{
    const std::optional<SetupResult> result = m_launcher->openSettings();
    if (!result)
        m_panels->focusOpenPanel();
    else if (*result == SetupResult::GameChanged)
        focusNewGame();
}

} // namespace mirvalon
