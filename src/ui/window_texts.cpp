// SPDX-License-Identifier: GPL-3.0-or-later
// Where a language file's entries go that are not texts of the text table: menu items,
// buttons, labels, status panels, the panels' captions and the small dialogs of the window.
#include "window_texts.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "bevel_box.h"
#include "board_accessibility.h"
#include "fitted_label.h"
#include "information_panel.h"
#include "plain_text.h"
#include "records_panel.h"
#include "tfrm_about.h"
#include "tfrm_heslo.h"
#include "tfrm_logic.h"
#include "tfrm_rekord.h"
#include "tfrm_rozbor.h"
#include "tfrm_setup.h"
#include "tfrm_synchro.h"

namespace mirvalon {

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

void WindowTexts::setMenuItem(const std::vector<int>& path, const std::string& caption,
                              const std::optional<std::string>& shortcut)
{
    QList<QAction*> level = m_window.menuBar()->actions();
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

void WindowTexts::setContextMenuItem(int index, const std::string& caption,
                                     const std::optional<std::string>& shortcut)
{
    const QList<QAction*> items = m_window.recordsPanel()->contextMenu()->actions();
    if (index < 0 || index >= items.size() || items.at(index)->isSeparator())
        return;
    items.at(index)->setText(q(caption));
    if (shortcut)
        items.at(index)->setShortcut(
            QKeySequence::fromString(q(*shortcut), QKeySequence::PortableText));
}

void WindowTexts::setMainControl(MainControl c, const std::string& caption,
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
    QWidget* w = m_window.control(names[index]);
    if (auto* b = qobject_cast<QPushButton*>(w))
        b->setText(q(caption));
    else if (auto* box = qobject_cast<BevelBox*>(w))
        box->setCaption(q(caption));
    if (hint && index >= static_cast<int>(MainControl::pnl1))
        m_window.setFavouriteHint(index - static_cast<int>(MainControl::pnl1) + 1,
                                  plainToolTip(q(*hint)));
    else if (hint && w)
        w->setToolTip(plainToolTip(q(*hint)));
    if (c == MainControl::pnlHra_2)
        m_window.game().setTrainingCaption(caption);
}

void WindowTexts::setMainLabel(MainLabel label, const std::string& caption,
                               const std::optional<std::string>& hint)
{
    static const char* const names[] = {"", "lblZasah", "lblMimo", "lblRekord", "lblNeprekon"};
    const int index = static_cast<int>(label);
    if (index < 1 || index > 4)
        return;
    auto* l = static_cast<FittedLabel*>(m_window.control(names[index]));
    l->setFittedText(q(caption));
    if (hint)
        l->setToolTip(plainToolTip(q(*hint)));
}

void WindowTexts::setStatusPanel(int panel, const std::string& text)
{
    if (panel >= 0 && panel < kStatusPanels)
        m_window.statusPanel(panel)->setText(q(text));
}

void WindowTexts::setPanelCaption(PanelCaption panel, const std::string& text)
{
    if (panel == PanelCaption::lblHSkore)
        m_window.recordsPanel()->setCaptionText(q(text));
    else
        m_window.informationPanel()->setCaptionText(q(text));
}

void WindowTexts::setListColumn(int column, const std::string& title)
{
    m_window.recordsPanel()->setColumnTitle(column, q(title));
}

void WindowTexts::setUntimedStatusText(const std::string& text)
{
    m_window.game().setUntimedStatusText(text);
}

void WindowTexts::setDialogText(int kind, int group, int index, int item, const std::string& text,
                                const std::optional<std::string>& hint)
{
    if (kind == LanguageKind::AboutBox) {
        if (group == 0)
            m_window.aboutBox()->setCaptionText(q(text));
        else if (group == 1)
            m_window.aboutBox()->setVersionText(q(text));
    } else if (kind == LanguageKind::NewRecordDialog) {
        if (group == 0)
            m_window.newRecordDialog()->setCaptionText(q(text));
        else if (group == 1)
            m_window.newRecordDialog()->setText(index, q(text));
        else if (group == 2)
            m_window.newRecordDialog()->cancelButton()->setText(q(text));
    } else if (kind == LanguageKind::SettingsDialog ||
               (kind == LanguageKind::Controls && group == 1)) {
        std::optional<QString> qhint;
        if (hint)
            qhint = q(*hint);
        m_window.settingsDialog()->setText(kind, group, index, item, q(text), qhint);
    } else if (kind == LanguageKind::PasswordDialog) {
        if (group == 0)
            m_window.passwordDialog()->setCaptionText(q(text));
        else if (group == 1)
            m_window.passwordDialog()->setLabelText(index, q(text));
        else if (group == 2)
            m_window.passwordDialog()->setHintText(index, q(text));
        else if (group == 3)
            m_window.passwordDialog()->cancelButton()->setText(q(text));
    } else if (kind == LanguageKind::SynchroDialog ||
               (kind == LanguageKind::Controls && group == 2)) {
        m_window.synchroDialog()->setLanguageText(kind, group, index, q(text));
    } else if (kind == LanguageKind::Review) {
        m_window.reviewDialog()->setText(group, index, q(text));
    } else if (kind == LanguageKind::Spoken) {
        m_window.accessibility()->texts().setText(group, index, q(text));
    }
}

void WindowTexts::fileAccepted()
{
    m_window.accessibility()->texts() = SpokenTexts();
}

} // namespace mirvalon
