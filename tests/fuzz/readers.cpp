// SPDX-License-Identifier: GPL-3.0-or-later
#include "readers.h"

#include <algorithm>
#include <cstdint>

#include "engine/records_table.h"
#include "persistence/archive_store.h"
#include "persistence/byte_order.h"
#include "persistence/cp1250.h"
#include "persistence/language_loader.h"
#include "persistence/records_store.h"
#include "persistence/saved_game.h"
#include "persistence/settings_store.h"
#include "persistence/shared_store.h"
#include "support/fake_persistence.h"

namespace mirvalon::fuzz {

namespace {

int32_t word32(std::string_view b, int number)
{
    return getLE32(b, 4 * static_cast<std::size_t>(number - 1));
}

bool in(int32_t v, std::initializer_list<int32_t> allowed)
{
    return std::find(allowed.begin(), allowed.end(), v) != allowed.end();
}

// The 34-byte record at `at` is within the bounds the records file allows.
bool slotInBounds(std::string_view b, std::size_t at)
{
    const uint16_t number = getLE16(b, at), level = getLE16(b, at + 2), rows = getLE16(b, at + 4),
                   points = getLE16(b, at + 14);
    return number >= 1 && number <= 192 && level >= 1 && level <= 13 && rows <= 15 &&
           points <= 9999;
}

// The language file as the only file there is.
class OneFile : public PosixFileSystem
{
public:
    explicit OneFile(std::string_view bytes) : m_bytes(bytes) {}
    ReadResult readFile(const std::string&, std::size_t limit, bool) override
    {
        if (m_bytes.size() > limit)
            return {ReadStatus::TooLarge, {}};
        return {ReadStatus::Ok, m_bytes};
    }

private:
    std::string m_bytes;
};

} // namespace

std::string checkSettingsFile(std::string_view b)
{
    const GameSettings base;
    const SettingsImage image = decodeSettings(b, base);
    bool valid = b.size() == kSettingsFileSize;
    if (valid) {
        valid = in(word32(b, 1), {5, 6, 7, 8}) && in(word32(b, 2), {11, 19, 25}) &&
                in(word32(b, 3), {0, 1, 2}) && in(word32(b, 4), {0, 1, 2}) &&
                in(word32(b, 5), {-1, 0, 1, 2, 3}) && in(word32(b, 6), {0, 1, 2, 3}) &&
                in(word32(b, 7), {1, 2});
        for (int w = 8; w <= 24; ++w)
            valid = valid && in(word32(b, w), {0, 1});
        for (int slot = 0; slot < 4; ++slot) {
            const int w = 33 + 7 * slot;
            valid = valid && in(word32(b, w), {0, 1}) && in(word32(b, w + 5), {0, 1}) &&
                    in(word32(b, w + 6), {0, 1}) &&
                    (word32(b, w) == 0 || in(word32(b, w + 1), {1, 2}));
        }
    }
    if (valid != image.badWords.empty())
        return valid ? "a valid configuration was refused" : "a bad configuration was accepted";
    if (valid && decodeSettings(encodeSettings(image.settings), base).settings != image.settings)
        return "a configuration does not read back as it was written";
    return {};
}

std::string checkRecordsFile(std::string_view b)
{
    const std::optional<RecordsTable> table = decodeRecordsFile(b);
    bool valid = b.size() == kRecordsFileSize;
    for (std::size_t at = 0; valid && at < b.size(); at += 34)
        valid = slotInBounds(b, at);
    if (valid != table.has_value())
        return valid ? "a valid records file was refused" : "a bad records file was accepted";
    if (table) {
        for (const RecordEntry& e : *table)
            if (!fitsCp1250(e.holder) || utf8Length(e.holder) > 10 || utf8Length(e.time) > 8 ||
                utf8Length(e.key) > 8)
                return "a records text is longer than its field";
        const std::optional<std::string> again = encodeRecordsFile(*table);
        if (!again || decodeRecordsFile(*again) != table)
            return "a records file does not read back as it was written";
    }
    return {};
}

std::string checkArchiveFile(std::string_view b)
{
    if (b.size() != kArchiveFileSize)
        return {};
    const RecordsTable reference = referenceRecords();
    for (int i = 0; i < kGameCount; ++i) {
        // Marked at start against the game's own record.
        const SlotMatch m = matchArchiveSlot(b, i, reference[i]);
        const std::size_t at = kArchiveSlotSize * static_cast<std::size_t>(i);
        if (m == SlotMatch::Match &&
            (b[at] == 0 || !slotInBounds(b, at + 1) || getLE16(b, at + 1) != reference[i].number ||
             getLE16(b, at + 15) != reference[i].points))
            return "an archive slot that differs from its record was marked";
        if (m == SlotMatch::OutOfBounds && slotInBounds(b, at + 1))
            return "an archive slot within its bounds was called out of bounds";
        // Replay reads a slot only against the record it claims to be.
        const RecordEntry claimed = decodeRecordSlot(b, at + 1);
        if (!recordInBounds(claimed))
            continue;
        if (matchArchiveSlot(b, i, claimed) != SlotMatch::Match && b[at] != 0 &&
            claimed.number == i + 1)
            return "a slot was refused for the record it holds";
        const ArchivedGame game = decodeArchivedGame(b, i);
        std::string again(b);
        encodeArchivedGame(game, again, i);
        if (decodeArchivedGame(again, i) != game)
            return "an archived game does not read back as it was written";
    }
    return {};
}

std::string checkLanguageFile(std::string_view b)
{
    TextTable texts = TextTable::builtIn();
    test::FakeLanguageTargets targets; // records every text the file hands to the window
    test::FakePlainMessages refusals;
    OneFile file(b);
    LanguageLoader loader(file, "/program", texts, targets, refusals);
    const bool loaded = loader.loadLanguage(2);
    std::size_t lines = 0;
    for (std::size_t i = 0; i < b.size(); ++i)
        lines += b[i] == '\n' || i + 1 == b.size();
    const bool longEnough = lines >= kLanguageMinimumLines && b.size() <= 1024 * 1024;
    if (loaded != longEnough)
        return loaded ? "a short language file was taken" : "a long language file was refused";
    if (loaded == !refusals.shown.empty())
        return "the refusal message does not follow the result";
    // Every text a file hands to the window came through the converter, so it is text the
    // code page holds.
    for (const auto& [key, text] : targets.texts)
        if (!fitsCp1250(text))
            return "a language file handed the window a text the code page cannot hold";
    for (const std::string& m : texts.messages)
        if (!fitsCp1250(m))
            return "a message is not text of the code page";
    return {};
}

std::string checkCp1250(std::string_view b)
{
    const std::optional<std::string> bytes = utf8ToCp1250(b);
    // Whatever is taken comes back exactly: overlong or torn forms cannot round-trip.
    if (bytes && cp1250ToUtf8(*bytes) != b)
        return "the converter took a text that does not come back unchanged";
    if (utf8ToCp1250(cp1250ToUtf8(b)) != std::string(b))
        return "a code-page text does not come back unchanged";
    if (fitsCp1250(b) != bytes.has_value())
        return "fitsCp1250 disagrees with the converter";
    return {};
}

std::string checkSavedGame(std::string_view b)
{
    const std::optional<SavedTask> task = decodeSavedGame(b);
    if (!task)
        return {};
    if (!taskIsPlayable(*task))
        return "a saved game opened to a task that cannot be played";
    // What opens saves again and opens to the same task.
    Random noise;
    const std::optional<std::string> again = encodeSavedGame(*task, noise);
    if (!again || decodeSavedGame(*again) != task)
        return "an opened saved game does not save and open to itself";
    return {};
}

std::string checkShareOffer(std::string_view b)
{
    const std::optional<StoreImages> offer = splitOffer(b);
    if (offer.has_value() != (b.size() == 6528 + 113664))
        return offer ? "an offer of the wrong size was taken" : "a whole offer was refused";
    if (!offer)
        return {};
    for (int i : betterGames(*offer, emptyStore(), 0, 191)) {
        // What the writer would put in the store, judged here from the bytes alone; whether
        // the game proves the record is the record check's table.
        const std::size_t record = 34 * static_cast<std::size_t>(i);
        const std::size_t slot = 592 * static_cast<std::size_t>(i);
        const std::string_view r(offer->records), a(offer->archive);
        if (!slotInBounds(r, record) || getLE16(r, record) != i + 1 || a[slot] != 1 ||
            r.substr(record, 16) != a.substr(slot + 1, 16)) // number .. points; names may differ
            return "a record was taken without its own archived game";
    }
    return {};
}

} // namespace mirvalon::fuzz
