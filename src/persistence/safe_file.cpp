// SPDX-License-Identifier: GPL-3.0-or-later
#include "safe_file.h"

#include <optional>
#include <utility>

namespace mirvalon {

namespace {

constexpr const char* kNoteHeader = "mirvalon-commit 1\n";
constexpr std::size_t kNoteLimit = 4096;

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// A name the game itself gives a data file: no folder part, not hidden.
bool plainName(std::string_view name)
{
    return !name.empty() && name.front() != '.' && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

bool temporaryName(std::string_view name)
{
    return startsWith(name, kTempPrefix) && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

// One file of a commit: where it goes and its bytes, which the caller keeps (the archive is
// a hundred kilobytes, and a start may write it).
struct Writing
{
    std::string path;
    std::string_view bytes;
    unsigned newMode = kPrivateFileMode;
};

// The whole new file beside its target, synced; the temporary file's path, or nothing.
std::optional<std::string> writeTemporary(FileSystem& fs, const Writing& file)
{
    const std::optional<unsigned> oldMode = fs.modeOf(file.path);
    std::string temp;
    const int handle = fs.createTemp(parentFolder(file.path), temp, file.newMode);
    if (handle < 0)
        return std::nullopt;
    bool ok = !oldMode || fs.setMode(handle, *oldMode);
    ok = ok && fs.writeAll(handle, file.bytes) && fs.syncFile(handle);
    ok = fs.closeFile(handle) && ok;
    if (!ok) {
        fs.removeFile(temp);
        return std::nullopt;
    }
    return temp;
}

using NoteLines = std::vector<std::pair<std::string, std::string>>; // target, temporary file

// Nothing unless the note is exactly what commitFiles writes.
std::optional<NoteLines> parseNote(std::string_view note)
{
    if (!startsWith(note, kNoteHeader))
        return std::nullopt;
    note.remove_prefix(std::string_view(kNoteHeader).size());
    NoteLines lines;
    while (!note.empty()) {
        const std::size_t end = note.find('\n');
        const std::size_t blank = note.find(' ');
        if (end == std::string_view::npos || blank == std::string_view::npos || blank > end)
            return std::nullopt;
        const std::string_view target = note.substr(0, blank);
        const std::string_view temp = note.substr(blank + 1, end - blank - 1);
        if (!plainName(target) || !temporaryName(temp))
            return std::nullopt;
        lines.emplace_back(target, temp);
        note.remove_prefix(end + 1);
    }
    if (lines.empty())
        return std::nullopt;
    return lines;
}

// Renames what the note names; a temporary file already gone was renamed before a kill.
bool finishNote(FileSystem& fs, const std::string& folder, const NoteLines& lines)
{
    for (const auto& [target, temp] : lines) {
        const std::string from = joinPath(folder, temp);
        if (fs.kind(from) == PathKind::File && !fs.renameFile(from, joinPath(folder, target)))
            return false;
    }
    fs.removeFile(joinPath(folder, kCommitNoteName));
    fs.syncDirectory(folder);
    return true;
}

bool commitWritings(FileSystem& fs, std::vector<Writing> files)
{
    if (files.empty())
        return true;
    // A file the player linked elsewhere is written where the link leads.
    for (Writing& file : files) {
        file.path = fs.writeTarget(file.path);
        if (file.path.empty())
            return false;
    }
    const std::string folder = parentFolder(files.front().path);
    for (const Writing& file : files) {
        if (parentFolder(file.path) == folder)
            continue;
        // Links took the files to different folders, which one note cannot cover: each is
        // written whole, the last given first, so that a record never goes ahead of its game.
        for (auto it = files.rbegin(); it != files.rend(); ++it)
            if (!commitWritings(fs, {*it}))
                return false;
        return true;
    }
    std::vector<std::string> temps;
    const auto dropTemps = [&fs, &temps] {
        for (const std::string& t : temps)
            fs.removeFile(t);
    };
    for (const Writing& file : files) {
        std::optional<std::string> temp;
        if (parentFolder(file.path) == folder)
            temp = writeTemporary(fs, file);
        if (!temp) {
            dropTemps();
            return false;
        }
        temps.push_back(*temp);
    }
    if (files.size() == 1) {
        if (!fs.renameFile(temps.front(), files.front().path)) {
            dropTemps();
            return false;
        }
        // The rename is the moment the new file takes the old one's place: from here on the
        // file is whole, old or new, so a folder that cannot be synced only costs durability.
        fs.syncDirectory(folder);
        return true;
    }
    std::string note = kNoteHeader;
    NoteLines lines;
    for (std::size_t i = 0; i < files.size(); ++i) {
        lines.emplace_back(baseName(files[i].path), baseName(temps[i]));
        note += lines.back().first + " " + lines.back().second + "\n";
    }
    if (!writeFileSafely(fs, joinPath(folder, kCommitNoteName), note)) {
        dropTemps();
        return false;
    }
    // The note is down: from here the commit is decided, and a start after a kill finishes it.
    if (!fs.renameFile(temps.front(), files.front().path)) {
        fs.removeFile(joinPath(folder, kCommitNoteName));
        dropTemps();
        return false;
    }
    finishNote(fs, folder, lines);
    return true;
}

} // namespace

bool writeFileSafely(FileSystem& fs, const std::string& path, std::string_view bytes,
                     unsigned newMode)
{
    return commitWritings(fs, {Writing{path, bytes, newMode}});
}

bool commitFiles(FileSystem& fs, const std::vector<FileToCommit>& given)
{
    std::vector<Writing> files;
    for (const FileToCommit& file : given)
        files.push_back({file.path, file.bytes, file.newMode});
    return commitWritings(fs, std::move(files));
}

void recoverFolder(FileSystem& fs, const std::string& folder)
{
    const std::string notePath = joinPath(folder, kCommitNoteName);
    const ReadResult note = fs.readFile(notePath, kNoteLimit, true);
    if (note.status == ReadStatus::Ok) {
        const std::optional<NoteLines> lines = parseNote(note.bytes);
        if (lines && !finishNote(fs, folder, *lines))
            return; // its temporary files stay for the next try
    }
    // Only a removal has to reach the disk: a clean folder, as every start but one after a
    // kill finds it, costs the start no wait for the disk.
    bool removed = false;
    if (fs.kind(notePath) != PathKind::None) {
        fs.removeFile(notePath); // a note that is not ours, or could not be finished
        removed = true;
    }
    for (const std::string& name : fs.listNames(folder)) {
        if (temporaryName(name)) {
            fs.removeFile(joinPath(folder, name));
            removed = true;
        }
    }
    if (removed)
        fs.syncDirectory(folder);
}

FolderLock::FolderLock(FileSystem& fs, const std::string& folder, int waitMilliseconds)
    : m_fs(fs), m_handle(fs.lockFile(joinPath(folder, kLockFileName), waitMilliseconds))
{
}

FolderLock::~FolderLock()
{
    m_fs.unlockFile(m_handle);
}

bool copyWhenAbsent(FileSystem& source, const std::string& from, FileSystem& target,
                    const std::string& to, std::size_t limit)
{
    if (target.kind(to) != PathKind::None)
        return false;
    const ReadResult file = source.readFile(from, limit, false);
    if (file.status != ReadStatus::Ok)
        return false;
    return writeFileSafely(target, to, file.bytes);
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::string parentFolder(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseName(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace mirvalon
