// SPDX-License-Identifier: GPL-3.0-or-later
// The print and picture commands of the main window's "File" menu, with the print dialog
// printing to a PDF file and the save dialog answered from a script.
#include <QAction>
#include <QLibraryInfo>
#include <QTest>
#include <gtest/gtest.h>

#include "pdf_file.h"
#include "ui/information_panel.h"
#include "ui/jpeg_image.h"
#include "window_rig.h"

namespace mirvalon::test {
namespace {

// Without the game's print library the print commands open no dialog and say that there is
// no printer, in the player's language.
TEST(OutputWindow, withoutThePrintLibraryPrintingSaysThereIsNoPrinter)
{
    TempDir out;
    const std::pair<std::string, const char*> cases[] = {
        {out.file("libmirvalon_print.so"), "missing"},
        {QLibraryInfo::path(QLibraryInfo::LibrariesPath).toStdString() + "/libQt6Test.so.6",
         "another library"},
    };
    for (const auto& [library, what] : cases) {
        SCOPED_TRACE(what);
        WindowRig rig([path = library](WindowRig& r) { r.options.printLibrary = path; });
        rig.output.pdfFile = q(out.file("board.pdf"));
        rig.window->menuItem("mm2Ang")->trigger();
        for (const char* item : {"mm2Prostredie", "mm2Informacie"})
            rig.window->menuItem(item)->trigger();
        EXPECT_EQ(rig.output.printDialogs, 0);
        EXPECT_EQ(rig.output.told,
                  QStringList(2, "There is no default printer currently selected."));
        EXPECT_FALSE(exists(out.file("board.pdf")));
    }
}

// A print that went to a file says where the file is, in the player's language, for the
// board and for the information text alike; the information printed is the language's own.
TEST(OutputWindow, printsTellWhereTheyWentAndTheInformationIsTheLanguagesOrClosesWhenMissing)
{
    WindowRig rig;
    Tfrm_Logic& w = *rig.window;
    TempDir out;
    QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier); // the dialog is cancelled
    EXPECT_EQ(rig.output.printDialogs, 1);
    // A printer that cannot print says so in the player's language, nothing else changes.
    rig.output.pdfFile = q(out.file("no such folder/board.pdf"));
    w.menuItem("mm2Prostredie")->trigger();
    EXPECT_EQ(rig.output.told, QStringList{"Tlačiareň nie je k dispozícii."});
    EXPECT_TRUE(listFolder(out.path()).empty());
    struct Case
    {
        const char* languageItem;
        const char* printItem; // none: Ctrl+P
        const char* told;      // before the file's name
        const char* printed;   // the information text's title; none for the board
    };
    const Case cases[] = {
        {"mm2Slo", nullptr, "Tlač bola uložená do súboru '", nullptr},
        {"mm2Ces", "mm2Informacie", "Tisk byl uložen do souboru '", "Mirv_SK.rtf"},
        {"mm2Ang", "mm2Informacie", "The print was saved to the file '", "Mirv_EN.rtf"},
        {"mm2Ang", "mm2Prostredie", "The print was saved to the file '", nullptr},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.languageItem) + " " + (c.printItem ? c.printItem : "Ctrl+P"));
        w.menuItem(c.languageItem)->trigger();
        rig.output.pdfFile = q(out.file("print" + std::to_string(++n) + ".pdf"));
        rig.output.told.clear();
        if (c.printItem)
            w.menuItem(c.printItem)->trigger();
        else
            QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
        const PdfFile pdf{rig.output.pdfFile};
        EXPECT_EQ(pdf.pages(), 1);
        if (c.printed) {
            EXPECT_TRUE(pdf.hasTitle(c.printed));
        }
        EXPECT_EQ(rig.output.told,
                  QStringList{QString::fromUtf8(c.told) + rig.output.pdfFile + "'."});
    }
    EXPECT_TRUE(rig.dialogs.messages.empty());
    rig.output.told.clear();

    // The English text goes missing while its panel is shown.
    QTest::keyClick(&w, Qt::Key_F1);
    ASSERT_TRUE(w.informationPanel()->isVisible());
    std::filesystem::remove(rig.program.file("Mirv_EN.rtf"));
    rig.output.pdfFile = q(out.file("missing.pdf"));
    w.menuItem("mm2Informacie")->trigger();
    // Message 6 (that it names the file is the records window's test) closes the panel.
    EXPECT_EQ(rig.dialogs.messages, std::vector<int>{6});
    EXPECT_FALSE(w.informationPanel()->isVisible());
    EXPECT_FALSE(w.menuItem("mm1Inform")->isChecked());
    EXPECT_FALSE(exists(out.file("missing.pdf")));
    EXPECT_TRUE(rig.output.told.isEmpty());
}

TEST(OutputWindow, savingAPictureLeavesTheBoardOnTheClipboardAndWritesAJpeg)
{
    WindowRig rig;
    Tfrm_Logic& w = *rig.window;
    std::filesystem::create_directories(rig.dataFile("Data"));
    // What a cancelled dialog leaves is the picture's own test; the name is the language's.
    w.menuItem("mm2Ang")->trigger();
    w.menuItem("mm1UlozAkoObr")->trigger();
    EXPECT_EQ(rig.output.proposed, QStringList{q(rig.dataFile("Data/_Picture"))});
    rig.output.chosen = q(rig.dataFile("Data/_Obrazok.jpg"));
    w.menuItem("mm1UlozAkoObr")->trigger();
    const QImage saved =
        decodeJpeg(QByteArray::fromStdString(readBytes(rig.dataFile("Data/_Obrazok.jpg"))));
    EXPECT_EQ(saved.size(), w.size());
    EXPECT_TRUE(rig.output.told.isEmpty());
}

} // namespace
} // namespace mirvalon::test
