// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_ports.h"

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
