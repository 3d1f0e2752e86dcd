// SPDX-License-Identifier: GPL-3.0-or-later
// The menus as a player uses them: the option and view toggles with their check marks, the
// environment pictures, the game type on F4, the languages at run time, the help items and
// the items that do nothing.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <filesystem>

#include "ui/information_panel.h"
#include "ui/tfrm_about.h"
#include "ui/tfrm_heslo.h"
#include "ui/tfrm_rekord.h"
#include "ui/tfrm_setup.h"
#include "ui/tfrm_synchro.h"
#include "window_rig.h"

namespace mirvalon::test {
namespace {

TEST(MenusWindow, eachToggleFlipsItsSettingAndItsCheckMark)
{
    const std::pair<const char*, bool GameSettings::*> cases[] = {
        {"mm1KCas", &GameSettings::showTotalTime},   {"mm1AutoUloz", &GameSettings::autoSave},
        {"mm1UpozExit", &GameSettings::exitWarning}, {"mm2Info", &GameSettings::showInfo},
        {"mm2Cas", &GameSettings::showTime},         {"mm2Skore", &GameSettings::showScore},
    };
    WindowRig rig;
    for (const auto& [name, setting] : cases) {
        SCOPED_TRACE(name);
        QAction* item = rig.window->menuItem(name);
        const bool before = rig.game().settings().*setting;
        EXPECT_EQ(item->isChecked(), before);
        for (bool expected : {!before, before}) {
            item->trigger();
            EXPECT_EQ(rig.game().settings().*setting, expected);
            EXPECT_EQ(item->isChecked(), expected);
        }
    }
}

TEST(MenusWindow, environmentItemsAndClicksOnThePicture)
{
    WindowRig rig;
    Tfrm_Logic& w = *rig.window;
    const char* const pictures[4] = {"imgText1", "imgText2", "imgFoto1", "imgFoto2"};
    auto picture = [&](int i) { return w.findChild<QLabel*>(pictures[i]); };
    ASSERT_EQ(rig.game().settings().environment, 2);
    ASSERT_TRUE(picture(2)) << "the environment pictures have other names";
    // A click asks the game for the next picture (its rule); the mark and the picture follow.
    WindowRig::send(picture(2), QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
    EXPECT_EQ(rig.game().settings().environment, 3);
    EXPECT_TRUE(w.menuItem("mm2Foto2")->isChecked());
    EXPECT_TRUE(picture(3)->isVisible());
    EXPECT_FALSE(picture(2)->isVisible());
    // The right button shows the best scores, as Ctrl+K does; that the item hides them again
    // is the panels' rule.
    const int shown = rig.game().settings().environment;
    WindowRig::send(picture(shown), QEvent::MouseButtonPress, {10, 10}, Qt::RightButton);
    EXPECT_TRUE(w.menuItem("mm1NajSkore")->isChecked());
    EXPECT_EQ(rig.game().settings().environment, shown);
}

// F4 moves to the item of the other type: a key on both items would reach neither.
TEST(MenusWindow, f4AlwaysSwitchesToTheOtherGameType)
{
    WindowRig rig;
    ASSERT_EQ(rig.game().settings().gameType, Classic);
    QTest::keyClick(rig.window.get(), Qt::Key_F4);
    EXPECT_EQ(rig.game().settings().gameType, Training);
    QTest::keyClick(rig.window.get(), Qt::Key_F4);
    EXPECT_EQ(rig.game().settings().gameType, Classic);
}

TEST(MenusWindow, languagesSwitchEveryWindowAtRunTimeAndBack)
{
    struct Case
    {
        const char* item;
        int language;
        const char* file;    // first top-level menu
        const char* about;   // caption of the about box
        const char* version; // lblVerzia
        const char* storno;  // the password, new-record and settings dialogs
        const char* qtOpen;  // Qt's own dialogs
    };
    // English between the others: Qt's translation of the language before goes.
    const Case cases[] = {
        {"mm2Ces", 1, "Soubor", "  O programu Mirvalon", "Verze  1.7", "Storno", "&Otevřít"},
        {"mm2Ang", 2, "File", "  About Mirvalon", "Version  1.7", "Cancel", "&Open"},
        {"mm2Slo", 0, "Súbor", "  O programe Mirvalon", "Verzia  1.7", "Storno", "&Otvoriť"},
    };
    WindowRig rig;
    Tfrm_Logic& w = *rig.window;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        w.menuItem(c.item)->trigger(); // its mark is the settings' rule
        EXPECT_EQ(w.menuBar()->actions().first()->text(), QString::fromUtf8(c.file));
        EXPECT_EQ(w.aboutBox()->windowTitle(), QString::fromUtf8(c.about));
        EXPECT_EQ(w.aboutBox()->versionLabel()->text(), QString::fromUtf8(c.version));
        EXPECT_EQ(w.passwordDialog()->cancelButton()->text(), QString::fromUtf8(c.storno));
        EXPECT_EQ(w.newRecordDialog()->cancelButton()->text(), QString::fromUtf8(c.storno));
        EXPECT_EQ(w.settingsDialog()->cancelButton()->text(), QString::fromUtf8(c.storno));
        EXPECT_EQ(w.synchroDialog()->closeButton()->text() == "Close", c.language == 2);
        // Our own lines of the about box follow too.
        EXPECT_TRUE(
            w.aboutBox()->linkLabel()->text().contains(c.language == 2 ? "Mirv_EN" : "Mirv_SK"));
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open").toStdString(), c.qtOpen);
    }
}

// Which file each language opens is the documents' rule; the item reaches it.
TEST(MenusWindow, theManualItemOpensTheManualOrSaysItIsMissing)
{
    WindowRig rig;
    Tfrm_Logic& w = *rig.window;
    w.menuItem("mm2Ang")->trigger();
    const std::string path = rig.program.file("Mirv_EN.pdf");
    writeBytes(path, "document");
    w.menuItem("mm1Strom")->trigger();
    EXPECT_EQ(rig.opener.opened, std::vector<std::string>{path});
    EXPECT_TRUE(rig.dialogs.messages.empty());
    std::filesystem::remove(path);
    w.menuItem("mm1Strom")->trigger();
    EXPECT_EQ(rig.opener.opened.size(), 1u);
    EXPECT_EQ(rig.dialogs.messages, std::vector<int>{13});
}

// The reference text is plain text: the game shows it in its own information panel, in the
// language in use, and needs no program of the desktop for it.
TEST(MenusWindow, theReferenceTextShowsInTheInformationPanel)
{
    WindowRig rig;
    Tfrm_Logic& w = *rig.window;
    rig.opener.viewerInstalled = false;
    const auto shown = [&] { return w.informationPanel()->textBox()->toPlainText(); };
    w.menuItem("mm1Refer")->trigger();
    ASSERT_TRUE(w.informationPanel()->isVisible());
    EXPECT_TRUE(shown().startsWith(QString::fromUtf8("MIRVALON - REFERENČNÁ PRÍRUČKA")));
    EXPECT_EQ(w.informationPanel()->textBox()->textCursor().position(), 0);
    // Its own line breaks and columns are kept.
    EXPECT_EQ(w.informationPanel()->textBox()->lineWrapMode(), QTextEdit::NoWrap);
    // A language change shows the reference text of the new language.
    w.menuItem("mm2Ang")->trigger();
    EXPECT_TRUE(shown().startsWith("MIRVALON - REFERENCE MANUAL"));
    EXPECT_TRUE(rig.opener.opened.empty());
    EXPECT_TRUE(rig.dialogs.messages.empty());

    // F1 shows the information text in its place; a missing reference text is message 18.
    QTest::keyClick(&w, Qt::Key_F1);
    QTest::keyClick(&w, Qt::Key_F1);
    EXPECT_FALSE(shown().startsWith("MIRVALON - REFERENCE"));
    std::filesystem::remove(rig.program.file("Quick_EN.txt"));
    w.menuItem("mm1Refer")->trigger();
    EXPECT_EQ(rig.dialogs.messages, std::vector<int>{18});
    EXPECT_TRUE(rig.opener.opened.empty());
}

TEST(MenusWindow, aboutBoxOpensOverTheWindowAndItsLinkOpensTheManual)
{
    WindowRig rig;
    Tfrm_Logic& w = *rig.window;
    writeBytes(rig.program.file("Mirv_SK.pdf"), "manual");
    bool shown = false;
    QTimer::singleShot(0, &w, [&] {
        Tfrm_About* box = w.aboutBox();
        shown = box->isVisible();
        EXPECT_LE((box->frameGeometry().center() - w.frameGeometry().center()).manhattanLength(),
                  40);
        QTest::mouseClick(box->linkLabel(), Qt::RightButton); // only the left button opens it
        QTest::mouseClick(box->linkLabel(), Qt::LeftButton);
        box->okButton()->click();
    });
    w.menuItem("mm1Oprograme")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(w.aboutBox()->isVisible());
    EXPECT_EQ(rig.opener.opened, std::vector<std::string>{rig.program.file("Mirv_SK.pdf")});
}

} // namespace
} // namespace mirvalon::test
