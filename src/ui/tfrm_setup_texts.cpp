// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog in the language of a language file: kind 5 names its captions, items
// and labels (group 4 its Storno button), kind 2 group 1 its two extra buttons.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "persistence/view_ports.h"
#include "radio_group.h"
#include "tfrm_setup.h"

namespace mirvalon {

namespace {

void setCaption(QAbstractButton* button, const QString& text, const std::optional<QString>& hint)
{
    if (!button)
        return;
    button->setText(text);
    if (hint)
        button->setToolTip(*hint);
}

// Item 0 is the group's caption, then its radio items, then the check boxes in order.
void setGroupText(RadioGroup* group, QGroupBox* frame, const QList<QCheckBox*>& boxes, int item,
                  const QString& text, const std::optional<QString>& hint)
{
    if (item < 0)
        return;
    if (item == 0) {
        frame->setTitle(text);
    } else if (item <= group->count()) {
        setCaption(group->item(item - 1), text, hint);
    } else if (item - group->count() - 1 < boxes.size()) {
        setCaption(boxes[item - group->count() - 1], text, hint);
    }
}

} // namespace

void Tfrm_Setup::setText(int kind, int group, int index, int item, const QString& text,
                         const std::optional<QString>& hint)
{
    if (kind == LanguageKind::Controls && group == 1) {
        setCaption(index == 1 ? m_btnPomoc : index == 2 ? m_btnPDF : nullptr, text, hint);
        return;
    }
    if (kind != LanguageKind::SettingsDialog)
        return;
    if (group == 0) {
        if (index == 0)
            setWindowTitle(text);
        else if (index == 1 || index == 2)
            m_pgctPlocha->setTabText(index - 1, text);
    } else if (group == 1) {
        switch (index) {
        case 0:
            setGroupText(m_rgPozicie, m_rgPozicie, {}, item, text, hint);
            break;
        case 1:
            setGroupText(m_rgKocky, m_rgKocky, {}, item, text, hint);
            break;
        case 2:
            setGroupText(m_rgForma, m_gbxForma, {m_cbxUI}, item, text, hint);
            break;
        case 3:
            setGroupText(m_rgObtiaznost, m_rgObtiaznost, {m_cbxSpravPoz, m_cbxBlok}, item, text,
                         hint);
            break;
        case 4:
            setGroupText(m_rgFarbyK, m_rgFarbyK, {m_cbxNahodFlek}, item, text, hint);
            break;
        default:
            break;
        }
    } else if (group == 2) {
        const QList<QCheckBox*> rozne = {m_cbxCas,      m_cbxSkore,    m_cbxPopisky,
                                         m_cbxZnacRiad, m_cbxTestovat, m_cbxSrandicky};
        const QList<QCheckBox*> options = {m_cbxKCas, m_cbxAutoUloz, m_cbxUpozExit,
                                           m_cbxSynchroStart};
        if (index == 0 && item == 0) {
            setCaption(m_cbxProstredie, text, hint);
            m_cbxProstredie->resize(8 * static_cast<int>(text.size()) + 2,
                                    m_cbxProstredie->height());
        } else if (index == 0 && item >= 1 && item <= 4) {
            setCaption(m_rgProstredie->item(item - 1), text, hint);
        } else if (index == 1 && item == 0) {
            m_gbxRozne->setTitle(text);
        } else if (index == 1 && item >= 1 && item <= rozne.size()) {
            setCaption(rozne[item - 1], text, hint);
        } else if (index == 2) {
            setGroupText(m_rgJazyk, m_rgJazyk, {}, item, text, hint);
        } else if (index >= 3 && index <= 6) {
            setCaption(options[index - 3], text, hint);
        }
    } else if (group == 3 && index >= 0 && index <= 2) {
        m_infoLabels[index]->setText(text);
    } else if (group == 4 && index == 0) {
        setCaption(m_btnCancel, text, hint);
    }
}

} // namespace mirvalon
