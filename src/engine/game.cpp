// The game object: construction, publishing the command table, the status bar, the look of
// the pieces, the hidden row and the random game.
#include "game.h"

#include <cstdio>

namespace mirvalon {

namespace {
constexpr StatusWidths kDesignWidths = {54, 36, 20, 10, 20, 20, 20, 20, 50, 60, 47, 50, 55, 50};
} // namespace

std::string formatClock(int64_t elapsedMs)
{
    if (elapsedMs < 0)
        elapsedMs = 0;
    const int64_t total = elapsedMs / 1000;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld:%02lld:%02lld", static_cast<long long>(total / 3600),
                  static_cast<long long>(total / 60 % 60), static_cast<long long>(total % 60));
    return buf;
}

Game::Game(Ports ports) : m_ports(ports)
{
    // States of the commands in the window's layout, before anything has happened.
    m_commands.enable(Command::NewComputerGame);
    m_commands.enable(Command::NewSecondPlayerGame);
    m_commands.hide(Command::ConfirmHiddenRow);
    m_commands.hide(Command::EnterHits);
    m_commands.hide(Command::UnblockAll);
    m_commands.hide(Command::BlockUnused);
    m_commands.hide(Command::ClearRowMarks);
    m_commands.enable(Command::TimeView);
    m_commands.enable(Command::InfoView);
    m_commands.enable(Command::ScoreView);
    m_commands.enable(Command::GameTypeClassic);
    m_commands.enable(Command::GameTypeTraining);
}

const StatusWidths& Game::designWidths()
{
    return kDesignWidths;
}

void Game::publish()
{
    m_commands.check(Command::GameTypeClassic, m_settings.gameType == Classic);
    m_commands.check(Command::GameTypeTraining, m_settings.gameType == Training);
    m_ports.commands.commandsChanged(m_commands);
}

void Game::setUntimedStatusText(const std::string& text)
{
    m_untimedText = text;
    if (!m_settings.showTime && !m_state.training)
        m_ports.status.setPanelText(11, m_untimedText);
}

void Game::setTrainingCaption(const std::string& text)
{
    m_trainingCaption = text;
    if (m_state.training) {
        m_ports.status.setPanelText(11, m_trainingCaption);
        m_ports.status.setPanelText(13, m_trainingCaption);
    }
}

void Game::startUp()
{
    Publisher publisher(*this);
    m_appStart = m_ports.clock.timeOfDayMs();
    m_currentWidths = kDesignWidths;
    m_ports.board.showResultSlots(false);
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
    status.setPanelText(1, v.numberText);
    status.setPanelText(2, std::to_string(v.level));
    status.setPanelText(4, m_settings.correctPosition ? "A" : "");
    status.setPanelText(5, m_settings.eachPieceOnce ? "" : "K");
    status.setPanelText(6, m_settings.randomArrangement ? "N" : "");
    status.setPanelText(7, m_settings.blocking ? "B" : "");
    const int points = m_ports.records.entry(v.number - 1).points;
    if (!m_state.training)
        status.setPanelText(13, std::to_string(points));
    if (m_state.loadedFromFile)
        status.setPanelText(13, "----");
    m_state.recordPoints = points;
}

void Game::showStatusGroups()
{
    showStatusGroup(m_settings.showInfo, 0, 7);
    showStatusGroup(m_settings.showTime, 8, 9);
    showStatusGroup(m_settings.showScore, 10, 13);
}

void Game::showStatusGroup(bool show, int first, int last)
{
    Publisher publisher(*this);
    for (int i = first; i <= last && i < kStatusPanels; ++i)
        m_currentWidths[i] = show ? kDesignWidths[i] : 0;
    if (first == 8) {
        if (m_state.showingArchived)
            m_ports.status.setPanelText(
                11, std::to_string(m_ports.records.entry(m_state.gameNumber - 1).points));
        else
            m_ports.status.setPanelText(11, show ? std::to_string(m_state.score) : m_untimedText);
    }
    // A visible panel after a hidden group absorbs the group's width, so later panels keep
    // their places on the bar.
    int carry = 0;
    for (int i = 0; i < kStatusPanels; ++i) {
        if (m_currentWidths[i] == 0) {
            carry += kDesignWidths[i];
        } else {
            m_currentWidths[i] = kDesignWidths[i] + carry;
            carry = 0;
        }
    }
    m_ports.status.setPanelWidths(m_currentWidths);
    if (first == 0)
        m_commands.check(Command::InfoView, show);
    else if (first == 8)
        m_commands.check(Command::TimeView, show);
    else if (first == 10)
        m_commands.check(Command::ScoreView, show);
    if (m_state.training) {
        m_ports.status.setPanelText(11, m_trainingCaption);
        m_ports.status.setPanelText(13, m_trainingCaption);
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
    if (scheme == 0 || scheme == 2) {
        if (!m_state.loadedFromFile || scheme == 2) {
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
        if (scheme == 2)
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
    publish();
    return m_ports.dialogs.askQuestion(0);
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
        setGameTypeChoiceEnabled(true);
        m_state.loadedFromFile = false;
    }
    m_commands.hide(Command::ConfirmHiddenRow);
    m_commands.disable(Command::ConfirmHiddenRow);
    const int number = m_random.below(kGameCount) + 1;
    applyVariantKey(m_settings, m_ports.records.entry(number - 1).key);
    int colours = m_random.below(3);
    if (m_settings.randomArrangement && colours == 1)
        colours = 2;
    m_settings.pieceColours = colours;
    m_settings.environment = m_random.below(4);
    m_ports.board.showEnvironment(m_settings.environment);
    m_state.showingArchived = false;
    rulesChanged();
    return true;
}

} // namespace mirvalon
