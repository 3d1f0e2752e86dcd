// SPDX-License-Identifier: GPL-3.0-or-later
#include "manual_text.h"

#include <string_view>
#include <vector>

#include "engine/game_settings.h"
#include "engine/scoring.h"
#include "engine/variant.h"

namespace mirvalon {

namespace {

struct Words
{
    const char* title;
    const char* subtitle;
    const char* rulesHeading;
    const char* rules; // HTML paragraphs
    const char* pointsHeading;
    const char* pointsIntro;
    const char* rowsColumn;
    const char* confirmColumn;
    const char* cancelColumn;
    const char* takeBackColumn;
    const char* pointsAfter;
    const char* gamesHeading;
    const char* gamesIntro;
    const char* columns[9];
    const char* yes;
    const char* no;
};

const Words kSlovak = {
    "Mirvalon",
    "Kombinácie hier: pravidlá, body a všetkých 192 hier",
    "1. Pravidlá hry",
    "<p>Počítač (alebo druhý hráč) skryje rad 5 až 8 kociek vybraných z palety 11, 19 alebo "
    "25 kociek. Hádate ho po riadkoch: myšou presuňte kocky z palety do otvoreného riadku "
    "a plný riadok potvrďte medzerníkom alebo tlačidlom OK. Na každý potvrdený riadok hra "
    "odpovie počtom <b>zásahov</b> (správna kocka na správnom mieste, čierny kolík) "
    "a počtom <b>mimo</b> (správna kocka na nesprávnom mieste, biely kolík). Máte 15 riadkov; "
    "hru vyhráte riadkom, v ktorom sú všetky kocky na svojom mieste.</p>"
    "<p>Pravidlá hry určujú počet pozícií (5 až 8), počet kociek palety (11, 19, 25) a štyri "
    "voľby, ktoré kľúč hry píše písmenami (veľké písmeno znamená zapnuté):</p>"
    "<ul><li><b>A / a</b> – aktivácia správnej pozície: každý nájdený zásah sa odkryje "
    "v riadku zásahov nad hracou plochou a F6 ich vloží do riadku.</li>"
    "<li><b>K / k</b> – kocka sa v skrytom rade smie opakovať (K) alebo je tam najviac raz "
    "(k).</li>"
    "<li><b>N / n</b> – náhodné rozmiestnenie: kocky nesú namiesto 1, 2, 3, … náhodné čísla "
    "1 až 999.</li>"
    "<li><b>B / b</b> – blokovanie kociek: pravým tlačidlom zablokujete kocku palety ako "
    "poznámku, že v skrytom rade nie je; F7 zablokuje všetky kocky, ktoré isto nie sú "
    "použité.</li></ul>"
    "<p>Každá kombinácia je jedna očíslovaná hra 1 až 192 s obtiažnosťou 1 až 13. Hra č. 1 "
    "sa volá EASY, hra č. 192 GOLD. Každá hra má svoj rekord a uložený rekordný priebeh, "
    "ktorý si môžete prehrať. Typ hry Tréning odohrá prvé riadky za vás; body nezobrazuje "
    "a rekord nezapisuje.</p>",
    "2. Body",
    "<p>Hra začína s 10000 bodmi. Body ubúdajú za každý potvrdený alebo zrušený riadok, za "
    "každú kocku vrátenú z riadku do palety a za každú sekundu na hodinách (1 bod). Čím "
    "skôr, tým je riadok drahší:</p>",
    "Riadky",
    "Potvrdenie riadku",
    "Zrušenie riadku (F5)",
    "Vrátenie kocky",
    "<p>Body neklesnú pod 0. Klasická hra s bežiacimi hodinami je prehratá v nasledujúcej "
    "sekunde po tom, čo jej body klesnú na 0; s vypnutým zobrazením času a v tréningu hra "
    "pri 0 bodoch pokračuje. Nový rekord hry sa zapíše, keď body "
    "víťaznej hry prekonajú doterajší rekord, ak bol zapnutý čas a hru zadal počítač.</p>",
    "3. Všetkých 192 hier",
    "<p>Stĺpce: číslo hry, jej kľúč (pozície, kocky, _, písmená volieb), počet pozícií "
    "a kociek, štyri voľby a úroveň obtiažnosti.</p>",
    {"Číslo", "Kľúč", "Pozície", "Kocky", "Opakovanie<br>(K)", "Správna<br>pozícia (A)",
     "Náhodné<br>čísla (N)", "Blokovanie<br>(B)", "Úroveň"},
    "áno",
    "nie",
};

const Words kEnglish = {
    "Mirvalon",
    "Game combinations: rules, points and all 192 games",
    "1. Rules of the game",
    "<p>The computer (or a second player) hides a row of 5 to 8 pieces taken from a palette "
    "of 11, 19 or 25 pieces. You guess it row by row: drag pieces from the palette into the "
    "open row with the mouse and confirm a full row with Space or the OK button. Every "
    "confirmed row is answered with the number of <b>hits</b> (right piece in the right "
    "place, a black peg) and <b>misses</b> (right piece in the wrong place, a white peg). You "
    "have 15 rows; a row with every piece in its place wins the game.</p>"
    "<p>The rules set the number of positions (5 to 8), the number of pieces in the palette "
    "(11, 19, 25) and four options that the key of a game writes as letters (a capital "
    "letter means on):</p>"
    "<ul><li><b>A / a</b> – correct position: every hit found is revealed in the hits row "
    "above the board, and F6 enters the revealed hits into the row.</li>"
    "<li><b>K / k</b> – pieces may repeat in the hidden row (K), or each occurs at most once "
    "(k).</li>"
    "<li><b>N / n</b> – random arrangement: the pieces carry random numbers from 1 to 999 "
    "instead of 1, 2, 3, …</li>"
    "<li><b>B / b</b> – blocking: a right click blocks a palette piece as a note that it is "
    "not in the hidden row; F7 blocks every piece that is certainly unused.</li></ul>"
    "<p>Every combination is one numbered game from 1 to 192 with a level from 1 to 13. Game "
    "1 is called EASY, game 192 GOLD. Each game keeps its record and the record game, which "
    "you can replay. The Training game type plays the first rows for you; it shows no points "
    "and writes no record.</p>",
    "2. Points",
    "<p>A game starts with 10000 points. Points are taken for every confirmed or cancelled "
    "row, for every piece taken back from the row to the palette, and for every second on "
    "the clock (1 point). The earlier the row, the dearer it is:</p>",
    "Rows",
    "Confirming a row",
    "Cancelling a row (F5)",
    "Taking a piece back",
    "<p>Points never fall below 0. A classic game whose clock runs is lost on the next second "
    "after its points reach 0; with the time display off, and in training, a game goes on at "
    "0 points. A new record is written when "
    "the points of a won game beat the game's record, the clock was on and the computer set "
    "the game.</p>",
    "3. All 192 games",
    "<p>Columns: the game's number, its key (positions, pieces, _, the option letters), the "
    "number of positions and pieces, the four options and the level.</p>",
    {"Number", "Key", "Positions", "Pieces", "Repeat<br>(K)", "Correct<br>position (A)",
     "Random<br>numbers (N)", "Blocking<br>(B)", "Level"},
    "yes",
    "no",
};

constexpr const char* kPageBreak = " style=\"page-break-before: always\"";

std::string cell(std::string_view text, const char* tag = "td")
{
    return std::string("<") + tag + ">" + std::string(text) + "</" + tag + ">";
}

// Rows 1..15 grouped into the bands that cost the same, as the engine charges them.
std::string pointsTable(const Words& w)
{
    std::string html = "<table width=\"100%\" border=\"1\" cellspacing=\"0\" "
                       "cellpadding=\"4\"><tr>" +
                       cell(w.rowsColumn, "th") + cell(w.confirmColumn, "th") +
                       cell(w.cancelColumn, "th") + cell(w.takeBackColumn, "th") + "</tr>";
    int first = 1;
    for (int row = 1; row <= kRows; ++row) {
        const bool bandEnds = row == kRows || penaltyFor(Penalty::Confirm, row + 1) !=
                                                  penaltyFor(Penalty::Confirm, row);
        if (!bandEnds)
            continue;
        html += "<tr>" + cell(std::to_string(first) + " – " + std::to_string(row)) +
                cell(std::to_string(penaltyFor(Penalty::Confirm, row))) +
                cell(std::to_string(penaltyFor(Penalty::Cancel, row))) +
                cell(std::to_string(penaltyFor(Penalty::TakeBack, row))) + "</tr>";
        first = row + 1;
    }
    return html + "</table>";
}

std::string gamesTable(const Words& w)
{
    std::string html = "<table width=\"100%\" border=\"1\" cellspacing=\"0\" "
                       "cellpadding=\"2\"><thead><tr>";
    for (const char* title : w.columns)
        html += std::string("<th style=\"white-space: nowrap\">") + title + "</th>";
    html += "</tr></thead>";
    for (int n = 1; n <= kGameCount; ++n) {
        const std::string key = referenceKey(n);
        GameSettings settings;
        applyVariantKey(settings, key);
        const VariantInfo variant = computeVariant(settings);
        if (variant.number != n)
            return {};
        std::string number = std::to_string(n);
        if (variant.numberText != number)
            number += " " + variant.numberText; // "1 EASY", "192 GOLD"
        auto flag = [&](bool on) { return cell(on ? w.yes : w.no); };
        html += "<tr><td style=\"white-space: nowrap\">" + number +
                "</td><td style=\"white-space: nowrap\">" + key + "</td>" +
                cell(std::to_string(settings.positions)) +
                cell(std::to_string(settings.pieceCount)) + flag(!settings.eachPieceOnce) +
                flag(settings.correctPosition) + flag(settings.randomArrangement) +
                flag(settings.blocking) + cell(std::to_string(variant.level)) + "</tr>";
    }
    return html + "</table>";
}

} // namespace

std::string manualHtml(int language)
{
    const Words& w = language == 2 ? kEnglish : kSlovak;
    const std::string games = gamesTable(w);
    if (games.empty())
        return {};
    return std::string("<html><body><h1>") + w.title + "</h1><p><i>" + w.subtitle + "</i></p><h2>" +
           w.rulesHeading + "</h2>" + w.rules + "<h2" + kPageBreak + ">" + w.pointsHeading +
           "</h2>" + w.pointsIntro + pointsTable(w) + w.pointsAfter + "<h2" + kPageBreak + ">" +
           w.gamesHeading + "</h2>" + w.gamesIntro + games + "</body></html>";
}

} // namespace mirvalon
