// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_persistence.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace mirvalon::test {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "mirvalon-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("no temporary folder");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readBytes(const std::string& path)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return {};
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool exists(const std::string& path)
{
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found && !ec;
}

unsigned modeOf(const std::string& path)
{
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(path, ec);
    return ec || !fs::exists(st) ? 0 : static_cast<unsigned>(st.permissions());
}

std::vector<std::string> listFolder(const std::string& path)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(path))
        names.push_back(e.path().filename().string());
    return names;
}

int FaultyFileSystem::createTemp(const std::string& directory, std::string& tempPath, unsigned mode)
{
    if (failAt == WriteStep::CreateTemp || !step())
        return -1;
    return PosixFileSystem::createTemp(directory, tempPath, mode);
}

bool FaultyFileSystem::writeAll(int handle, std::string_view bytes)
{
    if (!step())
        return false;
    if (failAt == WriteStep::Write) {
        // A disk that fills up half way: part of the data reaches the temporary file.
        PosixFileSystem::writeAll(handle, bytes.substr(0, bytes.size() / 2));
        return false;
    }
    return PosixFileSystem::writeAll(handle, bytes);
}

bool FaultyFileSystem::syncFile(int handle)
{
    return failAt != WriteStep::Sync && PosixFileSystem::syncFile(handle);
}

bool FaultyFileSystem::closeFile(int handle)
{
    const bool closed = PosixFileSystem::closeFile(handle);
    return failAt != WriteStep::Close && closed;
}

bool FaultyFileSystem::renameFile(const std::string& from, const std::string& to)
{
    return step() && failAt != WriteStep::Rename && PosixFileSystem::renameFile(from, to);
}

void FaultyFileSystem::removeFile(const std::string& path)
{
    if (step())
        PosixFileSystem::removeFile(path);
}

bool FaultyFileSystem::mayReplace(const std::string& path)
{
    return !readOnly.count(path) && PosixFileSystem::mayReplace(path);
}

ReadResult FaultyFileSystem::readFile(const std::string& path, std::size_t limit, bool noFollow)
{
    if (unreadable.count(path))
        return {ReadStatus::Unreadable, {}};
    return PosixFileSystem::readFile(path, limit, noFollow);
}

int FaultyFileSystem::lockFile(const std::string& path, int waitMilliseconds)
{
    lockWaits.push_back(waitMilliseconds);
    return PosixFileSystem::lockFile(path, waitForLocks ? waitMilliseconds : 0);
}

} // namespace mirvalon::test
