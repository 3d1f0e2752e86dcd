// SPDX-License-Identifier: GPL-3.0-or-later
#include "spoken_texts.h"

#include "engine/game_state.h"

namespace mirvalon {

SpokenTexts::SpokenTexts()
    : m_colours{QStringLiteral("čierna"),       QStringLiteral("svetlozelená"),
                QStringLiteral("fialová"),      QStringLiteral("modrá"),
                QStringLiteral("lososová"),     QStringLiteral("purpurová"),
                QStringLiteral("svetlosivá"),   QStringLiteral("červená"),
                QStringLiteral("zelená"),       QStringLiteral("žltá"),
                QStringLiteral("akvamarínová"), QStringLiteral("tmavočervená"),
                QStringLiteral("broskyňová"),   QStringLiteral("tmavosivá"),
                QStringLiteral("tmavomodrá"),   QStringLiteral("kaki"),
                QStringLiteral("blankytná"),    QStringLiteral("olivová"),
                QStringLiteral("petrolejová"),  QStringLiteral("tyrkysová"),
                QStringLiteral("horčicová"),    QStringLiteral("oranžová"),
                QStringLiteral("smaragdová"),   QStringLiteral("malinová"),
                QStringLiteral("hnedá")},
      m_phrases{QStringLiteral("Hracia plocha"),
                QStringLiteral("Paleta"),
                QStringLiteral("Skrytý riadok"),
                QStringLiteral("Riadok %1"),
                QStringLiteral("Miesto %1"),
                QStringLiteral("Odpoveď"),
                QStringLiteral("prázdne miesto"),
                QStringLiteral("zakrytá"),
                QStringLiteral("blokovaná"),
                QStringLiteral("prečiarknutý"),
                QStringLiteral("aktuálny"),
                QStringLiteral("Riadok %1: %2"),
                QStringLiteral("Čas %1, body %2, riadok %3"),
                QStringLiteral("bez odpovede"),
                QStringLiteral("Oznámenia")},
      m_hits{QStringLiteral("%1 zásah"), QStringLiteral("%1 zásahy"), QStringLiteral("%1 zásahov")},
      m_misses{QStringLiteral("%1 mimo"), QStringLiteral("%1 mimo"), QStringLiteral("%1 mimo")}
{
}

void SpokenTexts::setText(int group, int index, const QString& text)
{
    if (text.isEmpty() || index < 0)
        return; // an empty word would leave a piece or a row without a name
    if (group == 0 && index < static_cast<int>(m_colours.size()))
        m_colours[index] = text;
    else if (group == 1 && index < static_cast<int>(m_phrases.size()))
        m_phrases[index] = text;
    else if (group == 2 && index < 3)
        m_hits[index] = text;
    else if (group == 3 && index < 3)
        m_misses[index] = text;
}

QString SpokenTexts::colour(int piece) const
{
    return piece >= 1 && piece <= kMaxPieces ? m_colours[piece - 1] : text(Spoken::Empty);
}

QString SpokenTexts::piece(int piece, int face) const
{
    if (piece < 1 || piece > kMaxPieces)
        return text(Spoken::Empty);
    if (face >= kColourFace || face <= -kColourFace || face == 0)
        return colour(piece);
    return QString::number(face < 0 ? -face : face);
}

QString SpokenTexts::answer(int hits, int misses) const
{
    // Slovak and Czech take one form for 1, another for 2 to 4 and a third for the rest;
    // English gives its second and third the same word.
    auto form = [](int n) { return n == 1 ? 0 : n >= 2 && n <= 4 ? 1 : 2; };
    return m_hits[form(hits)].arg(hits) + QStringLiteral(", ") + m_misses[form(misses)].arg(misses);
}

} // namespace mirvalon
