// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites.h"

#include "variant.h"

namespace mirvalon {

namespace {

bool validSlot(int k)
{
    return k >= 1 && k <= kFavouriteSlots;
}

} // namespace

int findFavourite(const GameSettings& settings)
{
    const int number = computeVariant(settings).number;
    for (int k = 1; k <= kFavouriteSlots; ++k) {
        const FavouriteSlot& slot = settings.favourites[k - 1];
        if (slot.gameType == settings.gameType && slot.gameNumber == number &&
            slot.pieceColours == settings.pieceColours && slot.rowMarking == settings.rowMarking)
            return k;
    }
    return 0;
}

void storeFavourite(GameSettings& settings, int k)
{
    if (!validSlot(k))
        return;
    FavouriteSlot& slot = settings.favourites[k - 1];
    slot.inUse = true;
    slot.gameType = settings.gameType;
    slot.gameNumber = computeVariant(settings).number;
    slot.pieceColours = settings.pieceColours;
    slot.environment = settings.environment;
    slot.showTime = settings.showTime;
    slot.rowMarking = settings.rowMarking;
    settings.activeFavourite = k;
}

void releaseFavourite(GameSettings& settings, int k)
{
    if (!validSlot(k))
        return;
    settings.favourites[k - 1] = FavouriteSlot{};
    if (settings.activeFavourite == k)
        settings.activeFavourite = 0;
}

void clearFavourites(GameSettings& settings)
{
    settings.favourites.fill(FavouriteSlot{});
    settings.activeFavourite = 0;
}

bool favouritePlayable(const GameSettings& settings, int k)
{
    if (!validSlot(k))
        return false;
    const FavouriteSlot& slot = settings.favourites[k - 1];
    return slot.inUse && slot.gameNumber >= 1 && slot.gameNumber <= kGameCount;
}

bool anyFavourite(const GameSettings& settings)
{
    for (const FavouriteSlot& slot : settings.favourites)
        if (slot.inUse)
            return true;
    return false;
}

void applyFavourite(GameSettings& settings, int k, const std::string& variantKey)
{
    if (!validSlot(k))
        return;
    const FavouriteSlot& slot = settings.favourites[k - 1];
    settings.gameType = slot.gameType == Training ? Training : Classic;
    applyVariantKey(settings, variantKey);
    // The configuration does not check these words; a stray value shows grey pieces and no
    // picture rather than something the board cannot draw.
    settings.pieceColours = slot.pieceColours >= GreyPieces && slot.pieceColours <= MixedPieces
                                ? slot.pieceColours
                                : GreyPieces;
    settings.environment = slot.environment >= 0 && slot.environment <= 3 ? slot.environment : -1;
    settings.showTime = slot.showTime;
    settings.rowMarking = slot.rowMarking;
    settings.activeFavourite = k;
}

FavouritePress favouritePress(bool slotInUse, MouseButton button, Modifiers modifiers)
{
    FavouritePress press;
    press.start = slotInUse && button == MouseButton::Left;
    press.toggle = button == MouseButton::Right ||
                   (button == MouseButton::Left && (modifiers.ctrl || modifiers.alt));
    return press;
}

} // namespace mirvalon
