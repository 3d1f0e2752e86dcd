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

bool Rig::setHiddenRow(const std::vector<int>& pieces,
                       const std::optional<std::pair<std::string, std::string>>& texts)
{
    game.startSecondPlayerGame();
    place(pieces);
    dialogs.passwordAnswers = {texts};
    return game.confirmHiddenRow();
}

} // namespace mirvalon::test

namespace mirvalon::test {

int32_t settingValue(const GameSettings& s, Setting which)
{
    switch (which) {
    case Setting::Positions:
        return s.positions;
    case Setting::PieceCount:
        return s.pieceCount;
    case Setting::Environment:
        return s.environment;
    case Setting::Language:
        return s.language;
    case Setting::AutoSave:
        return s.autoSave;
    case Setting::TotalTime:
        return s.showTotalTime;
    case Setting::ExitWarning:
        return s.exitWarning;
    case Setting::SyncAtStart:
        return s.syncAtStart;
    case Setting::Hints:
        return s.showHints;
    }
    return -99;
}

void FakeSettings::settingShown(Setting which, const GameSettings& s)
{
    shown.push_back({which, settingValue(s, which)});
}

} // namespace mirvalon::test
