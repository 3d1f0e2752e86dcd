// SPDX-License-Identifier: GPL-3.0-or-later
// The best-score and information panels over the board and the commands of the records list
// (activate, replay, delete).
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>

#include "bevel_box.h"
#include "board.h"
#include "information_panel.h"
#include "output_commands.h"
#include "persistence/cp1250.h"
#include "records_panel.h"
#include "tfrm_heslo.h"
#include "tfrm_logic.h"
#include "tfrm_rekord.h"

namespace mirvalon {

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

QChar cp1250Letter(unsigned char byte)
{
    const char c = static_cast<char>(byte);
    return QString::fromStdString(cp1250ToUtf8(std::string_view(&c, 1))).at(0);
}

} // namespace

// ---- Panels over the board ----

void Tfrm_Logic::closePanels()
{
    const GameState& s = m_game->state();
    if (s.recordsPanelShown)
        hideRecordsPanel();
    if (s.informationPanelShown)
        hideInformationPanel();
}

void Tfrm_Logic::toggleRecordsPanel()
{
    if (m_game->state().recordsPanelShown) {
        hideRecordsPanel();
        return;
    }
    if (m_game->state().informationPanelShown)
        hideInformationPanel();
    m_recordsPanel->show();
    m_game->recordsPanelShown(true);
    m_recordsPanel->showRecords(m_records->table(), m_game->state().gameNumber);
    m_recordsPanel->raise();
    m_recordsPanel->list()->setFocus();
    m_board->refreshPieces();
}

void Tfrm_Logic::hideRecordsPanel()
{
    m_recordsPanel->hide();
    m_game->recordsPanelShown(false);
    focusNewGame();
}

void Tfrm_Logic::toggleInformationPanel()
{
    if (m_game->state().informationPanelShown) {
        hideInformationPanel();
        return;
    }
    if (m_game->state().recordsPanelShown)
        hideRecordsPanel();
    std::string name;
    if (!loadInformationText(name))
        return;
    m_game->informationPanelShown(true);
    m_infoPanel->show();
    m_infoPanel->raise();
    m_infoPanel->textBox()->setFocus(); // the arrow and page keys scroll the text at once
    m_board->refreshPieces();
}

bool Tfrm_Logic::loadInformationText(std::string& name)
{
    name = m_game->settings().language == 2 ? "Mirv_EN.rtf" : "Mirv_SK.rtf";
    const QString path = q(m_folders->programFolder() + "/" + name);
    if (QFileInfo(path).isFile() && m_infoPanel->loadFile(path, cp1250Letter))
        return true;
    if (m_game->state().informationPanelShown)
        hideInformationPanel();
    else
        m_game->informationPanelShown(false);
    m_dialogs->showMessage(Message::InformationMissing, 0, name);
    return false;
}

// "Print" -> "Information...": the text goes through the panel's box, as the panel shows it.
void Tfrm_Logic::printInformation()
{
    if (!m_output->choosePrinter())
        return;
    std::string name;
    if (loadInformationText(name))
        m_output->printText(*m_infoPanel->textBox()->document(), q(name),
                            m_game->settings().language);
}

void Tfrm_Logic::hideInformationPanel()
{
    m_infoPanel->hide();
    m_game->informationPanelShown(false);
    focusNewGame();
}

void Tfrm_Logic::focusNewGame()
{
    QWidget* next = control("btnNovaP")->isEnabled() ? control("btnNovaP") : control("btnNastavit");
    next->setFocus();
}

// ---- The records list ----

void Tfrm_Logic::activateSelectedGame(int index)
{
    if (index < 0 || index >= kGameCount || !m_game->mayEndRunningGame())
        return;
    m_game->activateNumberedGame(index + 1);
    afterRulesChanged();
}

void Tfrm_Logic::showArchive()
{
    const int index = m_recordsPanel->selectedIndex();
    if (index < 0)
        return;
    if (!m_game->mayEndRunningGame()) {
        m_recordsPanel->list()->setFocus();
        return;
    }
    const std::optional<ArchivedGame> game = m_archive->loadArchiveSlot(index, m_records->table());
    if (!game)
        return;
    m_game->showArchivedGame(*game, index + 1);
    afterRulesChanged();
}

void Tfrm_Logic::deleteSelectedRecord()
{
    const int index = m_recordsPanel->selectedIndex();
    if (m_game->deleteRecord(index))
        m_recordsPanel->refreshRow(index, m_records->entry(index));
}

void Tfrm_Logic::deleteAllRecords()
{
    if (!m_game->deleteAllRecords())
        return;
    for (int i = 0; i < kGameCount; ++i)
        m_recordsPanel->refreshRow(i, m_records->entry(i));
    m_game->selectRecordRow(m_recordsPanel->selectedIndex());
}

} // namespace mirvalon
