#include "folders.h"

#include "safe_file.h"

namespace mirvalon {

namespace {

constexpr std::size_t kCopyLimit = 4 * 1024 * 1024;
constexpr unsigned kPrivateFolderMode = 0755;
// Every user of the computer writes the shared records.
constexpr unsigned kSharedFolderMode = 0777;

std::string parentOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

std::string findProgramFolder(FileSystem& fs, const std::string& executablePath)
{
    const std::string beside = parentOf(executablePath);
    if (fs.kind(joinPath(beside, "Mirv_SK.lng")) == PathKind::File)
        return beside;
    return joinPath(parentOf(beside), "share/games/mirvalon");
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

bool Folders::ensureDirectory(const std::string& path, bool shared)
{
    // In the shared folder another user could have planted a link; only a real folder will do.
    const PathKind kind = m_fs.kind(path);
    if (kind == PathKind::Directory)
        return true;
    if (kind == PathKind::Other && !shared && m_fs.isDirectory(path))
        return true;
    if (kind != PathKind::None)
        return false;
    return m_fs.createDirectory(path, shared ? kSharedFolderMode : kPrivateFolderMode);
}

bool Folders::ensureUserBase(const std::string& path)
{
    // A new account may have no ~/.local/share yet; it is made as the desktop would make it,
    // rather than leaving the player's files to the program folder.
    if (m_fs.isDirectory(path))
        return true;
    const std::string parent = parentOf(path);
    if (parent == path || parent == ".")
        return false;
    return ensureUserBase(parent) && ensureDirectory(path, false);
}

bool Folders::prepareFolder(int mode)
{
    const bool shared = mode != 1;
    std::string folder;
    std::string source = m_program;
    if (mode == 2) {
        if (m_shared.empty())
            return false;
        folder = m_shared;
        source = m_data;
    } else {
        const std::string& base = mode == 0 ? m_sharedBase : m_userBase;
        if ((mode != 0 && mode != 1) || base.empty())
            return false;
        if (mode == 0 ? !m_fs.isDirectory(base) : !ensureUserBase(base))
            return false;
        folder = joinPath(base, kVendorFolder);
        if (!ensureDirectory(folder, shared))
            return false;
        folder = joinPath(folder, kDataFolderName);
        if (!ensureDirectory(folder, shared))
            return false;
    }
    const unsigned fileMode = shared ? kSharedFileMode : kPrivateFileMode;
    for (const char* name : kSeedFiles)
        copyWhenAbsent(m_fs, joinPath(source, name), joinPath(folder, name), kCopyLimit, fileMode);
    if (mode == 0)
        m_shared = folder;
    else if (mode == 1)
        m_data = folder;
    const std::string games = joinPath(folder, kGamesFolder);
    if (!ensureDirectory(games, shared))
        return false;
    const std::string sourceGames = joinPath(source, kGamesFolder);
    for (const char* name : kSampleGames)
        copyWhenAbsent(m_fs, joinPath(sourceGames, name), joinPath(games, name), kCopyLimit,
                       fileMode);
    return true;
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
