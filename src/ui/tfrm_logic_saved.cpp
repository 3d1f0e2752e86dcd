// Saved games and favourites: "Otvoriť..." and "Uložiť ako..." with their file dialogs, and
// the favourite panels and menu items. What a file or a slot does to the game, the game decides.
#include "engine/saved_task.h"
#include "favourite_panels.h"
#include "persistence/saved_game.h"
#include "tfrm_logic.h"

namespace mirvalon {

QString Tfrm_Logic::chooseSavedGameFile(SavedGameDialog kind)
{
    if (m_options.chooseSavedGame)
        return m_options.chooseSavedGame(kind);
    return chooseSavedGame(this, kind, QString::fromStdString(m_folders->dataFolder()));
}

void Tfrm_Logic::openGame()
{
    if (!m_game->mayOpenSavedGame())
        return;
    const std::string path = chooseSavedGameFile(SavedGameDialog::Open).toStdString();
    if (path.empty())
        return;
    if (!hasSavedGameExtension(path)) {
        m_dialogs->showMessage(Message::GameNotOpened);
        return;
    }
    // The caption names the file and the password is gone before the file is read.
    m_fileCaption = QString::fromStdString(savedGameCaption(m_windowCaption.toStdString(), path));
    m_game->beginOpeningSavedGame();
    const auto task = readSavedGame(m_fs, path);
    if (!task) {
        m_dialogs->showMessage(Message::GameNotOpened);
        return;
    }
    m_game->openSavedTask(*task);
    afterRulesChanged();
}

void Tfrm_Logic::saveGame()
{
    const std::string path = chooseSavedGameFile(SavedGameDialog::Save).toStdString();
    if (path.empty())
        return;
    const SavedTask task = taskOfGame(m_game->state(), m_game->settings());
    if (!writeSavedGame(m_fs, path, task, m_game->random()))
        m_dialogs->showMessage(Message::GameNotSaved);
}

void Tfrm_Logic::startFavourite(int k)
{
    if (m_game->startFavourite(k))
        afterRulesChanged();
}

void Tfrm_Logic::pressFavourite(int k, MouseButton button, Modifiers keys)
{
    if (m_game->pressFavourite(k, button, keys))
        afterRulesChanged();
}

void Tfrm_Logic::showFavouritePanels(const CommandTable& table)
{
    if (!m_favourites)
        return;
    static constexpr Command kStore[] = {Command::StoreFavourite1, Command::StoreFavourite2,
                                         Command::StoreFavourite3, Command::StoreFavourite4};
    static constexpr Command kPlay[] = {Command::PlayFavourite1, Command::PlayFavourite2,
                                        Command::PlayFavourite3, Command::PlayFavourite4};
    std::array<bool, 4> filled{};
    int active = 0;
    for (int k = 0; k < 4; ++k) {
        filled[k] = table.checked(kStore[k]);
        if (table.checked(kPlay[k]))
            active = k + 1;
    }
    m_favourites->show(active, filled);
}

void Tfrm_Logic::setFavouriteHint(int k, const QString& hint)
{
    m_favourites->setHint(k, hint);
}

int Tfrm_Logic::favouriteMarkerLeft() const
{
    return m_favourites->markerLeft();
}

} // namespace mirvalon
