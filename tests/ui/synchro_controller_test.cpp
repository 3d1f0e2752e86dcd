// SPDX-License-Identifier: GPL-3.0-or-later
// What the window's synchronisation does around a merge: nothing without the shared folder,
// the records reloaded and the panel told after a merge, message 14 after one cut short, the
// dialog's bar following the merge, and a window that stays free while the merge waits.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include "persistence/archive_store.h"
#include "persistence/folders.h"
#include "persistence/record_slot.h"
#include "persistence/safe_file.h"
#include "support/fake_persistence.h"
#include "support/fake_ports.h"
#include "support/won_images.h"
#include "ui/synchro_controller.h"

namespace mirvalon {
namespace {

namespace stdfs = std::filesystem;

constexpr const char* kWriter = MIRVALON_PROGRAM_DIR "/mirvalon-share";

// Images holding game `number` won with `points`.
StoreImages withWonGame(int number, int points)
{
    StoreImages images = emptyStore();
    test::putWonGame(images, number, points);
    return images;
}

class ControllerTest : public ::testing::Test
{
protected:
    ControllerTest()
    {
        stdfs::create_directories(data);
        stdfs::create_directories(store);
    }

    void put(const stdfs::path& folder, const StoreImages& images)
    {
        ASSERT_TRUE(writeFileSafely(fs, (folder / kRecordsFileName).string(), images.records));
        ASSERT_TRUE(writeFileSafely(fs, (folder / kArchiveFileName).string(), images.archive));
    }
    std::unique_ptr<SynchroController> controller(bool available = true)
    {
        return std::make_unique<SynchroController>(fs, records, dialogs, data.string(),
                                                   store.string(), kWriter, available);
    }

    test::TempDir folder;
    stdfs::path root = folder.path();
    stdfs::path data = root / "data";
    stdfs::path store = root / "var" / kVendorFolder / kDataFolderName;
    PosixFileSystem fs;
    test::ScriptedDialogs dialogs;
    // The player's records, with the delivered record games in the program folder.
    ArchiveStore archive{fs, dialogs, data.string(), (root / "program").string()};
    RecordsStore records{fs, dialogs, archive, data.string()};
};

TEST_F(ControllerTest, runsOnlyWithTheSharedFolderAndTellsThePanel)
{
    put(data, withWonGame(4, 8000));
    for (bool available : {false, true}) {
        const auto sync = controller(available);
        int changed = 0;
        sync->setRecordsChanged([&] { ++changed; });
        sync->synchronise(0);
        EXPECT_EQ(sync->running(), available);
        sync->waitUntilIdle();
        EXPECT_EQ(changed, available ? 1 : 0);
        EXPECT_EQ(stdfs::exists(store / kRecordsFileName), available);
        EXPECT_TRUE(dialogs.messages.empty());
    }
}

// Synchronising at start comes before the first frame: the delivered record games go into
// the player's new archive before the merge reads it.
TEST_F(ControllerTest, aFreshInstallationsDeliveredGamesGoInBeforeTheMerge)
{
    const stdfs::path program = root / "program";
    const StoreImages delivered = withWonGame(3, 7000);
    stdfs::create_directories(program);
    ASSERT_TRUE(writeFileSafely(fs, (program / kDeliveredArchiveName).string(), delivered.archive));
    ASSERT_TRUE(writeFileSafely(fs, (data / kRecordsFileName).string(), delivered.records));
    records.loadRecords();
    const auto sync = controller();
    sync->synchronise(0);
    sync->waitUntilIdle();
    EXPECT_TRUE(records.entry(2).archived);
    EXPECT_EQ(test::readBytes((data / kArchiveFileName).string()), delivered.archive);
}

// The dialog's bar follows the merge while it is open; a merge cut short is told with message
// 14, leaves the player's records as they were and the focus on Start for another try.
TEST_F(ControllerTest, theDialogFollowsTheMergeAndAMergeCutShortIsToldWithMessage14)
{
    for (bool cutShort : {false, true}) {
        SCOPED_TRACE(cutShort);
        if (cutShort) {
            // Another player's better record of game 1 with its game waits in the store; the
            // player's own records file is marked read-only.
            put(store, withWonGame(1, 9000));
            put(data, emptyStore());
            stdfs::permissions(data / kRecordsFileName, stdfs::perms::owner_read);
        }
        const auto sync = controller();
        Tfrm_Synchro dialog(*sync);
        bool openWhileRunning = false;
        QWidget* focus = nullptr;
        QTimer::singleShot(0, &dialog, [&] {
            openWhileRunning = sync->dialogOpen();
            dialog.startButton()->click();
            EXPECT_FALSE(dialog.okLabel()->isVisible()); // "OK" waits for the merge's end
            sync->waitUntilIdle();
            focus = dialog.focusWidget();
            dialog.closeButton()->click();
        });
        sync->runDialog(dialog, nullptr);
        EXPECT_TRUE(openWhileRunning);
        EXPECT_FALSE(sync->dialogOpen());
        EXPECT_EQ(dialog.result(), 1);
        EXPECT_TRUE(dialog.okLabel()->isVisibleTo(&dialog));
        EXPECT_EQ(focus, cutShort ? dialog.startButton() : dialog.closeButton());
        EXPECT_EQ(dialogs.messages,
                  cutShort ? std::vector<int>{kSyncInterruptedMessage} : std::vector<int>{});
        if (!cutShort) {
            EXPECT_EQ(dialog.progressBar()->value(), 100);
        }
    }
    EXPECT_EQ(records.entry(0).points, 8779);
}

// Another copy holds the store's lock: the request returns at once and the merge goes on
// beside the window; a new record asked for meanwhile follows it; the window then loads what
// the merge brought in.
TEST_F(ControllerTest, aMergeWaitingForTheStoreLeavesTheWindowFree)
{
    put(store, withWonGame(2, 9000));
    ASSERT_TRUE(writeFileSafely(fs, (store / kStoreLockName).string(), ""));
    put(data, withWonGame(3, 8000));
    const int held = ::open((store / kStoreLockName).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    records.loadRecords();
    const auto sync = controller();
    sync->synchronise(3); // the player's record of game 3 goes out, through the store's lock
    sync->synchronise(2); // asked meanwhile: the store's record of game 2 comes in after it
    // The window's own events go on while the writer waits for the lock.
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(50);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks > 3; }));
    EXPECT_TRUE(sync->running());
    EXPECT_EQ(records.entry(1).points, 0); // nothing is loaded before the merge ends
    ::close(held);
    sync->waitUntilIdle();
    EXPECT_FALSE(sync->running());
    EXPECT_EQ(records.entry(1).points, 9000); // with its game: the merge's and the loader's test
    const std::string stored = test::readBytes((store / kRecordsFileName).string());
    ASSERT_EQ(stored.size(), kRecordsFileSize);
    EXPECT_EQ(decodeRecordSlot(stored, kRecordSlotSize * 2).points, 8000);
}

} // namespace
} // namespace mirvalon
