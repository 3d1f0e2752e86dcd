// SPDX-License-Identifier: GPL-3.0-or-later
// share_account: what one account's copy of the game does with the shared records, without
// the window, for checking an installed game with real accounts.
//
//   share_account WRITER STORE DATA win N POINTS  a record of game N won in two rows, with its game
//   share_account WRITER STORE DATA sync          one synchronisation of all games
//   share_account WRITER STORE DATA points N      the account's points in game N
//   share_account WRITER STORE DATA forge N       hands the writer, past the game's own checks, a
//                                                 record of game N with more points than its rows
//                                                 and time allow
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

#include "persistence/archive_store.h"
#include "persistence/byte_order.h"
#include "persistence/record_slot.h"
#include "persistence/records_store.h"
#include "persistence/safe_file.h"
#include "support/won_images.h"
#include "sync/synchroniser.h"

namespace {

using namespace mirvalon;

int usage()
{
    std::fprintf(stderr, "usage: share_account WRITER STORE DATA win N POINTS | sync | "
                         "points N | forge N\n");
    return 2;
}

StoreImages readImages(FileSystem& fs, const std::string& data)
{
    const ReadResult records =
        fs.readFile(joinPath(data, kRecordsFileName), kRecordsFileSize, false);
    const ReadResult archive =
        fs.readFile(joinPath(data, kArchiveFileName), kArchiveFileSize, false);
    if (records.bytes.size() != kRecordsFileSize || archive.bytes.size() != kArchiveFileSize)
        return emptyStore();
    return {records.bytes, archive.bytes};
}

StoreImages withWonGame(StoreImages images, int number, int points)
{
    test::putWonGame(images, number, points, "Account");
    return images;
}

const char* nameOf(SyncResult result)
{
    switch (result) {
    case SyncResult::Done:
        return "done";
    case SyncResult::Busy:
        return "busy";
    case SyncResult::Unavailable:
        return "unavailable";
    case SyncResult::Interrupted:
        return "interrupted";
    }
    return "?";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5)
        return usage();
    const std::string writerPath = argv[1], store = argv[2], data = argv[3], verb = argv[4];
    const int number = argc > 5 ? std::atoi(argv[5]) : 0;
    if (verb != "sync" && (number < 1 || number > kGameCount))
        return usage();
    PosixFileSystem fs;
    ProcessStoreWriter writer(writerPath, store);
    ::mkdir(data.c_str(), 0700);
    if (verb == "win" && argc > 6) {
        const StoreImages images = withWonGame(readImages(fs, data), number, std::atoi(argv[6]));
        return commitFiles(fs, {{joinPath(data, kRecordsFileName), images.records},
                                {joinPath(data, kArchiveFileName), images.archive}})
                   ? 0
                   : 1;
    }
    if (verb == "sync") {
        Synchroniser synchroniser(fs, data, store, writer);
        const SyncResult result = synchroniser.synchronise(0, referenceRecords());
        std::printf("%s\n", nameOf(result));
        return result == SyncResult::Done ? 0 : 1;
    }
    if (verb == "points") {
        const auto table = decodeRecordsFile(readImages(fs, data).records);
        std::printf("%d\n", table ? (*table)[number - 1].points : -1);
        return 0;
    }
    if (verb == "forge") {
        StoreImages forged = withWonGame(emptyStore(), number, 9000);
        putLE16(forged.records, kRecordSlotSize * (number - 1) + 14, 9999);
        putLE16(forged.archive, kArchiveSlotSize * (number - 1) + 15, 9999);
        writer.submit(forged, 0);
        return 0;
    }
    return usage();
}
