// The menu bar with its whole tree of captions and shortcuts, the map from every game command
// to its button and menu item, and the small commands of the menus.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>

#include "bevel_box.h"
#include "records_panel.h"
#include "tfrm_logic.h"

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
    return tree;
}

// Items whose commands come with later work stay in the menu, disabled.
const char* const kNotYetOffered[] = {
    "mm1Otvorit", "mm1UlozAkoObr", "mm2Prostredie", "mm2Informacie", "mm1Spat",
    "mm1Test", "mm1Oblubene", "mm2ZrusOblub", "mm1Nastav", "mm1Synchro", "mm1SynchroStart",
    "mm1Refer", "mm1Strom", "mm1Oprograme"};

} // namespace

void Tfrm_Logic::createMenus()
{
    std::function<void(QMenu*, const std::vector<Item>&)> fill = [&](QMenu* menu,
                                                                   const std::vector<Item>& items) {
        for (const Item& item : items) {
            if (!item.name) {
                menu->addSeparator();
                continue;
            }
            if (!item.children.empty()) {
                QMenu* sub = menu->addMenu(QString::fromUtf8(item.caption));
                sub->menuAction()->setObjectName(QString::fromLatin1(item.name));
                m_actions[QString::fromLatin1(item.name)] = sub->menuAction();
                fill(sub, item.children);
                continue;
            }
            QAction* a = menu->addAction(QString::fromUtf8(item.caption));
            a->setObjectName(QString::fromLatin1(item.name));
            a->setShortcut(item.key);
            a->setCheckable(item.checkable);
            m_actions[a->objectName()] = a;
        }
    };
    for (const Item& top : menuTree()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(top.caption));
        menu->menuAction()->setObjectName(QString::fromLatin1(top.name));
        m_actions[menu->menuAction()->objectName()] = menu->menuAction();
        fill(menu, top.children);
    }
    for (const char* name : kNotYetOffered)
        menuItem(name)->setEnabled(false);
    // "Minimalizovať" is not shown, but its key works while the item is enabled.
    QAction* minimal = menuItem("mm1Minimal");
    minimal->setVisible(false);
    const QList<QAction*> fileItems = menuItem("mm0Subor")->menu()->actions();
    fileItems.at(fileItems.indexOf(minimal) - 1)->setVisible(false);
    // A hidden action counts as disabled and its own key is dead, so the key is a shortcut
    // of the window that follows the File menu instead.
    auto* f12 = new QShortcut(QKeySequence(Qt::Key_F12), this);
    connect(f12, &QShortcut::activated, this, [this, minimal] {
        if (menuItem("mm0Subor")->isEnabled())
            minimal->trigger();
    });
}

void Tfrm_Logic::connectCommands()
{
    auto button = [this](const char* name) { return static_cast<QPushButton*>(control(name)); };
    auto bind = [&](Command c, const char* buttonName, const char* itemName) {
        m_commandControls[c] = {buttonName ? control(buttonName) : nullptr,
                                itemName ? menuItem(itemName) : nullptr};
    };
    bind(Command::NewComputerGame, "btnNovaP", "mm2NovaP");
    bind(Command::NewSecondPlayerGame, "btnNovaH", "mm2NovaH");
    bind(Command::ConfirmRow, "btnOk", "mm1OK");
    bind(Command::CancelRow, "btnZrusit", "mm1Zrus");
    bind(Command::GiveUp, "btnVzdat", "mm1Vzdat");
    bind(Command::QuickStart, nullptr, "mm1RStart");
    bind(Command::ConfirmHiddenRow, "btnPotvrd", nullptr);
    bind(Command::EnterHits, "btnZasahy", nullptr);
    bind(Command::EnterHitsMenu, nullptr, "mm1Zasahy");
    bind(Command::UnblockAll, "btnBloky", nullptr);
    bind(Command::BlockUnused, "btnBeton", nullptr);
    bind(Command::BlockUnusedMenu, nullptr, "mm1Beton");
    bind(Command::ClearRowMarks, "btnZnacRiad", nullptr);
    bind(Command::RestoreAll, nullptr, "mm1Obnov");
    bind(Command::SaveGame, nullptr, "mm1Ulozit");
    bind(Command::Archive, "btnArchiv", nullptr);
    bind(Command::TimeView, nullptr, "mm2Cas");
    bind(Command::InfoView, nullptr, "mm2Info");
    bind(Command::ScoreView, nullptr, "mm2Skore");
    bind(Command::GameTypeClassic, "pnlHra_1", "mm2Klasika");
    bind(Command::GameTypeTraining, "pnlHra_2", "mm2Trening");

    Game& g = *m_game;
    auto onItem = [this](const char* name, auto handler) {
        connect(menuItem(name), &QAction::triggered, this, handler);
    };
    auto onButton = [&](const char* name, auto handler) {
        connect(button(name), &QPushButton::clicked, this, handler);
    };
    onButton("btnNovaP", [&g] { g.startComputerGame(); });
    onItem("mm2NovaP", [&g] { g.startComputerGame(); });
    onButton("btnNovaH", [&g] { g.startSecondPlayerGame(); });
    onItem("mm2NovaH", [&g] { g.startSecondPlayerGame(); });
    onButton("btnOk", [&g] { g.confirmRow(); });
    onItem("mm1OK", [&g] { g.confirmRow(); });
    onButton("btnZrusit", [&g] { g.cancelRow(); });
    onItem("mm1Zrus", [&g] { g.cancelRow(); });
    onButton("btnVzdat", [&g] { g.giveUp(); });
    onItem("mm1Vzdat", [&g] { g.giveUp(); });
    onItem("mm1RStart", [&g] { g.quickStart(); });
    onButton("btnPotvrd", [&g] { g.confirmHiddenRow(); });
    onButton("btnZasahy", [&g] { g.enterAllHits(); });
    onItem("mm1Zasahy", [&g] { g.enterAllHits(); });
    onButton("btnBloky", [&g] { g.unblockAll(); });
    onButton("btnBeton", [&g] { g.blockCertainlyUnused(); });
    onItem("mm1Beton", [&g] { g.blockCertainlyUnused(); });
    onButton("btnZnacRiad", [&g] { g.clearRowMarks(); });
    onItem("mm1Obnov", [&g] { g.restoreAll(); });
    onButton("btnArchiv", [this] { showArchive(); });
    onItem("mm2Klasika", [this] { changeGameType(Classic); });
    onItem("mm2Trening", [this] { changeGameType(Training); });
    onItem("mm1Koniec", [this] { exitCommand(); });
    onItem("mm2NovaN", [this] { randomGame(); });
    onItem("mm1Minimal", [this] { showMinimized(); });
    for (int p = 5; p <= 8; ++p)
        onItem(QStringLiteral("mm2Pozic%1").arg(p).toLatin1().constData(),
               [this, p] { changePositions(p); });
    for (int n : {11, 19, 25})
        onItem(QStringLiteral("mm2Kocky%1").arg(n).toLatin1().constData(),
               [this, n] { changePieceCount(n); });
    const char* environments[4] = {"mm2Text1", "mm2Text2", "mm2Foto1", "mm2Foto2"};
    for (int e = 0; e < 4; ++e)
        onItem(environments[e], [this, e] {
            changeEnvironment(m_game->settings().environment == e ? -1 : e);
        });
    onItem("mm2Info", [this] { toggleStatusGroup(Command::InfoView); });
    onItem("mm2Cas", [this] { toggleStatusGroup(Command::TimeView); });
    onItem("mm2Skore", [this] { toggleStatusGroup(Command::ScoreView); });
    onItem("mm1NajSkore", [this] { toggleRecordsPanel(); });
    onItem("mm1Inform", [this] { toggleInformationPanel(); });
    onItem("mm1KCas", [this] { toggleOption(6, !m_game->settings().showTotalTime); });
    onItem("mm1AutoUloz", [this] { toggleOption(4, !m_game->settings().autoSave); });
    onItem("mm1UpozExit", [this] { toggleOption(7, !m_game->settings().exitWarning); });
    onItem("mm1UlozNastavenie", [this] { saveSettingsCommand(); });
    const char* languages[3] = {"mm2Slo", "mm2Ces", "mm2Ang"};
    for (int l = 0; l < 3; ++l)
        onItem(languages[l], [this, l] { changeLanguage(l); });

    // The records list and its context menu.
    RecordsPanel* list = m_recordsPanel;
    const auto archiveOffered = [this] { return m_game->commands().enabled(Command::Archive); };
    connect(list, &RecordsPanel::rowChanged, this, [this](int i) { enableByRow(i); });
    connect(list, &RecordsPanel::activateRequested, this,
            [this](int i) { activateSelectedGame(i); });
    connect(list, &RecordsPanel::deleteKeyPressed, this, [this, archiveOffered] {
        if (archiveOffered())
            deleteSelectedRecord();
    });
    connect(list, &RecordsPanel::archiveKeyPressed, this, [this, archiveOffered] {
        if (archiveOffered())
            showArchive();
    });
    connect(list, &RecordsPanel::deleteAllKeyPressed, this, [this] { deleteAllRecords(); });
    connect(list, &RecordsPanel::contextMenuRequested, this, [this, list](const QPoint& at) {
        list->contextMenu()->popup(list->list()->mapToGlobal(at));
    });
    auto onContext = [&](const char* name, auto handler) {
        connect(list->action(name), &QAction::triggered, this, handler);
    };
    onContext("pm1NajSkore", [this] { toggleRecordsPanel(); });
    onContext("pm1Aktivovat", [this, list] { activateSelectedGame(list->selectedIndex()); });
    onContext("pm1Archiv", [this] { showArchive(); });
    onContext("pm1Vymazat", [this] { deleteSelectedRecord(); });
    onContext("pm1VymazatAll", [this] { deleteAllRecords(); });
}

void Tfrm_Logic::showRulesInMenus()
{
    const GameSettings& s = m_game->settings();
    m_settingsStore->applySetting(1, s.positions - 5);
    m_settingsStore->applySetting(2, pieceIndex(s.pieceCount));
    m_settingsStore->applySetting(3, s.environment);
}

void Tfrm_Logic::randomGame()
{
    if (!m_game->pickRandomGame())
        return;
    showRulesInMenus();
    control("btnNovaP")->setFocus();
}

void Tfrm_Logic::changeGameType(int type)
{
    GameSettings& s = m_game->settings();
    if (s.gameType == type || m_game->state().inProgress) {
        m_game->publish(); // the check marks stay as they were
        return;
    }
    s.gameType = type;
    m_game->publish();
}

void Tfrm_Logic::changePositions(int positions)
{
    GameSettings& s = m_game->settings();
    if (s.positions == positions || !m_game->mayEndRunningGame()) {
        m_settingsStore->applySetting(1, s.positions - 5);
        return;
    }
    s.positions = positions;
    m_settingsStore->applySetting(1, positions - 5);
    m_game->rulesChanged();
    control("btnNovaP")->setFocus();
}

void Tfrm_Logic::changePieceCount(int pieces)
{
    GameSettings& s = m_game->settings();
    if (s.pieceCount == pieces || !m_game->mayEndRunningGame()) {
        m_settingsStore->applySetting(2, pieceIndex(s.pieceCount));
        return;
    }
    s.pieceCount = pieces;
    m_settingsStore->applySetting(2, pieceIndex(pieces));
    m_game->rulesChanged();
    control("btnNovaP")->setFocus();
}

void Tfrm_Logic::changeEnvironment(int environment)
{
    m_settingsStore->applySetting(3, environment);
}

void Tfrm_Logic::nextEnvironment()
{
    const int e = m_game->settings().environment;
    changeEnvironment(e < 0 || e >= 3 ? 0 : e + 1);
}

void Tfrm_Logic::toggleStatusGroup(Command view)
{
    GameSettings& s = m_game->settings();
    if (view == Command::InfoView) {
        s.showInfo = !s.showInfo;
        m_game->showStatusGroup(s.showInfo, 0, 7);
    } else if (view == Command::TimeView) {
        s.showTime = !s.showTime;
        m_game->showStatusGroup(s.showTime, 8, 9);
    } else {
        s.showScore = !s.showScore;
        m_game->showStatusGroup(s.showScore, 10, 13);
    }
}

void Tfrm_Logic::toggleOption(int which, bool on)
{
    m_settingsStore->applySetting(which, on ? 1 : 0);
}

void Tfrm_Logic::changeLanguage(int language)
{
    if (m_game->settings().loadedLanguage == language) {
        showLanguage(language);
        return;
    }
    if (m_languages->loadLanguage(language))
        m_settingsStore->applySetting(5, language);
    else
        showLanguage(m_game->settings().loadedLanguage);
}

} // namespace mirvalon
