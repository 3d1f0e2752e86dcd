// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar with its whole tree of captions and shortcuts, in the designed order that the
// language files count on.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <vector>

#include "menu_tree.h"

namespace mirvalon {

namespace {

struct Item
{
    const char* name; // nullptr: a separator
    const char* caption;
    QKeySequence key;
    std::vector<Item> children;
    bool checkable = false;
};

Item sep()
{
    return {nullptr, nullptr, {}, {}};
}

// The designed tree; separators count in the language file's indexes, so the order is fixed.
const std::vector<Item>& menuTree()
{
    using K = QKeySequence;
    // clang-format off
    static const std::vector<Item> tree = {
        {"mm0Subor", "Súbor", {}, {
            {"mm1Typ", "Typ hry", {}, {
                {"mm2Klasika", "Klasika", {}, {}, true},
                {"mm2Trening", "Tréning", {}, {}, true}}},
            {"mm1Nova", "Nová hra", {}, {
                {"mm2NovaP", "Počítač", K(Qt::Key_F2), {}},
                {"mm2NovaH", "Druhý hráč", K(Qt::Key_F3), {}},
                sep(),
                {"mm2NovaN", "Náhodná hra", K(Qt::CTRL | Qt::Key_F2), {}}}},
            sep(),
            {"mm1Otvorit", "Otvoriť...", K(Qt::CTRL | Qt::Key_O), {}},
            {"mm1Ulozit", "Uložiť ako...", {}, {}},
            {"mm1UlozAkoObr", "Uložiť ako obrázok...", {}, {}},
            sep(),
            {"mm1Tlac", "Tlač", {}, {
                {"mm2Prostredie", "Prostredie...", K(Qt::CTRL | Qt::Key_P), {}},
                {"mm2Informacie", "Informácie...", {}, {}}}},
            sep(),
            {"mm1Minimal", "Minimalizovať", K(Qt::Key_F12), {}},
            sep(),
            {"mm1Koniec", "Koniec", K(Qt::Key_Escape), {}}}},
        {"mm0Ovladanie", "Ovládanie", {}, {
            {"mm1RStart", "Rýchly štart", K(Qt::SHIFT | Qt::Key_F2), {}},
            sep(),
            {"mm1Spat", "Späť", {}, {}},
            {"mm1Zrus", "Zrušiť riadok", K(Qt::Key_F5), {}},
            {"mm1Test", "Otestovať riadok", {}, {}},
            {"mm1Zasahy", "Zadať zásahy", K(Qt::Key_F6), {}},
            {"mm1Beton", "Betón - Btn", K(Qt::Key_F7), {}},
            {"mm1Obnov", "Obnoviť všetko", K(Qt::Key_F9), {}},
            {"mm1OK", "OK", K(Qt::Key_Space), {}},
            sep(),
            {"mm1Vzdat", "Vzdať hru", K(Qt::Key_F10), {}}}},
        {"mm0Zobrazenie", "Zobrazenie", {}, {
            {"mm1Pozicie", "Počet pozícií", {}, {
                {"mm2Pozic5", "5 pozícií", {}, {}, true},
                {"mm2Pozic6", "6 pozícií", {}, {}, true},
                {"mm2Pozic7", "7 pozícií", {}, {}, true},
                {"mm2Pozic8", "8 pozícií", {}, {}, true}}},
            {"mm1Kocky", "Počet kociek", {}, {
                {"mm2Kocky11", "11 kociek", {}, {}, true},
                {"mm2Kocky19", "19 kociek", {}, {}, true},
                {"mm2Kocky25", "25 kociek", {}, {}, true}}},
            sep(),
            {"mm1Prostredie", "Prostredie", {}, {
                {"mm2Text1", "Textúra - 1", {}, {}, true},
                {"mm2Text2", "Textúra - 2", {}, {}, true},
                {"mm2Foto1", "Foto - 1", {}, {}, true},
                {"mm2Foto2", "Foto - 2", {}, {}, true}}},
            {"mm1StavRiad", "Stavový riadok", {}, {
                {"mm2Info", "Info", {}, {}, true},
                {"mm2Cas", "Čas", K(Qt::CTRL | Qt::Key_T), {}, true},
                {"mm2Skore", "Skóre", {}, {}, true}}},
            sep(),
            {"mm1NajSkore", "Najlepšie skóre", K(Qt::CTRL | Qt::Key_K), {}, true},
            sep(),
            {"mm1Oblubene", "Obľúbené hry", {}, {
                {"mm2Hra1", "Hra č. 1", K(Qt::CTRL | Qt::Key_1), {}, true},
                {"mm2Hra2", "Hra č. 2", K(Qt::CTRL | Qt::Key_2), {}, true},
                {"mm2Hra3", "Hra č. 3", K(Qt::CTRL | Qt::Key_3), {}, true},
                {"mm2Hra4", "Hra č. 4", K(Qt::CTRL | Qt::Key_4), {}, true},
                sep(),
                {"mm2ZrusOblub", "Zrušiť obľúbené hry", K(Qt::CTRL | Qt::Key_0), {}}}}}},
        {"mm0Nastavenie", "Nastavenie", {}, {
            {"mm1KCas", "Celkový čas aplikácie", K(Qt::CTRL | Qt::Key_Q), {}, true},
            sep(),
            {"mm1Nastav", "Nastaviť...", K(Qt::Key_F8), {}},
            sep(),
            {"mm1Synchro", "Synchronizovať...", {}, {}},
            {"mm1SynchroStart", "Synchronizácia pri štarte", {}, {}, true},
            sep(),
            {"mm1UlozNastavenie", "Uložiť nastavenie", K(Qt::CTRL | Qt::Key_S), {}},
            {"mm1AutoUloz", "Automatické uloženie nastavenia", {}, {}, true},
            {"mm1UpozExit", "Upozornenie - ukončenie aplikácie", {}, {}, true},
            sep(),
            {"mm1Jazyk", "Jazyk", {}, {
                {"mm2Slo", "Slovenský", {}, {}, true},
                {"mm2Ces", "Český", {}, {}, true},
                {"mm2Ang", "Anglický", {}, {}, true}}}}},
        {"mm0Pomoc", "Pomoc", {}, {
            {"mm1Inform", "Informácie", K(Qt::Key_F1), {}, true},
            {"mm1Refer", "Referenčná príručka", {}, {}},
            {"mm1Strom", "Kombinácie hier", {}, {}},
            sep(),
            {"mm1Oprograme", "O programe", {}, {}}}},
    };
    // clang-format on
    return tree;
}

} // namespace

void buildMenuBar(QMenuBar* bar, std::map<QString, QAction*>& actions)
{
    std::function<void(QMenu*, const std::vector<Item>&)> fill =
        [&](QMenu* menu, const std::vector<Item>& items) {
            for (const Item& item : items) {
                if (!item.name) {
                    menu->addSeparator();
                    continue;
                }
                if (!item.children.empty()) {
                    QMenu* sub = menu->addMenu(QString::fromUtf8(item.caption));
                    sub->menuAction()->setObjectName(QString::fromLatin1(item.name));
                    actions[QString::fromLatin1(item.name)] = sub->menuAction();
                    fill(sub, item.children);
                    continue;
                }
                QAction* a = menu->addAction(QString::fromUtf8(item.caption));
                a->setObjectName(QString::fromLatin1(item.name));
                a->setShortcut(item.key);
                a->setCheckable(item.checkable);
                actions[a->objectName()] = a;
            }
        };
    for (const Item& top : menuTree()) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(top.caption));
        menu->menuAction()->setObjectName(QString::fromLatin1(top.name));
        actions[menu->menuAction()->objectName()] = menu->menuAction();
        fill(menu, top.children);
    }
}

} // namespace mirvalon
