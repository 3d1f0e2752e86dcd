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

void FakeSettings::applySetting(Setting which, int32_t value)
{
    applied.push_back({which, value});
    if (!target)
        return;
    GameSettings& s = *target;
    switch (which) {
    case Setting::Positions:
    case Setting::PieceCount:
        break; // the store shows these; the game has set them already
    case Setting::Environment:
        s.environment = value;
        break;
    case Setting::AutoSave:
        s.autoSave = value != 0;
        break;
    case Setting::Language:
        s.language = s.loadedLanguage = value;
        break;
    case Setting::TotalTime:
        s.showTotalTime = value != 0;
        break;
    case Setting::ExitWarning:
        s.exitWarning = value != 0;
        break;
    case Setting::SyncAtStart:
        s.syncAtStart = value != 0;
        break;
    }
    if (afterApply)
        afterApply();
}

} // namespace mirvalon::test
