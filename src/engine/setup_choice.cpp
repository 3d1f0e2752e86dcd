// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup_choice.h"

#include "variant.h"

namespace mirvalon {

namespace {

// The rule fields carry the same names in the settings and in the dialog's choice.
template <typename To, typename From> void copyRules(To& to, const From& from)
{
    to.positions = from.positions;
    to.pieceCount = from.pieceCount;
    to.artificialIntelligence = from.artificialIntelligence;
    to.correctPosition = from.correctPosition;
    to.eachPieceOnce = from.eachPieceOnce;
    to.randomArrangement = from.randomArrangement;
    to.blocking = from.blocking;
    to.pieceColours = from.pieceColours;
}

GameSettings rulesOf(const SetupChoice& c)
{
    GameSettings s;
    copyRules(s, c);
    return s;
}

int formOf(const SetupChoice& c)
{
    GameSettings s = rulesOf(c);
    followGameForm(s);
    return s.gameForm;
}

} // namespace

SetupChoice choiceFromSettings(const GameSettings& s)
{
    SetupChoice c;
    copyRules(c, s);
    c.pieceColours =
        s.randomArrangement && s.pieceColours == ColouredPieces ? GreyPieces : s.pieceColours;
    c.gameForm = formOf(c);
    c.environment = s.environment;
    c.showTime = s.showTime;
    c.showScore = s.showScore;
    c.showHints = s.showHints;
    c.rowMarking = s.rowMarking;
    c.testRows = s.testRows;
    c.jokes = s.jokes;
    c.language = s.language;
    c.showTotalTime = s.showTotalTime;
    c.autoSave = s.autoSave;
    c.exitWarning = s.exitWarning;
    c.syncAtStart = s.syncAtStart;
    return c;
}

SetupInfo setupInfo(const SetupChoice& c)
{
    const VariantInfo v = computeVariant(rulesOf(c));
    SetupInfo info;
    info.number = v.number;
    info.level = v.level;
    info.letterA = c.correctPosition;
    info.letterK = !c.eachPieceOnce;
    info.letterN = c.randomArrangement;
    info.letterB = c.blocking;
    info.mark = v.number == 1            ? GameMark::Easy
                : v.number == kGameCount ? GameMark::Gold
                                         : GameMark::None;
    return info;
}

void chooseGameForm(SetupChoice& c, int form)
{
    if (form < EasiestForm || form > HardestForm)
        return;
    c.gameForm = form;
    if (form == EasiestForm) {
        c.positions = 5;
        c.pieceCount = 11;
        c.artificialIntelligence = false;
        c.eachPieceOnce = true;
        c.correctPosition = true;
        c.blocking = true;
        c.randomArrangement = false;
    } else if (form == HardestForm) {
        c.positions = 8;
        c.pieceCount = 25;
        c.eachPieceOnce = false;
        c.correctPosition = false;
        c.blocking = false;
        c.randomArrangement = true;
        c.pieceColours = GreyPieces;
    }
}

void chooseColours(SetupChoice& c, int colours)
{
    if (colours < GreyPieces || colours > MixedPieces)
        return;
    c.pieceColours = colours;
    if (colours == ColouredPieces)
        c.randomArrangement = false;
}

SetupEnables setupEnables(const SetupChoice& c, bool computerGameRunning)
{
    SetupEnables e;
    e.ruleControls = c.gameForm == StandardForm;
    e.colours = c.gameForm != HardestForm;
    // The easiest form has no random arrangement; coloured pieces never have one.
    e.randomArrangement = c.gameForm == StandardForm && c.pieceColours != ColouredPieces;
    // A computer game keeps its time display and row marking to the end.
    e.rowMarkingAndTime = !computerGameRunning;
    e.environmentItems = c.environment != -1;
    return e;
}

SetupOpening setupOpening(const SetupChoice& c)
{
    return {setupInfo(c).number, c.pieceColours};
}

bool setupChanged(const SetupChoice& c, const SetupOpening& opening)
{
    return setupInfo(c).number != opening.number || c.pieceColours != opening.pieceColours;
}

bool goldWithMix(const SetupChoice& c)
{
    return setupInfo(c).number == kGameCount && c.pieceColours == MixedPieces;
}

} // namespace mirvalon
