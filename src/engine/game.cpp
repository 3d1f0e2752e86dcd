// SPDX-License-Identifier: GPL-3.0-or-later
// The game object: construction, publishing the command table, the status bar, the look of
// the pieces, the hidden row and the random game.
#include "game.h"

#include "offers.h"

#include <algorithm>

namespace mirvalon {

std::string formatClock(int64_t elapsedMs)
{
    const int64_t total = std::max<int64_t>(elapsedMs, 0) / 1000;
    // Every game starts by showing 0:00:00 and the clock ticks each second: no printf here.
    std::string text = std::to_string(total / 3600);
    for (const int64_t part : {total / 60 % 60, total % 60}) {
        text += ':';
        text += static_cast<char>('0' + part / 10);
        text += static_cast<char>('0' + part % 10);
    }
    return text;
}

Game::Game(Ports ports) : m_ports(ports), m_random(ports.random)
{
    offers(m_state, m_settings, m_commands);
}

bool Game::offered(Command command) const
{
    CommandTable table;
    offers(m_state, m_settings, table);
    return usable(table, command);
}

void Game::publish()
{
    Publisher publisher(*this);
}

void Game::publishNow()
{
    m_marksStale = m_offersStale = true;
    publishTable();
}

void Game::publishTable()
{
    if (m_marksStale) {
        showMarks();
        m_marksStale = false;
    }
    if (m_offersStale) {
        offers(m_state, m_settings, m_commands);
        // A publish in the middle of an operation leaves the rest of it to change more.
        m_offersStale = m_publishDepth > 0;
    } else {
        rowOffers(m_state, m_settings, m_commands);
    }
    m_ports.commands.commandsChanged(m_commands);
}

void Game::showMarks()
{
    // Check marks that follow the settings and the panels.
    const GameSettings& s = m_settings;
    auto& t = m_commands;
    t.check(Command::GameTypeClassic, s.gameType == Classic);
    t.check(Command::GameTypeTraining, s.gameType == Training);
    // One mark in each group of choices: the item whose value the setting holds.
    const auto choose = [&t](std::initializer_list<Command> items, int chosen) {
        int i = 0;
        for (Command c : items)
            t.check(c, i++ == chosen);
    };
    choose({Command::Positions5, Command::Positions6, Command::Positions7, Command::Positions8},
           s.positions - 5);
    choose({Command::Pieces11, Command::Pieces19, Command::Pieces25}, pieceIndex(s.pieceCount));
    choose({Command::Texture1, Command::Texture2, Command::Photo1, Command::Photo2}, s.environment);
    choose({Command::PlayFavourite1, Command::PlayFavourite2, Command::PlayFavourite3,
            Command::PlayFavourite4},
           s.activeFavourite - 1);
    for (int k = 0; k < 4; ++k)
        t.check(kStoreFavourite[k], s.favourites[k].inUse); // a used slot's panel looks pressed
    choose({Command::LanguageSlovak, Command::LanguageCzech, Command::LanguageEnglish},
           s.loadedLanguage);
    t.check(Command::InfoView, s.showInfo);
    t.check(Command::TimeView, s.showTime);
    t.check(Command::ScoreView, s.showScore);
    t.check(Command::TotalTime, s.showTotalTime);
    t.check(Command::SyncAtStart, s.syncAtStart);
    t.check(Command::AutoSave, s.autoSave);
    t.check(Command::ExitWarning, s.exitWarning);
    t.check(Command::RecordsPanel, m_state.recordsPanelShown);
    t.check(Command::InformationPanel, m_state.informationPanelShown);
}

void Game::setUntimedStatusText(const std::string& text)
{
    m_untimedText = text;
    if (!m_settings.showTime && !m_state.training)
        m_ports.status.setPanelText(StatusPanel::Score, m_untimedText);
}

void Game::setTrainingCaption(const std::string& text)
{
    m_trainingCaption = text;
    if (m_state.training) {
        m_ports.status.setPanelText(StatusPanel::Score, m_trainingCaption);
        m_ports.status.setPanelText(StatusPanel::Record, m_trainingCaption);
    }
}

void Game::startUp()
{
    Publisher publisher(*this);
    m_appStart = m_ports.clock.timeOfDayMs();
    coverResultSlots(false);
    resetGame();
    applyPieceLook();
    drawHiddenRow();
    layoutPalette();
    m_ports.board.refreshRowLabels();
    m_ports.board.showEnvironment(m_settings.environment);
    refreshStatusBar();
    showStatusGroups();
}

void Game::refreshStatusBar()
{
    const VariantInfo v = computeVariant(m_settings);
    m_state.gameNumber = v.number;
    m_state.level = v.level;
    m_state.variantKey = v.key;
    m_state.gameNumberText = v.numberText;
    auto& status = m_ports.status;
    status.setPanelText(StatusPanel::GameNumber, v.numberText);
    status.setPanelText(StatusPanel::Level, std::to_string(v.level));
    status.setPanelText(StatusPanel::CorrectPosition, m_settings.correctPosition ? "A" : "");
    status.setPanelText(StatusPanel::Repetition, m_settings.eachPieceOnce ? "" : "K");
    status.setPanelText(StatusPanel::RandomArrangement, m_settings.randomArrangement ? "N" : "");
    status.setPanelText(StatusPanel::Blocking, m_settings.blocking ? "B" : "");
    const int points = m_ports.records.entry(v.number - 1).points;
    if (!m_state.training)
        status.setPanelText(StatusPanel::Record, std::to_string(points));
    if (m_state.loadedFromFile)
        status.setPanelText(StatusPanel::Record, "----");
    m_state.recordPoints = points;
}

void Game::recordsReloaded()
{
    if (!m_state.showingArchived)
        refreshStatusBar();
}

void Game::showStatusGroups()
{
    showStatusGroup(StatusGroup::Info, m_settings.showInfo);
    showStatusGroup(StatusGroup::Time, m_settings.showTime);
    showStatusGroup(StatusGroup::Score, m_settings.showScore);
}

void Game::showStatusGroup(StatusGroup group, bool show)
{
    Publisher publisher(*this);
    if (group == StatusGroup::Time) {
        // Without the clock there is no score; a replayed record shows its own points.
        if (m_state.showingArchived)
            m_ports.status.setPanelText(
                StatusPanel::Score,
                std::to_string(m_ports.records.entry(m_state.gameNumber - 1).points));
        else
            m_ports.status.setPanelText(StatusPanel::Score,
                                        show ? std::to_string(m_state.score) : m_untimedText);
    }
    m_ports.status.showGroup(group, show);
    if (m_state.training) {
        m_ports.status.setPanelText(StatusPanel::Score, m_trainingCaption);
        m_ports.status.setPanelText(StatusPanel::Record, m_trainingCaption);
    }
}

void Game::drawHiddenRow()
{
    const int p = m_settings.positions;
    const int n = m_settings.pieceCount;
    m_random.seed(static_cast<uint32_t>(m_ports.clock.calendarSeconds()));
    m_state.hiddenRow.fill(0); // places beyond the row's width stay empty
    for (int i = 0; i < p; ++i) {
        for (;;) {
            const int piece = m_random.below(n) + 1;
            bool repeated = false;
            for (int j = 0; j < i; ++j)
                repeated = repeated || m_state.hiddenRow[j] == piece;
            if (m_settings.eachPieceOnce && repeated)
                continue;
            m_state.hiddenRow[i] = piece;
            break;
        }
    }
}

void Game::applyPieceLook()
{
    auto& faces = m_state.faces;
    const int n = m_settings.pieceCount;
    const int scheme = m_settings.pieceColours;
    if (scheme == GreyPieces || scheme == MixedPieces) {
        // A task opened from a file keeps the labels its second player saw; the mix then
        // turns only the even pieces into colours.
        if (!m_state.loadedFromFile) {
            for (int k = 1; k <= kMaxPieces; ++k)
                faces[k] = k;
            if (m_settings.randomArrangement) {
                // N distinct labels 1..999, drawn afresh for each game.
                m_random.seed(static_cast<uint32_t>(m_ports.clock.calendarSeconds()));
                for (int k = 1; k <= n; ++k)
                    faces[k] = 0;
                for (int k = 1; k <= n; ++k) {
                    bool repeated = true;
                    while (repeated) {
                        faces[k] = m_random.below(999) + 1;
                        repeated = false;
                        for (int j = 1; j < k; ++j)
                            repeated = repeated || faces[j] == faces[k];
                    }
                }
            }
        }
        if (scheme == MixedPieces)
            for (int k = 2; k <= n; k += 2)
                faces[k] = kColourFace;
    } else {
        for (int k = 1; k <= kMaxPieces; ++k)
            faces[k] = kColourFace;
    }
    m_ports.board.applyPieceLook();
}

bool Game::mayEndRunningGame()
{
    if (!m_state.inProgress)
        return true;
    publishNow();
    return m_ports.dialogs.askQuestion(Question::EndRunningGame);
}

void Game::rulesChanged()
{
    Publisher publisher(*this);
    followGameForm(m_settings);
    resetToIdle();
}

bool Game::pickRandomGame()
{
    Publisher publisher(*this);
    if (m_state.inProgress) {
        if (!mayEndRunningGame())
            return false;
        m_state.loadedFromFile = false;
    }
    const int number = m_random.below(kGameCount) + 1;
    applyVariantKey(m_settings, m_ports.records.entry(number - 1).key);
    int colours = m_random.below(3);
    if (m_settings.randomArrangement && colours == ColouredPieces)
        colours = MixedPieces;
    m_settings.pieceColours = colours;
    m_settings.environment = m_random.below(4);
    m_ports.board.showEnvironment(m_settings.environment);
    m_state.showingArchived = false;
    rulesChanged();
    return true;
}

} // namespace mirvalon
