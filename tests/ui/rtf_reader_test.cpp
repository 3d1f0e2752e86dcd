// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of the information texts on a table of snippets.
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "ui/rtf_reader.h"

namespace mirvalon {
namespace {

constexpr ByteDecoder latin1 = [](unsigned char b) { return QChar(b); };

// Each run of text with its letters' look: "text [biu] 10pt #rrggbb", "-" for no colour.
QStringList runs(const QTextDocument& doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat c = it.fragment().charFormat();
            const QString look = QString(c.fontWeight() == QFont::Bold ? "b" : "") +
                                 (c.fontItalic() ? "i" : "") + (c.fontUnderline() ? "u" : "");
            const QString colour = c.hasProperty(QTextFormat::ForegroundBrush)
                                       ? c.foreground().color().name()
                                       : QStringLiteral("-");
            out << QStringLiteral("%1 [%2] %3pt %4")
                       .arg(it.fragment().text(), look)
                       .arg(c.fontPointSize())
                       .arg(colour);
        }
    }
    return out;
}

TEST(RtfReader, snippets)
{
    // A snippet and its text, paragraphs joined by '|'.
    const std::pair<const char*, const char*> cases[] = {
        {"{\\rtf1 Hello}", "Hello"},
        {"{\\rtf1 one\\par two}", "one|two"},
        {"{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\*\\generator Nobody;}Text}", "Text"},
        {"{\\rtf1 a\\unknownword7 b\\xyz c}", "abc"}, // the blank ends the word
        {"{\\rtf1 \\'e1\\'9a}", "\xc3\xa1\xc2\x9a"},
        {"{\\rtf1\\uc1 \\u269?x\\u-3913?}", "\xc4\x8dx\xef\x82\xb7"},
        {"{\\rtf1 \\{brace\\} and \\\\}", "{brace} and \\"},
        {"{\\rtf1 line\\line next\\tab x}", "line\xe2\x80\xa8next\tx"},
        {"{\\rtf1{\\info{\\title Hidden}}Shown}", "Shown"},
        {"{\\rtf1{\\stylesheet S;}{\\pict 89}{\\header H}{\\footer F}{\\object O}{\\filetbl T}x}",
         "x"},
    };
    for (const auto& [rtf, plain] : cases) {
        QTextDocument doc;
        ASSERT_TRUE(readRtf(QByteArray(rtf), doc, latin1)) << rtf;
        QStringList paragraphs;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            paragraphs << b.text();
        EXPECT_EQ(paragraphs.join('|'), QString::fromUtf8(plain)) << rtf;
    }
    QTextDocument doc;
    EXPECT_FALSE(readRtf("plain text, not rtf", doc, latin1));
    EXPECT_FALSE(readRtf(QByteArray(), doc, latin1));
    // Damaged input never crashes: unbalanced groups, a cut escape, a huge number.
    EXPECT_TRUE(readRtf("{\\rtf1 }}}}{{{\\'4", doc, latin1));
    EXPECT_TRUE(readRtf("{\\rtf1 \\fs99999999999999 x\\u99999999999", doc, latin1));
}

TEST(RtfReader, characterFormatsAndColours)
{
    QTextDocument doc;
    readRtf("{\\rtf1{\\colortbl;\\red128\\green0\\blue0;\\red0\\green0\\blue255;}"
            "\\fs20 plain {\\b bold}{\\i\\cf2 blue italic}\\ul under\\ulnone  {\\cf1\\fs32 big}}",
            doc, latin1);
    EXPECT_EQ(runs(doc),
              (QStringList{"plain  [] 10pt -", "bold [b] 10pt -", "blue italic [i] 10pt #0000ff",
                           "under [u] 10pt -", "  [] 10pt -", "big [] 16pt #800000"}));
}

} // namespace
} // namespace mirvalon
