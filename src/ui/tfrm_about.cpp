// SPDX-License-Identifier: GPL-3.0-or-later
#include "tfrm_about.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "bevel_box.h"
#include "engine/game_settings.h"

namespace mirvalon {

namespace {

constexpr int kFrameX = 8;
constexpr int kFrameWidth = Tfrm_About::kWidth - 2 * kFrameX;
constexpr int kLineHeight = 16;

// Our own lines, per language: the two author lines, the link, the six lines of the licence
// panel. The link names the manual it opens, which is where the game is explained.
struct AboutTexts
{
    const char* copy[2];
    const char* link;
    const char* mark[Tfrm_About::kMarkLines];
};

const AboutTexts kTexts[3] = {
    {{"Copyright © 2026", "autori hry Mirvalon"},
     "Príručka: Mirv_SK.pdf",
     {"Slobodný softvér", "s licenciou GNU GPL", "GPL-3.0-or-later", "Šírte a upravujte ho,",
      "je bez akejkoľvek záruky.", "Príjemnú zábavu!"}},
    {{"Copyright © 2026", "autoři hry Mirvalon"},
     "Příručka: Mirv_SK.pdf",
     {"Svobodný software", "s licencí GNU GPL", "GPL-3.0-or-later", "Šiřte a upravujte ho,",
      "je bez jakékoli záruky.", "Příjemnou zábavu!"}},
    {{"Copyright © 2026", "the Mirvalon authors"},
     "Manual: Mirv_EN.pdf",
     {"Free software", "under the GNU GPL", "GPL-3.0-or-later", "Share and change it;",
      "it comes with no warranty.", "Have fun!"}},
};

const QColor kMaroon(128, 0, 0);
const QColor kNavy(0, 0, 128);
const QColor kGrey(128, 128, 128);

QLabel* makeLabel(QWidget* parent, const char* name, const QColor& colour = Qt::black,
                  bool bold = false)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    QFont f = l->font();
    f.setBold(bold);
    l->setFont(f);
    return l;
}

BevelBox* makeSunkenPanel(QWidget* parent, const char* name)
{
    auto* box = new BevelBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setLook(Bevel::Lowered, Bevel::None, 1);
    box->setColour(parent->palette().color(QPalette::Window));
    return box;
}

} // namespace

Tfrm_About::Tfrm_About(QWidget* parent)
    : QDialog(parent), m_pnlRamcek(makeSunkenPanel(this, "pnlRamcek")),
      m_imgIkona(new QLabel(m_pnlRamcek)),
      m_lblNazov(makeLabel(m_pnlRamcek, "lblNazov", Qt::black, true)),
      m_lblVerzia(makeLabel(m_pnlRamcek, "lblVerzia")),
      m_lblBuild(makeLabel(m_pnlRamcek, "lblBuild", kGrey)),
      m_lblHttp(makeLabel(m_pnlRamcek, "lblHttp", kNavy)),
      m_pnlMark(makeSunkenPanel(this, "pnlMark")),
      m_btnOk(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("Tfrm_About"));
    setWindowTitle(QStringLiteral("  O programe Mirvalon"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kWidth, kHeight);

    m_pnlRamcek->setGeometry(kFrameX, 8, kFrameWidth, 184);
    m_imgIkona->setObjectName(QStringLiteral("imgIkona"));
    m_imgIkona->setPixmap(QIcon(QStringLiteral(":/assets/icon.png")).pixmap(32, 32));
    m_imgIkona->setGeometry((kFrameWidth - 32) / 2, 10, 32, 32);
    m_lblNazov->setText(QStringLiteral("Mirvalon"));
    m_lblVerzia->setText(QStringLiteral("Verzia  1.7"));
    m_lblBuild->setText(QStringLiteral("build  1.7.1.5"));
    for (int i = 0; i < 2; ++i)
        m_lblCopy[i] = makeLabel(m_pnlRamcek, i == 0 ? "lblCopy1" : "lblCopy2");
    QFont underlined = m_lblHttp->font();
    underlined.setUnderline(true);
    m_lblHttp->setFont(underlined);
    m_lblHttp->setCursor(Qt::PointingHandCursor);
    m_lblHttp->installEventFilter(this);

    m_pnlMark->setGeometry(kFrameX, 200, kFrameWidth, 112);
    static const char* const kMarkNames[kMarkLines] = {"lblMark01", "lblMark02", "lblMark03",
                                                       "lblMark04", "lblMark05", "lblMark06"};
    for (int i = 0; i < kMarkLines; ++i) {
        const bool maroon = i == 0 || i == 2 || i == 5;
        const bool bold = i == 2 || i == 5;
        m_lblMark[i] = makeLabel(m_pnlMark, kMarkNames[i], maroon ? kMaroon : Qt::black, bold);
    }

    m_btnOk->setObjectName(QStringLiteral("btnOk"));
    m_btnOk->setGeometry((kWidth - 75) / 2, 322, 75, 25);
    m_btnOk->setDefault(true);
    connect(m_btnOk, &QPushButton::clicked, this, &QDialog::accept);

    setLanguage(0);
}

void Tfrm_About::centre(QLabel* label, int y)
{
    label->adjustSize();
    const int width = label->parentWidget()->width();
    label->move((width - label->width()) / 2, y);
}

void Tfrm_About::setCaptionText(const QString& text)
{
    setWindowTitle(text);
}

void Tfrm_About::setVersionText(const QString& text)
{
    m_lblVerzia->setText(text);
    centre(m_lblVerzia, 66);
}

void Tfrm_About::setLanguage(int language)
{
    m_language = languageOrSlovak(language);
    const AboutTexts& t = kTexts[m_language];
    centre(m_lblNazov, 48);
    centre(m_lblVerzia, 66);
    centre(m_lblBuild, 84);
    for (int i = 0; i < 2; ++i) {
        m_lblCopy[i]->setText(QString::fromUtf8(t.copy[i]));
        centre(m_lblCopy[i], 112 + i * kLineHeight);
    }
    m_lblHttp->setText(QString::fromUtf8(t.link));
    centre(m_lblHttp, 156);
    for (int i = 0; i < kMarkLines; ++i) {
        m_lblMark[i]->setText(QString::fromUtf8(t.mark[i]));
        centre(m_lblMark[i], 8 + i * kLineHeight);
    }
}

void Tfrm_About::run(const QWidget* owner)
{
    // Fonts may have changed since the box was built (the window sets the game's font).
    setLanguage(m_language);
    if (owner) {
        const QRect o = owner->frameGeometry();
        move(o.center() - QPoint(kWidth / 2, kHeight / 2));
    }
    m_btnOk->setFocus();
    exec();
}

bool Tfrm_About::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_lblHttp && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (onLinkClicked)
            onLinkClicked();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace mirvalon
