// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_ports.h"

namespace mirvalon::test {

void Rig::place(const std::vector<int>& pieces)
{
    for (int piece : pieces) {
        game.doubleClickPalettePiece(piece);
        game.releaseButton();
    }
}

void Rig::playRow(const std::vector<int>& pieces)
{
    place(pieces);
    game.confirmRow();
}

void Rig::startWithHidden(const std::vector<int>& pieces)
{
    for (int piece : pieces)
        random.script.push_back(piece - 1);
    game.startComputerGame();
}

} // namespace mirvalon::test

namespace mirvalon::test {

void FakeSettings::settingShown(Setting which, const GameSettings& s)
{
    const int32_t value = which == Setting::Positions     ? s.positions
                          : which == Setting::PieceCount  ? s.pieceCount
                          : which == Setting::Environment ? s.environment
                          : which == Setting::Language    ? s.language
                          : which == Setting::AutoSave    ? s.autoSave
                          : which == Setting::TotalTime   ? s.showTotalTime
                          : which == Setting::ExitWarning ? s.exitWarning
                          : which == Setting::SyncAtStart ? s.syncAtStart
                                                          : s.showHints;
    shown.push_back({which, value});
}

} // namespace mirvalon::test
