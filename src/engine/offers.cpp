// SPDX-License-Identifier: GPL-3.0-or-later
#include "offers.h"

#include "favourites.h"
#include "game_review.h"

namespace mirvalon {

namespace {

// Commands that the window always offers (the game's own and the ones that never change);
// the minimise item works by its key and is never shown, undo and the test row never work.
constexpr CommandTable kAlwaysOffered = [] {
    CommandTable t;
    for (Command c :
         {Command::RandomGame,       Command::Minimise,        Command::Exit,
          Command::Positions5,       Command::Positions6,      Command::Positions7,
          Command::Positions8,       Command::Pieces11,        Command::Pieces19,
          Command::Pieces25,         Command::Texture1,        Command::Texture2,
          Command::Photo1,           Command::Photo2,          Command::InfoView,
          Command::ScoreView,        Command::RecordsPanel,    Command::TotalTime,
          Command::SaveSettings,     Command::AutoSave,        Command::ExitWarning,
          Command::LanguageSlovak,   Command::LanguageCzech,   Command::LanguageEnglish,
          Command::InformationPanel, Command::ActivateGame,    Command::DeleteAllRecords,
          Command::SavePicture,      Command::PrintBoard,      Command::PrintInformation,
          Command::ReferenceText,    Command::Manual,          Command::About,
          Command::OpenGame,         Command::StoreFavourite1, Command::StoreFavourite2,
          Command::StoreFavourite3,  Command::StoreFavourite4, Command::ClearFavourites,
          Command::Settings})
        t.enable(c);
    t.hide(Command::Minimise);
    return t;
}();

} // namespace

namespace {

using Bits = CommandTable::Bits;

// The second player's row counts as entered until the password is set.
bool isBetweenGames(const GameState& s)
{
    return !s.inProgress || s.settingPassword;
}

// A game the player plays now: begun, and not yet over.
bool isPlaying(const GameState& s)
{
    return s.inProgress && !s.settingPassword && !s.ending;
}

// A bit of the commands that follow the game; the constant ones start at 0, so it is or-ed in.
constexpr void add(Bits& bits, Command c, bool on)
{
    const auto i = static_cast<std::size_t>(c);
    bits[i / 64] |= uint64_t{on} << (i % 64);
}

} // namespace

// Built in two words per state from the constant part and handed over at once: the game
// publishes after every piece, so this stays a few dozen bit operations without branches.
void offers(const GameState& s, const GameSettings& g, CommandTable& table)
{
    Bits on = kAlwaysOffered.enabledBits();
    Bits hidden = kAlwaysOffered.hiddenBits();
    const auto show = [&hidden](Command c, bool shown) { add(hidden, c, !shown); };
    const Offers& o = s.offered;
    const bool betweenGames = isBetweenGames(s);
    const bool playing = isPlaying(s);

    add(on, Command::NewComputerGame, betweenGames);
    add(on, Command::GameTypeClassic, betweenGames);
    add(on, Command::GameTypeTraining, betweenGames);
    add(on, Command::NewSecondPlayerGame, !s.inProgress && !s.secondPlayer);
    show(Command::ConfirmHiddenRow, s.secondPlayer && !s.inProgress);
    add(on, Command::GiveUp, playing);
    // A second player's classic game may be saved while it runs, its messages included.
    add(on, Command::SaveGame,
        s.secondPlayer && s.inProgress && !s.settingPassword && g.gameType == Classic);
    add(on, Command::Review, gameReviewable(s));

    // The aids: their buttons show as the rules of the game have them.
    show(Command::EnterHits, g.correctPosition);
    show(Command::UnblockAll, g.blocking);
    show(Command::BlockUnused, s.training && g.blocking);
    add(on, Command::BlockUnused, o.blockUnused);
    add(on, Command::BlockUnusedMenu, o.blockUnusedMenu);
    show(Command::ClearRowMarks, o.rowMarksShown);
    add(on, Command::ClearRowMarks, playing && s.markedRows >= 1);

    add(on, Command::SyncAtStart, s.sharedFolderReady);
    add(on, Command::Synchronise, s.sharedFolderReady);
    add(on, Command::Archive, o.archive);
    add(on, Command::DeleteRecord, o.deleteRecord);

    for (int k = 0; k < 4; ++k)
        add(on, kPlayFavourite[k], g.favourites[k].inUse);
    add(on, Command::FavouritesMenu, anyFavourite(g));
    table.setAvailability(on, hidden);
    rowOffers(s, g, table);
}

void rowOffers(const GameState& s, const GameSettings& g, CommandTable& t)
{
    const Offers& o = s.offered;
    const bool rowFull = s.editCount == g.positions;
    t.enable(Command::ConfirmHiddenRow, s.secondPlayer && isBetweenGames(s) && rowFull);
    t.enable(Command::ConfirmRow, isPlaying(s) && !s.trainingAutoPlay && rowFull);
    t.enable(Command::CancelRow, o.cancelRow);
    t.enable(Command::QuickStart, o.quickStart);
    t.enable(Command::TimeView, !s.untimed);
    t.enable(Command::EnterHits, o.enterHits);
    t.enable(Command::EnterHitsMenu, o.enterHits && g.correctPosition);
    t.enable(Command::UnblockAll, isPlaying(s) && s.blockedCount >= 1);
    t.enable(Command::RestoreAll, o.restoreAll);
}

bool usable(const CommandTable& table, Command command)
{
    return table.enabled(command) && table.visible(command);
}

} // namespace mirvalon
