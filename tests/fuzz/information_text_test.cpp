// SPDX-License-Identifier: GPL-3.0-or-later
// The information-text reader on its own: damaged and hostile texts never crash or hang it,
// and its work grows in step with the text.
#include <QGuiApplication>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "mutator.h"
#include "support/fake_persistence.h"
#include "support/test_seed.h"
#include "ui/rtf_reader.h"

namespace mirvalon {
namespace {

const ByteDecoder latin1 = [](unsigned char b) { return QChar(b); };

TEST(InformationText, damagedTextsNeverCrashTheReader)
{
    const std::string seed =
        test::readBytes(std::string(MIRVALON_TEST_DATA) + "/fuzz/information/Mirv_EN.rtf");
    ASSERT_FALSE(seed.empty());
    const uint32_t runSeed = mirvalon::test::testSeed("information-text mutation", 1500u);
    fuzz::Mutator mutator(runSeed);
    for (int run = 0; run < 1500; ++run) {
        const std::string text = mutator.mutate(seed);
        QTextDocument document;
        const bool read =
            readRtf(QByteArray(text.data(), static_cast<int>(text.size())), document, latin1);
        // Only a text that starts as the format does is taken.
        EXPECT_EQ(read, QByteArray::fromStdString(text).trimmed().startsWith("{\\rtf"))
            << "seed " << runSeed << ", run " << run;
    }
}

// F1 must not freeze the window: a long text of short runs in alternating looks is laid out
// once, at the end, not after every run (which takes time growing with the square of the
// text), and deep nesting is read without a stack of its own depth.
TEST(InformationText, aLongTextOfShortRunsIsLaidOutOnce)
{
    const std::pair<const char*, int> cases[] = {
        {"\\b x\\b0 y", 2}, {"{\\i x}", 1}, {"x\\par ", 1}, {"{{{{x", 1}}; // letters per unit
    for (const auto& [unit, letters] : cases) {
        QByteArray rtf = "{\\rtf1 ";
        int units = 0;
        for (; rtf.size() < 256 * 1024; ++units)
            rtf += unit;
        QTextDocument document;
        ASSERT_TRUE(readRtf(rtf, document, latin1));
        // Each edit of a document costs work in proportion to the document: the whole text
        // must be one edit.
        EXPECT_LE(document.revision(), 2) << unit;
        const QString plain = document.toPlainText().remove(QChar('\n'));
        EXPECT_EQ(plain.size(), units * letters) << unit;
    }
}

} // namespace
} // namespace mirvalon

int main(int argc, char** argv)
{
    // No display is needed to lay out a text.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
