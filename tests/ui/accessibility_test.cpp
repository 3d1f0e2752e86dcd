// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds: a name for everything the player can act on in every window and
// language, and the board read as a table whose places and answers follow the game.
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleTableInterface>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <regex>

#include "ui/board_accessibility.h"
#include "ui/palette_focus.h"
#include "ui/tfrm_about.h"
#include "ui/tfrm_heslo.h"
#include "ui/tfrm_rekord.h"
#include "ui/tfrm_rozbor.h"
#include "ui/tfrm_setup.h"
#include "ui/tfrm_synchro.h"
#include "window_rig.h"

namespace mirvalon::test {
namespace {

bool interactive(QAccessibleInterface* iface)
{
    static const QSet<QAccessible::Role> kActing = {
        QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::SpinBox,
        QAccessible::MenuItem,   QAccessible::PageTab,      QAccessible::ListItem,
        QAccessible::Cell,       QAccessible::RowHeader,    QAccessible::Link};
    if (kActing.contains(iface->role()))
        return true;
    QAccessibleActionInterface* actions = iface->actionInterface();
    if (!actions)
        return false;
    QStringList names = actions->actionNames();
    names.removeAll(QAccessibleActionInterface::setFocusAction()); // every widget can take it
    return !names.isEmpty();
}

// Everything below `iface` the player can act on but a reader could not name. The items of a
// list of records are data, read under their column's title.
void unnamed(QAccessibleInterface* iface, QStringList& found, int depth = 0)
{
    ASSERT_LT(depth, 40) << "the tree loops";
    if (interactive(iface) && !iface->state().invisible &&
        iface->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* o = iface->object();
        found << QStringLiteral("%1 (role %2)")
                     .arg(o ? o->objectName() : QStringLiteral("virtual"))
                     .arg(int(iface->role()));
    }
    if (qobject_cast<QAbstractItemView*>(iface->object()))
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface* child = iface->child(i))
            unnamed(child, found, depth + 1);
}

QAccessibleInterface* reader(QObject* o)
{
    return QAccessible::queryAccessibleInterface(o);
}

// A reader presses a button as a click that is seen before it happens.
void press(QWidget* button)
{
    QSignalSpy clicked(static_cast<QPushButton*>(button), &QPushButton::clicked);
    reader(button)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(clicked.wait(2000)) << button->objectName().toStdString();
}

TEST(Accessibility, everythingThePlayerCanActOnHasANameInEachLanguage)
{
    WindowRig rig;
    Tfrm_Logic& w = *rig.window;
    w.menuItem("mm2NovaP")->trigger(); // the board's rows and pieces are there to be read
    for (const char* language : {"mm2Slo", "mm2Ces", "mm2Ang"}) {
        SCOPED_TRACE(language);
        w.menuItem(language)->trigger();
        const QList<QWidget*> windows = {
            &w,           w.settingsDialog(), w.passwordDialog(), w.newRecordDialog(),
            w.aboutBox(), w.synchroDialog(),  w.reviewDialog()};
        for (QWidget* window : windows) {
            // A hidden window reads as invisible all through: each is looked at shown.
            window->show();
            QStringList found;
            unnamed(reader(window), found);
            if (window != &w)
                window->hide();
            EXPECT_TRUE(found.isEmpty())
                << window->objectName().toStdString() << ": " << found.join(", ").toStdString();
        }
    }
}

TEST(Accessibility, theBoardIsReadAsATableAndEachAnswerIsSpoken)
{
    // The usual rules: coloured pieces, read by their colours, each once, blocking allowed.
    WindowRig rig(GameSettings{.positions = 5, .pieceCount = 11});
    Tfrm_Logic& w = *rig.window;
    QWidget* palette = w.control("pnlKocky");
    auto pressPieces = [&](std::initializer_list<int> pieces) {
        for (int piece : pieces)
            reader(palette)->child(piece - 1)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
    };
    QAccessibleTableInterface* table = reader(w.control("pnlPrac"))->tableInterface();
    ASSERT_NE(table, nullptr);
    auto cell = [&](int row, int column) {
        return table->cellAt(row, column)->text(QAccessible::Name).toStdString();
    };

    struct Case
    {
        const char* language;
        const char* red;          // piece 8
        const char* firstRow;     // its header while it is open
        const char* covered;      // a place of the hidden row during the game
        const char* answer;       // 2 hits and 1 miss
        const char* spoken;       // the same, as it is said when the row is confirmed
        const char* none;         // nothing hidden
        const char* win;          // 5 hits
        const char* blockedBlack; // piece 1 blocked
    };
    const Case cases[] = {
        {"mm2Slo", "červená", "Riadok 1, aktuálny", "zakrytá", "2 zásahy, 1 mimo",
         "Riadok 1: 2 zásahy, 1 mimo", "0 zásahov, 0 mimo", "5 zásahov, 0 mimo",
         "čierna, blokovaná"},
        {"mm2Ang", "red", "Row 1, current", "covered", "2 hits, 1 miss", "Row 1: 2 hits, 1 miss",
         "0 hits, 0 misses", "5 hits, 0 misses", "black, blocked"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        w.menuItem(c.language)->trigger();
        // The second player hides red, black, blue, yellow and light green.
        w.menuItem("mm2NovaH")->trigger();
        pressPieces({8, 1, 4, 10, 2});
        EXPECT_EQ(cell(0, 1), c.red);
        rig.dialogs.passwordAnswers = {std::pair<std::string, std::string>{"", ""}};
        press(w.control("btnPotvrd"));
        ASSERT_TRUE(rig.s().inProgress);
        EXPECT_EQ(cell(0, 1), c.covered);
        EXPECT_EQ(cell(1, 0), c.firstRow);

        // Red and black in place, blue out of place, purple and salmon not hidden.
        pressPieces({8, 1, 3, 4, 5});
        EXPECT_EQ(cell(1, 1), c.red);
        // A place of the open row can be pressed to take its piece back, and placed again.
        table->cellAt(1, 5)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(rig.s().editCount, 4);
        pressPieces({5});
        press(w.control("btnOk"));
        EXPECT_EQ(cell(1, 6), c.answer);
        EXPECT_EQ(w.accessibility()->announcement().toStdString(), c.spoken);
        EXPECT_EQ(table->rowDescription(1).toStdString(), cell(1, 0));

        // The notes are the last child of the client area, and say what was said.
        QAccessibleInterface* client = reader(w.centralWidget());
        QAccessibleInterface* notes = client->child(client->childCount() - 1);
        EXPECT_EQ(notes->text(QAccessible::Name).toStdString(), c.spoken);
        EXPECT_EQ(client->indexOfChild(notes), client->childCount() - 1);

        // A blocked piece says so; the winning row ends the game and shows the hidden row.
        rig.game().toggleBlock(1);
        EXPECT_EQ(reader(palette)->child(0)->text(QAccessible::Name).toStdString(), c.blockedBlack);
        EXPECT_TRUE(reader(palette)->child(0)->state().disabled);
        rig.game().toggleBlock(1);
        pressPieces({3, 5, 6, 7, 9});
        press(w.control("btnOk"));
        EXPECT_EQ(cell(2, 6), c.none);
        pressPieces({8, 1, 4, 10, 2});
        press(w.control("btnOk"));
        EXPECT_EQ(cell(3, 6), c.win);
        EXPECT_FALSE(rig.s().inProgress);
        EXPECT_EQ(cell(0, 1), c.red);
    }

    // The keys' focus on the palette is the list's focused piece.
    w.menuItem("mm2NovaP")->trigger();
    palette->setFocus();
    QTest::keyClick(palette, Qt::Key_Right);
    QAccessibleInterface* focused = reader(palette)->focusChild();
    ASSERT_NE(focused, nullptr);
    EXPECT_TRUE(focused->state().focused);
    EXPECT_EQ(reader(palette)->indexOfChild(focused) + 1,
              w.findChild<PaletteFocus*>()->focusedPiece());
}

TEST(Accessibility, anOlderLanguageFileLeavesTheReaderInSlovakNotInTheLastLanguage)
{
    // A Czech file from before the reader's words: their entries blank, as good as missing.
    WindowRig rig([](WindowRig& r) {
        const std::string file = r.program.path() + "/Mirv_CZ.lng";
        const std::string bytes = readBytes(file);
        const std::string older =
            std::regex_replace(bytes, std::regex("(\n<E\\w+ )\"[^\"\n]*\""), "$1\"\"");
        ASSERT_LT(older.size(), bytes.size());
        writeBytes(file, older);
    });
    Tfrm_Logic& w = *rig.window;
    w.menuItem("mm2NovaP")->trigger();
    QAccessibleTableInterface* table = reader(w.control("pnlPrac"))->tableInterface();
    w.menuItem("mm2Ang")->trigger();
    EXPECT_EQ(table->cellAt(1, 0)->text(QAccessible::Name), "Row 1, current");
    w.menuItem("mm2Ces")->trigger();
    EXPECT_EQ(w.statusPanel(0)->text(), QString::fromUtf8(" Číslo hry:")); // the file was read
    EXPECT_EQ(table->cellAt(1, 0)->text(QAccessible::Name), "Riadok 1, aktuálny");
}

} // namespace
} // namespace mirvalon::test
