// SPDX-License-Identifier: GPL-3.0-or-later
#include "tfrm_rekord.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolTip>

#include "fixed_dialog.h"
#include "persistence/text_table.h"
#include "storable_text_validator.h"

namespace mirvalon {

namespace {
constexpr int kColumnCentres[6] = {44, 107, 165, 215, 270, 337};
constexpr int kHolderChars = 10;
const char* const kHeaders[6] = {"Číslo hry", "Obtiažnosť", "Riadok", "Čas", "Skóre", "Meno"};

QString padded(int value, std::initializer_list<int> limits)
{
    QString text;
    for (int limit : limits)
        if (value < limit)
            text += ' ';
    return text + QString::number(value);
}
} // namespace

Tfrm_Rekord::Tfrm_Rekord(QWidget* parent)
    : QDialog(parent), m_lblUvod(new QLabel(this)),
      m_gbxOldRekord(new QGroupBox(QStringLiteral("  Starý rekord  "), this)),
      m_gbxNewRekord(new QGroupBox(QStringLiteral("  Nový rekord  "), this)),
      m_edtN_meno(new QLineEdit(m_gbxNewRekord)),
      m_cbxSynchro(
          new QCheckBox(QStringLiteral("Synchronizovať nový rekord s ostatnými užívateľmi"), this)),
      m_btnOk(new QPushButton(QStringLiteral("OK"), this)),
      m_btnCancel(new QPushButton(QStringLiteral("Storno"), this))
{
    setObjectName(QStringLiteral("Tfrm_Rekord"));
    setWindowTitle(QStringLiteral("  Zápis nového rekordu"));
    makeFixedDialog(this);
    setFixedSize(408, 252);
    m_lblUvod->setObjectName(QStringLiteral("lblUvod"));
    m_edtN_meno->setObjectName(QStringLiteral("edtN_meno"));
    m_cbxSynchro->setObjectName(QStringLiteral("cbxSynchro"));
    m_btnOk->setObjectName(QStringLiteral("btnOk"));
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));

    QFont bold = m_lblUvod->font();
    bold.setBold(true);
    m_lblUvod->setFont(bold);
    m_lblUvod->move(0, 12);
    m_gbxOldRekord->setGeometry(8, 36, 392, 66);
    m_gbxNewRekord->setGeometry(8, 108, 392, 66);
    static const char* const oldNames[6] = {"lblO_cislo", "lblO_obtiaz", "lblO_riadok",
                                            "lblO_cas",   "lblO_skore",  "lblO_meno"};
    static const char* const newNames[6] = {"lblN_cislo", "lblN_obtiaz", "lblN_riadok",
                                            "lblN_cas",   "lblN_skore",  ""};
    static const char* const headerNames[6] = {"lblCislo", "lblObtiaz", "lblRiadok",
                                               "lblCas",   "lblSkore",  "lblMeno"};
    for (int c = 0; c < 6; ++c) {
        m_oldHeaders[c] = new QLabel(QString::fromUtf8(kHeaders[c]), m_gbxOldRekord);
        m_newHeaders[c] = new QLabel(QString::fromUtf8(kHeaders[c]), m_gbxNewRekord);
        m_oldHeaders[c]->setObjectName(QString::fromLatin1(headerNames[c]) + 'O');
        m_newHeaders[c]->setObjectName(QString::fromLatin1(headerNames[c]) + 'N');
        m_oldValues[c] = new QLabel(m_gbxOldRekord);
        m_oldValues[c]->setObjectName(QString::fromLatin1(oldNames[c]));
        if (c < 5) {
            m_newValues[c] = new QLabel(m_gbxNewRekord);
            m_newValues[c]->setObjectName(QString::fromLatin1(newNames[c]));
        }
    }
    m_newHeaders[5]->setBuddy(m_edtN_meno); // the name field is read with its column's title
    m_edtN_meno->setMaxLength(kHolderChars);
    m_edtN_meno->setFixedWidth(84);
    m_edtN_meno->setValidator(new StorableTextValidator(
        [this](const QString& text) { return !m_filter || m_filter(text); },
        [this] {
            QToolTip::showText(m_edtN_meno->mapToGlobal(QPoint(0, m_edtN_meno->height())),
                               QStringLiteral("Tento znak nie je možné použiť."), m_edtN_meno);
        },
        m_edtN_meno));
    m_cbxSynchro->move(16, 184);
    m_cbxSynchro->adjustSize();
    m_btnOk->setGeometry(120, 214, 75, 25);
    m_btnCancel->setGeometry(212, 214, 75, 25);
    m_btnOk->setDefault(true);
    connect(m_btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_cbxSynchro, &QCheckBox::clicked, this, [this](bool on) {
        if (m_syncChanged)
            m_syncChanged(on);
    });
}

void Tfrm_Rekord::fill(const GameState& s, bool shareNewRecords)
{
    m_lblUvod->setText(QString::fromStdString(
        formatRecordIntro(m_introFormat.toStdString(), s.gameNumber, s.score)));
    m_lblUvod->adjustSize();
    m_lblUvod->move(204 - m_lblUvod->width() / 2, m_lblUvod->y());

    const QString number = padded(s.gameNumber, {100, 10});
    const QString level = padded(s.level, {10});
    m_oldValues[0]->setText(number);
    m_newValues[0]->setText(number);
    m_oldValues[1]->setText(level);
    m_newValues[1]->setText(level);
    m_newValues[2]->setText(padded(s.currentRow, {10}));
    m_oldValues[2]->setText(s.oldRows ? QString::number(s.oldRows) : QString());
    QString time = QString::fromStdString(s.clockText);
    if (time.size() < 8)
        time.prepend(' ');
    m_newValues[3]->setText(time);
    m_oldValues[3]->setText(QString::fromStdString(s.oldTime));
    m_newValues[4]->setText(padded(s.score, {1000, 100, 10}));
    m_oldValues[4]->setText(s.oldPoints ? QString::number(s.oldPoints) : QString());
    m_oldValues[5]->setText(QString::fromStdString(s.oldHolder));
    centreColumns();

    m_cbxSynchro->setChecked(shareNewRecords);
    m_cbxSynchro->setEnabled(s.sharedFolderReady);
}

void Tfrm_Rekord::centreColumns()
{
    // Headers at the top of each group, values below, each centred on its column.
    for (int c = 0; c < 6; ++c) {
        for (QLabel* label : {m_oldHeaders[c], m_newHeaders[c], m_oldValues[c], m_newValues[c]}) {
            if (!label)
                continue;
            label->adjustSize();
            const bool header = label == m_oldHeaders[c] || label == m_newHeaders[c];
            label->move(kColumnCentres[c] - label->width() / 2, header ? 18 : 40);
        }
    }
    m_edtN_meno->move(kColumnCentres[5] - m_edtN_meno->width() / 2, 36);
}

std::optional<QString> Tfrm_Rekord::run(const GameState& state, bool shareNewRecords,
                                        const QWidget* owner)
{
    fill(state, shareNewRecords);
    if (owner) {
        const QRect main = owner->frameGeometry();
        const QRect screen = owner->screen() ? owner->screen()->availableGeometry() : QRect();
        move(qMax(screen.left() + 10, main.left() + main.width() / 2 - width() / 2 - 6),
             qMax(screen.top() + 10, main.top() + main.height() / 2 - height() / 2));
    }
    m_edtN_meno->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return m_edtN_meno->text();
}

void Tfrm_Rekord::setCaptionText(const QString& text)
{
    setWindowTitle(text);
}

void Tfrm_Rekord::setText(int index, const QString& text)
{
    if (index == 0) {
        m_introFormat = text;
    } else if (index == 1) {
        m_gbxOldRekord->setTitle(text);
    } else if (index >= 2 && index <= 7) {
        m_oldHeaders[index - 2]->setText(text);
        m_newHeaders[index - 2]->setText(text);
        centreColumns();
    } else if (index == 8) {
        m_gbxNewRekord->setTitle(text);
    } else if (index == 9) {
        m_cbxSynchro->setText(text);
        m_cbxSynchro->adjustSize();
    }
}

} // namespace mirvalon
