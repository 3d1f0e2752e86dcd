// SPDX-License-Identifier: GPL-3.0-or-later
#include "offers.h"

#include "game_review.h"

namespace mirvalon {

namespace {

// Commands that the window always offers (the game's own and the ones that never change).
// clang-format off
constexpr Command kAlwaysEnabled[] = {
    Command::RandomGame,       Command::Minimise,         Command::Exit,
    Command::Positions5,       Command::Positions6,       Command::Positions7,
    Command::Positions8,       Command::Pieces11,         Command::Pieces19,
    Command::Pieces25,         Command::Texture1,         Command::Texture2,
    Command::Photo1,           Command::Photo2,           Command::InfoView,
    Command::ScoreView,        Command::RecordsPanel,     Command::TotalTime,
    Command::SaveSettings,     Command::AutoSave,         Command::ExitWarning,
    Command::LanguageSlovak,   Command::LanguageCzech,    Command::LanguageEnglish,
    Command::InformationPanel, Command::ActivateGame,     Command::DeleteAllRecords,
    Command::SavePicture,      Command::PrintBoard,       Command::PrintInformation,
    Command::ReferenceText,    Command::Manual,           Command::About,
    Command::OpenGame,         Command::StoreFavourite1,  Command::StoreFavourite2,
    Command::StoreFavourite3,  Command::StoreFavourite4,  Command::ClearFavourites,
    Command::Settings};
// clang-format on

} // namespace

void offers(const GameState& s, const GameSettings& g, CommandTable& t)
{
    for (Command c : kAlwaysEnabled)
        t.enable(c);
    t.show(Command::Minimise, false); // F12 works, the item is never shown
    t.enable(Command::Undo, false);
    t.enable(Command::TestRow, false);

    const Offers& o = s.offered;
    // The second player's row counts as entered until the password is set.
    const bool betweenGames = !s.inProgress || s.settingPassword;
    const bool playing = s.inProgress && !s.settingPassword && !s.ending;
    const bool rowFull = s.editCount == g.positions;

    t.enable(Command::NewComputerGame, betweenGames);
    t.enable(Command::GameTypeClassic, betweenGames);
    t.enable(Command::GameTypeTraining, betweenGames);
    t.enable(Command::NewSecondPlayerGame, !s.inProgress && !s.secondPlayer);
    t.show(Command::ConfirmHiddenRow, s.secondPlayer && !s.inProgress);
    t.enable(Command::ConfirmHiddenRow, s.secondPlayer && betweenGames && rowFull);
    t.enable(Command::GiveUp, playing);
    t.enable(Command::ConfirmRow, playing && !s.trainingAutoPlay && rowFull);
    t.enable(Command::CancelRow, o.cancelRow);
    t.enable(Command::QuickStart, o.quickStart);
    // A second player's classic game may be saved while it runs, its messages included.
    t.enable(Command::SaveGame,
             s.secondPlayer && s.inProgress && !s.settingPassword && g.gameType == Classic);
    t.enable(Command::TimeView, !s.untimed);
    t.enable(Command::Review, gameReviewable(s));

    // The aids: their buttons show as the rules of the game have them.
    t.show(Command::EnterHits, g.correctPosition);
    t.enable(Command::EnterHits, o.enterHits);
    t.enable(Command::EnterHitsMenu, o.enterHits && g.correctPosition);
    t.show(Command::UnblockAll, g.blocking);
    t.enable(Command::UnblockAll, playing && s.blockedCount >= 1);
    t.show(Command::BlockUnused, s.training && g.blocking);
    t.enable(Command::BlockUnused, o.blockUnused);
    t.enable(Command::BlockUnusedMenu, o.blockUnusedMenu);
    t.show(Command::ClearRowMarks, o.rowMarksShown);
    t.enable(Command::ClearRowMarks, playing && s.markedRows >= 1);
    t.enable(Command::RestoreAll, o.restoreAll);

    t.enable(Command::SyncAtStart, s.sharedFolderReady);
    t.enable(Command::Synchronise, s.sharedFolderReady);
    t.enable(Command::Archive, o.archive);
    t.enable(Command::DeleteRecord, o.deleteRecord);

    bool anyUsed = false;
    for (int k = 0; k < 4; ++k) {
        const bool used = g.favourites[k].inUse;
        anyUsed = anyUsed || used;
        t.enable(kPlayFavourite[k], used);
    }
    t.enable(Command::FavouritesMenu, anyUsed);
}

bool usable(const CommandTable& table, Command command)
{
    return table.enabled(command) && table.visible(command);
}

} // namespace mirvalon
