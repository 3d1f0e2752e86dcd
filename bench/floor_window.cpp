// SPDX-License-Identifier: GPL-3.0-or-later
// A floor window in a process of its own, Qt alone: what the game's start is measured against.
// Usage: floor_window bare|full
#include <QApplication>
#include <cstring>

#include "floor_windows.h"

int main(int argc, char* argv[])
{
    const bool full = argc > 1 && std::strcmp(argv[1], "full") == 0;
    QApplication app(argc, argv);
    const auto window = bench::makeFloorWindow(full ? "full" : "bare");
    window->show();
    return app.exec();
}
