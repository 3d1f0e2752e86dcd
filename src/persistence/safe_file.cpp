#include "safe_file.h"

namespace mirvalon {

namespace {

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

bool writeFileSafely(FileSystem& fs, const std::string& path, std::string_view bytes, unsigned mode)
{
    const std::string folder = folderOf(path);
    std::string temp;
    const int handle = fs.createTemp(folder, temp, mode);
    if (handle < 0)
        return false;
    if (!fs.writeAll(handle, bytes) || !fs.syncFile(handle)) {
        fs.closeFile(handle);
        fs.removeFile(temp);
        return false;
    }
    if (!fs.closeFile(handle) || !fs.renameFile(temp, path)) {
        fs.removeFile(temp);
        return false;
    }
    // The rename is the moment the new file takes the old one's place: from here on the file
    // is whole, old or new, so a folder that cannot be synced only costs durability.
    fs.syncDirectory(folder);
    return true;
}

bool copyWhenAbsent(FileSystem& fs, const std::string& from, const std::string& to,
                    std::size_t limit, unsigned mode)
{
    if (fs.kind(to) != PathKind::None)
        return false;
    const ReadResult source = fs.readFile(from, limit, false);
    if (source.status != ReadStatus::Ok)
        return false;
    return writeFileSafely(fs, to, source.bytes, mode);
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

} // namespace mirvalon
