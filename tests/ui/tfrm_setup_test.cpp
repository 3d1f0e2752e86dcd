// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: filling, the live information box, the rules between its controls,
// what closing it reports, and its texts in the three languages.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <random>

#include "engine/records_table.h"
#include "persistence/file_system.h"
#include "persistence/settings_store.h"
#include "support/fake_persistence.h"
#include "support/fake_ports.h"
#include "ui/application_look.h"
#include "ui/tfrm_setup.h"

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

// Hands the dialog's entries of a language file to the dialog, as the main window does.
class DialogTexts : public LanguageTargets
{
public:
    explicit DialogTexts(Tfrm_Setup& dialog) : m_dialog(dialog) {}
    void setMenuItem(const std::vector<int>&, const std::string&,
                     const std::optional<std::string>&) override
    {
    }
    void setContextMenuItem(int, const std::string&, const std::optional<std::string>&) override {}
    void setMainControl(MainControl, const std::string&, const std::optional<std::string>&) override
    {
    }
    void setMainLabel(MainLabel, const std::string&, const std::optional<std::string>&) override {}
    void setStatusPanel(int, const std::string&) override {}
    void setPanelCaption(PanelCaption, const std::string&) override {}
    void setListColumn(int, const std::string&) override {}
    void setUntimedStatusText(const std::string&) override {}
    void setDialogText(int kind, int group, int index, int item, const std::string& text,
                       const std::optional<std::string>& hint) override
    {
        std::optional<QString> qhint;
        if (hint)
            qhint = QString::fromStdString(*hint);
        m_dialog.setText(kind, group, index, item, QString::fromStdString(text), qhint);
    }

private:
    Tfrm_Setup& m_dialog;
};

bool loadLanguage(Tfrm_Setup& dialog, int language)
{
    DialogTexts targets(dialog);
    return test::loadLanguageInto(targets, MIRVALON_SOURCE_DATA, language);
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
        dialog.fillSettingsDialog(GameSettings{}, false);
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

TEST(SetupDialog, informationBoxFollowsEveryClick)
{
    struct Case
    {
        const char* name;
        std::vector<std::pair<const char*, int>> items; // radio items clicked in order
        std::vector<const char*> boxes;                 // then check boxes clicked
        const char* number;
        const char* level;
        const char* record;
        const char* letters;
        const char* mark; // "" hidden
        QColor colour;
    };
    const Case cases[] = {
        {"hardest", {{"rgForma", 2}}, {}, "192", "13", "4950", "KN", "GOLD", Qt::red},
        {"easiest", {{"rgForma", 0}}, {}, "1", "1", "8779", "AB", "EASY", Qt::blue},
        {"519 AknB",
         {{"rgPozicie", 0}, {"rgKocky", 1}},
         {"cbxSpravPoz"},
         "2",
         "2",
         "0",
         "AB",
         "",
         {}},
        {"711 aknb", {{"rgPozicie", 2}, {"rgKocky", 0}}, {"cbxBlok"}, "115", "7", "0", "", "", {}},
        {"725 AKnB",
         {{"rgKocky", 2}, {"rgObtiaznost", 1}},
         {"cbxSpravPoz"},
         "57",
         "7",
         "7180",
         "AKB",
         "",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f; // 719_aknB, game 104
        EXPECT_EQ(f.field("edtCislo"), "104");
        for (const auto& [group, index] : c.items)
            click(item(f.dialog, group, index));
        for (const char* box : c.boxes)
            click(find<QCheckBox>(f.dialog, box));
        EXPECT_EQ(f.field("edtCislo"), c.number);
        EXPECT_EQ(f.field("edtObtiaz"), c.level);
        EXPECT_EQ(f.field("edtRekord"), c.record);
        EXPECT_EQ(f.letters(), c.letters);
        auto* mark = find<QLabel>(f.dialog, "lblGoldEasy");
        EXPECT_EQ(mark->isVisibleTo(&f.dialog), *c.mark != 0);
        if (*c.mark) {
            EXPECT_EQ(mark->text(), c.mark);
            EXPECT_EQ(mark->palette().color(QPalette::WindowText), c.colour);
        }
    }
}

TEST(SetupDialog, formsAndColoursOpenAndCloseTheRuleControls)
{
    struct Case
    {
        const char* name;
        std::vector<std::pair<const char*, int>> clicks;
        bool rules, colours, random, randomChecked;
    };
    const Case cases[] = {
        {"easiest", {{"rgForma", 0}}, false, true, false, false},
        {"hardest", {{"rgForma", 2}}, false, false, false, true},
        {"standard again", {{"rgForma", 2}, {"rgForma", 1}}, true, true, true, true},
        {"coloured pieces", {{"rgFarbyK", 2}, {"rgFarbyK", 1}}, true, true, false, false},
        {"mix", {{"rgFarbyK", 1}, {"rgFarbyK", 2}}, true, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        GameSettings random;
        random.randomArrangement = true;
        random.pieceColours = 2;
        f.dialog.fillSettingsDialog(random, false);
        for (const auto& [group, index] : c.clicks)
            click(item(f.dialog, group, index));
        for (const char* rule : {"rgPozicie", "rgKocky", "rgObtiaznost", "cbxSpravPoz", "cbxBlok"})
            EXPECT_EQ(find(f.dialog, rule)->isEnabled(), c.rules) << rule;
        EXPECT_EQ(find(f.dialog, "rgFarbyK")->isEnabled(), c.colours);
        auto* arrangement = find<QCheckBox>(f.dialog, "cbxNahodFlek");
        EXPECT_EQ(arrangement->isEnabled(), c.random);
        EXPECT_EQ(arrangement->isChecked(), c.randomChecked);
        EXPECT_FALSE(find(f.dialog, "cbxUI")->isEnabled());
    }
}

TEST(SetupDialog, fillingShowsTheSettingsAndForgetsACancelledOpening)
{
    GameSettings s;
    s.positions = 6;
    s.pieceCount = 25;
    s.eachPieceOnce = false;
    s.environment = -1;
    s.language = 2;
    s.rowMarking = false;
    s.exitWarning = true;
    Fixture f;
    f.dialog.fillSettingsDialog(s, true);
    EXPECT_EQ(f.dialog.choice(), choiceFromSettings(s));
    EXPECT_TRUE(item(f.dialog, "rgPozicie", 1)->isChecked());
    EXPECT_TRUE(item(f.dialog, "rgJazyk", 2)->isChecked());
    EXPECT_FALSE(find<QCheckBox>(f.dialog, "cbxProstredie")->isChecked());
    EXPECT_FALSE(find(f.dialog, "rgProstredie")->isEnabled());
    // A computer game keeps its time display and row marking.
    EXPECT_FALSE(find(f.dialog, "cbxCas")->isEnabled());
    EXPECT_FALSE(find(f.dialog, "cbxZnacRiad")->isEnabled());

    click(find<QCheckBox>(f.dialog, "cbxProstredie"));
    EXPECT_TRUE(find(f.dialog, "rgProstredie")->isEnabled());
    click(item(f.dialog, "rgForma", 2));
    click(find<QCheckBox>(f.dialog, "cbxUpozExit"));
    f.dialog.reject();

    f.dialog.fillSettingsDialog(s, false);
    EXPECT_EQ(f.dialog.choice(), choiceFromSettings(s));
    EXPECT_TRUE(find(f.dialog, "cbxCas")->isEnabled());
    EXPECT_TRUE(find(f.dialog, "cbxZnacRiad")->isEnabled());

    // Without the shared folder the start-up synchronisation cannot be chosen.
    s.syncAtStart = true;
    f.dialog.setSyncAvailable(false);
    f.dialog.fillSettingsDialog(s, false);
    auto* sync = find<QCheckBox>(f.dialog, "cbxSynchroStart");
    EXPECT_FALSE(sync->isChecked());
    EXPECT_FALSE(sync->isEnabled());
    EXPECT_FALSE(f.dialog.choice().syncAtStart);
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
    QTest::mouseMove(jokes, QPoint(5, 5));
    EXPECT_EQ(jokes->y(), first);
    jokes->setFocus();
    QTest::keyClick(jokes, Qt::Key_Space);
    EXPECT_FALSE(jokes->isChecked());
    EXPECT_FALSE(f.dialog.choice().jokes);

    // Switched on in the file, it shows checked and can be switched off.
    GameSettings s;
    s.jokes = true;
    f.dialog.fillSettingsDialog(s, false);
    EXPECT_TRUE(jokes->isChecked());
    click(jokes);
    EXPECT_FALSE(jokes->isChecked());
    f.dialog.hide();
}

TEST(SetupDialog, closingTellsWhetherTheGameChanged)
{
    struct Case
    {
        const char* name;
        std::vector<std::pair<const char*, int>> items;
        std::vector<const char*> boxes;
        bool ok;
        bool changed;
    };
    const Case cases[] = {
        {"only the score", {}, {"cbxSkore"}, true, false},
        {"positions", {{"rgPozicie", 0}}, {}, true, true},
        {"positions, cancelled", {{"rgPozicie", 0}}, {}, false, true},
        {"colours", {{"rgFarbyK", 2}}, {}, true, true},
        {"there and back", {{"rgPozicie", 0}, {"rgPozicie", 2}}, {}, true, false},
        {"language and environment", {{"rgJazyk", 1}}, {"cbxProstredie"}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.dialog.show();
        EXPECT_FALSE(f.dialog.settingsChanged());
        for (const auto& [group, index] : c.items)
            click(item(f.dialog, group, index));
        for (const char* box : c.boxes)
            click(find<QCheckBox>(f.dialog, box));
        if (c.ok)
            click(f.dialog.okButton());
        else
            click(f.dialog.cancelButton());
        EXPECT_FALSE(f.dialog.isVisible());
        EXPECT_EQ(f.dialog.result(), c.ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(f.dialog.settingsChanged(), c.changed);
    }
}

// A dialog made by a language file and never shown has no frame of its own yet; it opens
// where a dialog shown before opens, framed as the main window is.
TEST(SetupDialog, centresAlikeBeforeAndAfterItsFirstShowing)
{
    QWidget main;
    main.setGeometry(100, 100, 780, 546);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    const QRect mainFrame = main.frameGeometry();
    Tfrm_Setup dialog(&main);
    dialog.centreOn(main);
    const QPoint first = dialog.pos();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.hide();
    dialog.centreOn(main);
    EXPECT_EQ(dialog.pos(), first);
    const QRect frame = dialog.frameGeometry();
    EXPECT_EQ(frame.left(), mainFrame.left() + mainFrame.width() / 2 - frame.width() / 2);
    EXPECT_EQ(frame.top(), mainFrame.top() + mainFrame.height() / 2 - frame.height() / 2 + 8);
}

TEST(SetupDialog, centresOnTheMainWindow)
{
    Fixture f;
    QWidget main;
    main.setGeometry(100, 100, 800, 600); // never shown: no frame
    f.dialog.centreOn(main);
    EXPECT_EQ(f.dialog.pos(), QPoint(500 - 503 / 2, 400 - 351 / 2 + 8));
    main.setGeometry(-500, -500, 100, 100);
    f.dialog.centreOn(main);
    EXPECT_EQ(f.dialog.pos(), QPoint(10, 10));
    EXPECT_EQ(f.dialog.size(), QSize(503, 351));
    EXPECT_TRUE(f.dialog.okButton()->isDefault());
    auto* help = find<QPushButton>(f.dialog, "btnPomoc");
    EXPECT_FALSE(help->isVisibleTo(&f.dialog));
    EXPECT_FALSE(help->isEnabled());
}

// Clicks every enabled control at random; whatever the player does, OK stores a settings
// record that the configuration file takes back.
TEST(SetupDialog, neverProducesARecordTheFileWouldReject)
{
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 random(seed);
    Fixture f;
    f.dialog.show();
    QList<QAbstractButton*> buttons = f.dialog.findChildren<QAbstractButton*>();
    buttons.removeIf([](QAbstractButton* b) { return qobject_cast<QPushButton*>(b) != nullptr; });
    for (int round = 0; round < 40; ++round) {
        GameSettings s;
        f.dialog.fillSettingsDialog(s, round % 2 == 0);
        for (int k = 0; k < 12; ++k) {
            QAbstractButton* b = buttons[random() % buttons.size()];
            if (b->isEnabled())
                b->click();
        }
        test::ScriptedDialogs dialogs;
        dialogs.answers.push_back(true);
        struct : SetupTarget
        {
            void showHints(bool) override {}
            bool loadLanguage(int) override { return true; }
        } target;
        test::FakeSettings store;
        store.target = &s;
        confirmSetup(f.dialog.choice(), f.dialog.opening(), true, s, store, target, dialogs);
        const SettingsImage back = decodeSettings(encodeSettings(s), GameSettings{});
        EXPECT_TRUE(back.badWords.empty()) << "round " << round;
        EXPECT_FALSE(s.jokes);
        EXPECT_FALSE(s.randomArrangement && s.pieceColours == 1);
    }
    f.dialog.hide();
}

TEST(SetupDialog, languageFileSetsCaptionsHintsAndTheEnvironmentBoxWidth)
{
    Fixture f;
    ASSERT_TRUE(loadLanguage(f.dialog, 2));
    EXPECT_EQ(f.dialog.windowTitle(), "  Settings");
    EXPECT_EQ(f.dialog.pages()->tabText(0), "Game settings");
    EXPECT_EQ(find<QGroupBox>(f.dialog, "rgPozicie")->title(), "  Positions  ");
    EXPECT_EQ(item(f.dialog, "rgForma", 2)->text(), "Hardest");
    EXPECT_EQ(find<QCheckBox>(f.dialog, "cbxUI")->text(), "Artificial intelligence");
    EXPECT_EQ(find<QCheckBox>(f.dialog, "cbxNahodFlek")->text(), "Random arrangement");
    EXPECT_EQ(find<QCheckBox>(f.dialog, "cbxSrandicky")->text(), "Jokes");
    EXPECT_EQ(find<QCheckBox>(f.dialog, "cbxZnacRiad")->toolTip(), "Training only");
    EXPECT_EQ(find<QLabel>(f.dialog, "lblRekord")->text(), "Game record");
    auto* environment = find<QCheckBox>(f.dialog, "cbxProstredie");
    EXPECT_EQ(environment->width(), 8 * environment->text().size() + 2);
    EXPECT_EQ(find<QPushButton>(f.dialog, "btnPDF")->toolTip(), "Open the info file - Mirv_EN.pdf");
}

} // namespace
} // namespace mirvalon
