// SPDX-License-Identifier: GPL-3.0-or-later
#include "saved_task.h"

#include "variant.h"

namespace mirvalon {

namespace {

int characters(const std::string& utf8)
{
    int count = 0;
    for (unsigned char c : utf8)
        count += (c & 0xC0) != 0x80;
    return count;
}

} // namespace

SavedTask taskForGame(int number)
{
    GameSettings variant;
    applyVariantKey(variant, referenceKey(number));
    SavedTask task;
    task.gameNumber = number;
    task.positions = variant.positions;
    task.pieceCount = variant.pieceCount;
    task.randomArrangement = variant.randomArrangement;
    return task;
}

bool keepsFace(int piece, int pieceColours)
{
    return pieceColours != MixedPieces || piece % 2 == 1;
}

SavedTask taskOfGame(const GameState& state, const GameSettings& settings)
{
    SavedTask task;
    task.gameNumber = computeVariant(settings).number;
    task.pieceColours = settings.pieceColours;
    task.positions = settings.positions;
    task.pieceCount = settings.pieceCount;
    task.randomArrangement = settings.randomArrangement;
    task.showTime = settings.showTime;
    task.password = state.password;
    if (!task.password.empty())
        task.authText = state.authText;
    for (int i = 0; i < settings.positions && i < kMaxPositions; ++i)
        task.hiddenRow[i] = state.hiddenRow[i];
    if (task.randomArrangement) {
        for (int k = 1; k <= settings.pieceCount && k <= kMaxPieces; ++k) {
            if (!keepsFace(k, task.pieceColours))
                continue;
            const int face = state.faces[k];
            task.faces[k] = face >= 1 && face <= kMaxFace ? face : k;
        }
    }
    return task;
}

bool taskIsPlayable(const SavedTask& task)
{
    if (task.gameNumber < 1 || task.gameNumber > kGameCount)
        return false;
    GameSettings variant;
    applyVariantKey(variant, referenceKey(task.gameNumber));
    const SavedTask expected = taskForGame(task.gameNumber);
    if (task.positions != expected.positions || task.pieceCount != expected.pieceCount ||
        task.randomArrangement != expected.randomArrangement)
        return false;
    if (task.pieceColours < GreyPieces || task.pieceColours > MixedPieces)
        return false;

    for (int i = 0; i < kMaxPositions; ++i) {
        const int piece = task.hiddenRow[i];
        if (i >= task.positions) {
            if (piece != 0)
                return false;
            continue;
        }
        if (piece < 1 || piece > task.pieceCount)
            return false;
        for (int j = 0; j < i && variant.eachPieceOnce; ++j)
            if (task.hiddenRow[j] == piece)
                return false;
    }

    for (int k = 1; k <= kMaxPieces; ++k) {
        const int face = task.faces[k];
        const bool kept =
            task.randomArrangement && k <= task.pieceCount && keepsFace(k, task.pieceColours);
        if (!kept) {
            if (face != 0)
                return false;
            continue;
        }
        if (face < 1 || face > kMaxFace)
            return false;
        for (int j = 1; j < k; ++j)
            if (task.faces[j] == face)
                return false;
    }

    if (characters(task.password) > kMaxPasswordLength ||
        characters(task.authText) > kMaxAuthTextLength)
        return false;
    return task.password.empty() || !task.authText.empty();
}

MissingText missingPasswordText(const std::string& password, const std::string& authText)
{
    if (password.empty() == authText.empty())
        return MissingText::None;
    return password.empty() ? MissingText::Password : MissingText::AuthText;
}

} // namespace mirvalon
