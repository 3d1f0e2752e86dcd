// SPDX-License-Identifier: GPL-3.0-or-later
// The manuals the build renders, read back as text: a page for each section and one row for
// each of the 192 games, numbered and keyed as the engine numbers them.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <map>

#include "engine/variant.h"

namespace mirvalon {
namespace {

QStringList pdfPages(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput()).split(QChar('\f'));
}

QString firstLine(const QString& page)
{
    for (const QString& line : page.split('\n'))
        if (!line.trimmed().isEmpty())
            return line.trimmed();
    return {};
}

TEST(Manual, eachSectionOnItsOwnPageAndEveryGameInTheTable)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    struct Case
    {
        const char* file;
        const char* sections[3];
    };
    const Case cases[] = {
        {"Mirv_SK.pdf", {"1. Pravidlá hry", "2. Body", "3. Všetkých 192 hier"}},
        {"Mirv_EN.pdf", {"1. Rules of the game", "2. Points", "3. All 192 games"}},
    };
    const QRegularExpression row(
        QStringLiteral(R"(^\s*(\d+)(?:\s+(EASY|GOLD))?\s+([5-8](?:11|19|25)_[Aa][Kk][Nn][Bb])\s)"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = QStringLiteral(MIRVALON_PROGRAM_DIR "/") + c.file;
        ASSERT_TRUE(QFile::exists(path));
        const QStringList pages = pdfPages(path);
        ASSERT_GE(pages.size(), 4);
        // Section 1 opens the first page; 2 and 3 each head a page of their own.
        EXPECT_TRUE(pages[0].contains(QString::fromUtf8(c.sections[0])));
        EXPECT_EQ(firstLine(pages[1]), QString::fromUtf8(c.sections[1]));
        EXPECT_EQ(firstLine(pages[2]), QString::fromUtf8(c.sections[2]));

        std::map<int, QString> rows;
        for (int p = 2; p < pages.size(); ++p) {
            for (const QString& line : pages[p].split('\n')) {
                const auto m = row.match(line);
                if (!m.hasMatch())
                    continue;
                const int n = m.captured(1).toInt();
                EXPECT_EQ(rows.count(n), 0u) << n;
                rows[n] = m.captured(3);
                const QString name = n == 1 ? "EASY" : n == 192 ? "GOLD" : "";
                EXPECT_EQ(m.captured(2), name) << n;
            }
        }
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(kGameCount));
        EXPECT_EQ(rows.begin()->first, 1);
        EXPECT_EQ(rows.rbegin()->first, kGameCount);
        for (const auto& [n, key] : rows)
            EXPECT_EQ(key.toStdString(), referenceKey(n)) << n;
    }
}

} // namespace
} // namespace mirvalon
