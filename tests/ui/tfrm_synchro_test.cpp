// SPDX-License-Identifier: GPL-3.0-or-later
// The synchronisation dialog: its texts centred in the three languages, its place beside
// the main window and what "Štart" does.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

#include "support/fake_persistence.h"
#include "ui/application_look.h"
#include "ui/tfrm_synchro.h"

namespace mirvalon {
namespace {

class ScriptedDriver : public SynchroDriver
{
public:
    void startAll() override { ++runs; }
    int runs = 0;
};

int centreOf(const QWidget* w)
{
    return w->x() + w->width() / 2;
}

// Hands the dialog's entries of a language file to the dialog, as the window does.
class DialogTargets : public test::FakeLanguageTargets
{
public:
    explicit DialogTargets(Tfrm_Synchro& dialog) : m_dialog(dialog) {}
    void setDialogText(int kind, int group, int index, int, const std::string& text,
                       const std::optional<std::string>&) override
    {
        m_dialog.setLanguageText(kind, group, index, QString::fromStdString(text));
    }

private:
    Tfrm_Synchro& m_dialog;
};

TEST(SynchroDialog, textsStayCentredInEveryLanguage)
{
    prepareApplicationLook(); // the game's own font, as the program sets it
    for (int language : {0, 1, 2}) {
        SCOPED_TRACE(language);
        ScriptedDriver driver;
        Tfrm_Synchro dialog(driver);
        if (language != 0) {
            DialogTargets targets(dialog);
            ASSERT_TRUE(test::loadLanguageInto(targets, MIRVALON_SOURCE_DATA, language));
        }
        dialog.prepare(nullptr);
        // The file's texts reach the dialog.
        EXPECT_EQ(dialog.closeButton()->text() == "Close", language == 2);
        EXPECT_LE(std::abs(centreOf(dialog.intro()) - 126), 1);
        EXPECT_GE(dialog.intro()->x(), 2);
        EXPECT_LE(dialog.intro()->x() + dialog.intro()->width(), 243);
        for (int k = 0; k < 4; ++k) {
            const QLabel* line = dialog.textLine(k);
            EXPECT_FALSE(line->text().isEmpty());
            EXPECT_LE(std::abs(centreOf(line) - 113), 1) << k;
        }
        EXPECT_TRUE(dialog.closeButton()->isDefault());
    }
}

TEST(SynchroDialog, opensBesideTheMainWindowWithTheBarAtZero)
{
    struct Case
    {
        QPoint main;
        QPoint expected;
    };
    const Case cases[] = {
        {{300, 200}, {414, 346}},
        {{-200, -150}, {10, 10}},
        {{-104, 40}, {10, 186}},
    };
    ScriptedDriver driver;
    Tfrm_Synchro dialog(driver);
    QWidget main;
    main.resize(780, 500);
    for (const Case& c : cases) {
        main.move(c.main);
        dialog.setProgress(55);
        dialog.okLabel()->show();
        dialog.prepare(&main);
        EXPECT_EQ(dialog.pos(), c.expected);
        EXPECT_EQ(dialog.progressBar()->value(), 0);
        EXPECT_TRUE(dialog.okLabel()->isHidden());
        EXPECT_EQ(dialog.focusWidget(), dialog.startButton());
    }
}

TEST(SynchroDialog, startRunsTheSynchronisationAndShowsOk)
{
    for (bool success : {true, false}) {
        SCOPED_TRACE(success);
        ScriptedDriver driver;
        Tfrm_Synchro dialog(driver);
        dialog.prepare(nullptr);
        dialog.show();
        dialog.startButton()->click();
        EXPECT_EQ(driver.runs, 1);
        // The merge runs on; the bar follows it and "OK" waits for its end.
        dialog.setProgress(68);
        EXPECT_EQ(dialog.progressBar()->value(), 68);
        EXPECT_FALSE(dialog.okLabel()->isVisible());
        dialog.finished(success);
        EXPECT_TRUE(dialog.okLabel()->isVisible());
        EXPECT_EQ(dialog.focusWidget(), success ? dialog.closeButton() : dialog.startButton());
        dialog.closeButton()->click();
        EXPECT_EQ(dialog.result(), 1);
        EXPECT_FALSE(dialog.isVisible());
    }
}

} // namespace
} // namespace mirvalon
