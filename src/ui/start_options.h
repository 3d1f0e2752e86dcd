// SPDX-License-Identifier: GPL-3.0-or-later
// What the program hands the main window at start-up: its folders and, for tests, stand-ins
// for the dialogs, the desktop and the game's generator.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "saved_game_dialog.h"

namespace mirvalon {

class Dialogs;
class DocumentOpener;
class OutputDialogs;
class Random;

// Where the window finds its folders; tests pass temporary ones.
struct StartOptions
{
    std::string programFolder;
    std::string userBase;       // the per-user data base ($XDG_DATA_HOME)
    std::string sharedBase;     // the all-users base
    std::string storeWriter;    // the program that writes the shared records (mirvalon-share)
    std::string printLibrary;   // the library that prints (print_system.h)
    Dialogs* dialogs = nullptr; // the message boxes; the window's own when none is given
    Random* random = nullptr;   // the game's generator; the window's own when none is given
    OutputDialogs* outputDialogs = nullptr; // print and save-picture dialogs; likewise
    DocumentOpener* opener = nullptr;       // the shell's "open"; the desktop's when none is given
    int screenWidth = -1;                   // the primary screen's width when -1
    std::function<int64_t()> timeOfDayMs;   // the game's clock; the system's when none is given
    // Answers the open and save dialogs of saved games instead of the player (tests).
    std::function<QString(SavedGameDialog)> chooseSavedGame;
};

} // namespace mirvalon
