// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_store.h"

#include <initializer_list>

#include "byte_order.h"
#include "engine/messages.h"
#include "safe_file.h"

namespace mirvalon {

namespace {

constexpr int kFirstFavouriteWord = 33;
constexpr int kSlotWords = 7;

// The 17 flags of words 8..24, in file order.
bool GameSettings::*const kFlags[] = {
    &GameSettings::artificialIntelligence,
    &GameSettings::eachPieceOnce,
    &GameSettings::correctPosition,
    &GameSettings::blocking,
    &GameSettings::showHints,
    &GameSettings::rowMarking,
    &GameSettings::showInfo,
    &GameSettings::showTime,
    &GameSettings::showScore,
    &GameSettings::autoSave,
    &GameSettings::reservedFlag,
    &GameSettings::jokes,
    &GameSettings::randomArrangement,
    &GameSettings::showTotalTime,
    &GameSettings::exitWarning,
    &GameSettings::syncAtStart,
    &GameSettings::syncNewRecords,
};

bool oneOf(int32_t v, std::initializer_list<int32_t> allowed)
{
    for (int32_t a : allowed)
        if (v == a)
            return true;
    return false;
}

class WordReader
{
public:
    explicit WordReader(std::string_view bytes, std::vector<int>& bad) : m_bytes(bytes), m_bad(bad)
    {
    }
    int32_t word(int number) const { return getLE32(m_bytes, 4 * (number - 1)); }
    int32_t checked(int number, std::initializer_list<int32_t> allowed)
    {
        const int32_t v = word(number);
        if (!oneOf(v, allowed))
            m_bad.push_back(number);
        return v;
    }
    bool flag(int number) { return checked(number, {0, 1}) == 1; }

private:
    std::string_view m_bytes;
    std::vector<int>& m_bad;
};

} // namespace

SettingsImage decodeSettings(std::string_view bytes, const GameSettings& base)
{
    SettingsImage image{base, {}};
    if (bytes.size() != kSettingsFileSize) {
        image.badWords.push_back(0);
        return image;
    }
    GameSettings& s = image.settings;
    WordReader r(bytes, image.badWords);
    s.positions = r.checked(1, {5, 6, 7, 8});
    s.pieceCount = r.checked(2, {11, 19, 25});
    s.gameForm = r.checked(3, {0, 1, 2});
    s.pieceColours = r.checked(4, {0, 1, 2});
    s.environment = r.checked(5, {-1, 0, 1, 2, 3});
    s.language = r.checked(6, {0, 1, 2, 3});
    s.gameType = r.checked(7, {1, 2});
    int word = 8;
    for (bool GameSettings::*f : kFlags)
        s.*f = r.flag(word++);
    s.activeFavourite = r.word(32);
    for (int k = 0; k < 4; ++k) {
        FavouriteSlot& slot = s.favourites[k];
        const int w = kFirstFavouriteWord + k * kSlotWords;
        slot.inUse = r.flag(w);
        slot.gameType = r.word(w + 1);
        if (slot.inUse && !oneOf(slot.gameType, {1, 2}))
            image.badWords.push_back(w + 1);
        slot.gameNumber = r.word(w + 2);
        slot.pieceColours = r.word(w + 3);
        slot.environment = r.word(w + 4);
        slot.showTime = r.flag(w + 5);
        slot.rowMarking = r.flag(w + 6);
    }
    return image;
}

std::string encodeSettings(const GameSettings& s)
{
    std::string out(kSettingsFileSize, '\0');
    auto put = [&out](int number, int32_t v) { putLE32(out, 4 * (number - 1), v); };
    put(1, s.positions);
    put(2, s.pieceCount);
    put(3, s.gameForm);
    put(4, s.pieceColours);
    put(5, s.environment);
    put(6, s.language);
    put(7, s.gameType);
    int word = 8;
    for (bool GameSettings::*f : kFlags)
        put(word++, s.*f ? 1 : 0);
    put(32, s.activeFavourite);
    for (int k = 0; k < 4; ++k) {
        const FavouriteSlot& slot = s.favourites[k];
        const int w = kFirstFavouriteWord + k * kSlotWords;
        put(w, slot.inUse ? 1 : 0);
        put(w + 1, slot.gameType);
        put(w + 2, slot.gameNumber);
        put(w + 3, slot.pieceColours);
        put(w + 4, slot.environment);
        put(w + 5, slot.showTime ? 1 : 0);
        put(w + 6, slot.rowMarking ? 1 : 0);
    }
    return out;
}

SettingsStore::SettingsStore(FileSystem& fs, Dialogs& dialogs, std::string dataFolder)
    : m_fs(fs), m_dialogs(dialogs), m_dataFolder(std::move(dataFolder))
{
}

std::string SettingsStore::path() const
{
    return joinPath(m_dataFolder, kSettingsFileName);
}

std::optional<GameSettings> SettingsStore::loadSettings(const GameSettings& base) const
{
    const ReadResult file = m_fs.readFile(path(), kSettingsFileSize, false);
    if (file.status == ReadStatus::Missing)
        return std::nullopt;
    // An unreadable file counts as one of the wrong size.
    const SettingsImage image = decodeSettings(
        file.status == ReadStatus::Ok ? std::string_view(file.bytes) : std::string_view(), base);
    if (!image.badWords.empty()) {
        m_dialogs.showMessage(Message::SettingsDamaged);
        return std::nullopt;
    }
    return image.settings;
}

bool SettingsStore::saveSettings(const GameSettings& settings, bool applicationEnding) const
{
    // A configuration marked read-only is the player's choice to keep it; renaming over it
    // would quietly drop the mark.
    FolderLock lock(m_fs, m_dataFolder);
    if (!lock.held() || !m_fs.mayReplace(path()) ||
        !writeFileSafely(m_fs, path(), encodeSettings(settings))) {
        m_dialogs.showMessage(Message::SettingsNotSaved);
        return false;
    }
    if (!applicationEnding)
        m_dialogs.showMessage(Message::SettingsSaved);
    return true;
}

} // namespace mirvalon
