// SPDX-License-Identifier: GPL-3.0-or-later
#include "tfrm_setup.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

#include "engine/variant.h"
#include "radio_group.h"

namespace mirvalon {

namespace {

constexpr int kClientWidth = 503;
constexpr int kClientHeight = 351;
// Two rows of boxes on each tab, three columns on the first, two on the second.
constexpr int kTop = 6;
constexpr int kRowHeight = 112;
constexpr int kSecondRow = kTop + kRowHeight + 6;
constexpr int kJokesHeights[2] = {40, 60};

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QStringList texts(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list.append(text(item));
    return list;
}

QCheckBox* checkBox(const char* name, const char* caption, QWidget* parent)
{
    auto* box = new QCheckBox(text(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLabel* label(const char* name, const char* caption, QWidget* parent)
{
    auto* l = new QLabel(text(caption), parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

} // namespace

Tfrm_Setup::Tfrm_Setup(QWidget* parent)
    : QDialog(parent), m_pgctPlocha(new QTabWidget(this)),
      m_btnOk(new QPushButton(QStringLiteral("OK"), this)),
      m_btnCancel(new QPushButton(QStringLiteral("Storno"), this)),
      m_btnPomoc(new QPushButton(QStringLiteral("Pomoc"), this))
{
    setObjectName(QStringLiteral("Tfrm_Setup"));
    setWindowTitle(QStringLiteral("  Nastavenie"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);

    m_pgctPlocha->setObjectName(QStringLiteral("pgctPlocha"));
    m_pgctPlocha->setGeometry(8, 8, 487, 302);
    m_btnOk->setObjectName(QStringLiteral("btnOk"));
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
    m_btnPomoc->setObjectName(QStringLiteral("btnPomoc"));
    m_btnPomoc->setGeometry(8, 318, 75, 25);
    m_btnOk->setGeometry(337, 318, 75, 25);
    m_btnCancel->setGeometry(420, 318, 75, 25);
    m_btnOk->setDefault(true);
    m_btnPomoc->setEnabled(false);
    m_btnPomoc->hide();
    connect(m_btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    createGameTab();
    createBasicTab();
    connectControls();
    // Tab goes through the pages' choices before OK and Storno.
    setTabOrder(previousInFocusChain(), m_btnOk);
    setTabOrder(m_btnOk, m_btnCancel);
    showChoice(SetupChoice{});
    m_opening = setupOpening(choice());
}

void Tfrm_Setup::createGameTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tbshSet_01"));
    m_pgctPlocha->addTab(page, text("Nastavenie hier"));

    m_rgPozicie = new RadioGroup(QStringLiteral("rgPozicie"), text("  Počet pozícií  "),
                                 texts({"5 pozícií", "6 pozícií", "7 pozícií", "8 pozícií"}), page);
    m_rgPozicie->setGeometry(8, kTop, 112, kRowHeight);
    m_rgKocky = new RadioGroup(QStringLiteral("rgKocky"), text("  Počet kociek  "),
                               texts({"11 kociek", "19 kociek", "25 kociek"}), page);
    m_rgKocky->setGeometry(8, kSecondRow, 112, kRowHeight);

    m_rgObtiaznost = new RadioGroup(QStringLiteral("rgObtiaznost"), text("  Obtiažnosť  "),
                                    texts({"Kocka len raz", "Kocka viackrát"}), page);
    m_rgObtiaznost->setGeometry(126, kTop, 184, kRowHeight);
    m_cbxSpravPoz = checkBox("cbxSpravPoz", "Aktivácia správnej pozície", page);
    m_cbxBlok = checkBox("cbxBlok", "Blokovanie kociek", page);
    m_rgObtiaznost->addRow(m_cbxSpravPoz);
    m_rgObtiaznost->addRow(m_cbxBlok);

    // The items stand in the order of PieceColours and GameForm: an item's index is the value.
    m_rgFarbyK = new RadioGroup(QStringLiteral("rgFarbyK"), text("  Farby kociek  "),
                                texts({"Sivé kocky s číslami", "Farebné kocky", "Mix"}), page);
    m_rgFarbyK->setGeometry(126, kSecondRow, 184, kRowHeight);
    m_cbxNahodFlek = checkBox("cbxNahodFlek", "Náhodné rozmiestnenie", page);
    m_rgFarbyK->addRow(m_cbxNahodFlek);

    m_gbxForma = new QGroupBox(text("  Forma hry  "), page);
    m_gbxForma->setObjectName(QStringLiteral("gbxForma"));
    m_gbxForma->setGeometry(316, kTop, 159, kRowHeight);
    // Four even rows below the caption: the three forms, then the check box.
    m_rgForma = new RadioGroup(QStringLiteral("rgForma"), QString(),
                               texts({"Najľahšia", "Štandardná", "Najťažšia"}), m_gbxForma);
    m_rgForma->setFrameless(true);
    const int top = contentsTop(m_gbxForma);
    const int step = (kRowHeight - top - 4) / 4;
    m_rgForma->setGeometry(10, top, 145, 3 * step);
    m_cbxUI = checkBox("cbxUI", "Umelá inteligencia", m_gbxForma);
    m_cbxUI->setGeometry(10, top + 3 * step + (step - 17) / 2, 145, 17);
    m_cbxUI->setEnabled(false);

    createInfoBox(page);

    m_btnPDF = new QPushButton(QStringLiteral("Info"), page);
    m_btnPDF->setObjectName(QStringLiteral("btnPDF"));
    m_btnPDF->setGeometry(400, kSecondRow + kRowHeight + 8, 75, 25);
    m_btnPDF->setToolTip(text("Otvoriť info súbor - Mirv_SK.pdf"));
    m_btnPDF->setEnabled(false);
    connect(m_btnPDF, &QPushButton::clicked, this, [this] {
        emit manualRequested();
        m_btnOk->setFocus();
    });
}

void Tfrm_Setup::createInfoBox(QWidget* page)
{
    m_gbxInfo = new QGroupBox(QStringLiteral("  Info  "), page);
    m_gbxInfo->setObjectName(QStringLiteral("gbxInfo"));
    m_gbxInfo->setGeometry(316, kSecondRow, 159, kRowHeight);
    const char* names[3] = {"lblCislo", "lblObtiaz", "lblRekord"};
    const char* captions[3] = {"Číslo hry", "Obtiažnosť hry", "Rekord hry"};
    const char* edits[3] = {"edtCislo", "edtObtiaz", "edtRekord"};
    std::array<QLineEdit*, 3> fields{};
    const int top = contentsTop(m_gbxInfo) + 2;
    for (int i = 0; i < 3; ++i) {
        m_infoLabels[i] = label(names[i], captions[i], m_gbxInfo);
        m_infoLabels[i]->setGeometry(10, top + 2 + 22 * i, 86, 17);
        fields[i] = new QLineEdit(m_gbxInfo);
        fields[i]->setObjectName(QString::fromLatin1(edits[i]));
        fields[i]->setReadOnly(true);
        fields[i]->setFocusPolicy(Qt::NoFocus);
        fields[i]->setAlignment(Qt::AlignCenter);
        fields[i]->setGeometry(97, top + 22 * i, 52, 20);
        m_infoLabels[i]->setBuddy(fields[i]);
    }
    m_edtCislo = fields[0];
    m_edtObtiaz = fields[1];
    m_edtRekord = fields[2];

    m_lblGoldEasy = label("lblGoldEasy", "", m_gbxInfo);
    QFont bold = m_lblGoldEasy->font();
    bold.setBold(true);
    m_lblGoldEasy->setFont(bold);
    m_lblGoldEasy->setGeometry(10, top + 68, 60, 17);

    m_pnlPodklad = new QFrame(m_gbxInfo);
    m_pnlPodklad->setObjectName(QStringLiteral("pnlPodklad"));
    m_pnlPodklad->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_pnlPodklad->setGeometry(97, top + 67, 52, 19);
    const char* letterNames[4] = {"lblA", "lblK", "lblN", "lblB"};
    const char* letters[4] = {"A", "K", "N", "B"};
    for (int i = 0; i < 4; ++i) {
        m_letters[i] = label(letterNames[i], letters[i], m_pnlPodklad);
        m_letters[i]->setFont(bold);
        m_letters[i]->setAlignment(Qt::AlignCenter);
        m_letters[i]->setGeometry(3 + 12 * i, 2, 10, 15);
    }
}

void Tfrm_Setup::createBasicTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tbshSet_02"));
    m_pgctPlocha->addTab(page, text("Základné nastavenie"));

    // "Prostredie" sits on the frame of its radio group, in place of a caption.
    m_rgProstredie =
        new RadioGroup(QStringLiteral("rgProstredie"), QStringLiteral(" "),
                       texts({"Textúra - 1", "Textúra - 2", "Foto - 1", "Foto - 2"}), page);
    m_rgProstredie->setGeometry(8, kTop, 150, kRowHeight);
    m_cbxProstredie = checkBox("cbxProstredie", "Prostredie", page);
    m_cbxProstredie->setGeometry(16, kTop - 2, 8 * 10 + 2, 17);
    m_cbxProstredie->raise();

    m_rgJazyk = new RadioGroup(QStringLiteral("rgJazyk"), text("  Jazyk  "),
                               texts({"Slovenský", "Český", "Anglický"}), page);
    m_rgJazyk->setGeometry(8, kSecondRow, 150, kRowHeight);

    m_gbxRozne = new QGroupBox(text("  Rôzne  "), page);
    m_gbxRozne->setObjectName(QStringLiteral("gbxRozne"));
    m_gbxRozne->setGeometry(164, kTop, 311, kRowHeight);
    m_cbxCas = checkBox("cbxCas", "Čas", m_gbxRozne);
    m_cbxSkore = checkBox("cbxSkore", "Skóre", m_gbxRozne);
    m_cbxPopisky = checkBox("cbxPopisky", "Popisky", m_gbxRozne);
    m_cbxTestovat = checkBox("cbxTestovat", "Testovať", m_gbxRozne);
    m_cbxZnacRiad = checkBox("cbxZnacRiad", "Značenie riadkov", m_gbxRozne);
    m_cbxSrandicky = checkBox("cbxSrandicky", "Srandičky", m_gbxRozne);
    m_cbxZnacRiad->setToolTip(text("Len pre Tréning"));
    m_cbxTestovat->setEnabled(false);
    // Left column four rows; the right one holds row marking and, below it, the jokes box
    // that never stays where the mouse is.
    const QList<QCheckBox*> left = {m_cbxCas, m_cbxSkore, m_cbxPopisky, m_cbxTestovat};
    for (int i = 0; i < left.size(); ++i)
        left[i]->setGeometry(12, 20 + 20 * i, 140, 17);
    m_cbxZnacRiad->setGeometry(156, 20, 150, 17);
    m_cbxSrandicky->setGeometry(156, kJokesHeights[0], 150, 17);
    m_cbxSrandicky->setMouseTracking(true);
    m_cbxSrandicky->installEventFilter(this);

    m_cbxKCas = checkBox("cbxKCas", "Celkový čas aplikácie", page);
    m_cbxAutoUloz = checkBox("cbxAutoUloz", "Automatické uloženie nastavenia", page);
    m_cbxUpozExit = checkBox("cbxUpozExit", "Upozornenie - ukončenie aplikácie", page);
    m_cbxSynchroStart =
        checkBox("cbxSynchroStart", "Synchronizácia rekordov pri štarte aplikácie", page);
    m_cbxSynchroStart->setToolTip(text("Zdieľanie rekordov s ostatnými užívateľmi"));
    const QList<QCheckBox*> options = {m_cbxKCas, m_cbxAutoUloz, m_cbxUpozExit, m_cbxSynchroStart};
    for (int i = 0; i < options.size(); ++i)
        options[i]->setGeometry(176, kSecondRow + 6 + 26 * i, 299, 17);
}

void Tfrm_Setup::connectControls()
{
    const auto follow = [this] { showChoice(choice()); };
    for (RadioGroup* group : {m_rgPozicie, m_rgKocky, m_rgObtiaznost, m_rgJazyk, m_rgProstredie})
        connect(group, &RadioGroup::itemClicked, this, follow);
    for (QCheckBox* box : {m_cbxSpravPoz, m_cbxBlok, m_cbxNahodFlek, m_cbxProstredie})
        connect(box, &QCheckBox::clicked, this, follow);
    connect(m_rgForma, &RadioGroup::itemClicked, this, [this](int form) {
        SetupChoice c = choice();
        chooseGameForm(c, form);
        showChoice(c);
    });
    connect(m_rgFarbyK, &RadioGroup::itemClicked, this, [this](int colours) {
        SetupChoice c = choice();
        chooseColours(c, colours);
        showChoice(c);
    });
    connect(m_cbxSrandicky, &QCheckBox::clicked, this, [this](bool checked) {
        if (checked) {
            m_cbxSrandicky->setChecked(false);
            jumpJokes();
        }
    });
}

bool Tfrm_Setup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_cbxSrandicky && event->type() == QEvent::MouseMove)
        jumpJokes();
    return QDialog::eventFilter(watched, event);
}

void Tfrm_Setup::jumpJokes()
{
    const int y = m_cbxSrandicky->y() == kJokesHeights[0] ? kJokesHeights[1] : kJokesHeights[0];
    m_cbxSrandicky->move(m_cbxSrandicky->x(), y);
}

void Tfrm_Setup::fillSettingsDialog(const SetupForm& form)
{
    m_computerGameRunning = form.computerGameRunning;
    m_cbxSynchroStart->setEnabled(form.syncOffered);
    showChoice(form.choice);
    m_opening = setupOpening(choice());
}

SetupChoice Tfrm_Setup::choice() const
{
    SetupChoice c;
    c.positions = 5 + qMax(0, m_rgPozicie->index());
    static const int kPieces[3] = {11, 19, 25};
    c.pieceCount = kPieces[qMax(0, m_rgKocky->index())];
    c.gameForm = qMax(0, m_rgForma->index());
    c.artificialIntelligence = m_cbxUI->isChecked();
    c.eachPieceOnce = m_rgObtiaznost->index() != 1;
    c.correctPosition = m_cbxSpravPoz->isChecked();
    c.blocking = m_cbxBlok->isChecked();
    c.pieceColours = qMax(0, m_rgFarbyK->index());
    c.randomArrangement = m_cbxNahodFlek->isChecked();
    c.environment = m_cbxProstredie->isChecked() ? qMax(0, m_rgProstredie->index()) : -1;
    c.showTime = m_cbxCas->isChecked();
    c.showScore = m_cbxSkore->isChecked();
    c.showHints = m_cbxPopisky->isChecked();
    c.rowMarking = m_cbxZnacRiad->isChecked();
    c.testRows = m_cbxTestovat->isChecked();
    c.jokes = m_cbxSrandicky->isChecked();
    // No language item checked: the setting names none and stays as it was.
    c.language = m_rgJazyk->index() >= 0 ? m_rgJazyk->index() : 3;
    c.showTotalTime = m_cbxKCas->isChecked();
    c.autoSave = m_cbxAutoUloz->isChecked();
    c.exitWarning = m_cbxUpozExit->isChecked();
    c.syncAtStart = m_cbxSynchroStart->isChecked();
    return c;
}

void Tfrm_Setup::showChoice(const SetupChoice& c)
{
    m_rgPozicie->setIndex(c.positions - 5);
    m_rgKocky->setIndex(pieceIndex(c.pieceCount));
    m_rgForma->setIndex(c.gameForm);
    m_cbxUI->setChecked(c.artificialIntelligence);
    m_rgObtiaznost->setIndex(c.eachPieceOnce ? 0 : 1);
    m_cbxSpravPoz->setChecked(c.correctPosition);
    m_cbxBlok->setChecked(c.blocking);
    m_rgFarbyK->setIndex(c.pieceColours);
    m_cbxNahodFlek->setChecked(c.randomArrangement);
    m_cbxProstredie->setChecked(c.environment != -1);
    // An unchecked environment keeps the item it showed last.
    if (c.environment != -1)
        m_rgProstredie->setIndex(c.environment);
    else if (m_rgProstredie->index() < 0)
        m_rgProstredie->setIndex(1);
    m_cbxCas->setChecked(c.showTime);
    m_cbxSkore->setChecked(c.showScore);
    m_cbxPopisky->setChecked(c.showHints);
    m_cbxZnacRiad->setChecked(c.rowMarking);
    m_cbxTestovat->setChecked(c.testRows);
    m_cbxSrandicky->setChecked(c.jokes);
    m_rgJazyk->setIndex(c.language);
    m_cbxKCas->setChecked(c.showTotalTime);
    m_cbxAutoUloz->setChecked(c.autoSave);
    m_cbxUpozExit->setChecked(c.exitWarning);
    m_cbxSynchroStart->setChecked(c.syncAtStart);

    const SetupEnables e = setupEnables(c, m_computerGameRunning);
    m_rgPozicie->setEnabled(e.ruleControls);
    m_rgKocky->setEnabled(e.ruleControls);
    m_rgObtiaznost->setEnabled(e.ruleControls);
    m_rgFarbyK->setEnabled(e.colours);
    m_cbxNahodFlek->setEnabled(e.randomArrangement);
    m_cbxZnacRiad->setEnabled(e.rowMarkingAndTime);
    m_cbxCas->setEnabled(e.rowMarkingAndTime);
    m_rgProstredie->setEnabled(e.environmentItems);
    updateGameInfo();
}

void Tfrm_Setup::updateGameInfo()
{
    const SetupInfo info = setupInfo(choice());
    m_edtCislo->setText(QString::number(info.number));
    m_edtObtiaz->setText(QString::number(info.level));
    m_edtRekord->setText(QString::number(m_recordPoints ? m_recordPoints(info.number) : 0));
    const bool shown[4] = {info.letterA, info.letterK, info.letterN, info.letterB};
    for (int i = 0; i < 4; ++i)
        m_letters[i]->setVisible(shown[i]);
    QPalette look = m_lblGoldEasy->palette();
    if (info.mark == GameMark::Easy) {
        m_lblGoldEasy->setText(QStringLiteral("EASY"));
        look.setColor(QPalette::WindowText, Qt::blue);
    } else if (info.mark == GameMark::Gold) {
        m_lblGoldEasy->setText(QStringLiteral("GOLD"));
        look.setColor(QPalette::WindowText, Qt::red);
    }
    m_lblGoldEasy->setPalette(look);
    m_lblGoldEasy->setVisible(info.mark != GameMark::None);
}

void Tfrm_Setup::setManualAvailable(bool available)
{
    m_btnPDF->setEnabled(available);
}

void Tfrm_Setup::centreOn(const QWidget& window)
{
    // The dialog's own frame is unknown until the window manager has framed it once, and a
    // stale one misplaces it: it is taken to be framed as the main window is, so every
    // opening lands on the same place.
    const QRect main = window.frameGeometry();
    const QSize own = size() + (main.size() - window.geometry().size());
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect();
    move(qMax(screen.left() + 10, main.left() + main.width() / 2 - own.width() / 2),
         qMax(screen.top() + 10, main.top() + main.height() / 2 - own.height() / 2 + 8));
}

void Tfrm_Setup::showEvent(QShowEvent* event)
{
    if (parentWidget())
        centreOn(*parentWidget()->window());
    QDialog::showEvent(event);
}

} // namespace mirvalon
