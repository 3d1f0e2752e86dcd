// SPDX-License-Identifier: GPL-3.0-or-later
// Mirvalon: builds the real adapters and the main window, then runs the window loop.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unistd.h>

#include "persistence/file_system.h"
#include "persistence/folders.h"
#include "sync/store_writer.h"
#include "ui/application_look.h"
#include "ui/print_system.h"
#include "ui/tfrm_logic.h"
#include "ui/window_icon.h"

namespace {

constexpr int kStartTheGame = -1;

// --version and --help are answered before Qt is started, so they work without a display;
// the game itself takes no arguments. The status to exit with, or kStartTheGame.
int answerCommandLine(int argc, char* argv[])
{
    if (argc < 2)
        return kStartTheGame;
    for (int i = 1; i < argc; ++i) {
        if (i > 1 ||
            (std::strcmp(argv[i], "--version") != 0 && std::strcmp(argv[i], "--help") != 0)) {
            std::fprintf(stderr, "mirvalon: unknown argument '%s'; try 'mirvalon --help'.\n",
                         argv[i]);
            return 2;
        }
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("mirvalon %s\n", MIRVALON_VERSION);
    } else {
        std::printf("Usage: mirvalon [--help | --version]\n"
                    "Mirvalon, a code-breaking board game for one player or two players sharing "
                    "one computer.\n"
                    "Without arguments it opens its window; everything else is set in its menus "
                    "and its settings dialog.\n\n"
                    "  --help     show this help and exit\n"
                    "  --version  show the version and exit\n");
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (const int status = answerCommandLine(argc, argv); status != kStartTheGame)
        return status;
    QApplication app(argc, argv);
    mirvalon::setApplicationIdentity();

    mirvalon::PosixFileSystem fs;
    std::error_code error;
    const std::string executable = std::filesystem::read_symlink("/proc/self/exe", error).string();
    mirvalon::StartOptions options;
    options.programFolder = mirvalon::findProgramFolder(fs, executable);
    options.userBase = mirvalon::userDataBase(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    options.sharedBase = MIRVALON_SHARED_BASE;
#ifdef MIRVALON_BUILD_PROGRAM_FOLDER
    // Run from the build tree, the game shares records through the build tree's own folder.
    if (options.programFolder == MIRVALON_BUILD_PROGRAM_FOLDER)
        options.sharedBase = MIRVALON_BUILD_SHARED_BASE;
#endif
    options.storeWriter = mirvalon::findStoreWriter(executable);
    options.printLibrary = mirvalon::findProgramPart(executable, mirvalon::kPrintLibraryName, R_OK);

    // The style and font are in place before the first widget, so none is polished twice.
    mirvalon::prepareApplicationLook();
    mirvalon::Tfrm_Logic window(options);
    mirvalon::setWindowIconAfterFirstFrame(window);
    window.show();
    return app.exec();
}
