// SPDX-License-Identifier: GPL-3.0-or-later
// Mirvalon: builds the real adapters and the main window, then runs the window loop.
#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "persistence/file_system.h"
#include "persistence/folders.h"
#include "sync/store_writer.h"
#include "ui/application_look.h"
#include "ui/tfrm_logic.h"
#include "ui/window_icon.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    mirvalon::setApplicationIdentity();

    mirvalon::PosixFileSystem fs;
    std::error_code error;
    const std::string executable = std::filesystem::read_symlink("/proc/self/exe", error).string();
    mirvalon::StartOptions options;
    options.programFolder = mirvalon::findProgramFolder(fs, executable);
    options.userBase = mirvalon::userDataBase(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    // Run from the build tree, the game shares records through the build tree's own folder.
    options.sharedBase = options.programFolder == MIRVALON_BUILD_PROGRAM_FOLDER
                             ? MIRVALON_BUILD_SHARED_BASE
                             : MIRVALON_SHARED_BASE;
    options.storeWriter = mirvalon::findStoreWriter(executable);

    // The style and font are in place before the first widget, so none is polished twice.
    mirvalon::prepareApplicationLook();
    mirvalon::Tfrm_Logic window(options);
    window.show();
    return app.exec();
}
