// SPDX-License-Identifier: GPL-3.0-or-later
// The words a screen reader says for what the board only paints: the colour of each piece,
// the rows, the places, the answers and the states of pieces and rows, in the game's language.
// Language files bring them as entries of our own that older readers skip; the built-in texts
// are Slovak, as the window's own.
#pragma once

#include <QString>
#include <array>

namespace mirvalon {

// Phrases of group 1, by their index in the language file.
enum class Spoken {
    Board = 0,
    Palette,
    HiddenRow,
    Row,     // %1 the row's number
    Place,   // %1 the place's number
    Answer,  // the title of the answers' column
    Empty,   // a place with no piece
    Covered, // a place of the hidden row not yet shown
    Blocked,
    StruckOut,
    Current,
    RowAnswer, // %1 the row's number, %2 its answer
    Status,    // %1 the time, %2 the score, %3 the row
    NoAnswer,
    Announcements,
    Count
};

class SpokenTexts
{
public:
    SpokenTexts();

    // Group 0: the colour of piece index + 1; group 1: the phrase `index`; groups 2 and 3: the
    // forms of "hit" and "miss" for one (0), two to four (1) and other counts (2).
    void setText(int group, int index, const QString& text);

    QString text(Spoken phrase) const { return m_phrases[static_cast<int>(phrase)]; }
    QString colour(int piece) const;
    // A piece as the board shows it: its printed number, or its colour.
    QString piece(int piece, int face) const;
    // "2 hits, 1 miss" with the forms the language uses for these counts.
    QString answer(int hits, int misses) const;

private:
    std::array<QString, 25> m_colours;
    std::array<QString, static_cast<int>(Spoken::Count)> m_phrases;
    std::array<QString, 3> m_hits;
    std::array<QString, 3> m_misses;
};

} // namespace mirvalon
