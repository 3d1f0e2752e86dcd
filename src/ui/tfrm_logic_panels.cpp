// The best-score and information panels over the board, the commands of the records list
// (activate, replay, delete), and the language file's targets.
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
    const std::string name = m_game->settings().language == 2 ? "Mirv_EN.rtf" : "Mirv_SK.rtf";
    const QString path = q(m_folders->programFolder() + "/" + name);
    if (!QFileInfo(path).isFile() || !m_infoPanel->loadFile(path, cp1250Letter)) {
        m_game->informationPanelShown(false);
        m_dialogs->showMessage(Message::InformationMissing, 0, name);
        return;
    }
    m_game->informationPanelShown(true);
    m_infoPanel->show();
    m_infoPanel->raise();
    m_infoPanel->textBox()->setFocus(); // the arrow and page keys scroll the text at once
    m_board->refreshPieces();
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

// ---- Language file targets ----

void Tfrm_Logic::setMenuItem(const std::vector<int>& path, const std::string& caption,
                             const std::optional<std::string>& shortcut)
{
    QList<QAction*> level = menuBar()->actions();
    QAction* item = nullptr;
    for (int index : path) {
        if (index < 0 || index >= level.size())
            return;
        item = level.at(index);
        level = item->menu() ? item->menu()->actions() : QList<QAction*>();
    }
    if (!item || item->isSeparator())
        return;
    item->setText(q(caption));
    if (shortcut)
        item->setShortcut(QKeySequence::fromString(q(*shortcut), QKeySequence::PortableText));
}

void Tfrm_Logic::setContextMenuItem(int index, const std::string& caption,
                                    const std::optional<std::string>& shortcut)
{
    const QList<QAction*> items = m_recordsPanel->contextMenu()->actions();
    if (index < 0 || index >= items.size() || items.at(index)->isSeparator())
        return;
    items.at(index)->setText(q(caption));
    if (shortcut)
        items.at(index)->setShortcut(
            QKeySequence::fromString(q(*shortcut), QKeySequence::PortableText));
}

void Tfrm_Logic::setMainControl(MainControl c, const std::string& caption,
                                const std::optional<std::string>& hint)
{
    static const char* const names[] = {"",          "btnNovaP",  "btnNovaH",    "btnNastavit",
                                        "btnArchiv", "btnZrusit", "btnVzdat",    "btnOk",
                                        "btnPotvrd", "btnZasahy", "btnBloky",    "pnlHra_1",
                                        "pnlHra_2",  "btnBeton",  "btnZnacRiad", "pnl1",
                                        "pnl2",      "pnl3",      "pnl4"};
    const int index = static_cast<int>(c);
    if (index < 1 || index > 18)
        return;
    QWidget* w = control(names[index]);
    if (auto* b = qobject_cast<QPushButton*>(w))
        b->setText(q(caption));
    else if (auto* box = qobject_cast<BevelBox*>(w))
        box->setCaption(q(caption));
    if (hint && w)
        w->setToolTip(q(*hint));
    if (c == MainControl::pnlHra_2)
        m_game->setTrainingCaption(caption);
}

void Tfrm_Logic::setMainLabel(MainLabel label, const std::string& caption,
                              const std::optional<std::string>& hint)
{
    static const char* const names[] = {"", "lblZasah", "lblMimo", "lblRekord", "lblNeprekon"};
    const int index = static_cast<int>(label);
    if (index < 1 || index > 4)
        return;
    auto* l = static_cast<QLabel*>(control(names[index]));
    l->setText(q(caption));
    l->adjustSize();
    if (hint)
        l->setToolTip(q(*hint));
}

void Tfrm_Logic::setStatusPanel(int panel, const std::string& text)
{
    if (panel >= 0 && panel < kStatusPanels)
        statusPanel(panel)->setText(q(text));
}

void Tfrm_Logic::setPanelCaption(PanelCaption panel, const std::string& text)
{
    if (panel == PanelCaption::lblHSkore)
        m_recordsPanel->setCaptionText(q(text));
    else
        m_infoPanel->setCaptionText(q(text));
}

void Tfrm_Logic::setListColumn(int column, const std::string& title)
{
    m_recordsPanel->setColumnTitle(column, q(title));
}

void Tfrm_Logic::setUntimedStatusText(const std::string& text)
{
    m_game->setUntimedStatusText(text);
}

void Tfrm_Logic::setDialogText(int kind, int group, int index, int, const std::string& text,
                               const std::optional<std::string>& hint)
{
    if (kind == 7) {
        if (group == 0)
            m_rekord->setCaptionText(q(text));
        else if (group == 1)
            m_rekord->setText(index, q(text));
    } else if (kind == 11) {
        if (group == 0)
            m_heslo->setCaptionText(q(text));
        else if (group == 1)
            m_heslo->setLabelText(index, q(text));
        else if (group == 2)
            m_heslo->setHintText(index, q(text));
    }
    Q_UNUSED(hint); // no hints in these two dialogs
}

} // namespace mirvalon
