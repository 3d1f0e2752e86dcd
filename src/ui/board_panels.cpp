// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_panels.h"

#include <QFileInfo>
#include <QMenu>
#include <QTextBrowser>
#include <QTreeWidget>

#include "board.h"
#include "engine/game.h"
#include "information_panel.h"
#include "output_commands.h"
#include "persistence/archive_store.h"
#include "persistence/cp1250.h"
#include "persistence/documents.h"
#include "persistence/records_store.h"
#include "records_panel.h"

namespace mirvalon {

namespace {

QChar cp1250Letter(unsigned char byte)
{
    const char c = static_cast<char>(byte);
    return QString::fromStdString(cp1250ToUtf8(std::string_view(&c, 1))).at(0);
}

} // namespace

BoardPanels::BoardPanels(Parts parts, std::function<void()> focusNewGame,
                         std::function<void()> rulesChanged)
    : m_parts(std::move(parts)), m_focusNewGame(std::move(focusNewGame)),
      m_rulesChanged(std::move(rulesChanged))
{
    connectRecordsList();
}

void BoardPanels::connectRecordsList()
{
    RecordsPanel* list = &m_parts.records;
    Game& game = m_parts.game;
    // Delete and A act on the list only while the archive of the row is offered.
    const auto archiveOffered = [&game] { return game.state().offered.archive; };
    QObject::connect(list, &RecordsPanel::rowChanged, &m_receiver,
                     [&game](int i) { game.selectRecordRow(i); });
    QObject::connect(list, &RecordsPanel::activateRequested, &m_receiver,
                     [this](int i) { activateGame(i); });
    QObject::connect(list, &RecordsPanel::deleteKeyPressed, &m_receiver, [this, archiveOffered] {
        if (archiveOffered())
            deleteSelectedRecord();
    });
    QObject::connect(list, &RecordsPanel::archiveKeyPressed, &m_receiver, [this, archiveOffered] {
        if (archiveOffered())
            showArchive();
    });
    QObject::connect(list, &RecordsPanel::deleteAllKeyPressed, &m_receiver,
                     [this] { deleteAllRecords(); });
    QObject::connect(
        list, &RecordsPanel::contextMenuRequested, &m_receiver,
        [list](const QPoint& at) { list->contextMenu()->popup(list->list()->mapToGlobal(at)); });
}

// ---- Panels over the board ----

void BoardPanels::closePanels()
{
    const GameState& s = m_parts.game.state();
    if (s.recordsPanelShown)
        m_parts.game.recordsPanelShown(false);
    if (s.informationPanelShown)
        m_parts.game.informationPanelShown(false);
    followGame();
}

bool BoardPanels::shown(Panel panel) const
{
    const GameState& s = m_parts.game.state();
    return panel == Panel::Records ? s.recordsPanelShown : s.informationPanelShown;
}

void BoardPanels::followGame()
{
    bool closed = false;
    for (const Panel panel : {Panel::Records, Panel::Information}) {
        QWidget& widget =
            panel == Panel::Records ? static_cast<QWidget&>(m_parts.records) : m_parts.information;
        if (!shown(panel) && !widget.isHidden()) {
            widget.hide();
            closed = true;
        }
    }
    if (closed)
        m_focusNewGame();
}

void BoardPanels::raiseOverBoard(QWidget* panel, QWidget* focus)
{
    panel->raise();
    focus->setFocus();
    m_parts.board.refreshPieces();
}

void BoardPanels::toggleRecordsPanel()
{
    const bool open = m_parts.game.togglePanel(BoardPanel::Records);
    followGame();
    if (!open)
        return;
    m_parts.records.show();
    m_parts.game.recordsPanelShown(true);
    m_parts.records.showRecords(m_parts.store.table(), m_parts.game.state().gameNumber);
    raiseOverBoard(&m_parts.records, m_parts.records.list());
}

void BoardPanels::toggleInformationPanel()
{
    const bool open = m_parts.game.togglePanel(BoardPanel::Information);
    followGame();
    if (!open)
        return;
    std::string name;
    if (!loadInformationText(name))
        return;
    showInformationPanel();
}

void BoardPanels::showInformationPanel()
{
    m_parts.game.informationPanelShown(true);
    followGame(); // the list made room
    m_parts.information.show();
    // The arrow and page keys scroll the text at once.
    raiseOverBoard(&m_parts.information, m_parts.information.textBox());
}

void BoardPanels::showReferenceText()
{
    const std::string name =
        documentFileName(Document::ReferenceText, m_parts.game.settings().language);
    const QString path = QString::fromStdString(m_parts.programFolder + "/" + name);
    if (!QFileInfo(path).isFile() || !m_parts.information.loadPlainTextFile(path)) {
        m_parts.dialogs.showMessage(missingDocumentMessage(Document::ReferenceText), 0, {});
        if (shown(Panel::Information) && m_referenceShown) {
            // Its text of the other language is gone from the box.
            m_parts.game.informationPanelShown(false);
            followGame();
        }
        return;
    }
    m_referenceShown = true;
    showInformationPanel();
}

void BoardPanels::reopenInformationPanel()
{
    if (!shown(Panel::Information))
        return;
    if (m_referenceShown) {
        showReferenceText();
        return;
    }
    m_parts.game.informationPanelShown(false);
    followGame();
    toggleInformationPanel();
}

bool BoardPanels::loadInformationText(std::string& name)
{
    name = informationTextFileName(m_parts.game.settings().language);
    const QString path = QString::fromStdString(m_parts.programFolder + "/" + name);
    m_referenceShown = false;
    if (QFileInfo(path).isFile() && m_parts.information.loadFile(path, cp1250Letter))
        return true;
    m_parts.game.informationPanelShown(false);
    followGame();
    m_parts.dialogs.showMessage(Message::InformationMissing, 0, name);
    return false;
}

void BoardPanels::printInformation(OutputCommands& output)
{
    if (!output.choosePrinter(m_parts.game.settings().language))
        return;
    std::string name;
    if (loadInformationText(name))
        output.printText(*m_parts.information.textBox()->document(), QString::fromStdString(name),
                         m_parts.game.settings().language);
}

void BoardPanels::refreshRecords()
{
    if (m_parts.records.isVisibleTo(m_parts.records.window()))
        m_parts.records.showRecords(m_parts.store.table(), m_parts.game.state().gameNumber);
}

void BoardPanels::focusOpenPanel()
{
    if (shown(Panel::Records))
        m_parts.records.list()->setFocus();
    else if (shown(Panel::Information))
        m_parts.information.textBox()->setFocus();
}

// ---- The records list ----

void BoardPanels::activateSelectedGame()
{
    activateGame(m_parts.records.selectedIndex());
}

void BoardPanels::activateGame(int index)
{
    if (index < 0 || index >= kGameCount || !m_parts.game.mayEndRunningGame())
        return;
    m_parts.game.activateNumberedGame(index + 1);
    m_rulesChanged();
}

void BoardPanels::showArchive()
{
    const int index = m_parts.records.selectedIndex();
    if (index < 0)
        return;
    if (!m_parts.game.mayEndRunningGame()) {
        m_parts.records.list()->setFocus();
        return;
    }
    const std::optional<ArchivedGame> game =
        m_parts.archive.loadArchiveSlot(index, m_parts.store.table());
    if (!game)
        return;
    m_parts.game.showArchivedGame(*game, index + 1);
    m_rulesChanged();
}

void BoardPanels::deleteSelectedRecord()
{
    const int index = m_parts.records.selectedIndex();
    if (m_parts.game.deleteRecord(index))
        m_parts.records.refreshRow(index, m_parts.store.entry(index));
}

void BoardPanels::deleteAllRecords()
{
    if (!m_parts.game.deleteAllRecords())
        return;
    for (int i = 0; i < kGameCount; ++i)
        m_parts.records.refreshRow(i, m_parts.store.entry(i));
    m_parts.game.selectRecordRow(m_parts.records.selectedIndex());
}

} // namespace mirvalon
