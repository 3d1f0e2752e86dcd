// Message boxes and the game's dialogs, the best-score and information panels with the
// commands of the records list (activate, replay, delete), and the language file's targets.
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>

#include "bevel_box.h"
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

// ---- Message boxes ----

void Tfrm_Logic::showMessage(int index, int number, const std::string& text)
{
    if (index < 0 || index >= kMessageCount)
        return;
    // Only message 0 takes the row number and only message 6 the file name.
    const std::string shown = formatMessage(m_texts.messages[index], index == 0 ? number : 0,
                                            index == 6 ? text : std::string());
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Mirvalon"), q(shown), QMessageBox::Ok,
                    this);
    box.exec();
}

bool Tfrm_Logic::askQuestion(int index)
{
    if (index < 0 || index >= kQuestionCount)
        return false;
    const QuestionKind& kind = questionKind(index);
    QMessageBox box(this);
    box.setWindowTitle(q(m_texts.questionCaptions[index]));
    box.setText(q(formatMessage(m_texts.questionTexts[index], 0, {})));
    box.setIcon(kind.icon == QuestionIcon::Question ? QMessageBox::Question
                                                    : QMessageBox::Warning);
    static const char* const captions[3][4] = {{"Áno", "Nie", "Zrušiť", "OK"},
                                               {"Ano", "Ne", "Storno", "OK"},
                                               {"Yes", "No", "Cancel", "OK"}};
    const int l = qBound(0, m_game ? m_game->settings().loadedLanguage : 0, 2);
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* ok = nullptr;
    if (kind.buttons == QuestionButtons::Ok) {
        ok = box.addButton(QString::fromUtf8(captions[l][3]), QMessageBox::AcceptRole);
    } else {
        yes = box.addButton(QString::fromUtf8(captions[l][0]), QMessageBox::YesRole);
        no = box.addButton(QString::fromUtf8(captions[l][1]), QMessageBox::NoRole);
        if (kind.buttons == QuestionButtons::YesNoCancel)
            box.setEscapeButton(box.addButton(QString::fromUtf8(captions[l][2]),
                                              QMessageBox::RejectRole));
        else
            box.setEscapeButton(no);
    }
    box.setDefaultButton(kind.defaultButton == QuestionDefault::Yes  ? yes
                         : kind.defaultButton == QuestionDefault::No ? no
                                                                     : ok);
    box.exec();
    return yes && box.clickedButton() == yes;
}

void Tfrm_Logic::showPlainMessage(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Mirvalon"), q(text), QMessageBox::Ok,
                    this);
    box.exec();
}

bool Tfrm_Logic::passwordDialog(int mode, std::string& password, std::string& authText)
{
    QString pw = q(password);
    QString auth = q(authText);
    const bool ok = m_heslo->run(mode, pw, auth, this);
    password = pw.toStdString();
    authText = auth.toStdString();
    return ok;
}

std::optional<std::string> Tfrm_Logic::newRecordDialog(const GameState& state)
{
    m_rekord->setIntroFormat(q(m_texts.recordIntro));
    m_rekord->setSyncChanged([this](bool on) { m_game->settings().syncNewRecords = on; });
    const auto name = m_rekord->run(state, m_game->settings().syncNewRecords,
                                    m_folders->sharedFolderReady(), this);
    if (!name)
        return std::nullopt;
    return name->toStdString();
}

// ---- Panels over the board ----

void Tfrm_Logic::closePanels()
{
    if (m_recordsShown)
        hideRecordsPanel();
    if (m_infoShown)
        hideInformationPanel();
}

void Tfrm_Logic::toggleRecordsPanel()
{
    if (m_recordsShown) {
        hideRecordsPanel();
        return;
    }
    if (m_infoShown)
        hideInformationPanel();
    m_recordsShown = true;
    m_recordsPanel->show();
    menuItem("mm1NajSkore")->setChecked(true);
    m_recordsPanel->action("pm1NajSkore")->setCheckable(true);
    m_recordsPanel->action("pm1NajSkore")->setChecked(true);
    m_recordsPanel->showRecords(m_records->table(), m_game->state().gameNumber);
    m_recordsPanel->raise();
    m_recordsPanel->list()->setFocus();
    refreshPieces();
}

void Tfrm_Logic::hideRecordsPanel()
{
    m_recordsShown = false;
    m_recordsPanel->hide();
    menuItem("mm1NajSkore")->setChecked(false);
    m_recordsPanel->action("pm1NajSkore")->setChecked(false);
    m_game->mutableCommands().disable(Command::Archive);
    m_recordsPanel->action("pm1Archiv")->setEnabled(false);
    m_game->publish();
    QWidget* next = control("btnNovaP")->isEnabled() ? control("btnNovaP") : control("btnNastavit");
    next->setFocus();
}

void Tfrm_Logic::toggleInformationPanel()
{
    if (m_infoShown) {
        hideInformationPanel();
        return;
    }
    if (m_recordsShown)
        hideRecordsPanel();
    const std::string name = m_game->settings().language == 2 ? "Mirv_EN.rtf" : "Mirv_SK.rtf";
    const QString path = q(m_folders->programFolder() + "/" + name);
    if (!QFileInfo(path).isFile() || !m_infoPanel->loadFile(path, cp1250Letter)) {
        menuItem("mm1Inform")->setChecked(false);
        m_dialogs->showMessage(6, 0, name);
        return;
    }
    m_infoShown = true;
    menuItem("mm1Inform")->setChecked(true);
    m_infoPanel->show();
    m_infoPanel->raise();
    m_infoPanel->textBox()->setFocus(); // the arrow and page keys scroll the text at once
    refreshPieces();
}

void Tfrm_Logic::hideInformationPanel()
{
    m_infoShown = false;
    m_infoPanel->hide();
    menuItem("mm1Inform")->setChecked(false);
    m_game->publish();
    QWidget* next = control("btnNovaP")->isEnabled() ? control("btnNovaP") : control("btnNastavit");
    next->setFocus();
}

void Tfrm_Logic::enableByRow(int index)
{
    if (index < 0 || index >= kGameCount)
        return;
    const RecordEntry& e = m_records->entry(index);
    m_game->mutableCommands().enable(Command::Archive, e.archived);
    m_recordsPanel->action("pm1Archiv")->setEnabled(e.archived);
    m_recordsPanel->action("pm1Vymazat")->setEnabled(e.points != 0);
    m_game->publish();
}

void Tfrm_Logic::activateSelectedGame(int index)
{
    if (index < 0 || index >= kGameCount || !m_game->mayEndRunningGame())
        return;
    m_game->activateNumberedGame(index + 1);
    showRulesInMenus();
    control("btnNovaP")->setFocus();
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
    showRulesInMenus();
    control("btnNovaP")->setFocus();
}

void Tfrm_Logic::deleteSelectedRecord()
{
    const int index = m_recordsPanel->selectedIndex();
    if (index < 0)
        return;
    const GameState& s = m_game->state();
    const bool affected = (s.inProgress || s.secondPlayer) && index == s.gameNumber - 1;
    if (affected && !m_dialogs->askQuestion(0))
        return;
    if (!m_dialogs->askQuestion(3))
        return;
    if (m_records->deleteRecord(index)) {
        m_recordsPanel->refreshRow(index, m_records->entry(index));
        enableByRow(index);
        m_game->refreshStatusBar();
    }
    if (affected) {
        m_game->resetToIdle();
        closePanels();
    }
}

void Tfrm_Logic::deleteAllRecords()
{
    const GameState& s = m_game->state();
    const bool affected = s.inProgress || s.secondPlayer;
    if (affected && !m_dialogs->askQuestion(0))
        return;
    if (!m_dialogs->askQuestion(4))
        return;
    if (m_records->deleteAllRecords()) {
        for (int i = 0; i < kGameCount; ++i)
            m_recordsPanel->refreshRow(i, m_records->entry(i));
        enableByRow(m_recordsPanel->selectedIndex());
        m_game->refreshStatusBar();
    }
    if (affected) {
        m_game->resetToIdle();
        closePanels();
    }
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
    static const char* const names[] = {
        "",          "btnNovaP", "btnNovaH", "btnNastavit", "btnArchiv", "btnZrusit", "btnVzdat",
        "btnOk",     "btnPotvrd", "btnZasahy", "btnBloky",  "pnlHra_1",  "pnlHra_2",  "btnBeton",
        "btnZnacRiad", "pnl1",   "pnl2",     "pnl3",        "pnl4"};
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
        m_status[panel]->setText(q(text));
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
    Q_UNUSED(hint); // the settings dialog, the about box and synchronisation come later
}

} // namespace mirvalon
