// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the board as a picture: the format follows the chosen name, the clipboard keeps the
// board whatever happens, and a file that cannot be written is told and leaves nothing behind.
#include <QApplication>
#include <QClipboard>
#include <filesystem>
#include <gtest/gtest.h>

#include "picture_compare.h"
#include "scripted_output_dialogs.h"
#include "support/fake_persistence.h"
#include "ui/board_picture.h"
#include "ui/jpeg_image.h"
#include "window_rig.h"

namespace mirvalon::test {
namespace {

// The board as the player sees it: the real window, grabbed once for every test here.
const QImage& board()
{
    static const QImage image = [] {
        WindowRig rig;
        return rig.window->grab().toImage();
    }();
    return image;
}

// The board saved into a fresh data folder, through dialogs answered from a script and a file
// system that fails only where a test says.
struct Save
{
    TempDir data;
    FaultyFileSystem fs;
    ScriptedOutputDialogs dialogs;
    PictureResult operator()(int language)
    {
        return saveBoardPicture({board(), language, q(data.path())}, fs, dialogs);
    }
};

TEST(BoardPicture, writesTheFormatTheChosenNameSays)
{
    struct Case
    {
        const char* chosen;
        const char* written;
        QByteArray magic;
        double tolerance; // mean channel difference to the board; JPEG loses a little
    };
    const Case cases[] = {
        {"_Obrazok.jpg", "_Obrazok.jpg", "\xFF\xD8\xFF", 2.0},
        {"board.JPEG", "board.JPEG", "\xFF\xD8\xFF", 2.0},
        {"board.png", "board.png", "\x89PNG", 0},
        {"board.bmp", "board.bmp", "BM", 0},
        {"board.txt", "board.txt.jpg", "\xFF\xD8\xFF", 2.0},
        {"board", "board.jpg", "\xFF\xD8\xFF", 2.0},
    };
    ASSERT_FALSE(board().isNull());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        Save save;
        save.dialogs.chosen = q(save.data.file(c.chosen));
        EXPECT_EQ(save(0), PictureResult::Saved);
        EXPECT_EQ(listFolder(save.data.path()), std::vector<std::string>{c.written});
        const QByteArray bytes = QByteArray::fromStdString(readBytes(save.data.file(c.written)));
        EXPECT_TRUE(bytes.startsWith(c.magic));
        // JPEG by the game's own reader.
        const QImage picture =
            c.magic.startsWith('\xFF') ? decodeJpeg(bytes) : QImage::fromData(bytes);
        ASSERT_EQ(picture.size(), board().size());
        EXPECT_LE(channelDifference(picture, board()).mean, c.tolerance);
        EXPECT_TRUE(save.dialogs.told.isEmpty());
    }
}

TEST(BoardPicture, proposesTheNameOfTheLanguageInTheDataFoldersDataFolder)
{
    struct Case
    {
        int language;
        bool dataSubfolder;
        const char* proposed; // below the data folder
    };
    const Case cases[] = {
        {0, true, "/Data/_Obrazok"},
        {1, true, "/Data/_Obrazek"},
        {2, false, "/_Picture"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.proposed);
        Save save;
        if (c.dataSubfolder)
            std::filesystem::create_directory(save.data.file("Data"));
        QApplication::clipboard()->clear();
        EXPECT_EQ(save(c.language), PictureResult::Cancelled); // nothing chosen
        EXPECT_EQ(save.dialogs.proposed, QStringList{q(save.data.path()) + c.proposed});
        EXPECT_FALSE(QApplication::clipboard()->image().isNull()); // the board all the same
    }
}

TEST(BoardPicture, aNameThatTookJpgAsksBeforeReplacingAFileOfThatName)
{
    Save save;
    ScriptedOutputDialogs& dialogs = save.dialogs;
    const std::string file = save.data.file("board.txt.jpg");
    writeBytes(file, "old");
    dialogs.chosen = q(save.data.file("board.txt"));
    dialogs.answer = false;
    EXPECT_EQ(save(2), PictureResult::Cancelled);
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_TRUE(dialogs.asked[0].contains("board.txt.jpg")) << dialogs.asked[0].toStdString();
    EXPECT_EQ(readBytes(file), "old");
    dialogs.answer = true;
    EXPECT_EQ(save(2), PictureResult::Saved);
    EXPECT_FALSE(decodeJpeg(QByteArray::fromStdString(readBytes(file))).isNull());
    // A name the dialog itself showed was asked about there, not again.
    dialogs.chosen = q(file);
    save(2);
    EXPECT_EQ(dialogs.asked.size(), 2);
}

TEST(BoardPicture, aFileThatCannotBeWrittenIsToldAndLeavesTheOldFileWhole)
{
    struct Case
    {
        WriteStep failAt;
        bool readOnly;
        int language;
        const char* firstWord;
    };
    // Which step of the safe write fails is the files layer's table; a failed write and a
    // file that may not be replaced are told alike.
    const Case cases[] = {
        {WriteStep::Rename, false, 1, "Upozornění!"},
        {WriteStep::None, true, 2, "Warning!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstWord);
        Save save;
        const std::string target = save.data.file("_Picture.jpg");
        writeBytes(target, "old picture");
        save.fs.failAt = c.failAt;
        if (c.readOnly)
            save.fs.readOnly.insert(target);
        save.dialogs.chosen = q(target);
        QApplication::clipboard()->clear();
        EXPECT_EQ(save(c.language), PictureResult::Failed);
        const QStringList& told = save.dialogs.told;
        ASSERT_EQ(told.size(), 1);
        EXPECT_TRUE(told[0].startsWith(c.firstWord)) << told[0].toStdString();
        EXPECT_TRUE(told[0].contains(q(target)));
        EXPECT_EQ(readBytes(target), "old picture");
        EXPECT_EQ(listFolder(save.data.path()), std::vector<std::string>{"_Picture.jpg"});
        EXPECT_FALSE(QApplication::clipboard()->image().isNull());
    }
}

} // namespace
} // namespace mirvalon::test
