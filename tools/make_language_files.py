#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes data/Mirv_SK.lng, Mirv_CZ.lng and Mirv_EN.lng: CP1250 text, CR LF lines.

Each entry is  <c1c2c3c4c5c6 "text//extra"  with base-36 code characters ("x" = not given).
Run from anywhere; the committed .lng files are what the game reads.
"""
import os

SEP = None  # a separator of a menu: it takes an index but has no entry

# (caption, shortcut) per language: SK, CZ, EN.  Submenus are (caption, [items]).
MENU = [
    (("Súbor", "Soubor", "File"), [
        (("Typ hry", "Typ hry", "Game type"), [
            (("Klasika", "Klasika", "Classic"), None),
            (("Tréning", "Trénink", "Training"), None),
        ]),
        (("Nová hra", "Nová hra", "New game"), [
            (("Počítač", "Počítač", "Computer"), "F2"),
            (("Druhý hráč", "Druhý hráč", "Second player"), "F3"),
            SEP,
            (("Náhodná hra", "Náhodná hra", "Random game"), "Ctrl+F2"),
        ]),
        SEP,
        (("Otvoriť...", "Otevřít...", "Open..."), "Ctrl+O"),
        (("Uložiť ako...", "Uložit jako...", "Save as..."), None),
        (("Uložiť ako obrázok...", "Uložit jako obrázek...", "Save as picture..."), None),
        SEP,
        (("Tlač", "Tisk", "Print"), [
            (("Prostredie...", "Prostředí...", "Board..."), "Ctrl+P"),
            (("Informácie...", "Informace...", "Information..."), None),
        ]),
        SEP,
        (("Minimalizovať", "Minimalizovat", "Minimise"), "F12"),
        SEP,
        (("Koniec", "Konec", "Exit"), "Esc"),
    ]),
    (("Ovládanie", "Ovládání", "Control"), [
        (("Rýchly štart", "Rychlý start", "Quick start"), "Shift+F2"),
        SEP,
        (("Späť", "Zpět", "Undo"), None),
        (("Zrušiť riadok", "Zrušit řádek", "Cancel row"), "F5"),
        (("Otestovať riadok", "Otestovat řádek", "Test row"), None),
        (("Zadať zásahy", "Zadat zásahy", "Enter hits"), "F6"),
        (("Betón - Btn", "Beton - Btn", "Block unused - Blk"), "F7"),
        (("Obnoviť všetko", "Obnovit vše", "Restore all"), "F9"),
        (("OK", "OK", "OK"), "Space"),
        SEP,
        (("Vzdať hru", "Vzdát hru", "Give up"), "F10"),
    ]),
    (("Zobrazenie", "Zobrazení", "View"), [
        (("Počet pozícií", "Počet pozic", "Positions"), [
            ((f"{n} pozícií", f"{n} pozic", f"{n} positions"), None) for n in (5, 6, 7, 8)]),
        (("Počet kociek", "Počet kostek", "Pieces"), [
            ((f"{n} kociek", f"{n} kostek", f"{n} pieces"), None) for n in (11, 19, 25)]),
        SEP,
        (("Prostredie", "Prostředí", "Environment"), [
            (("Textúra - 1", "Textura - 1", "Texture - 1"), None),
            (("Textúra - 2", "Textura - 2", "Texture - 2"), None),
            (("Foto - 1", "Foto - 1", "Photo - 1"), None),
            (("Foto - 2", "Foto - 2", "Photo - 2"), None),
        ]),
        (("Stavový riadok", "Stavový řádek", "Status bar"), [
            (("Info", "Info", "Info"), None),
            (("Čas", "Čas", "Time"), "Ctrl+T"),
            (("Skóre", "Skóre", "Score"), None),
        ]),
        SEP,
        (("Najlepšie skóre", "Nejlepší skóre", "Best scores"), "Ctrl+K"),
        SEP,
        (("Obľúbené hry", "Oblíbené hry", "Favourite games"), [
            *[((f"Hra č. {n}", f"Hra č. {n}", f"Game no. {n}"), f"Ctrl+{n}") for n in (1, 2, 3, 4)],
            SEP,
            (("Zrušiť obľúbené hry", "Zrušit oblíbené hry", "Clear favourite games"), "Ctrl+0"),
        ]),
        SEP,
        (("Rozbor hry", "Rozbor hry", "Game analysis"), "Ctrl+R"),
    ]),
    (("Nastavenie", "Nastavení", "Settings"), [
        (("Celkový čas aplikácie", "Celkový čas aplikace", "Total running time"), "Ctrl+Q"),
        SEP,
        (("Nastaviť...", "Nastavit...", "Settings..."), "F8"),
        SEP,
        (("Synchronizovať...", "Synchronizovat...", "Synchronise..."), None),
        (("Synchronizácia pri štarte", "Synchronizace při startu", "Synchronise at start"), None),
        SEP,
        (("Uložiť nastavenie", "Uložit nastavení", "Save settings"), "Ctrl+S"),
        (("Automatické uloženie nastavenia", "Automatické uložení nastavení",
          "Save settings automatically"), None),
        (("Upozornenie - ukončenie aplikácie", "Upozornění - ukončení aplikace",
          "Warning - quitting the application"), None),
        SEP,
        (("Jazyk", "Jazyk", "Language"), [
            (("Slovenský", "Slovenský", "Slovak"), None),
            (("Český", "Český", "Czech"), None),
            (("Anglický", "Anglický", "English"), None),
        ]),
    ]),
    (("Pomoc", "Nápověda", "Help"), [
        (("Informácie", "Informace", "Information"), "F1"),
        (("Referenčná príručka", "Referenční příručka", "Reference manual"), None),
        (("Kombinácie hier", "Kombinace her", "Game combinations"), None),
        SEP,
        (("O programe", "O programu", "About"), None),
    ]),
]

CONTEXT = [
    (("Najlepšie skóre", "Nejlepší skóre", "Best scores"), "Ctrl+K"),
    SEP,
    (("Aktivovať hru", "Aktivovat hru", "Activate game"), "Enter"),
    (("Archív", "Archiv", "Archive"), "A"),
    SEP,
    (("Vymazať rekord", "Vymazat rekord", "Delete record"), "Delete"),
    (("Vymazať všetky rekordy", "Vymazat všechny rekordy", "Delete all records"), "Ctrl+Delete"),
    SEP,
    (("Synchronizovať...", "Synchronizovat...", "Synchronise..."), None),
]

# Entries given by code: (code, (SK, CZ, EN)); "//" separates the hint or shortcut.
def fav(n):
    return (str(n) + "//Uložiť obľúbenú hru č. %d" % n, str(n) + "//Uložit oblíbenou hru č. %d" % n,
            str(n) + "//Store favourite game no. %d" % n)

MAIN = [
    ("201xxx", ("Nová hra - počítač//Novú hru zadá počítač  ( F2 )",
                "Nová hra - počítač//Novou hru zadá počítač  ( F2 )",
                "New computer game//The computer sets a new game  ( F2 )")),
    ("202xxx", ("Nová hra - hráč//Novú hru zadá druhý hráč  ( F3 )",
                "Nová hra - hráč//Novou hru zadá druhý hráč  ( F3 )",
                "New game - player//The second player sets a new game  ( F3 )")),
    ("203xxx", ("Nastaviť//Nastaviť hru  ( F8 )", "Nastavit//Nastavit hru  ( F8 )",
                "Settings//Game settings  ( F8 )")),
    ("204xxx", ("Archív//Zobrazenie rekordnej hry", "Archiv//Zobrazení rekordní hry",
                "Archive//Show the record game")),
    ("205xxx", ("Zrušiť riadok//Zrušiť editovaný riadok  ( F5 )",
                "Zrušit řádek//Zrušit editovaný řádek  ( F5 )",
                "Cancel row//Cancel the edited row  ( F5 )")),
    ("206xxx", ("Vzdať hru//Predčasné ukončenie hry s otvorením výsledkovej oblasti  (F10)",
                "Vzdát hru//Předčasné ukončení hry s otevřením výsledkové oblasti  (F10)",
                "Give up//End the game early and open the result area  (F10)")),
    ("207xxx", ("OK//Potvrdenie editovaného riadku", "OK//Potvrzení editovaného řádku",
                "OK//Confirm the edited row")),
    ("208xxx", ("Potvrdiť//Potvrdiť zadanú výsledkovú oblasť",
                "Potvrdit//Potvrdit zadanou výsledkovou oblast",
                "Confirm//Confirm the result area you entered")),
    ("209xxx", ("Zadať zásahy//Zadať všetky zásahy  (F6)",
                "Zadat zásahy//Zadat všechny zásahy  (F6)",
                "Enter hits//Enter all hits  (F6)")),
    ("20Axxx", ("Zrušiť bloky//Odblokovať všetky blokované kocky",
                "Zrušit bloky//Odblokovat všechny blokované kostky",
                "Clear blocks//Unblock all blocked pieces")),
    ("20Bxxx", ("Klasika//Klasická hra  (F4)", "Klasika//Klasická hra  (F4)",
                "Classic//Classic game  (F4)")),
    ("20Cxxx", ("Tréning//Nový typ hry  (F4)", "Trénink//Nový typ hry  (F4)",
                "Training//New game type  (F4)")),
    ("20Dxxx", ("Btn//Zablokovať všetky istotne nepoužité kocky  (F7)",
                "Btn//Zablokovat všechny jistě nepoužité kostky  (F7)",
                "Blk//Block all pieces that are certainly unused  (F7)")),
    ("20Exxx", ("-----//Zmazať označenie riadkov", "-----//Smazat označení řádků",
                "-----//Clear the row marks")),
    ("20Fxxx", fav(1)), ("20Gxxx", fav(2)), ("20Hxxx", fav(3)), ("20Ixxx", fav(4)),
    ("301xxx", ("Zásah//Kocka je na správnom mieste", "Zásah//Kostka je na správném místě",
                "Hit//The piece is in the right place")),
    ("302xxx", ("Mimo//Kocka je na nesprávnom mieste", "Mimo//Kostka je na nesprávném místě",
                "Miss//The piece is in the wrong place")),
    ("303xxx", ("Rekord", "Rekord", "Record")),
    ("304xxx", ("neprekonaný!", "nepřekonán!", "not beaten!")),
    ("400xxx", ("Číslo hry", "Číslo hry", "Game")),
    ("408xxx", ("Čas", "Čas", "Time")),
    ("40Axxx", ("Skóre", "Skóre", "Score")),
    ("40Cxxx", ("Rekord", "Rekord", "Record")),
    ("90xxxx", ("NAJLEPŠIE SKÓRE", "NEJLEPŠÍ SKÓRE", "BEST SCORES")),
    ("910xxx", ("Číslo", "Číslo", "No.")),
    ("911xxx", ("Ob.", "Ob.", "Lev.")),
    ("912xxx", ("Ria.", "Řád.", "Rows")),
    ("913xxx", ("Čas", "Čas", "Time")),
    ("914xxx", ("Skóre", "Skóre", "Score")),
    ("915xxx", ("Meno", "Jméno", "Name")),
    ("916xxx", ("A", "A", "A")),
    ("A01xxx", ("INFORMÁCIE", "INFORMACE", "INFORMATION")),
    ("A02xxx", ("! Čas !", "! Čas !", "! Time !")),
]

SETTINGS = [
    ("500xxx", ("Nastavenie", "Nastavení", "Settings")),
    ("501xxx", ("Nastavenie hier", "Nastavení her", "Game settings")),
    ("502xxx", ("Základné nastavenie", "Základní nastavení", "Basic settings")),
    ("5100xx", ("Počet pozícií", "Počet pozic", "Positions")),
    *[("510%dxx" % (k + 1), (f"{n} pozícií", f"{n} pozic", f"{n} positions"))
      for k, n in enumerate((5, 6, 7, 8))],
    ("5110xx", ("Počet kociek", "Počet kostek", "Pieces")),
    *[("511%dxx" % (k + 1), (f"{n} kociek", f"{n} kostek", f"{n} pieces"))
      for k, n in enumerate((11, 19, 25))],
    ("5120xx", ("Forma hry", "Forma hry", "Game form")),
    ("5121xx", ("Najľahšia", "Nejlehčí", "Easiest")),
    ("5122xx", ("Štandardná", "Standardní", "Standard")),
    ("5123xx", ("Najťažšia", "Nejtěžší", "Hardest")),
    ("5124xx", ("Umelá inteligencia", "Umělá inteligence", "Artificial intelligence")),
    ("5130xx", ("Obtiažnosť", "Obtížnost", "Difficulty")),
    ("5131xx", ("Kocka len raz", "Kostka jen jednou", "Each piece once")),
    ("5132xx", ("Kocka viackrát", "Kostka vícekrát", "Pieces may repeat")),
    ("5133xx", ("Aktivácia správnej pozície", "Aktivace správné pozice",
                "Correct position activation")),
    ("5134xx", ("Blokovanie kociek", "Blokování kostek", "Piece blocking")),
    ("5140xx", ("Farby kociek", "Barvy kostek", "Piece colours")),
    ("5141xx", ("Sivé kocky s číslami", "Šedé kostky s čísly", "Grey pieces with numbers")),
    ("5142xx", ("Farebné kocky", "Barevné kostky", "Coloured pieces")),
    ("5143xx", ("Mix", "Mix", "Mix")),
    ("5144xx", ("Náhodné rozmiestnenie", "Náhodné rozmístění", "Random arrangement")),
    ("5200xx", ("Prostredie", "Prostředí", "Environment")),
    ("5201xx", ("Textúra - 1", "Textura - 1", "Texture - 1")),
    ("5202xx", ("Textúra - 2", "Textura - 2", "Texture - 2")),
    ("5203xx", ("Foto - 1", "Foto - 1", "Photo - 1")),
    ("5204xx", ("Foto - 2", "Foto - 2", "Photo - 2")),
    ("5210xx", ("Rôzne", "Různé", "Miscellaneous")),
    ("5211xx", ("Čas", "Čas", "Time")),
    ("5212xx", ("Skóre", "Skóre", "Score")),
    ("5213xx", ("Popisky", "Popisky", "Hints")),
    ("5214xx", ("Značenie riadkov//Len pre Tréning", "Značení řádků//Jen pro Trénink",
                "Row marking//Training only")),
    ("5215xx", ("Testovať", "Testovat", "Test")),
    ("5216xx", ("Srandičky", "Legrácky", "Jokes")),
    ("5220xx", ("Jazyk", "Jazyk", "Language")),
    ("5221xx", ("Slovenský", "Slovenský", "Slovak")),
    ("5222xx", ("Český", "Český", "Czech")),
    ("5223xx", ("Anglický", "Anglický", "English")),
    ("523xxx", ("Celkový čas aplikácie", "Celkový čas aplikace", "Total running time")),
    ("524xxx", ("Automatické uloženie nastavenia", "Automatické uložení nastavení",
                "Save settings automatically")),
    ("525xxx", ("Upozornenie - ukončenie aplikácie", "Upozornění - ukončení aplikace",
                "Warning - quitting the application")),
    ("526xxx", ("Synchronizácia rekordov pri štarte aplikácie//Zdieľanie rekordov s ostatnými "
                "užívateľmi",
                "Synchronizace rekordů při startu aplikace//Sdílení rekordů s ostatními uživateli",
                "Synchronise records at start//Share the records with the other users")),
    ("530xxx", ("Číslo hry", "Číslo hry", "Game number")),
    ("531xxx", ("Obtiažnosť hry", "Obtížnost hry", "Game level")),
    ("532xxx", ("Rekord hry", "Rekord hry", "Game record")),
    # The Storno button: a group that older readers of the format skip.
    ("540xxx", ("Storno", "Storno", "Cancel")),
    ("211xxx", ("Pomoc", "Nápověda", "Help")),
    ("212xxx", ("Info//Otvoriť info súbor - Mirv_SK.pdf", "Info//Otevřít info soubor - Mirv_SK.pdf",
                "Info//Open the info file - Mirv_EN.pdf")),
    ("60xxxx", ("O programe Mirvalon", "O programu Mirvalon", "About Mirvalon")),
    ("611xxx", ("Verzia  1.7", "Verze  1.7", "Version  1.7")),
]

WARN = ("Upozornenie!", "Upozornění!", "Warning!")
RECORD = ("Nový rekord hry!", "Nový rekord hry!", "New game record!")
QUESTIONS = [
    (WARN, ("Tento proces ukončí rozohratú hru! Želáte si rozohratú hru ukončiť?",
            "Tento proces ukončí rozehranou hru! Přejete si rozehranou hru ukončit?",
            "This will end the game in progress! Do you want to end the game in progress?")),
    (RECORD, ("Rekord tejto hry bol prekonaný! Želáte si nový rekord zapísať?",
              "Rekord této hry byl překonán! Přejete si nový rekord zapsat?",
              "The record of this game has been beaten! Do you want to write the new record?")),
    (RECORD, ("Rekord tejto hry bol prekonaný!\n\nAvšak hra nebola zadaná počítačom, ale hráčom.\n"
              "Z tohto dôvodu nie je možné nový rekord hry zapísať!",
              "Rekord této hry byl překonán!\n\nHru však nezadal počítač, ale hráč.\n"
              "Z tohoto důvodu není možné nový rekord hry zapsat!",
              "The record of this game has been beaten!\n\nHowever, the game was set by a player,"
              " not by the computer.\nFor this reason the new record cannot be written!")),
    (WARN, ("Tento proces nenávratne vymaže zvolený rekord! Želáte si pokračovať?",
            "Tento proces nenávratně vymaže zvolený rekord! Přejete si pokračovat?",
            "This will delete the chosen record for good! Do you want to go on?")),
    (WARN, ("Tento proces nenávratne vymaže všetky rekordy! Želáte si pokračovať?",
            "Tento proces nenávratně vymaže všechny rekordy! Přejete si pokračovat?",
            "This will delete all records for good! Do you want to go on?")),
    (WARN, ("Želáte si Mirvalon ukončiť?", "Přejete si Mirvalon ukončit?",
            "Do you want to quit Mirvalon?")),
]

W = WARN
def warn(k, sk, cz, en):
    return (W[0] + "\n\n" + sk, W[1] + "\n\n" + cz, W[2] + "\n\n" + en)

MESSAGES = [
    ("Blahoželám!\n\nTúto hru ste zvládli na %i. pokus.",
     "Blahopřeji!\n\nTuto hru jste zvládli na %i. pokus.",
     "Congratulations!\n\nYou solved this game in attempt %i."),
    ("Ľutujem!\n\nTúto hru ste nezvládli.", "Lituji!\n\nTuto hru jste nezvládli.",
     "I am sorry!\n\nYou did not solve this game."),
    warn(2, "Súbor 'Mirvalon.ldt' má atribút 'Len na čítanie'!\nRekord nie je možné zapísať!",
         "Soubor 'Mirvalon.ldt' má atribut 'Jen pro čtení'!\nRekord není možné zapsat!",
         "The file 'Mirvalon.ldt' is marked 'Read-only'!\nThe record cannot be written!"),
    warn(3, "Súbor 'Mirvalon.lar' má atribút 'Len na čítanie'!\nZáznam hry nie je možné zapísať!",
         "Soubor 'Mirvalon.lar' má atribut 'Jen pro čtení'!\nZáznam hry není možné zapsat!",
         "The file 'Mirvalon.lar' is marked 'Read-only'!\nThe record game cannot be written!"),
    warn(4, "Súbor 'Mirvalon.lar' nie je korektný!", "Soubor 'Mirvalon.lar' není korektní!",
         "The file 'Mirvalon.lar' is not valid!"),
    warn(5, "Súbor 'Mirvalon.lar' sa v aktuálnom adresári nenachádza!",
         "Soubor 'Mirvalon.lar' se v aktuálním adresáři nenachází!",
         "The file 'Mirvalon.lar' is not in the current folder!"),
    warn(6, "Súbor '%s' sa nenachádza v koreňovom adresári!\nInformácie nie je možné zobraziť!",
         "Soubor '%s' se nenachází v kořenovém adresáři!\nInformace není možné zobrazit!",
         "The file '%s' is not in the program folder!\nThe information cannot be shown!"),
    warn(7, "Konfiguračný súbor 'Mirvalon.lcf'\nje narušený!\n\nNastavenie hry bude štandardné.",
         "Konfigurační soubor 'Mirvalon.lcf'\nje poškozený!\n\nNastavení hry bude standardní.",
         "The configuration file 'Mirvalon.lcf'\nis damaged!\n\nThe game will use the standard "
         "settings."),
    warn(8, "V hre č.192 (GOLD) nie je možné použiť farebné kocky!\nHra bude nastavená so sivými "
         "kockami!",
         "Ve hře č.192 (GOLD) není možné použít barevné kostky!\nHra bude nastavena se šedými "
         "kostkami!",
         "Game no. 192 (GOLD) cannot be played with coloured pieces!\nThe game will be set to "
         "grey pieces!"),
    warn(9, "Súbor 'Mirvalon.ldt' má atribút 'Len na čítanie'!\nRekordy nie je možné mazať!",
         "Soubor 'Mirvalon.ldt' má atribut 'Jen pro čtení'!\nRekordy není možné mazat!",
         "The file 'Mirvalon.ldt' is marked 'Read-only'!\nThe records cannot be deleted!"),
    ("Blahoželám!\n\nTúto hru ste zvládli.", "Blahopřeji!\n\nTuto hru jste zvládli.",
     "Congratulations!\n\nYou solved this game."),
    ("Nastavenie aplikácie Mirvalon bolo úspešne uložené.",
     "Nastavení aplikace Mirvalon bylo úspěšně uloženo.", "The settings of Mirvalon were saved."),
    warn(12, "Nastavenie aplikácie Mirvalon nie je možné uložiť!",
         "Nastavení aplikace Mirvalon není možné uložit!",
         "The settings of Mirvalon cannot be saved!"),
    warn(13, "Súbor 'Mirv_SK.pdf' sa v aktuálnom adresári nenachádza!",
         "Soubor 'Mirv_SK.pdf' se v aktuálním adresáři nenachází!",
         "The file 'Mirv_EN.pdf' is not in the current folder!"),
    warn(14, "Synchronizácia rekordov bola prerušená chybou!\nVaše rekordy zostali nezmenené.",
         "Synchronizace rekordů byla přerušena chybou!\nVaše rekordy zůstaly nezměněny.",
         "The synchronisation of records was interrupted by an error!\nYour records were left "
         "unchanged."),
    ("", "", ""),
    warn(16, "Hru nie je možné uložiť!", "Hru není možné uložit!", "The game cannot be saved!"),
    warn(17, "Hru nie je možné otvoriť!", "Hru není možné otevřít!", "The game cannot be opened!"),
    warn(18, "Súbor 'Quick_SK.txt' sa v aktuálnom adresári nenachádza!",
         "Soubor 'Quick_SK.txt' se v aktuálním adresáři nenachází!",
         "The file 'Quick_EN.txt' is not in the current folder!"),
    ("Heslo je nekorektné!!!", "Heslo je nekorektní!!!", "The password is not correct!!!"),
]

# The new-record dialog (kind 7) and the password dialog (kind 11).
DIALOGS = [
    ("70xxxx", ("Zápis nového rekordu", "Zápis nového rekordu", "New record")),
    ("711xxx", ("Starý rekord", "Starý rekord", "Old record")),
    ("712xxx", ("Číslo hry", "Číslo hry", "Game no.")),
    ("713xxx", ("Obtiažnosť", "Obtížnost", "Level")),
    ("714xxx", ("Riadok", "Řádek", "Row")),
    ("715xxx", ("Čas", "Čas", "Time")),
    ("716xxx", ("Skóre", "Skóre", "Score")),
    ("717xxx", ("Meno", "Jméno", "Name")),
    ("718xxx", ("Nový rekord", "Nový rekord", "New record")),
    ("719xxx", ("Synchronizovať nový rekord s ostatnými užívateľmi",
                "Synchronizovat nový rekord s ostatními uživateli",
                "Share the new record with the other users")),
    # The Storno buttons: groups that older readers of the format skip.
    ("720xxx", ("Storno", "Storno", "Cancel")),
    ("B0xxxx", ("Heslo", "Heslo", "Password")),
    ("B10xxx", ("Autorizačný text", "Autorizační text", "Authorisation text")),
    ("B11xxx", ("( Tento autorizačný text sa zobrazí", "( Tento autorizační text se zobrazí",
                "( This authorisation text is shown")),
    ("B12xxx", ("len po úspešnom ukončení hry! )", "jen po úspěšném ukončení hry! )",
                "only when the game is solved! )")),
    ("B13xxx", ("Heslo", "Heslo", "Password")),
    ("B20xxx", ("Zadajte max. 30 znakov!", "Zadejte max. 30 znaků!", "Type at most 30 characters!")),
    ("B21xxx", ("Zadajte max. 20 znakov!", "Zadejte max. 20 znaků!", "Type at most 20 characters!")),
    ("B30xxx", ("Storno", "Storno", "Cancel")),
]

# The synchronisation dialog (kind 12 and its buttons, kind 2 group 2).
SYNCHRO = [
    ("C0xxxx", ("Synchronizácia rekordov", "Synchronizace rekordů", "Record synchronisation")),
    ("C10xxx", ("Synchronizácia rekordov s centrálou", "Synchronizace rekordů s centrálou",
                "Synchronise records with the centre")),
    ("C11xxx", ("Priebeh", "Průběh", "Progress")),
    ("C12xxx", ("Táto funkcia umožní zdieľať rekordy hier", "Tato funkce umožní sdílet rekordy her",
                "This function shares the game records")),
    ("C13xxx", ("s ostatnými užívateľmi.", "s ostatními uživateli.", "with the other users.")),
    ("C14xxx", ("Zdieľané budú len rekordy", "Sdíleny budou jen rekordy", "Only the records")),
    ("C15xxx", ("s archívom!", "s archivem!", "with an archived game are shared!")),
    ("221xxx", ("Štart", "Start", "Start")),
    ("222xxx", ("Zavrieť", "Zavřít", "Close")),
]

RECORD_INTRO = ("V hre číslo %i bol dosiahnutý nový rekord %i bodov!",
                "Ve hře číslo %i byl dosažen nový rekord %i bodů!",
                "In game number %i a new record of %i points was set!")

B36 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"
NAMES = ("SK", "CZ", "EN")
TITLES = ("slovenčina", "čeština", "English")


# The look back at a game: a kind of our own, which older readers skip.
REVIEW = [
    ("D0xxxx", ("Rozbor hry", "Rozbor hry", "Game analysis")),
    ("D10xxx", ("Riadok", "Řádek", "Row")),
    ("D11xxx", ("Možné\npred", "Možné\npřed", "Possible\nbefore")),
    ("D12xxx", ("Možné\npo", "Možné\npo", "Possible\nafter")),
    ("D13xxx", ("Mohol byť\nskrytý", "Mohl být\nskrytý", "Could be\nhidden")),
    ("D14xxx", ("Počítač\nby nechal", "Počítač\nby nechal", "Computer\nwould leave")),
    ("D20xxx", ("áno", "ano", "yes")),
    ("D21xxx", ("nie", "ne", "no")),
    ("D30xxx", ("Vaše riadky: %1 · počítač v priemere: %2", "Vaše řádky: %1 · počítač v průměru: %2",
                "Your rows: %1 · the computer on average: %2")),
    ("D31xxx", ("hľadaný riadok nenájdený", "hledaný řádek nenalezen", "hidden row not found")),
    ("D40xxx", ("Zavrieť", "Zavřít", "Close")),
]

# What a screen reader says for the painted board: piece colours, phrases, forms of the answer.
COLOURS = [
    ("čierna", "černá", "black"), ("svetlozelená", "světle zelená", "light green"),
    ("fialová", "fialová", "purple"), ("modrá", "modrá", "blue"),
    ("lososová", "lososová", "salmon"), ("purpurová", "purpurová", "magenta"),
    ("svetlosivá", "světle šedá", "light grey"), ("červená", "červená", "red"),
    ("zelená", "zelená", "green"), ("žltá", "žlutá", "yellow"),
    ("akvamarínová", "akvamarínová", "aquamarine"), ("tmavočervená", "tmavě červená", "dark red"),
    ("broskyňová", "broskvová", "peach"), ("tmavosivá", "tmavě šedá", "dark grey"),
    ("tmavomodrá", "tmavě modrá", "navy blue"), ("kaki", "khaki", "khaki"),
    ("blankytná", "blankytná", "sky blue"), ("olivová", "olivová", "olive"),
    ("petrolejová", "petrolejová", "teal"), ("tyrkysová", "tyrkysová", "cyan"),
    ("horčicová", "hořčicová", "mustard"), ("oranžová", "oranžová", "orange"),
    ("smaragdová", "smaragdová", "emerald"), ("malinová", "malinová", "raspberry"),
    ("hnedá", "hnědá", "brown"),
]
SPOKEN = [
    ("Hracia plocha", "Hrací plocha", "Board"),
    ("Paleta", "Paleta", "Palette"),
    ("Skrytý riadok", "Skrytý řádek", "Hidden row"),
    ("Riadok %1", "Řádek %1", "Row %1"),
    ("Miesto %1", "Místo %1", "Place %1"),
    ("Odpoveď", "Odpověď", "Answer"),
    ("prázdne miesto", "prázdné místo", "empty place"),
    ("zakrytá", "zakrytá", "covered"),
    ("blokovaná", "blokovaná", "blocked"),
    ("prečiarknutý", "přeškrtnutý", "struck out"),
    ("aktuálny", "aktuální", "current"),
    ("Riadok %1: %2", "Řádek %1: %2", "Row %1: %2"),
    ("Čas %1, body %2, riadok %3", "Čas %1, body %2, řádek %3", "Time %1, score %2, row %3"),
    ("bez odpovede", "bez odpovědi", "no answer yet"),
    ("Oznámenia", "Oznámení", "Announcements"),
]
HIT_FORMS = (("%1 zásah", "%1 zásahy", "%1 zásahov"), ("%1 zásah", "%1 zásahy", "%1 zásahů"),
             ("%1 hit", "%1 hits", "%1 hits"))
MISS_FORMS = (("%1 mimo",) * 3, ("%1 mimo",) * 3, ("%1 miss", "%1 misses", "%1 misses"))


def entry(code, text):
    assert len(code) == 6 and '"' not in text
    return "<" + code + ' "' + text.replace("\n", "/n") + '"'


def menu_lines(lang, items, path, out):
    for index, item in enumerate(items):
        if item is SEP:
            continue
        captions, rest = item
        p = path + [index]
        code = "10" + "".join(B36[k] for k in p)
        code += "x" * (6 - len(code))
        if isinstance(rest, list):
            out.append(entry(code, captions[lang]))
            menu_lines(lang, rest, p, out)
        else:
            out.append(entry(code, captions[lang] + ("//" + rest if rest else "")))


def build(lang):
    out = [
        "Mirvalon - jazykový súbor / language file: " + TITLES[lang],
        "Kódovanie CP1250, riadky CR LF. Riadok so záznamom začína znakom '<', ostatné sú komentáre.",
        "Záznam: <c1c2c3c4c5c6 \"text//doplnok\"   (x = kód nie je zadaný, /n = nový riadok)",
        "",
        "--- Hlavné menu: c3 = menu, c4..c6 = položka (oddeľovače sa počítajú) ---",
    ]
    for index, (captions, items) in enumerate(MENU):
        out.append(entry("10" + B36[index] + "xxx", captions[lang]))
        menu_lines(lang, items, [index], out)
    out += ["", "--- Miestne menu zoznamu rekordov ---"]
    for index, item in enumerate(CONTEXT):
        if item is not SEP:
            captions, key = item
            out.append(entry("11" + B36[index] + "xxx", captions[lang] + ("//" + key if key else "")))
    out += ["", "--- Hlavné okno: tlačidlá, panely, popisy, stavový riadok, zoznam rekordov ---"]
    out += [entry(code, texts[lang]) for code, texts in MAIN]
    out += ["", "--- Dialóg nastavenia a okno O programe ---"]
    out += [entry(code, texts[lang]) for code, texts in SETTINGS]
    out += ["", "--- Otázky: titulky a texty ---"]
    out += [entry("A11" + B36[k] + "xx", cap[lang]) for k, (cap, _) in enumerate(QUESTIONS)]
    out += [entry("A12" + B36[k] + "xx", text[lang]) for k, (_, text) in enumerate(QUESTIONS)]
    out += ["", "--- Hlásenia 0..19 (15 sa nepoužíva) ---"]
    out += [entry("A2" + B36[k] + "xxx", texts[lang]) for k, texts in enumerate(MESSAGES)]
    out += ["", "--- Dialóg nového rekordu a dialóg hesla ---", entry("710xxx", RECORD_INTRO[lang])]
    out += [entry(code, texts[lang]) for code, texts in DIALOGS]
    out += ["", "--- Dialóg synchronizácie rekordov ---"]
    out += [entry(code, texts[lang]) for code, texts in SYNCHRO]
    out += ["", "--- Rozbor hry ---"]
    out += [entry(code, texts[lang]) for code, texts in REVIEW]
    out += [entry("E0" + B36[k] + "xxx", names[lang]) for k, names in enumerate(COLOURS)]
    out += [entry("E1" + B36[k] + "xxx", texts[lang]) for k, texts in enumerate(SPOKEN)]
    out += [entry("E2" + B36[k] + "xxx", form) for k, form in enumerate(HIT_FORMS[lang])]
    out += [entry("E3" + B36[k] + "xxx", form) for k, form in enumerate(MISS_FORMS[lang])]
    out.append("")
    out.append("Koniec súboru / end of file")
    assert len(out) >= 191, len(out)
    return "\r\n".join(out).encode("cp1250") + b"\r\n"


def main():
    data = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")
    os.makedirs(data, exist_ok=True)
    for lang, name in enumerate(NAMES):
        with open(os.path.join(data, "Mirv_%s.lng" % name), "wb") as f:
            f.write(build(lang))


if __name__ == "__main__":
    main()
