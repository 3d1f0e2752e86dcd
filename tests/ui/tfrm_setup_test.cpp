// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: filling, the live information box, the rules between its controls,
// what OK hands on, and its texts from a language file.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "engine/records_table.h"
#include "ui/application_look.h"
#include "ui/tfrm_setup.h"
#include "window_rig.h"

namespace mirvalon {
namespace {

template <typename T = QWidget> T* find(const Tfrm_Setup& dialog, const char* name)
{
    T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        ADD_FAILURE() << "no control " << name;
    return widget;
}

QRadioButton* item(const Tfrm_Setup& dialog, const char* group, int index)
{
    return find<QRadioButton>(dialog, (std::string(group) + std::to_string(index)).c_str());
}

void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

// The game's font, as the program sets it for the whole application before the dialog exists.
bool useGameFont()
{
    prepareApplicationLook();
    return true;
}

struct Fixture
{
    bool font = useGameFont();
    Tfrm_Setup dialog;
    RecordsTable records = referenceRecords();
    Fixture()
    {
        dialog.setRecordPoints([this](int number) { return records[number - 1].points; });
        dialog.fillSettingsDialog({choiceFromSettings(GameSettings{})});
    }
    QString field(const char* name) { return find<QLineEdit>(dialog, name)->text(); }
    QString letters()
    {
        QString shown;
        for (const char* name : {"lblA", "lblK", "lblN", "lblB"})
            if (find<QLabel>(dialog, name)->isVisibleTo(&dialog))
                shown += find<QLabel>(dialog, name)->text();
        return shown;
    }
};

// The rules behind the box and the enable states are the engine's (setupInfo, setupEnables);
// the dialog shows its answer after each click.
TEST(SetupDialog, showsTheEnginesAnswerAfterEveryClick)
{
    Fixture f; // 719_aknB, game 104
    click(item(f.dialog, "rgKocky", 2));
    click(item(f.dialog, "rgObtiaznost", 1));
    click(find<QCheckBox>(f.dialog, "cbxSpravPoz"));
    const SetupInfo info = setupInfo(f.dialog.choice());
    EXPECT_EQ(f.field("edtCislo"), QString::number(info.number));
    EXPECT_EQ(f.field("edtObtiaz"), QString::number(info.level));
    EXPECT_EQ(f.field("edtRekord"), QString::number(f.records[info.number - 1].points));
    EXPECT_EQ(f.letters(), "AKB");
    // Coloured pieces never keep a random arrangement.
    click(item(f.dialog, "rgFarbyK", 0));
    click(find<QCheckBox>(f.dialog, "cbxNahodFlek"));
    click(item(f.dialog, "rgFarbyK", 1));
    EXPECT_FALSE(find<QCheckBox>(f.dialog, "cbxNahodFlek")->isChecked());
    EXPECT_FALSE(find(f.dialog, "cbxNahodFlek")->isEnabled());

    click(item(f.dialog, "rgForma", 2));
    auto* mark = find<QLabel>(f.dialog, "lblGoldEasy");
    EXPECT_TRUE(mark->isVisibleTo(&f.dialog));
    EXPECT_EQ(mark->text(), "GOLD");
    for (const char* rule :
         {"rgPozicie", "rgKocky", "rgObtiaznost", "cbxSpravPoz", "cbxBlok", "rgFarbyK", "cbxUI"})
        EXPECT_FALSE(find(f.dialog, rule)->isEnabled()) << rule;
    EXPECT_TRUE(find<QCheckBox>(f.dialog, "cbxNahodFlek")->isChecked());
}

TEST(SetupDialog, fillingShowsTheSettingsAndForgetsACancelledOpening)
{
    const GameSettings s{.positions = 6,
                         .pieceCount = 25,
                         .environment = -1,
                         .language = 2,
                         .eachPieceOnce = false,
                         .rowMarking = false,
                         .exitWarning = true};
    Fixture f;
    f.dialog.fillSettingsDialog({choiceFromSettings(s), true});
    EXPECT_EQ(f.dialog.choice(), choiceFromSettings(s));
    EXPECT_FALSE(find(f.dialog, "rgProstredie")->isEnabled());
    // A computer game keeps its time display and row marking.
    EXPECT_FALSE(find(f.dialog, "cbxCas")->isEnabled());
    EXPECT_FALSE(find(f.dialog, "cbxZnacRiad")->isEnabled());

    click(find<QCheckBox>(f.dialog, "cbxProstredie"));
    EXPECT_TRUE(find(f.dialog, "rgProstredie")->isEnabled());
    click(item(f.dialog, "rgForma", 2));
    click(find<QCheckBox>(f.dialog, "cbxUpozExit"));
    f.dialog.reject();

    f.dialog.fillSettingsDialog({choiceFromSettings(s)});
    EXPECT_EQ(f.dialog.choice(), choiceFromSettings(s));
    EXPECT_FALSE(setupChanged(f.dialog.choice(), f.dialog.opening()));
    EXPECT_TRUE(find(f.dialog, "cbxCas")->isEnabled());
    EXPECT_TRUE(find(f.dialog, "cbxZnacRiad")->isEnabled());

    // Only with the shared folder can the start-up synchronisation be chosen.
    EXPECT_TRUE(find(f.dialog, "cbxSynchroStart")->isEnabled());
    f.dialog.fillSettingsDialog({choiceFromSettings(s), false, false});
    EXPECT_FALSE(find(f.dialog, "cbxSynchroStart")->isEnabled());
}

TEST(SetupDialog, jokesNeverStayChecked)
{
    Fixture f;
    auto* jokes = find<QCheckBox>(f.dialog, "cbxSrandicky");
    f.dialog.show();
    f.dialog.pages()->setCurrentIndex(1);
    const int first = jokes->y();
    click(jokes);
    EXPECT_FALSE(jokes->isChecked());
    EXPECT_EQ(jokes->y(), first == 40 ? 60 : 40);
    // From elsewhere first: a pointer already where it is sent makes no move.
    QTest::mouseMove(&f.dialog, QPoint(1, 1));
    QTest::mouseMove(jokes, QPoint(5, 5));
    EXPECT_EQ(jokes->y(), first);
    jokes->setFocus();
    QTest::keyClick(jokes, Qt::Key_Space);
    EXPECT_FALSE(jokes->isChecked());
    EXPECT_FALSE(f.dialog.choice().jokes);

    // Switched on in the file, it shows checked and can be switched off.
    f.dialog.fillSettingsDialog({choiceFromSettings(GameSettings{.jokes = true})});
    EXPECT_TRUE(jokes->isChecked());
    EXPECT_TRUE(f.dialog.choice().jokes);
    click(jokes);
    EXPECT_FALSE(jokes->isChecked());
}

TEST(SetupDialog, staysOnTheScreenBesideAWindowOffIt)
{
    Fixture f;
    QWidget main;
    main.setGeometry(-500, -500, 100, 100); // never shown: no frame
    f.dialog.centreOn(main);
    EXPECT_EQ(f.dialog.pos(), QPoint(10, 10));
    EXPECT_TRUE(f.dialog.okButton()->isDefault());
    auto* help = find<QPushButton>(f.dialog, "btnPomoc");
    EXPECT_FALSE(help->isVisibleTo(&f.dialog));
    EXPECT_FALSE(help->isEnabled());
    for (bool manual : {false, true}) {
        f.dialog.setManualAvailable(manual);
        EXPECT_EQ(find(f.dialog, "btnPDF")->isEnabled(), manual);
    }
}

// Whether the environment box's caption fits is the texts' test.
TEST(SetupDialog, languageFileSetsCaptionsAndHints)
{
    test::WindowRig rig(GameSettings{.language = 2});
    const Tfrm_Setup& dialog = *rig.window->settingsDialog();
    EXPECT_EQ(item(dialog, "rgForma", 2)->text(), "Hardest");
    EXPECT_EQ(find<QCheckBox>(dialog, "cbxZnacRiad")->toolTip(), "Training only");
}

} // namespace
} // namespace mirvalon
