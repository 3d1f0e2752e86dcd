// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_table.h"

namespace mirvalon {

TextTable TextTable::builtIn()
{
    TextTable t;
    t.messages = {
        "Blahoželám!\n\nTúto hru ste zvládli na %i. pokus.",
        "Ľutujem!\n\nTúto hru ste nezvládli.",
        "Upozornenie!\n\nSúbor 'Mirvalon.ldt' má atribút 'Len na čítanie'!\nRekord nie je možné "
        "zapísať!",
        "Upozornenie!\n\nSúbor 'Mirvalon.lar' má atribút 'Len na čítanie'!\nZáznam hry nie je "
        "možné zapísať!",
        "Upozornenie!\n\nSúbor 'Mirvalon.lar' nie je korektný!",
        "Upozornenie!\n\nSúbor 'Mirvalon.lar' sa v aktuálnom adresári nenachádza!",
        "Upozornenie!\n\nSúbor '%s' sa nenachádza v koreňovom adresári!\nInformácie nie je možné "
        "zobraziť!",
        "Upozornenie!\n\nKonfiguračný súbor 'Mirvalon.lcf'\nje narušený!\n\nNastavenie hry bude "
        "štandardné.",
        "Upozornenie!\n\nV hre č.192 (GOLD) nie je možné použiť farebné kocky!\nHra bude "
        "nastavená so sivými kockami!",
        "Upozornenie!\n\nSúbor 'Mirvalon.ldt' má atribút 'Len na čítanie'!\nRekordy nie je možné "
        "mazať!",
        "Blahoželám!\n\nTúto hru ste zvládli.",
        "Nastavenie aplikácie Mirvalon bolo úspešne uložené.",
        "Upozornenie!\n\nNastavenie aplikácie Mirvalon nie je možné uložiť!",
        "Upozornenie!\n\nSúbor 'Mirv_SK.pdf' sa v aktuálnom adresári nenachádza!",
        // Not among the designed messages: a synchronisation cut short by a failed write.
        "Upozornenie!\n\nSynchronizácia rekordov bola prerušená chybou!\nVaše rekordy zostali "
        "nezmenené.",
        "",
        "Upozornenie!\n\nHru nie je možné uložiť!",
        "Upozornenie!\n\nHru nie je možné otvoriť!",
        "Upozornenie!\n\nSúbor 'Quick_SK.txt' sa v aktuálnom adresári nenachádza!",
        "Heslo je nekorektné!!!",
    };
    t.questionCaptions = {
        "  Upozornenie!", "  Nový rekord hry!", "  Nový rekord hry!",
        "  Upozornenie!", "  Upozornenie!",     "  Upozornenie!",
    };
    t.questionTexts = {
        "Tento proces ukončí rozohratú hru! Želáte si rozohratú hru ukončiť?  ",
        "Rekord tejto hry bol prekonaný! Želáte si nový rekord zapísať?  ",
        "Rekord tejto hry bol prekonaný!\n\nAvšak hra nebola zadaná počítačom, ale hráčom.\nZ "
        "tohto dôvodu nie je možné nový rekord hry zapísať!  ",
        "Tento proces nenávratne vymaže zvolený rekord! Želáte si pokračovať?  ",
        "Tento proces nenávratne vymaže všetky rekordy! Želáte si pokračovať?  ",
        "Želáte si Mirvalon ukončiť?  ",
    };
    t.recordIntro = "V hre číslo %i bol dosiahnutý nový rekord %i bodov!";
    t.untimedStatusText = "! Čas !";
    t.positionsHint = "- počet hádaných pozícií >";
    t.piecesHint = "- počet hádaných kociek >";
    t.difficultyHint = "- obtiažnosť hry >";
    return t;
}

const QuestionKind& questionKind(int index)
{
    static const QuestionKind kinds[kQuestionCount] = {
        {QuestionButtons::YesNoCancel, QuestionIcon::Question, QuestionDefault::No},
        {QuestionButtons::YesNoCancel, QuestionIcon::Question, QuestionDefault::Yes},
        {QuestionButtons::Ok, QuestionIcon::Exclamation, QuestionDefault::Ok},
        {QuestionButtons::YesNoCancel, QuestionIcon::Question, QuestionDefault::No},
        {QuestionButtons::YesNoCancel, QuestionIcon::Question, QuestionDefault::No},
        {QuestionButtons::YesNo, QuestionIcon::Question, QuestionDefault::Yes},
    };
    if (index < 0 || index >= kQuestionCount)
        index = 0;
    return kinds[index];
}

namespace {

// Cuts a UTF-8 text to at most `limit` characters.
std::string boundCharacters(const std::string& s, int limit)
{
    int chars = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0) != 0x80) {
            if (chars == limit)
                return s.substr(0, i);
            ++chars;
        }
    }
    return s;
}

// Only the conversions the texts use are honoured; a stray conversion in a text from a
// language file is shown as it stands rather than reading an argument that is not there.
std::string formatWith(const std::string& format, const int* numbers, int numberCount,
                       const std::string* text)
{
    std::string out;
    int nextNumber = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%' || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        const char conv = format[i + 1];
        if (conv == '%') {
            out += '%';
            ++i;
        } else if ((conv == 'i' || conv == 'd') && nextNumber < numberCount) {
            out += std::to_string(numbers[nextNumber++]);
            ++i;
        } else if (conv == 's' && text) {
            out += *text;
            ++i;
        } else {
            out += c;
        }
    }
    return boundCharacters(out, kMessageLimit);
}

} // namespace

std::string formatMessage(const std::string& format, int number, const std::string& text)
{
    return formatWith(format, &number, 1, &text);
}

std::string formatRecordIntro(const std::string& format, int gameNumber, int points)
{
    const int numbers[2] = {gameNumber, points};
    return formatWith(format, numbers, 2, nullptr);
}

} // namespace mirvalon
