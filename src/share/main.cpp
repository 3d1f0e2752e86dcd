// SPDX-License-Identifier: GPL-3.0-or-later
// mirvalon-share: the one program that writes the records shared by the accounts of this
// computer. Installed setgid games, it opens the store the package made, gives the group up,
// reads the player's records file and archive on standard input, and under the store's lock
// writes in place the games whose record, proven by its replayed game, beats the stored one.
//
//   mirvalon-share [--store FOLDER] [--game N] [--from FOLDER] < records archive
//
// --store names the store; run with the group, only the installed store is accepted.
// --game  merges only game N (1..192); all games by default.
// --from  (not with the group) offers the records of an old store folder instead of the
//         standard input; the package uses it when it takes over an older layout.
// An empty standard input offers nothing and only repairs a store file of the wrong size.
//
// Exit status: 0 done, 2 refused, 3 busy, 4 store unavailable, 5 bad input, 6 write failed.
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "persistence/archive_store.h"
#include "persistence/file_system.h"
#include "persistence/folder_file_system.h"
#include "persistence/folders.h"
#include "persistence/records_store.h"
#include "persistence/shared_store.h"

namespace {

using namespace mirvalon;

enum Exit { Ok = 0, Refused = 2, Busy = 3, Unavailable = 4, BadInput = 5, Failed = 6 };

constexpr std::size_t kInputSize = kRecordsFileSize + kArchiveFileSize;

struct Options
{
    std::string store;
    std::string from;
    int game = 0;
};

bool parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            return false;
        const std::string value = argv[++i];
        if (arg == "--store") {
            options.store = value;
        } else if (arg == "--from") {
            options.from = value;
        } else if (arg == "--game") {
            char* end = nullptr;
            const long n = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || n < 0 || n > kGameCount)
                return false;
            options.game = static_cast<int>(n);
        } else {
            return false;
        }
    }
    return true;
}

// The installed store, walked below the system's base without following a link.
int openInstalledStore()
{
    const auto base = FolderFileSystem::openBase(MIRVALON_SHARED_BASE);
    const auto vendor = base ? base->subfolder(kVendorFolder, false) : nullptr;
    const auto folder = vendor ? vendor->subfolder(kDataFolderName, false) : nullptr;
    return folder ? ::fcntl(folder->descriptor(), F_DUPFD_CLOEXEC, 0) : -1;
}

// A store of the player's own: made when missing, with the player's umask.
int openOwnStore(const std::string& path)
{
    std::string made;
    std::size_t at = 0;
    while (at != std::string::npos) {
        at = path.find('/', at + 1);
        made = path.substr(0, at);
        if (!made.empty())
            ::mkdir(made.c_str(), 0755);
    }
    return ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// Gives up the group (and any other privilege) for good.
bool dropPrivileges()
{
    const gid_t gid = ::getgid();
    const uid_t uid = ::getuid();
    return ::setresgid(gid, gid, gid) == 0 && ::setresuid(uid, uid, uid) == 0 &&
           ::getegid() == gid && ::geteuid() == uid;
}

// Exactly a records file and an archive, or nothing at all.
bool readInput(StoreImages& offered, bool& any)
{
    std::string input;
    char chunk[16384];
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        input.append(chunk, static_cast<std::size_t>(n));
        if (input.size() > kInputSize)
            return false;
    }
    any = !input.empty();
    if (!any)
        return true;
    std::optional<StoreImages> split = splitOffer(input);
    if (split)
        offered = std::move(*split);
    return split.has_value();
}

// The files of an old store folder, read by descriptor: links, odd files and wrong sizes
// offer nothing.
bool readOldStore(const std::string& path, StoreImages& offered, bool& any)
{
    const int dir = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir < 0)
        return false;
    const int rules = posix::kNoLinks | posix::kSingleLink | posix::kOddIsMissing;
    ReadResult records = posix::readFileAt(dir, kRecordsFileName, kRecordsFileSize, rules);
    ReadResult archive = posix::readFileAt(dir, kArchiveFileName, kArchiveFileSize, rules);
    ::close(dir);
    any = records.status == ReadStatus::Ok && records.bytes.size() == kRecordsFileSize &&
          archive.status == ReadStatus::Ok && archive.bytes.size() == kArchiveFileSize;
    if (any)
        offered = {std::move(records.bytes), std::move(archive.bytes)};
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Descriptors the caller left open are not the writer's: one of them could even hold the
    // store's lock the writer is about to wait for.
    ::close_range(3, ~0U, 0);
    // Run with the group of the games (or any other privilege) by an account, nothing the
    // caller names is opened but the installed store itself. Root, as the package's scripts
    // run it, may name any folder.
    const bool privileged =
        (::getegid() != ::getgid() || ::geteuid() != ::getuid()) && ::getuid() != 0;
    const std::string installed =
        std::string(MIRVALON_SHARED_BASE) + "/" + kVendorFolder + "/" + kDataFolderName;
    Options options;
    if (!parse(argc, argv, options))
        return Refused;
    if (privileged &&
        ((!options.store.empty() && options.store != installed) || !options.from.empty()))
        return Refused;

    const bool own = !privileged && !options.store.empty() && options.store != installed;
    const int folder = own ? openOwnStore(options.store) : openInstalledStore();
    std::unique_ptr<SharedStore> store =
        folder >= 0 ? SharedStore::open(folder, !privileged) : nullptr;
    if (folder >= 0)
        ::close(folder);
    if (!dropPrivileges())
        return Failed;
    if (!store)
        return Unavailable;

    StoreImages offered;
    bool any = false;
    const bool read =
        options.from.empty() ? readInput(offered, any) : readOldStore(options.from, offered, any);
    if (!read)
        return BadInput;
    if (!store->lock([](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }))
        return Busy;
    if (!any)
        return store->load() ? Ok : Failed;
    int written = 0;
    const StoreOutcome outcome = store->merge(offered, options.game, written);
    if (outcome != StoreOutcome::Done)
        return Failed;
    std::printf("mirvalon-share: %d records written\n", written);
    return Ok;
}
