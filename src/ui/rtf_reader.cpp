// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf_reader.h"

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <cctype>
#include <vector>

namespace mirvalon {

namespace {

struct CharState
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;
    int colour = 0;
    bool skip = false; // inside a destination that is not shown
    bool colourTable = false;
    int unicodeSkip = 1; // characters that stand in for each \u escape
};

struct ParagraphState
{
    int leftIndent = 0; // twips
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
};

class Reader
{
public:
    Reader(const QByteArray& rtf, QTextDocument& document, ByteDecoder decode)
        : m_in(rtf), m_cursor(&document), m_decode(decode)
    {
    }

    void run()
    {
        // One edit block: the document is laid out once at the end, not after every run of
        // letters, which would make a text of many short runs take quadratic time.
        m_cursor.beginEditBlock();
        m_states.push_back(CharState{});
        while (m_pos < m_in.size()) {
            const char c = m_in[m_pos++];
            switch (c) {
            case '{':
                flush();
                // Groups nested deeper than any real text are counted, not stacked, so a
                // hostile text cannot make the reader use memory without bound.
                if (m_states.size() < kMaxDepth)
                    m_states.push_back(m_states.back());
                else
                    ++m_unstacked;
                break;
            case '}':
                flush();
                if (m_unstacked > 0) {
                    --m_unstacked;
                    break;
                }
                if (m_states.back().colourTable)
                    endColourTable();
                if (m_states.size() > 1)
                    m_states.pop_back();
                break;
            case '\\':
                control();
                break;
            case '\r':
            case '\n':
                break;
            default:
                text(m_decode(static_cast<unsigned char>(c)));
                break;
            }
        }
        flush();
        m_cursor.setBlockFormat(blockFormat());
        m_cursor.endEditBlock();
    }

private:
    CharState& state() { return m_states.back(); }

    void text(QChar ch)
    {
        if (m_pendingSkip > 0) {
            --m_pendingSkip;
            return;
        }
        if (state().colourTable) {
            if (ch == ';') {
                m_colours.push_back(m_haveColour ? QColor(m_red, m_green, m_blue) : QColor());
                m_haveColour = false;
                m_red = m_green = m_blue = 0;
            }
            return;
        }
        if (state().skip)
            return;
        m_run += ch;
    }

    QTextCharFormat charFormat() const
    {
        const CharState& s = m_states.back();
        QTextCharFormat f;
        f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(s.italic);
        f.setFontUnderline(s.underline);
        f.setFontPointSize(s.halfPoints / 2.0);
        if (s.colour > 0 && s.colour < static_cast<int>(m_colours.size()) &&
            m_colours[s.colour].isValid())
            f.setForeground(m_colours[s.colour]);
        return f;
    }

    QTextBlockFormat blockFormat() const
    {
        // Twips to pixels at 96 dots per inch.
        QTextBlockFormat f;
        f.setLeftMargin(m_paragraph.leftIndent / 15.0);
        f.setTextIndent(m_paragraph.firstIndent / 15.0);
        f.setTopMargin(m_paragraph.spaceBefore / 15.0);
        f.setBottomMargin(m_paragraph.spaceAfter / 15.0);
        return f;
    }

    void flush()
    {
        if (!m_run.isEmpty())
            m_cursor.insertText(m_run, charFormat());
        m_run.clear();
    }

    // Flushes the run when a control word changes how the next letters look.
    void changeCharacter() { flush(); }

    void endColourTable() { state().colourTable = false; }

    void control()
    {
        if (m_pos >= m_in.size())
            return;
        const char c = m_in[m_pos];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++m_pos;
            symbol(c);
            return;
        }
        QByteArray word;
        while (m_pos < m_in.size() && std::isalpha(static_cast<unsigned char>(m_in[m_pos])))
            word += m_in[m_pos++];
        bool hasParam = false;
        bool negative = false;
        int param = 0;
        if (m_pos < m_in.size() && m_in[m_pos] == '-') {
            negative = true;
            ++m_pos;
        }
        while (m_pos < m_in.size() && std::isdigit(static_cast<unsigned char>(m_in[m_pos]))) {
            hasParam = true;
            param = param * 10 + (m_in[m_pos++] - '0');
            if (param > 1'000'000)
                param = 1'000'000;
        }
        if (negative)
            param = -param;
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos;
        word_(word, hasParam, param);
    }

    void symbol(char c)
    {
        switch (c) {
        case '\'': {
            if (m_pos + 2 > m_in.size())
                return;
            bool ok = false;
            const int byte = m_in.mid(m_pos, 2).toInt(&ok, 16);
            m_pos += 2;
            if (ok)
                text(m_decode(static_cast<unsigned char>(byte)));
            break;
        }
        case '\\':
        case '{':
        case '}':
            text(QChar::fromLatin1(c));
            break;
        case '~':
            text(QChar(0x00A0));
            break;
        case '*':
            state().skip = true; // an optional destination this reader does not know
            break;
        case '\r':
        case '\n':
            paragraph();
            break;
        default:
            break;
        }
    }

    void paragraph()
    {
        if (state().skip || state().colourTable)
            return;
        flush();
        m_cursor.setBlockFormat(blockFormat());
        m_cursor.insertBlock();
    }

    void word_(const QByteArray& w, bool hasParam, int param)
    {
        const bool on = !hasParam || param != 0;
        CharState& s = state();
        if (w == "par") {
            paragraph();
        } else if (w == "line") {
            text(QChar::LineSeparator);
        } else if (w == "tab") {
            text('\t');
        } else if (w == "b") {
            changeCharacter();
            s.bold = on;
        } else if (w == "i") {
            changeCharacter();
            s.italic = on;
        } else if (w == "ul") {
            changeCharacter();
            s.underline = on;
        } else if (w == "ulnone") {
            changeCharacter();
            s.underline = false;
        } else if (w == "fs") {
            changeCharacter();
            if (hasParam && param > 0 && param < 400)
                s.halfPoints = param;
        } else if (w == "cf") {
            changeCharacter();
            s.colour = hasParam ? param : 0;
        } else if (w == "plain") {
            changeCharacter();
            s.bold = s.italic = s.underline = false;
            s.halfPoints = 24;
            s.colour = 0;
        } else if (w == "pard") {
            m_paragraph = ParagraphState{};
        } else if (w == "li") {
            m_paragraph.leftIndent = param;
        } else if (w == "fi") {
            m_paragraph.firstIndent = param;
        } else if (w == "sb") {
            m_paragraph.spaceBefore = param;
        } else if (w == "sa") {
            m_paragraph.spaceAfter = param;
        } else if (w == "uc") {
            s.unicodeSkip = qBound(0, param, 4);
        } else if (w == "u") {
            int code = param < 0 ? param + 65536 : param;
            text(QChar(static_cast<char16_t>(code)));
            m_pendingSkip = s.unicodeSkip;
        } else if (w == "colortbl") {
            s.colourTable = true;
            m_colours.clear();
        } else if (w == "red" && s.colourTable) {
            m_red = qBound(0, param, 255);
            m_haveColour = true;
        } else if (w == "green" && s.colourTable) {
            m_green = qBound(0, param, 255);
            m_haveColour = true;
        } else if (w == "blue" && s.colourTable) {
            m_blue = qBound(0, param, 255);
            m_haveColour = true;
        } else if (w == "fonttbl" || w == "stylesheet" || w == "info" || w == "pict" ||
                   w == "header" || w == "footer" || w == "object" || w == "filetbl") {
            s.skip = true;
        }
        // Every other control word is skipped.
    }

    const QByteArray& m_in;
    int m_pos = 0;
    QTextCursor m_cursor;
    ByteDecoder m_decode;
    static constexpr std::size_t kMaxDepth = 256;
    std::vector<CharState> m_states;
    std::size_t m_unstacked = 0;
    ParagraphState m_paragraph;
    QString m_run;
    std::vector<QColor> m_colours;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_haveColour = false;
    int m_pendingSkip = 0;
};

} // namespace

bool readRtf(const QByteArray& rtf, QTextDocument& document, ByteDecoder decode)
{
    document.clear();
    if (!rtf.trimmed().startsWith("{\\rtf"))
        return false;
    Reader(rtf, document, decode).run();
    return true;
}

} // namespace mirvalon
