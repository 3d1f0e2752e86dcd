// SPDX-License-Identifier: GPL-3.0-or-later
// The records list, the information panel, a new record through to a replay after a restart.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

#include "persistence/records_store.h"
#include "support/won_images.h"
#include "ui/information_panel.h"
#include "ui/records_panel.h"
#include "ui/synchro_controller.h"
#include "window_rig.h"

namespace mirvalon::test {
namespace {

TEST(RecordsWindow, listOpensOnTheCurrentGameAndReplaysAnArchivedRecord)
{
    WindowRig rig;
    Tfrm_Logic& w = *rig.window;
    QTest::keyClick(&w, Qt::Key_K, Qt::ControlModifier);
    RecordsPanel* panel = w.recordsPanel();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->selectedIndex(), 103);
    // The delivered archive holds the record game of game 1, "EASY".
    panel->selectRow(0);
    EXPECT_TRUE(w.control("btnArchiv")->isEnabled());
    QTest::keyClick(panel->list(), Qt::Key_A);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(rig.s().gameNumber, 1);
    // The board and score of a replay are the restart test's; here the other game and its
    // hidden row.
    EXPECT_TRUE(w.hiddenPiece(5)->isVisible());
    EXPECT_FALSE(w.palettePiece(1)->isVisible()); // no palette during a replay
    EXPECT_TRUE(rig.dialogs.messages.empty());

    // A row without an archived game: A and Delete do nothing; the button and the item say so.
    QTest::keyClick(&w, Qt::Key_K, Qt::ControlModifier);
    panel->selectRow(1);
    EXPECT_FALSE(w.control("btnArchiv")->isEnabled());
    QTest::keyClick(panel->list(), Qt::Key_Delete);
    EXPECT_TRUE(rig.dialogs.questions.empty());
    QTest::keyClick(&w, Qt::Key_F1); // one panel at a time: the list makes room for the text
    EXPECT_FALSE(panel->isVisible());
}

TEST(RecordsWindow, deleteAndCtrlDeleteAskAndClearTheList)
{
    WindowRig rig;
    Tfrm_Logic& w = *rig.window;
    QTest::keyClick(&w, Qt::Key_K, Qt::ControlModifier);
    RecordsPanel* panel = w.recordsPanel();
    panel->selectRow(191);
    rig.dialogs.answers = {true};
    QTest::keyClick(panel->list(), Qt::Key_Delete);
    EXPECT_EQ(rig.dialogs.questions, std::vector<int>{3});
    EXPECT_EQ(panel->list()->topLevelItem(191)->text(4), ""); // the row as the store keeps it now

    rig.dialogs.answers = {true};
    QTest::keyClick(panel->list(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(rig.dialogs.questions, (std::vector<int>{3, 4}));
    EXPECT_EQ(panel->list()->topLevelItem(0)->text(4), ""); // every row of the list, the first too
}

TEST(RecordsWindow, informationPanelByLanguageAndMissingFile)
{
    WindowRig rig;
    Tfrm_Logic& w = *rig.window;
    QTest::keyClick(&w, Qt::Key_F1);
    ASSERT_TRUE(w.informationPanel()->isVisible());
    EXPECT_EQ(w.focusWidget(), w.informationPanel()->textBox());
    EXPECT_EQ(w.informationPanel()->textBox()->textCursor().position(), 0); // at its top
    EXPECT_TRUE(w.informationPanel()->textBox()->toPlainText().contains("Hodnotenie riadku"));
    QTest::keyClick(&w, Qt::Key_F1);
    EXPECT_FALSE(w.informationPanel()->isVisible());

    w.menuItem("mm2Ang")->trigger();

    // A damaged information file shows what can be read of it; one that is not a file is
    // told once. Neither touches the settings.
    namespace fs = std::filesystem;
    const std::string file = rig.program.file("Mirv_EN.rtf");
    struct Case
    {
        const char* what;
        std::function<void()> damage;
        bool shown;
    };
    const Case cases[] = {
        {"not a text", [&] { writeBytes(file, std::string("\x89PNG\0\xff", 6)); }, true},
        {"a folder", [&] { fs::create_directory(file); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(file);
        c.damage();
        rig.dialogs.messages.clear();
        QTest::keyClick(&w, Qt::Key_F1);
        EXPECT_EQ(w.informationPanel()->isVisible(), c.shown);
        EXPECT_EQ(w.menuItem("mm1Inform")->isChecked(), c.shown);
        EXPECT_EQ(rig.dialogs.messages, c.shown ? std::vector<int>{} : std::vector<int>{6});
        if (!c.shown) {
            EXPECT_EQ(rig.dialogs.messageTexts.back(), "Mirv_EN.rtf");
        }
        EXPECT_EQ(rig.game().settings().language, 2);
        if (c.shown)
            QTest::keyClick(&w, Qt::Key_F1);
    }
}

TEST(RecordsWindow, aNewRecordIsKeptAndReplayableAfterARestart)
{
    WindowRig rig;
    RecordEntry won;
    {
        Tfrm_Logic& w = *rig.window;
        rig.nextHiddenRow({1, 2, 3, 4, 5, 6, 7});
        w.game().startComputerGame();
        for (int k = 1; k <= 7; ++k)
            WindowRig::doubleClick(w.palettePiece(k));
        rig.dialogs.answers = {true};
        rig.dialogs.recordName = "Zuzana";
        w.game().confirmRow();
        won = w.records().entry(103); // archived too, as the next start finds it
        EXPECT_EQ(w.statusPanel(13)->text(), "9700");
        rig.window.reset();
    }
    Tfrm_Logic again(rig.options);
    EXPECT_EQ(again.records().entry(103), won); // every field kept
    again.show();
    again.menuItem("mm1NajSkore")->trigger();
    again.recordsPanel()->selectRow(103);
    EXPECT_EQ(again.recordsPanel()->list()->topLevelItem(103)->text(5), "Zuzana    ");
    again.recordsPanel()->action("pm1Archiv")->trigger();
    EXPECT_TRUE(again.rowPiece(1, 7)->isVisible());
    EXPECT_EQ(again.rowPeg(1, 7)->colour(), QColor(Qt::black));
    EXPECT_EQ(again.statusPanel(11)->text(), "9700");
    EXPECT_EQ(again.statusPanel(13)->text(), "7451"); // the record it beat
}

// A merge that brings in a better record of the game on the board shows it in the open list
// and in the status bar's record panel at once.
TEST(RecordsWindow, aRecordBroughtInByAMergeShowsEverywhere)
{
    WindowRig rig([](WindowRig& r) {
        // The game the window opens on is 104 (seven places, 19 pieces, the usual rules).
        StoreImages store = emptyStore();
        putWonGame(store, 104, 9300, "Imported");
        const std::string folder = r.shared.path() + "/Orvex/Mirvalon.dat";
        std::filesystem::create_directories(folder);
        writeBytes(folder + "/Mirvalon.ldt", store.records);
        writeBytes(folder + "/Mirvalon.lar", store.archive);
    });
    Tfrm_Logic& w = *rig.window;
    ASSERT_EQ(rig.s().gameNumber, 104);
    EXPECT_EQ(w.statusPanel(13)->text(), "7451");
    QTest::keyClick(&w, Qt::Key_K, Qt::ControlModifier); // the list on view
    w.synchronisation().synchronise(0);
    w.synchronisation().waitUntilIdle();
    EXPECT_EQ(w.statusPanel(13)->text(), "9300");
    EXPECT_EQ(w.recordsPanel()->list()->topLevelItem(103)->text(6), "A");
}

// A damaged records file: the window opens and tells the player, once, where the damaged file
// was kept (which of its records are kept is the records file's test).
TEST(RecordsWindow, aDamagedRecordsFileIsToldWithItsKeptCopy)
{
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->text();
            box->accept();
            // What a window manager does when the box closes.
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<Tfrm_Logic*>(w))
                    w->activateWindow();
        }
    });
    closer.start(10);
    WindowRig rig([](WindowRig& r) {
        std::filesystem::create_directories(r.dataFile(""));
        writeBytes(r.dataFile("Mirvalon.ldt"),
                   encodeRecordsFile(referenceRecords())->substr(0, 6000));
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shown.empty(); }));
    EXPECT_FALSE(QTest::qWaitFor([&] { return shown.size() > 1; }, 100)); // told once only
    EXPECT_TRUE(shown[0].contains("Mirvalon.ldt.damaged-")) << shown[0].toStdString();
    EXPECT_TRUE(shown[0].startsWith("Upozornenie!")) << shown[0].toStdString();
    EXPECT_EQ(rig.window->game().state().gameNumber, 104);
}

} // namespace
} // namespace mirvalon::test
