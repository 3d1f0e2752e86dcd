// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

#include <sys/stat.h>
#include <unistd.h>

#include "persistence/cp1250.h"
#include "persistence/safe_file.h"
#include "support/fake_persistence.h"

namespace mirvalon::test {
namespace {

// The letters of the three languages both ways (every byte comes back unchanged in the mutation
// run's seed); what the code page cannot hold is refused, and a text is fitted to its field by
// characters.
TEST(Cp1250, convertsTheThreeLanguagesAndRefusesWhatItCannotHold)
{
    const std::pair<const char*, std::string> cases[] = {
        {"Mirvalon", "Mirvalon"},
        {"Zásah", "Z\xE1sah"},
        {"Ľutujem", "\xBCutujem"},
        {"Č ľ š ť ž ý á í é", "\xC8 \xBE \x9A \x9D \x9E \xFD \xE1 \xED \xE9"},
        {"ř ů ě Ř Ů Ě", "\xF8 \xF9 \xEC \xD8 \xD9 \xCC"},
        {"€ „“ –", "\x80 \x84\x93 \x96"},
        {"ô ä ň ĺ ŕ", "\xF4 \xE4 \xF2 \xE5 \xE0"},
    };
    for (const auto& [utf8, bytes] : cases) {
        EXPECT_EQ(utf8ToCp1250(utf8), bytes) << utf8;
        EXPECT_EQ(cp1250ToUtf8(bytes), utf8) << utf8;
    }
    // Greek, Japanese, torn, invalid; then the overlong forms of "y", "/" and "á" and a
    // surrogate half, which a lax decoder would turn into letters the file can hold.
    for (const char* text : {"Ω", "日本", "ł\xC3", "\xFF", "\xC1\xB9", "\xC0\xAF", "\xE0\x80\xAF",
                             "\xE0\x83\xA1", "\xF0\x80\x81\xB9", "\xED\xA0\x80"})
        EXPECT_FALSE(utf8ToCp1250(text).has_value()) << text;
    EXPECT_TRUE(fitsCp1250("Łódź? Nie: Żilina"));
    EXPECT_EQ(fitToWidth("Ján", 10), "Ján       ");
    EXPECT_EQ(fitToWidth("Ľudovít Štúr", 10), "Ľudovít Št");
}

// A write replaces the whole file; one that fails at any step leaves the old file whole and
// no stray temporary file.
TEST(SafeWrite, replacesTheWholeFileOrKeepsThePreviousOne)
{
    for (WriteStep step : {WriteStep::None, WriteStep::CreateTemp, WriteStep::Write,
                           WriteStep::Sync, WriteStep::Close, WriteStep::Rename}) {
        TempDir dir;
        const std::string target = dir.file("Mirvalon.ldt");
        writeBytes(target, std::string(9000, 'o'));
        FaultyFileSystem fs;
        fs.failAt = step;
        const bool written = step == WriteStep::None;
        EXPECT_EQ(writeFileSafely(fs, target, "new"), written);
        EXPECT_EQ(readBytes(target), written ? "new" : std::string(9000, 'o'));
        EXPECT_EQ(listFolder(dir.path()), std::vector<std::string>{"Mirvalon.ldt"});
    }
}

TEST(FileRead, tellsMissingFromUnreadable)
{
    TempDir dir;
    PosixFileSystem fs;
    writeBytes(dir.file("file"), "12345");
    ::mkdir(dir.file("folder").c_str(), 0755);
    ASSERT_EQ(::symlink(dir.file("file").c_str(), dir.file("link").c_str()), 0);
    struct Case
    {
        const char* name;
        std::size_t limit;
        bool noFollow;
        ReadStatus expected;
    };
    const Case cases[] = {
        {"file", 5, false, ReadStatus::Ok},       {"file", 4, false, ReadStatus::TooLarge},
        {"none", 5, false, ReadStatus::Missing},  {"folder", 5, false, ReadStatus::Unreadable},
        {"folder", 5, true, ReadStatus::Missing}, {"link", 5, false, ReadStatus::Ok},
        {"link", 5, true, ReadStatus::Missing},   {"none/x", 5, false, ReadStatus::Missing},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fs.readFile(dir.file(c.name), c.limit, c.noFollow).status, c.expected)
            << c.name << " noFollow " << c.noFollow;
}

// A read or write goes on after a part and after an interruption, and stops when nothing moves:
// a store file that shrank under the writer must not keep it asking for ever. A step past the
// script throws, so a loop that asks again fails the test instead of hanging.
TEST(FileRead, transfersGoOnAfterPartsAndInterruptionsAndStopWhenNothingMoves)
{
    // What each call returns (-errno for a failure); whether all went through; where each call
    // started.
    using Case = std::tuple<std::vector<ssize_t>, bool, std::vector<std::size_t>>;
    const Case cases[] = {
        {{10}, true, {0}},            // at once
        {{4, 6}, true, {0, 4}},       // in parts
        {{-EINTR, 10}, true, {0, 0}}, // interrupted
        {{3, 0}, false, {0, 3}},      // nothing moves
        {{-EIO}, false, {0}},         // an error
    };
    for (const auto& [script, whole, offsets] : cases) {
        SCOPED_TRACE(::testing::PrintToString(script));
        std::vector<std::size_t> starts;
        const auto step = [&](std::size_t done) -> ssize_t {
            if (starts.size() == script.size())
                throw std::runtime_error("asked again");
            starts.push_back(done);
            const ssize_t n = script[starts.size() - 1];
            errno = n < 0 ? -n : 0;
            return n < 0 ? -1 : n;
        };
        const bool done = posix::transferWhole(10, step);
        EXPECT_EQ(std::tuple(done, starts), std::tuple(whole, offsets));
    }
}

} // namespace
} // namespace mirvalon::test
