// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_persistence.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "engine/game_settings.h"
#include "persistence/language_loader.h"
#include "persistence/text_table.h"

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
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool exists(const std::string& path)
{
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found && !ec;
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
    ++writesStarted;
    if (failAt == WriteStep::CreateTemp)
        return -1;
    return PosixFileSystem::createTemp(directory, tempPath, mode);
}

bool FaultyFileSystem::writeAll(int handle, std::string_view bytes)
{
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
    return failAt != WriteStep::Rename && PosixFileSystem::renameFile(from, to);
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

namespace {

std::string pathName(const std::vector<int>& path)
{
    std::string s;
    for (int k : path)
        s += (s.empty() ? "" : ".") + std::to_string(k);
    return s;
}

} // namespace

void FakeLanguageTargets::setMenuItem(const std::vector<int>& path, const std::string& caption,
                                      const std::optional<std::string>& shortcut)
{
    ++calls;
    texts["menu " + pathName(path)] = caption;
    if (shortcut)
        texts["menu " + pathName(path) + " //"] = *shortcut;
}

void FakeLanguageTargets::setContextMenuItem(int index, const std::string& caption,
                                             const std::optional<std::string>& shortcut)
{
    ++calls;
    texts["context " + std::to_string(index)] = caption;
    if (shortcut)
        texts["context " + std::to_string(index) + " //"] = *shortcut;
}

void FakeLanguageTargets::setMainControl(MainControl control, const std::string& caption,
                                         const std::optional<std::string>& hint)
{
    ++calls;
    const std::string key = "main " + std::to_string(static_cast<int>(control));
    texts[key] = caption;
    if (hint)
        texts[key + " //"] = *hint;
}

void FakeLanguageTargets::setMainLabel(MainLabel label, const std::string& caption,
                                       const std::optional<std::string>& hint)
{
    ++calls;
    const std::string key = "label " + std::to_string(static_cast<int>(label));
    texts[key] = caption;
    if (hint)
        texts[key + " //"] = *hint;
}

void FakeLanguageTargets::setStatusPanel(int panel, const std::string& text)
{
    ++calls;
    texts["status " + std::to_string(panel)] = text;
}

void FakeLanguageTargets::setPanelCaption(PanelCaption panel, const std::string& text)
{
    ++calls;
    texts[panel == PanelCaption::lblHSkore ? "lblHSkore" : "lblInform"] = text;
}

void FakeLanguageTargets::setListColumn(int column, const std::string& title)
{
    ++calls;
    texts["column " + std::to_string(column)] = title;
}

void FakeLanguageTargets::setUntimedStatusText(const std::string& text)
{
    ++calls;
    texts["untimed"] = text;
}

void FakeLanguageTargets::setDialogText(int kind, int group, int index, int item,
                                        const std::string& text,
                                        const std::optional<std::string>& hint)
{
    ++calls;
    const std::string key = "dialog " + std::to_string(kind) + "." + std::to_string(group) + "." +
                            std::to_string(index) + "." + std::to_string(item);
    texts[key] = text;
    if (hint)
        texts[key + " //"] = *hint;
}

bool loadLanguageInto(LanguageTargets& targets, const std::string& programFolder, int language)
{
    PosixFileSystem files;
    GameSettings settings;
    TextTable table = TextTable::builtIn();
    FakePlainMessages messages;
    LanguageLoader loader(files, programFolder, settings, table, targets, messages);
    return loader.loadLanguage(language);
}

} // namespace mirvalon::test
