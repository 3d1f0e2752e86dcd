// SPDX-License-Identifier: GPL-3.0-or-later
// The manuals the build renders, read back as text: a page for each section and one row for
// each of the 192 games, numbered and keyed as the engine numbers them.
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <array>
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
    // Each manual and the titles of its three sections.
    const std::pair<const char*, std::array<const char*, 3>> cases[] = {
        {"Mirv_SK.pdf", {"1. Pravidlá hry", "2. Body", "3. Všetkých 192 hier"}},
        {"Mirv_EN.pdf", {"1. Rules of the game", "2. Points", "3. All 192 games"}},
    };
    const QRegularExpression row(
        QStringLiteral(R"(^\s*(\d+)(?:\s+(EASY|GOLD))?\s+([5-8](?:11|19|25)_[Aa][Kk][Nn][Bb])\s)"));
    for (const auto& [file, sections] : cases) {
        SCOPED_TRACE(file);
        const QString path = QStringLiteral(MIRVALON_PROGRAM_DIR "/") + file;
        ASSERT_TRUE(QFile::exists(path));
        const QStringList pages = pdfPages(path);
        ASSERT_GE(pages.size(), 4);
        // Section 1 opens the first page; 2 and 3 each head a page of their own.
        EXPECT_TRUE(pages[0].contains(QString::fromUtf8(sections[0])));
        EXPECT_EQ(firstLine(pages[1]), QString::fromUtf8(sections[1]));
        EXPECT_EQ(firstLine(pages[2]), QString::fromUtf8(sections[2]));

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
        for (const auto& [n, key] : rows)
            EXPECT_EQ(key.toStdString(), referenceKey(n)) << n;
    }
}

// Rendered twice with the same build date, once in each of two time zones far apart, the
// manuals come out byte for byte the same and dated by it.
TEST(Manual, theSameSourcesAndDateGiveTheSameBytes)
{
    QByteArray runs[2][2];
    const char* timeZones[] = {"UTC", "Pacific/Kiritimati"};
    for (int run = 0; run < 2; ++run) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("TZ"), QString::fromLatin1(timeZones[run]));
        environment.insert(QStringLiteral("SOURCE_DATE_EPOCH"), QStringLiteral("1796580000"));
        QProcess generator;
        generator.setProcessEnvironment(environment);
        generator.start(QStringLiteral(MIRVALON_MANUAL_GENERATOR), {folder.path()});
        ASSERT_TRUE(generator.waitForFinished(60000));
        ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
        int i = 0;
        for (const char* name : {"/Mirv_SK.pdf", "/Mirv_EN.pdf"}) {
            QFile f(folder.path() + QString::fromLatin1(name));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            runs[run][i++] = f.readAll();
        }
    }
    for (int i = 0; i < 2; ++i) {
        ASSERT_FALSE(runs[0][i].isEmpty());
        EXPECT_TRUE(runs[0][i] == runs[1][i]) << "manual " << i; // named, not dumped
        EXPECT_TRUE(runs[0][i].contains("/CreationDate (D:20261206180000Z)"));
    }
}

} // namespace
} // namespace mirvalon
