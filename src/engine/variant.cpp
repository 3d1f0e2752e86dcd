// SPDX-License-Identifier: GPL-3.0-or-later
#include "variant.h"

namespace mirvalon {

int pieceIndex(int pieceCount)
{
    switch (pieceCount) {
    case 11:
        return 0;
    case 19:
        return 1;
    case 25:
        return 2;
    default:
        return -1;
    }
}

VariantInfo computeVariant(const GameSettings& s)
{
    VariantInfo v;
    int number = 1;
    int level = 0;
    std::string key = std::to_string(s.positions) + std::to_string(s.pieceCount) + "_";

    if (s.positions >= 5 && s.positions <= 8) {
        number += 3 * (s.positions - 5);
        level += s.positions - 4;
    }
    const int pi = pieceIndex(s.pieceCount);
    if (pi > 0) {
        number += pi;
        level += pi;
    }
    if (s.correctPosition) {
        key += 'A';
    } else {
        number += 96;
        level += 4;
        key += 'a';
    }
    if (s.eachPieceOnce) {
        key += 'k';
    } else {
        number += 48;
        level += 2;
        key += 'K';
    }
    if (s.randomArrangement) {
        number += 24;
        level += 1;
        key += 'N';
    } else {
        key += 'n';
    }
    if (s.blocking) {
        key += 'B';
    } else {
        number += 12;
        key += 'b';
    }

    // Two levels of the table do not follow the formula.
    if (number == 13)
        level = 2;
    if (number == 180)
        level = 12;

    v.number = number;
    v.level = level;
    v.key = key;
    v.numberText = std::to_string(number);
    if (number == 1) {
        v.key = v.numberText = "EASY";
    } else if (number == 192) {
        v.key = v.numberText = "GOLD";
    }
    return v;
}

std::string referenceKey(int n)
{
    if (n < 1 || n > kGameCount)
        return {};
    const int c = (n - 1) / 12;
    const int s = (n - 1) % 12;
    static const char* const kSizes[] = {"11", "19", "25"};
    std::string key = std::to_string(5 + s / 3) + kSizes[s % 3] + "_";
    key += c < 8 ? 'A' : 'a';
    key += (c & 4) ? 'K' : 'k';
    key += (c & 2) ? 'N' : 'n';
    key += (c & 1) ? 'b' : 'B';
    return key;
}

void applyVariantKey(GameSettings& s, const std::string& key)
{
    s.correctPosition = false;
    s.eachPieceOnce = true;
    s.randomArrangement = false;
    s.blocking = false;
    if (key.size() < 8)
        return;
    if (key[0] >= '5' && key[0] <= '8')
        s.positions = key[0] - '0';
    switch (key[2]) {
    case '1':
        s.pieceCount = 11;
        break;
    case '9':
        s.pieceCount = 19;
        break;
    case '5':
        s.pieceCount = 25;
        break;
    default:
        break;
    }
    if (key[4] == 'A')
        s.correctPosition = true;
    if (key[5] == 'K')
        s.eachPieceOnce = false;
    if (key[6] == 'N')
        s.randomArrangement = true;
    if (key[7] == 'B')
        s.blocking = true;
}

void followGameForm(GameSettings& s)
{
    const int number = computeVariant(s).number;
    s.gameForm = number == 1 ? EasiestForm : number == kGameCount ? HardestForm : StandardForm;
    if (number == kGameCount)
        s.pieceColours = GreyPieces;
}

} // namespace mirvalon
