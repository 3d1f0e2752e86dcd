// SPDX-License-Identifier: GPL-3.0-or-later
// The three folders of the game: the program folder with the delivered files, the per-user
// data folder and the folder shared by all users of the computer. Every path is given from
// outside; nothing here changes the current directory. The shared folder is walked only
// through descriptors (folder_file_system.h) and never written here; the player's own
// folders follow the player's umask.
#pragma once

#include <array>
#include <string>

#include "file_system.h"

namespace mirvalon {

constexpr const char* kVendorFolder = "Orvex";
constexpr const char* kDataFolderName = "Mirvalon.dat";
constexpr const char* kGamesFolder = "Data";
// The delivered sample games: a first game with an English and one with a Slovak name, the
// national and the world championship.
constexpr std::array<const char*, 4> kSampleGames = {
    "first_game.mvg", "prva_hra.mvg", "majstrovstva_slovenska.mvg", "majstrovstva_sveta.mvg"};
// Copied in this order into a new data folder.
constexpr std::array<const char*, 3> kSeedFiles = {"Mirvalon.lar", "Mirvalon.ldt", "Mirvalon.lcf"};

// The folder of the running program when it holds any of the delivered files (the build
// tree), else ../share/games/mirvalon beside it (an installed game).
std::string findProgramFolder(FileSystem& fs, const std::string& executablePath);
// A part of the game other than its delivered files, by file name: beside the running program
// when there with the access(2) `mode` (the build tree), else in the game's helper folder
// ../lib/games/mirvalon (an installed game).
std::string findProgramPart(const std::string& executablePath, const std::string& name, int mode);
// $XDG_DATA_HOME, else $HOME/.local/share; empty when neither is known.
std::string userDataBase(const char* xdgDataHome, const char* home);

class Folders
{
public:
    // `userBase` and `sharedBase` are the bases the vendor and game folders go under; an
    // empty base cannot be prepared.
    Folders(FileSystem& fs, std::string programFolder, std::string userBase,
            std::string sharedBase);

    // Mode 0 finds the shared folder (made only where this account may, for a store of its
    // own), 1 prepares the data folder: creates what is missing and copies the delivered records
    // files that it lacks; a copy never replaces a file. The data folder is also recovered: a
    // commit a killed copy left is finished, its temporary files removed.
    bool prepareFolder(int mode);
    // Start-up: the data folder (the program folder when it cannot be prepared), then the
    // shared folder, which is ready only when both were prepared.
    void setUp();
    // Copies the delivered sample games that the data folder's games folder lacks, making the
    // folder when it is missing; a copy never replaces a file. The window calls it once its
    // first frame is out: a new player sees the board before four files are written safely.
    void copySampleGames();

    const std::string& programFolder() const { return m_program; }
    const std::string& dataFolder() const { return m_data; }
    const std::string& sharedFolder() const { return m_shared; }
    bool sharedFolderReady() const { return m_sharedReady; }

private:
    bool prepareDataFolder();
    bool prepareSharedFolder();
    bool ensureDirectory(const std::string& path);
    bool ensureUserBase(const std::string& path);

    FileSystem& m_fs;
    std::string m_program;
    std::string m_userBase;
    std::string m_sharedBase;
    std::string m_data;
    std::string m_shared;
    bool m_sharedReady = false;
};

} // namespace mirvalon
