// SPDX-License-Identifier: GPL-3.0-or-later
#include "tfrm_synchro.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include "persistence/view_ports.h"

namespace mirvalon {

namespace {
constexpr int kIntroCentre = 126; // on the dialog
constexpr int kLinesCentre = 113; // on the text panel
constexpr int kPlaceRight = 114;  // from the main window's corner
constexpr int kPlaceDown = 146;
constexpr int kMinimumPlace = 10;
const char* const kLines[4] = {"Táto funkcia umožní zdieľať rekordy hier",
                               "s ostatnými užívateľmi.", "Zdieľané budú len rekordy",
                               "s archívom!"};
} // namespace

Tfrm_Synchro::Tfrm_Synchro(SynchroDriver& driver, QWidget* parent)
    : QDialog(parent), m_driver(driver),
      m_lblUvod(new QLabel(QStringLiteral("Synchronizácia rekordov s centrálou"), this)),
      m_rgPriebeh(new QGroupBox(QStringLiteral("  Priebeh  "), this)),
      m_psbrSynchro(new QProgressBar(m_rgPriebeh)),
      m_btnStart(new QPushButton(QStringLiteral("Štart"), m_rgPriebeh)),
      m_lblOk(new QLabel(QStringLiteral("OK"), m_rgPriebeh)), m_pnlOblast01(new QFrame(this)),
      m_btnZavriet(new QPushButton(QStringLiteral("Zavrieť"), this))
{
    setObjectName(QStringLiteral("Tfrm_Synchro"));
    setWindowTitle(QStringLiteral("  Synchronizácia rekordov"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(245, 251);
    m_lblUvod->setObjectName(QStringLiteral("lblUvod"));
    m_rgPriebeh->setObjectName(QStringLiteral("rgPriebeh"));
    m_psbrSynchro->setObjectName(QStringLiteral("psbrSynchro"));
    m_btnStart->setObjectName(QStringLiteral("btnStart"));
    m_lblOk->setObjectName(QStringLiteral("lblOk"));
    m_pnlOblast01->setObjectName(QStringLiteral("pnlOblast01"));
    m_btnZavriet->setObjectName(QStringLiteral("btnZavriet"));

    QFont bold = m_lblUvod->font();
    bold.setBold(true);
    m_lblUvod->setFont(bold);
    m_lblUvod->move(0, 12);

    m_pnlOblast01->setFrameShape(QFrame::Panel);
    m_pnlOblast01->setFrameShadow(QFrame::Sunken);
    m_pnlOblast01->setGeometry(13, 36, 226, 78);
    for (int k = 0; k < 4; ++k) {
        m_lines[k] = new QLabel(QString::fromUtf8(kLines[k]), m_pnlOblast01);
        m_lines[k]->setObjectName(QStringLiteral("lblText0%1").arg(k + 1));
        m_lines[k]->move(0, 8 + 16 * k);
    }

    m_rgPriebeh->setGeometry(13, 122, 226, 84);
    m_psbrSynchro->setGeometry(12, 22, 202, 16);
    m_psbrSynchro->setRange(0, 100);
    m_psbrSynchro->setTextVisible(false);
    m_btnStart->setGeometry(12, 48, 75, 25);
    m_lblOk->setFont(bold);
    m_lblOk->adjustSize();
    m_lblOk->move(139 + (75 - m_lblOk->width()) / 2, 48 + (25 - m_lblOk->height()) / 2);
    m_lblOk->hide();

    m_btnZavriet->setGeometry(kIntroCentre - 37, 216, 75, 25);
    m_btnZavriet->setDefault(true);
    m_btnStart->setAutoDefault(false);
    connect(m_btnStart, &QPushButton::clicked, this, &Tfrm_Synchro::btnStartClick);
    connect(m_btnZavriet, &QPushButton::clicked, this, [this] { done(1); });
    centreTexts();
}

void Tfrm_Synchro::centreTexts()
{
    m_lblUvod->adjustSize();
    m_lblUvod->move(kIntroCentre - m_lblUvod->width() / 2, m_lblUvod->y());
    for (QLabel* line : m_lines) {
        line->adjustSize();
        line->move(kLinesCentre - line->width() / 2, line->y());
    }
}

void Tfrm_Synchro::prepare(const QWidget* owner)
{
    if (owner) {
        const QRect main = owner->frameGeometry();
        move(qMax(kMinimumPlace, main.left() + kPlaceRight),
             qMax(kMinimumPlace, main.top() + kPlaceDown));
    }
    centreTexts();
    m_psbrSynchro->setValue(0);
    m_lblOk->hide();
    m_btnStart->setFocus();
}

void Tfrm_Synchro::run(const QWidget* owner)
{
    prepare(owner);
    exec();
}

void Tfrm_Synchro::setProgress(int percent)
{
    m_psbrSynchro->setValue(percent);
    // The merge runs on this thread: paint the bar now, not after it.
    m_psbrSynchro->repaint();
}

void Tfrm_Synchro::btnStartClick()
{
    m_driver.startAll();
}

void Tfrm_Synchro::finished(bool done)
{
    if (done)
        m_btnZavriet->setFocus();
    m_lblOk->show();
}

void Tfrm_Synchro::setLanguageText(int kind, int group, int index, const QString& text)
{
    if (kind == LanguageKind::Controls && group == 2) {
        if (index == 1)
            m_btnStart->setText(text);
        else if (index == 2)
            m_btnZavriet->setText(text);
    } else if (kind == LanguageKind::SynchroDialog && group == 0) {
        setWindowTitle(text);
    } else if (kind == LanguageKind::SynchroDialog && group == 1) {
        if (index == 0)
            m_lblUvod->setText(text);
        else if (index == 1)
            m_rgPriebeh->setTitle(text);
        else if (index >= 2 && index <= 5)
            m_lines[index - 2]->setText(text);
        centreTexts();
    }
}

} // namespace mirvalon
