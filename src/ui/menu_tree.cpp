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
    QString name; // empty: a separator
    QString caption;
    QKeySequence key;
    std::vector<Item> children;
    bool checkable = false;
};

Item sep()
{
    return {};
}

Item check(const QString& name, const QString& caption, QKeySequence key = {})
{
    return {name, caption, key, {}, true};
}

// Check items that differ only by their number: `name` and `caption` hold it as %1.
std::vector<Item> numbered(const char* name, const char* caption,
                           std::initializer_list<int> numbers)
{
    std::vector<Item> items;
    for (const int n : numbers)
        items.push_back(check(QString::fromLatin1(name).arg(n), QString::fromUtf8(caption).arg(n)));
    return items;
}

// The designed tree; separators count in the language file's indexes, so the order is fixed.
const std::vector<Item>& menuTree()
{
    using K = QKeySequence;
    // clang-format off
    static const std::vector<Item> tree = {
        {"mm0Subor", "Súbor", {}, {
            {"mm1Typ", "Typ hry", {}, {
                check("mm2Klasika", "Klasika"),
                check("mm2Trening", "Tréning")}},
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
            {"mm1Pozicie", "Počet pozícií", {}, numbered("mm2Pozic%1", "%1 pozícií", {5, 6, 7, 8})},
            {"mm1Kocky", "Počet kociek", {}, numbered("mm2Kocky%1", "%1 kociek", {11, 19, 25})},
            sep(),
            {"mm1Prostredie", "Prostredie", {}, {
                check("mm2Text1", "Textúra - 1"),
                check("mm2Text2", "Textúra - 2"),
                check("mm2Foto1", "Foto - 1"),
                check("mm2Foto2", "Foto - 2")}},
            {"mm1StavRiad", "Stavový riadok", {}, {
                check("mm2Info", "Info"),
                check("mm2Cas", "Čas", K(Qt::CTRL | Qt::Key_T)),
                check("mm2Skore", "Skóre")}},
            sep(),
            check("mm1NajSkore", "Najlepšie skóre", K(Qt::CTRL | Qt::Key_K)),
            sep(),
            {"mm1Oblubene", "Obľúbené hry", {}, {
                check("mm2Hra1", "Hra č. 1", K(Qt::CTRL | Qt::Key_1)),
                check("mm2Hra2", "Hra č. 2", K(Qt::CTRL | Qt::Key_2)),
                check("mm2Hra3", "Hra č. 3", K(Qt::CTRL | Qt::Key_3)),
                check("mm2Hra4", "Hra č. 4", K(Qt::CTRL | Qt::Key_4)),
                sep(),
                {"mm2ZrusOblub", "Zrušiť obľúbené hry", K(Qt::CTRL | Qt::Key_0), {}}}},
            sep(),
            {"mm1Rozbor", "Rozbor hry", K(Qt::CTRL | Qt::Key_R), {}}}},
        {"mm0Nastavenie", "Nastavenie", {}, {
            check("mm1KCas", "Celkový čas aplikácie", K(Qt::CTRL | Qt::Key_Q)),
            sep(),
            {"mm1Nastav", "Nastaviť...", K(Qt::Key_F8), {}},
            sep(),
            {"mm1Synchro", "Synchronizovať...", {}, {}},
            check("mm1SynchroStart", "Synchronizácia pri štarte"),
            sep(),
            {"mm1UlozNastavenie", "Uložiť nastavenie", K(Qt::CTRL | Qt::Key_S), {}},
            check("mm1AutoUloz", "Automatické uloženie nastavenia"),
            check("mm1UpozExit", "Upozornenie - ukončenie aplikácie"),
            sep(),
            {"mm1Jazyk", "Jazyk", {}, {
                check("mm2Slo", "Slovenský"),
                check("mm2Ces", "Český"),
                check("mm2Ang", "Anglický")}}}},
        {"mm0Pomoc", "Pomoc", {}, {
            check("mm1Inform", "Informácie", K(Qt::Key_F1)),
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
                if (item.name.isEmpty()) {
                    menu->addSeparator();
                    continue;
                }
                if (!item.children.empty()) {
                    QMenu* sub = menu->addMenu(item.caption);
                    sub->menuAction()->setObjectName(item.name);
                    actions[item.name] = sub->menuAction();
                    fill(sub, item.children);
                    continue;
                }
                QAction* a = menu->addAction(item.caption);
                a->setObjectName(item.name);
                a->setShortcut(item.key);
                a->setCheckable(item.checkable);
                actions[a->objectName()] = a;
            }
        };
    for (const Item& top : menuTree()) {
        QMenu* menu = bar->addMenu(top.caption);
        menu->menuAction()->setObjectName(top.name);
        actions[menu->menuAction()->objectName()] = menu->menuAction();
        fill(menu, top.children);
    }
}

} // namespace mirvalon
