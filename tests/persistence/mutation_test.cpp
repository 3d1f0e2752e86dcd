// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded mutation runs over every reader of the game's files: thousands of damaged files that
// must neither crash nor hang a reader, nor be accepted where the layout rejects them.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "mutator.h"
#include "readers.h"
#include "support/fake_persistence.h"
#include "support/test_seed.h"

namespace mirvalon::test {
namespace {

TEST(MutationRun, everyReaderSurvivesDamagedFilesAndAcceptsOnlyValidOnes)
{
    struct Reader
    {
        const char* name;
        const char* seeds; // under tests/data/fuzz, separated by blanks
        int runs;
        std::function<std::string(std::string_view)> check;
    };
    const Reader readers[] = {
        {"configuration", "settings/default.lcf settings/favourites.lcf", 4000,
         fuzz::checkSettingsFile},
        {"records", "records/reference.ldt records/written.ldt", 4000, fuzz::checkRecordsFile},
        {"archive, marked and replayed", "archive/delivered.lar", 1500, fuzz::checkArchiveFile},
        {"language file", "language/Mirv_EN.lng language/Mirv_CZ.lng", 1000,
         fuzz::checkLanguageFile},
        {"CP1250", "cp1250/slovak.txt cp1250/bytes.bin", 5000, fuzz::checkCp1250},
        {"saved game", "saved/first_game.mvg saved/majstrovstva_sveta.mvg", 3000,
         fuzz::checkSavedGame},
        {"offer to the store's writer", "share/offer.bin", 1000, fuzz::checkShareOffer},
    };
    const uint32_t seed = test::testSeed("mutation", 2024u);
    for (const Reader& reader : readers) {
        fuzz::Mutator mutator(seed);
        std::vector<std::string> seeds;
        std::istringstream names(reader.seeds);
        for (std::string name; names >> name;) {
            seeds.push_back(readBytes(std::string(MIRVALON_TEST_DATA) + "/fuzz/" + name));
            ASSERT_FALSE(seeds.back().empty()) << name;
            // The seeds themselves are files the game writes.
            ASSERT_EQ(reader.check(seeds.back()), "") << name;
        }
        int failures = 0;
        for (int run = 0; run < reader.runs && failures < 5; ++run) {
            const std::string input = mutator.mutate(seeds[run % seeds.size()]);
            const std::string problem = reader.check(input);
            if (!problem.empty()) {
                ++failures;
                ADD_FAILURE() << reader.name << ", seed " << seed << ", run " << run << ": "
                              << problem;
            }
        }
    }
}

} // namespace
} // namespace mirvalon::test
