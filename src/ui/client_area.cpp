// SPDX-License-Identifier: GPL-3.0-or-later
#include "client_area.h"

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

#include "application_look.h"
#include "bevel_box.h"
#include "built_in_pictures.h"
#include "click_label.h"
#include "environment_picture.h"
#include "fitted_label.h"
#include "information_panel.h"
#include "records_panel.h"

namespace mirvalon {

namespace {

const char* const kPictures[4] = {"texture1", "texture2", "photo1", "photo2"};
const char* const kPictureNames[4] = {"imgText1", "imgText2", "imgFoto1", "imgFoto2"};

} // namespace

ClientArea buildClientArea(QMainWindow& window, std::map<QString, QWidget*>& controls)
{
    ClientArea area;
    auto* client = new QWidget(&window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(780, 500);
    window.setCentralWidget(client);
    area.client = client;

    auto region = [&](const char* name, QRect r, Bevel outer, int width) {
        auto* box = new BevelBox(client);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(r);
        box->setLook(outer, Bevel::None, width);
        controls[box->objectName()] = box;
        return box;
    };
    auto button = [&](QWidget* parent, const char* name, const char* caption, QRect r,
                      const char* hint) {
        auto* b = new QPushButton(QString::fromUtf8(caption), parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(r);
        b->setToolTip(QString::fromUtf8(hint));
        // Space belongs to the row's OK; only the buttons the game itself focuses take focus.
        b->setFocusPolicy(Qt::NoFocus);
        controls[b->objectName()] = b;
        return b;
    };

    region("bevPlocha", {2, 0, 779, 492}, Bevel::Raised, 1);
    region("pnlVysledok", {54, 8, 364, 32}, Bevel::Lowered, 2);
    region("pnlCisla", {8, 52, 38, 428}, Bevel::Raised, 2);
    BevelBox* prac = region("pnlPrac", {54, 52, 364, 428}, Bevel::Lowered, 2);
    area.board = prac;
    area.scorePanel = region("pnlHodnotenie", {426, 52, 108, 428}, Bevel::Raised, 2);
    region("pnlTlacitka", {542, 160, 230, 97}, Bevel::Lowered, 2);
    area.palette = region("pnlKocky", {542, 332, 230, 148}, Bevel::Lowered, 2);

    // The environment pictures cover the board.
    for (int i = 0; i < 4; ++i) {
        auto* picture = new EnvironmentPicture(prac, kPictures[i]);
        picture->setObjectName(QString::fromLatin1(kPictureNames[i]));
        picture->setGeometry(2, 2, 360, 424);
        picture->hide();
        area.pictures[i] = picture;
        controls[picture->objectName()] = picture;
    }

    area.confirmHidden = button(client, "btnPotvrd", "Potvrdiť", {444, 12, 72, 25},
                                "Potvrdiť zadanú výsledkovú oblasť");
    auto* totalTime = new QLabel(QStringLiteral("0:00:00"), client);
    totalTime->setObjectName(QStringLiteral("pnlKCas"));
    totalTime->setGeometry(4, 9, 49, 17);
    totalTime->setAlignment(Qt::AlignCenter);
    setTextColour(totalTime, QColor(128, 128, 128));
    totalTime->hide();
    controls[totalTime->objectName()] = totalTime;
    area.totalTime = totalTime;
    button(client, "btnZnacRiad", "-----", {15, 36, 24, 12}, "Zmazať označenie riadkov");

    auto* logo = new ClickLabel(client);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setGeometry(542, 8, 230, 114);
    logo->setPixmap(QPixmap::fromImage(builtInPicture("logo", logo->devicePixelRatioF()),
                                       Qt::NoFormatConversion));
    controls[logo->objectName()] = logo;
    area.logo = logo;

    BevelBox* classic = region("pnlHra_1", {542, 132, 58, 18}, Bevel::Lowered, 1);
    classic->setCaption(QStringLiteral("Klasika"));
    classic->setToolTip(QStringLiteral("Klasická hra  (F4)"));
    BevelBox* training = region("pnlHra_2", {600, 132, 58, 18}, Bevel::Raised, 1);
    training->setCaption(QStringLiteral("Tréning"));
    training->setToolTip(QStringLiteral("Nový typ hry  (F4)"));
    area.gameTypes = {classic, training};
    const int favouriteLefts[4] = {720, 733, 746, 759};
    for (int k = 1; k <= 4; ++k) {
        BevelBox* fav = region(QStringLiteral("pnl%1").arg(k).toLatin1().constData(),
                               {favouriteLefts[k - 1], 132, 13, 18}, Bevel::Raised, 1);
        fav->setCaption(QString::number(k));
        fav->setToolTip(QStringLiteral("Uložiť obľúbenú hru č. %1").arg(k));
        area.favourites[k - 1] = fav;
    }

    QWidget* buttons = controls["pnlTlacitka"];
    area.newComputerGame = button(buttons, "btnNovaP", "Nová hra - počítač", {7, 7, 109, 25},
                                  "Novú hru zadá počítač  ( F2 )");
    button(buttons, "btnNovaH", "Nová hra - hráč", {122, 7, 101, 25},
           "Novú hru zadá druhý hráč  ( F3 )");
    area.settings =
        button(buttons, "btnNastavit", "Nastaviť", {7, 36, 61, 25}, "Nastaviť hru  ( F8 )");
    button(buttons, "btnVzdat", "Vzdať hru", {74, 36, 65, 25},
           "Predčasné ukončenie hry s otvorením výsledkovej oblasti  (F10)");
    button(buttons, "btnZrusit", "Zrušiť riadok", {145, 36, 78, 25},
           "Zrušiť editovaný riadok  ( F5 )");
    button(buttons, "btnOk", "OK", {7, 65, 159, 25}, "Potvrdenie editovaného riadku");
    button(buttons, "btnArchiv", "Archív", {172, 65, 51, 25}, "Zobrazenie rekordnej hry");
    for (const char* focused : {"btnNovaP", "btnNastavit", "btnPotvrd"})
        controls[focused]->setFocusPolicy(Qt::TabFocus);

    auto label = [&](const char* name, const char* text, QPoint at, const char* hint) {
        auto* l = new FittedLabel(client);
        l->setObjectName(QString::fromLatin1(name));
        l->move(at);
        l->setFittedText(QString::fromUtf8(text));
        if (hint)
            l->setToolTip(QString::fromUtf8(hint));
        controls[l->objectName()] = l;
        return l;
    };
    area.lblRekord = label("lblRekord", "Rekord", {548, 263}, nullptr);
    area.lblNeprekon = label("lblNeprekon", "neprekonaný!", {548, 278}, nullptr);
    for (QLabel* l : {area.lblRekord, area.lblNeprekon}) {
        QFont bold = l->font();
        bold.setBold(true);
        l->setFont(bold);
        setTextColour(l, QColor(128, 0, 0));
        l->hide();
    }
    for (QLabel* l : {label("lblZasah", "Zásah", {639, 268}, "Kocka je na správnom mieste"),
                      label("lblMimo", "Mimo", {716, 268}, "Kocka je na nesprávnom mieste")})
        setTextColour(l, QColor(100, 100, 100));
    region("pnlZasah", {686, 264, 9, 22}, Bevel::Raised, 1)->setColour(Qt::black);
    region("pnlMimo", {756, 264, 9, 22}, Bevel::Raised, 1)->setColour(Qt::white);
    for (const char* name : {"pnlZasah", "pnlMimo"})
        static_cast<BevelBox*>(controls[name])->setLook(Bevel::Raised, Bevel::Lowered, 1);

    button(client, "btnZasahy", "Zadať zásahy", {549, 306, 85, 20}, "Zadať všetky zásahy  (F6)");
    button(client, "btnBeton", "Btn", {642, 306, 30, 20},
           "Zablokovať všetky istotne nepoužité kocky  (F7)");
    button(client, "btnBloky", "Zrušiť bloky", {680, 306, 85, 20},
           "Odblokovať všetky blokované kocky");

    area.recordsPanel = new RecordsPanel(client);
    area.recordsPanel->setGeometry(56, 54, 360, 424);
    area.recordsPanel->hide();
    area.infoPanel = new InformationPanel(client);
    area.infoPanel->setGeometry(56, 54, 360, 424);
    area.infoPanel->hide();
    return area;
}

} // namespace mirvalon
