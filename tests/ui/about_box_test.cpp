// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: its lines in each language, and its icon.
#include <QLabel>
#include <gtest/gtest.h>

#include "ui/tfrm_about.h"

namespace mirvalon {
namespace {

// Our own lines follow the language; the link names the manual of the language and no web
// address is made up.
TEST(AboutBox, ourLinesInEachLanguage)
{
    Tfrm_About box;
    box.show();
    for (int language = 0; language < 3; ++language) {
        SCOPED_TRACE(language);
        box.setLanguage(language);
        for (int i = 0; i < Tfrm_About::kMarkLines; ++i)
            EXPECT_FALSE(box.markLine(i)->text().isEmpty()) << i;
        EXPECT_FALSE(box.linkLabel()->text().contains("http"));
    }
    EXPECT_EQ(box.copyLine(1)->text(), QStringLiteral("the Mirvalon authors")); // English, last
    // The game's icon is compiled into the program.
    EXPECT_FALSE(box.findChild<QLabel*>(QStringLiteral("imgIkona"))->pixmap().isNull());
}

} // namespace
} // namespace mirvalon
