// SPDX-License-Identifier: GPL-3.0-or-later
// Fakes for the files side: a temporary folder, a file system whose steps can be made to
// fail, and recording views of the settings and language targets.
#pragma once

#include <climits>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "persistence/file_system.h"
#include "persistence/view_ports.h"

namespace mirvalon::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

void writeBytes(const std::string& path, const std::string& bytes);
std::string readBytes(const std::string& path); // empty when missing or not a file
bool exists(const std::string& path);
// The permission bits of `path` itself (a link's own), 0 when it is missing.
unsigned modeOf(const std::string& path);
// Names in a folder, hidden ones included.
std::vector<std::string> listFolder(const std::string& path);

enum class WriteStep { None, CreateTemp, Write, Sync, Close, Rename };

// The real file system, with one step of every safe write failing on request, and files that
// count as read-only or unreadable whatever their permissions (the tests run as root).
class FaultyFileSystem : public PosixFileSystem
{
public:
    int createTemp(const std::string& directory, std::string& tempPath, unsigned mode) override;
    bool writeAll(int handle, std::string_view bytes) override;
    bool syncFile(int handle) override;
    bool closeFile(int handle) override;
    bool renameFile(const std::string& from, const std::string& to) override;
    void removeFile(const std::string& path) override;
    bool mayReplace(const std::string& path) override;
    ReadResult readFile(const std::string& path, std::size_t limit, bool noFollow) override;
    int lockFile(const std::string& path, int waitMilliseconds) override;

    WriteStep failAt = WriteStep::None;
    std::set<std::string> readOnly;
    std::set<std::string> unreadable; // as a file of another account would be
    // The waits the stores ask for when they lock a folder; a test of a held lock turns
    // `waitForLocks` off and is refused at once instead of after the whole wait.
    std::vector<int> lockWaits;
    bool waitForLocks = true;
    // A copy of the game killed after `stepsLeft` more changes on disk: every later change (a
    // temporary file made or written, a rename, a removal) does not happen.
    int stepsLeft = INT_MAX;
    bool died() const { return stepsLeft < 0; }

private:
    bool step() { return --stepsLeft >= 0; }
};

// Records every text a language file hands to the window, keyed by a readable name:
// "menu 3.7" -> caption, "menu 3.7 //" -> shortcut, "main 1 //" -> hint, ...
class FakeLanguageTargets : public LanguageTargets
{
public:
    using Extra = std::optional<std::string>;
    void setMenuItem(const std::vector<int>& path, const std::string& t, const Extra& e) override
    {
        std::string key = "menu";
        for (std::size_t k = 0; k < path.size(); ++k)
            key += (k ? "." : " ") + std::to_string(path[k]);
        note(key, t, e);
    }
    void setContextMenuItem(int index, const std::string& t, const Extra& e) override
    {
        note("context " + std::to_string(index), t, e);
    }
    void setMainControl(MainControl c, const std::string& t, const Extra& e) override
    {
        note("main " + std::to_string(static_cast<int>(c)), t, e);
    }
    void setMainLabel(MainLabel l, const std::string& t, const Extra& e) override
    {
        note("label " + std::to_string(static_cast<int>(l)), t, e);
    }
    void setStatusPanel(int panel, const std::string& t) override
    {
        note("status " + std::to_string(panel), t);
    }
    void setPanelCaption(PanelCaption p, const std::string& t) override
    {
        note(p == PanelCaption::lblHSkore ? "lblHSkore" : "lblInform", t);
    }
    void setListColumn(int column, const std::string& t) override
    {
        note("column " + std::to_string(column), t);
    }
    void setUntimedStatusText(const std::string& t) override { note("untimed", t); }
    void setDialogText(int kind, int group, int index, int item, const std::string& t,
                       const Extra& e) override
    {
        note("dialog " + std::to_string(kind) + "." + std::to_string(group) + "." +
                 std::to_string(index) + "." + std::to_string(item),
             t, e);
    }

    std::map<std::string, std::string> texts;

private:
    void note(const std::string& key, const std::string& text, const Extra& extra = {})
    {
        texts[key] = text;
        if (extra)
            texts[key + " //"] = *extra;
    }
};

class FakePlainMessages : public PlainMessages
{
public:
    void showPlainMessage(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

} // namespace mirvalon::test
