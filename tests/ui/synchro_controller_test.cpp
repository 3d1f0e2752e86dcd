// SPDX-License-Identifier: GPL-3.0-or-later
// What the window's synchronisation does around a merge: nothing without the shared folder,
// the records reloaded and the panel told after a merge, message 14 after one cut short, and
// the dialog's bar following the merge.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

#include "persistence/folders.h"
#include "persistence/record_slot.h"
#include "persistence/safe_file.h"
#include "support/fake_ports.h"
#include "ui/synchro_controller.h"

namespace mirvalon {
namespace {

namespace stdfs = std::filesystem;

class ControllerTest : public ::testing::Test
{
protected:
    ControllerTest()
    {
        char pattern[] = "/tmp/mirvalon-controller-XXXXXX";
        root = ::mkdtemp(pattern);
        data = root / "data";
        stdfs::create_directories(data);
        stdfs::create_directories(root / "var" / kVendorFolder / kDataFolderName);
    }
    ~ControllerTest() override { stdfs::remove_all(root); }

    stdfs::path root, data;
    PosixFileSystem fs;
    test::ScriptedDialogs dialogs;
};

TEST_F(ControllerTest, runsOnlyWithTheSharedFolderAndTellsThePanel)
{
    for (bool available : {false, true}) {
        ArchiveStore archive(fs, dialogs, data.string(), (root / "program").string());
        RecordsStore records(fs, dialogs, archive, data.string());
        SynchroController controller(fs, records, dialogs, data.string(), (root / "var").string(),
                                     available);
        int changed = 0;
        controller.setRecordsChanged([&] { ++changed; });
        EXPECT_EQ(controller.synchronise(0), available);
        EXPECT_EQ(changed, available ? 1 : 0);
        EXPECT_EQ(stdfs::exists(root / "var" / kVendorFolder / kDataFolderName / kRecordsFileName),
                  available);
        EXPECT_TRUE(dialogs.messages.empty());
    }
}

TEST_F(ControllerTest, aMergeCutShortIsToldWithMessage14)
{
    ArchiveStore archive(fs, dialogs, data.string(), (root / "program").string());
    RecordsStore records(fs, dialogs, archive, data.string());
    // Another player's better record of game 1 with its game waits in the shared folder.
    RecordsTable theirs = referenceRecords();
    theirs[0].points = 9500;
    std::string shared = *encodeRecordsFile(theirs);
    std::string sharedArchive(kArchiveFileSize, '\0');
    sharedArchive[0] = 1;
    encodeRecordSlot(theirs[0], sharedArchive, 1);
    const stdfs::path folder = root / "var" / kVendorFolder / kDataFolderName;
    ASSERT_TRUE(writeFileSafely(fs, (folder / kRecordsFileName).string(), shared));
    ASSERT_TRUE(writeFileSafely(fs, (folder / kArchiveFileName).string(), sharedArchive));
    // The player's own records file is marked read-only.
    const std::string mine = *encodeRecordsFile(referenceRecords());
    ASSERT_TRUE(writeFileSafely(fs, (data / kRecordsFileName).string(), mine));
    stdfs::permissions(data / kRecordsFileName, stdfs::perms::owner_read);

    SynchroController controller(fs, records, dialogs, data.string(), (root / "var").string(),
                                 true);
    EXPECT_FALSE(controller.synchronise(0));
    EXPECT_EQ(dialogs.messages, std::vector<int>{kSyncInterruptedMessage});
    EXPECT_EQ(records.entry(0).points, 8779);
}

TEST_F(ControllerTest, theDialogsBarFollowsTheMergeWhileItIsOpen)
{
    ArchiveStore archive(fs, dialogs, data.string(), (root / "program").string());
    RecordsStore records(fs, dialogs, archive, data.string());
    SynchroController controller(fs, records, dialogs, data.string(), (root / "var").string(),
                                 true);
    Tfrm_Synchro dialog(controller);
    bool openWhileRunning = false;
    QTimer::singleShot(0, &dialog, [&] {
        openWhileRunning = controller.dialogOpen();
        dialog.startButton()->click();
        dialog.closeButton()->click();
    });
    controller.runDialog(dialog, nullptr);
    EXPECT_TRUE(openWhileRunning);
    EXPECT_FALSE(controller.dialogOpen());
    EXPECT_EQ(dialog.progressBar()->value(), 100);
    EXPECT_TRUE(dialog.okLabel()->isVisibleTo(&dialog));
}

} // namespace
} // namespace mirvalon
