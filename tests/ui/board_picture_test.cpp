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
        TempDir folder;
        PosixFileSystem fs;
        ScriptedOutputDialogs dialogs;
        dialogs.chosen = q(folder.file(c.chosen));
        EXPECT_EQ(saveBoardPicture({board(), 0, q(folder.path())}, fs, dialogs),
                  PictureResult::Saved);
        EXPECT_EQ(listFolder(folder.path()), std::vector<std::string>{c.written});
        const QByteArray bytes = QByteArray::fromStdString(readBytes(folder.file(c.written)));
        EXPECT_TRUE(bytes.startsWith(c.magic));
        // JPEG by the game's own reader.
        const QImage picture =
            c.magic.startsWith('\xFF') ? decodeJpeg(bytes) : QImage::fromData(bytes);
        ASSERT_EQ(picture.size(), board().size());
        EXPECT_LE(channelDifference(picture, board()).mean, c.tolerance);
        EXPECT_TRUE(dialogs.told.isEmpty());
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
        TempDir data;
        if (c.dataSubfolder)
            std::filesystem::create_directory(data.file("Data"));
        PosixFileSystem fs;
        ScriptedOutputDialogs dialogs;
        QApplication::clipboard()->clear();
        EXPECT_EQ(saveBoardPicture({board(), c.language, q(data.path())}, fs, dialogs),
                  PictureResult::Cancelled); // nothing chosen
        EXPECT_EQ(dialogs.proposed, QStringList{q(data.path()) + c.proposed});
        EXPECT_FALSE(QApplication::clipboard()->image().isNull()); // the board all the same
    }
}

TEST(BoardPicture, aNameThatTookJpgAsksBeforeReplacingAFileOfThatName)
{
    TempDir data;
    writeBytes(data.file("board.txt.jpg"), "old");
    PosixFileSystem fs;
    ScriptedOutputDialogs dialogs;
    dialogs.chosen = q(data.file("board.txt"));
    dialogs.answer = false;
    EXPECT_EQ(saveBoardPicture({board(), 2, q(data.path())}, fs, dialogs),
              PictureResult::Cancelled);
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_TRUE(dialogs.asked[0].contains("board.txt.jpg")) << dialogs.asked[0].toStdString();
    EXPECT_EQ(readBytes(data.file("board.txt.jpg")), "old");
    dialogs.answer = true;
    EXPECT_EQ(saveBoardPicture({board(), 2, q(data.path())}, fs, dialogs), PictureResult::Saved);
    EXPECT_FALSE(
        decodeJpeg(QByteArray::fromStdString(readBytes(data.file("board.txt.jpg")))).isNull());
    // A name the dialog itself showed was asked about there, not again.
    dialogs.chosen = q(data.file("board.txt.jpg"));
    saveBoardPicture({board(), 2, q(data.path())}, fs, dialogs);
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
        TempDir data;
        const std::string target = data.file("_Picture.jpg");
        writeBytes(target, "old picture");
        FaultyFileSystem fs;
        fs.failAt = c.failAt;
        if (c.readOnly)
            fs.readOnly.insert(target);
        ScriptedOutputDialogs dialogs;
        dialogs.chosen = q(target);
        QApplication::clipboard()->clear();
        EXPECT_EQ(saveBoardPicture({board(), c.language, q(data.path())}, fs, dialogs),
                  PictureResult::Failed);
        ASSERT_EQ(dialogs.told.size(), 1);
        EXPECT_TRUE(dialogs.told[0].startsWith(c.firstWord)) << dialogs.told[0].toStdString();
        EXPECT_TRUE(dialogs.told[0].contains(q(target)));
        EXPECT_EQ(readBytes(target), "old picture");
        EXPECT_EQ(listFolder(data.path()), std::vector<std::string>{"_Picture.jpg"});
        EXPECT_FALSE(QApplication::clipboard()->image().isNull());
    }
}

} // namespace
} // namespace mirvalon::test
