// SPDX-License-Identifier: GPL-3.0-or-later
#include "folders.h"

#include <unistd.h>

#include "folder_file_system.h"
#include "safe_file.h"

namespace mirvalon {

namespace {

constexpr std::size_t kCopyLimit = 4 * 1024 * 1024;
// The player's records, settings and saved games (whose password is only scrambled) are
// nobody else's business: new folders are the player's alone. Folders that exist keep the
// mode the player gave them.
constexpr unsigned kPrivateFolderMode = 0700;

} // namespace

std::string findProgramFolder(FileSystem& fs, const std::string& executablePath)
{
    // Any delivered file will do: one that is missing must not hide the others.
    const std::string beside = parentFolder(executablePath);
    for (const char* name : {"Mirv_SK.lng", "Mirv_CZ.lng", "Mirv_EN.lng", "Mirvalon.zar"})
        if (fs.kind(joinPath(beside, name)) == PathKind::File)
            return beside;
    return joinPath(parentFolder(beside), "share/games/mirvalon");
}

std::string findProgramPart(const std::string& executablePath, const std::string& name, int mode)
{
    const std::string beside = joinPath(parentFolder(executablePath), name);
    if (::access(beside.c_str(), mode) == 0)
        return beside;
    const std::string prefix = parentFolder(parentFolder(executablePath));
    return joinPath(joinPath(prefix, "lib/games/mirvalon"), name);
}

std::string userDataBase(const char* xdgDataHome, const char* home)
{
    // A relative XDG_DATA_HOME is invalid and must be ignored.
    if (xdgDataHome && xdgDataHome[0] == '/')
        return xdgDataHome;
    if (home && home[0] != '\0')
        return joinPath(home, ".local/share");
    return {};
}

Folders::Folders(FileSystem& fs, std::string programFolder, std::string userBase,
                 std::string sharedBase)
    : m_fs(fs), m_program(std::move(programFolder)), m_userBase(std::move(userBase)),
      m_sharedBase(std::move(sharedBase)), m_data(m_program)
{
}

bool Folders::ensureDirectory(const std::string& path)
{
    // The player's own folders may be links the player set up.
    const PathKind kind = m_fs.kind(path);
    if (kind == PathKind::Directory || (kind == PathKind::Other && m_fs.isDirectory(path)))
        return true;
    if (kind != PathKind::None)
        return false;
    return m_fs.createDirectory(path, kPrivateFolderMode);
}

bool Folders::ensureUserBase(const std::string& path)
{
    // A new account may have no ~/.local/share yet; it is made as the desktop would make it,
    // rather than leaving the player's files to the program folder.
    if (m_fs.isDirectory(path))
        return true;
    const std::string parent = parentFolder(path);
    if (parent == path || parent == ".")
        return false;
    return ensureUserBase(parent) && ensureDirectory(path);
}

bool Folders::prepareDataFolder()
{
    if (m_userBase.empty() || !ensureUserBase(m_userBase))
        return false;
    const std::string vendor = joinPath(m_userBase, kVendorFolder);
    const std::string folder = joinPath(vendor, kDataFolderName);
    if (!ensureDirectory(vendor) || !ensureDirectory(folder))
        return false;
    {
        // Another copy of the game may be writing here: what a killed copy left is removed,
        // and the seeds are copied, only while no other copy writes.
        FolderLock lock(m_fs, folder);
        if (lock.held())
            recoverFolder(m_fs, folder);
        for (const char* name : kSeedFiles)
            copyWhenAbsent(m_fs, joinPath(m_program, name), m_fs, joinPath(folder, name),
                           kCopyLimit);
    }
    m_data = folder;
    return true;
}

void Folders::copySampleGames()
{
    // The program folder already holds them; the player's games are never replaced.
    if (m_data == m_program)
        return;
    const std::string games = joinPath(m_data, kGamesFolder);
    if (!ensureDirectory(games))
        return;
    const std::string sourceGames = joinPath(m_program, kGamesFolder);
    for (const char* name : kSampleGames)
        copyWhenAbsent(m_fs, joinPath(sourceGames, name), m_fs, joinPath(games, name), kCopyLimit);
}

bool Folders::prepareSharedFolder()
{
    // The base belongs to the system and is never made; below it every step is a descriptor.
    // The store in it belongs to whoever made the folder: the package, or a player's build of
    // its own, whose writer makes the missing files. Nothing of the player's goes there.
    const auto base = FolderFileSystem::openBase(m_sharedBase);
    const auto vendor = base ? base->subfolder(kVendorFolder, true) : nullptr;
    const auto folder = vendor ? vendor->subfolder(kDataFolderName, true) : nullptr;
    if (!folder)
        return false;
    m_shared = folder->path();
    return true;
}

bool Folders::prepareFolder(int mode)
{
    switch (mode) {
    case 0:
        return prepareSharedFolder();
    case 1:
        return prepareDataFolder();
    default:
        return false;
    }
}

void Folders::setUp()
{
    m_data = m_program;
    m_sharedReady = false;
    if (!prepareFolder(1)) {
        m_data = m_program;
        return;
    }
    m_sharedReady = prepareFolder(0);
}

} // namespace mirvalon
