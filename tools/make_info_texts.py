#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the information texts data/Mirv_SK.rtf and data/Mirv_EN.rtf.

The texts are kept here as light markup: '# ' a heading, '- ' a list item, '*word*' bold,
blank lines separate paragraphs. Letters outside ASCII are written as code-page 1250
escapes, so the files stay plain 7-bit RTF.
"""
import pathlib
import re

SK = """
# Mirvalon
Mirvalon je logická hra, v ktorej lúštite skrytý rad kociek. Počítač (alebo druhý hráč) skryje rad 5 až 8 kociek z palety 11, 19 alebo 25 rôznych kociek. Vy skladáte hádané riadky a potvrdzujete ich jeden po druhom; máte k dispozícii najviac 15 riadkov.

# Hodnotenie riadku
Každý potvrdený riadok je ohodnotený kolíkmi v stĺpci vpravo:
- *čierny kolík* (Zásah): správna kocka na správnom mieste,
- *biely kolík* (Mimo): správna kocka na nesprávnom mieste.
Každá skrytá kocka odpovedá najviac jednej kocke riadku, zásahy majú prednosť. Hra je vyhratá, keď sú všetky kocky riadku na svojom mieste.

# Ako sa hrá
Novú hru začnete klávesom F2 (zadá počítač) alebo F3 (zadá druhý hráč). Kocku prenesiete do riadku ťahaním myšou alebo dvojklikom, ktorý ju vloží na prvé voľné miesto. Kocku z riadku vrátite ťahaním späť do palety alebo dvojklikom. Plný riadok potvrdíte medzerníkom alebo tlačidlom OK, zrušíte ho klávesom F5. Klávesom F10 hru vzdáte a skrytý rad sa odkryje.

# Hra bez myši
Celú hru môžete hrať aj klávesnicou. Klávesom Tab presuniete zameranie na paletu; zameraná kocka má čierno-biely rámik. Šípkami sa pohybujete po palete, klávesom Enter vložíte zameranú kocku na prvé voľné miesto riadku (ako dvojklikom), klávesom Backspace vrátite poslednú kocku z riadku (s rovnakou zrážkou bodov ako pri vrátení myšou) a klávesom B zameranú kocku zablokujete alebo odblokujete, ak hra blokovanie dovoľuje. Riadok potvrdíte medzerníkom. S čítačkou obrazovky sa hracia plocha číta ako tabuľka riadkov s ich odpoveďami a paleta ako zoznam kociek, ktoré sa dajú stlačiť; odpoveď na potvrdený riadok čítačka hneď oznámi a kláves F11 prečíta čas, body a riadok.

# Body
Hra začína s 10000 bodmi. Body ubúdajú:
- potvrdenie riadku: 300 bodov v riadkoch 1 až 4, 200 v riadkoch 5 až 9, 100 v riadkoch 10 až 15,
- zrušenie riadku: 60, 40 alebo 20 bodov,
- vrátenie kocky z riadku: 4, 3 alebo 2 body,
- každá sekunda hry: 1 bod.
Čas beží od prvej položenej kocky. Body neklesnú pod 0. Klasická hra s bežiacimi hodinami je prehratá v nasledujúcej sekunde po tom, čo jej body klesnú na 0; s vypnutým zobrazením času a v tréningu hra pri 0 bodoch pokračuje.

# Pomôcky
- *Blokovanie kociek*: pravým tlačidlom myši (alebo ľavým s klávesom Shift, Ctrl alebo Alt) zablokujete kocku palety, o ktorej viete, že v skrytom rade nie je. Tlačidlo „Zrušiť bloky“ ich uvoľní.
- *Aktivácia správnej pozície*: každý zásah sa odkryje v hornom rade; tlačidlo „Zadať zásahy“ (F6) vloží všetky odkryté zásahy do riadku.
- *Betón* (F7): v tréningu zablokuje všetky kocky, ktoré potvrdené riadky istotne vylučujú.
- *Značenie riadkov*: v tréningu môžete kliknutím na číslo riadku riadok prečiarknuť.
- *Rýchly štart* (Shift+F2): vyskúša všetky kocky po poradí v prvých riadkoch.

# Tréning
V tréningu odohrá počítač väčšinu riadkov za vás a vám ostanú posledné jeden až štyri riadky. Tréning sa nezapisuje do rekordov.

# Hra druhého hráča
Druhý hráč poskladá skrytý rad v hornej oblasti a potvrdí ho tlačidlom „Potvrdiť“. Hru môže chrániť heslom a autorizačným textom, ktorý sa zobrazí len po úspešnom vyriešení. Bez hesla sa taká hra nedá vzdať. Hru druhého hráča je možné uložiť a poslať niekomu inému; rekord z nej sa nezapisuje.

# 192 hier
Každá kombinácia pravidiel (počet pozícií, počet kociek, opakovanie kociek, aktivácia správnej pozície, náhodné rozmiestnenie čísel a blokovanie) je jedna z 192 číslovaných hier s obtiažnosťou od 1 do 13. Hra č. 1 sa volá EASY, hra č. 192 GOLD. Každá hra má svoj rekord; najlepšie skóre ukáže Ctrl+K a rekordnú hru si môžete pozrieť z archívu.
"""

EN = """
# Mirvalon
Mirvalon is a code-breaking game: you crack a hidden row of pieces. The computer (or a second player) hides a row of 5 to 8 pieces taken from a palette of 11, 19 or 25 different pieces. You build guess rows and confirm them one by one; you have at most 15 rows.

# How a row is scored
Each confirmed row is answered with pegs in the column on the right:
- *a black peg* (Hit): a right piece in the right place,
- *a white peg* (Miss): a right piece in the wrong place.
Every hidden piece answers at most one piece of the row, hits first. The game is won when every piece of a row is in its place.

# How to play
Start a new game with F2 (set by the computer) or F3 (set by a second player). Move a piece into the row by dragging it with the mouse, or by a double click, which puts it into the first free place. Take a piece back by dragging it to the palette or by a double click. Confirm a full row with the space bar or the OK button, cancel it with F5. F10 gives the game up and reveals the hidden row.

# Playing without the mouse
A whole game can be played from the keyboard. Tab moves the focus to the palette; the focused piece has a black and white frame. The arrow keys move over the palette, Enter puts the focused piece into the first free place of the row (as a double click does), Backspace takes the last piece back out of the row (costing the same points as taking it back with the mouse), and B blocks or unblocks the focused piece where the game allows blocking. Space confirms the row. With a screen reader the board reads as a table of rows with their answers and the palette as a list of pieces that can be pressed; the answer to a confirmed row is announced at once, and F11 reads the time, the score and the row.

# Points
A game starts with 10000 points. Points are taken for:
- confirming a row: 300 points in rows 1 to 4, 200 in rows 5 to 9, 100 in rows 10 to 15,
- cancelling a row: 60, 40 or 20 points,
- taking a piece back out of the row: 4, 3 or 2 points,
- every second of play: 1 point.
The clock starts with the first piece. Points never fall below 0. A classic game whose clock runs is lost on the next second after its points reach 0; with the time display off, and in training, a game goes on at 0 points.

# Aids
- *Piece blocking*: the right mouse button (or the left one with Shift, Ctrl or Alt) blocks a palette piece that you know is not in the hidden row. The button "Clear blocks" unblocks them all.
- *Correct position*: every hit is revealed in the top row; "Enter hits" (F6) enters all revealed hits into the row.
- *Block unused - Blk* (F7): in training, blocks every piece that the confirmed rows prove absent.
- *Row marking*: in training, a click on a row number strikes the row out.
- *Quick start* (Shift+F2): tries all pieces in order in the first rows.

# Training
In a training game the computer plays most rows for you and leaves you the last one to four rows. Training games never count as records.

# A second player's game
A second player puts the hidden row together in the top area and confirms it with "Confirm". The game can be protected by a password and an authorisation text that is shown only after the game is solved. Without the password such a game cannot be given up. A second player's game can be saved and passed on; it never counts as a record.

# 192 games
Every combination of the rules (positions, pieces, repeated pieces, correct position, random numbering and blocking) is one of 192 numbered games with a level from 1 to 13. Game 1 is called EASY, game 192 GOLD. Every game keeps its record; Ctrl+K shows the best scores, and a record game can be replayed from the archive.
"""


def escape(text):
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ord(ch) < 128:
            out.append(ch)
        else:
            code = ch.encode("cp1250")[0]
            out.append("\\'%02x" % code)
    return "".join(out)


def inline(text):
    parts = re.split(r"\*([^*]+)\*", text)
    out = []
    for i, part in enumerate(parts):
        out.append("{\\b %s}" % escape(part) if i % 2 else escape(part))
    return "".join(out)


def rtf(source):
    lines = ["{\\rtf1\\ansi\\ansicpg1250\\deff0",
             "{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}",
             "{\\colortbl;\\red0\\green0\\blue0;\\red128\\green0\\blue0;\\red0\\green0\\blue128;}",
             "\\pard\\f0\\fs18"]
    first = True
    for line in source.strip("\n").split("\n"):
        if not line.strip():
            continue
        if line.startswith("# "):
            size = "\\fs28" if first else "\\fs22"
            space = "" if first else "\\sb160"
            lines.append("\\pard%s\\sa60{\\b\\cf2%s %s}\\par" % (space, size, escape(line[2:])))
            first = False
        elif line.startswith("- "):
            lines.append("\\pard\\li240\\fi-160\\sa20\\fs18 \\'95  %s\\par" % inline(line[2:]))
        else:
            lines.append("\\pard\\sa80\\fs18 %s\\par" % inline(line))
    lines.append("}")
    return "\r\n".join(lines) + "\r\n"


def main():
    data = pathlib.Path(__file__).resolve().parent.parent / "data"
    data.mkdir(exist_ok=True)
    (data / "Mirv_SK.rtf").write_bytes(rtf(SK).encode("ascii"))
    (data / "Mirv_EN.rtf").write_bytes(rtf(EN).encode("ascii"))


if __name__ == "__main__":
    main()
