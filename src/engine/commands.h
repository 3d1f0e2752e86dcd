// SPDX-License-Identifier: GPL-3.0-or-later
// The enabled / visible / checked state of every game command, keyed by one enum. Only the
// game writes it; the window applies the whole table in one loop to the button, menu item and
// context-menu item bound to each command (the window's table of commands).
//
// Adding a command: add it here with the controls it stands for and give its rule in offers()
// (offers.cpp), which computes every enabled and visible bit from the game's state and the
// settings; then bind it in the window's command table (tfrm_logic_commands.cpp) to its button,
// menu item and handler. A rule that depends on whether a command is offered asks offers()
// too; the history it needs is a field of GameState.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace mirvalon {

enum class Command {
    // A game.
    NewComputerGame,     // btnNovaP, mm2NovaP
    NewSecondPlayerGame, // btnNovaH, mm2NovaH
    RandomGame,          // mm2NovaN
    ConfirmRow,          // btnOk, mm1OK
    CancelRow,           // btnZrusit, mm1Zrus
    GiveUp,              // btnVzdat, mm1Vzdat
    QuickStart,          // mm1RStart
    ConfirmHiddenRow,    // btnPotvrd
    Undo,                // mm1Spat: never offered
    TestRow,             // mm1Test: never offered
    // Deduction aids.
    EnterHits,       // btnZasahy
    EnterHitsMenu,   // mm1Zasahy
    UnblockAll,      // btnBloky
    BlockUnused,     // btnBeton
    BlockUnusedMenu, // mm1Beton
    ClearRowMarks,   // btnZnacRiad
    RestoreAll,      // mm1Obnov
    // Files, printing, the window.
    OpenGame,         // mm1Otvorit
    SaveGame,         // mm1Ulozit
    SavePicture,      // mm1UlozAkoObr
    PrintBoard,       // mm2Prostredie
    PrintInformation, // mm2Informacie
    Minimise,         // mm1Minimal (never visible; F12 works while it is enabled)
    Exit,             // mm1Koniec
    // Game type (checked: the chosen type).
    GameTypeClassic,  // mm2Klasika, pnlHra_1
    GameTypeTraining, // mm2Trening, pnlHra_2
    // View (checked: what the settings say).
    Positions5,      // mm2Pozic5
    Positions6,      // mm2Pozic6
    Positions7,      // mm2Pozic7
    Positions8,      // mm2Pozic8
    Pieces11,        // mm2Kocky11
    Pieces19,        // mm2Kocky19
    Pieces25,        // mm2Kocky25
    Texture1,        // mm2Text1
    Texture2,        // mm2Text2
    Photo1,          // mm2Foto1
    Photo2,          // mm2Foto2
    InfoView,        // mm2Info: status panels 0..7
    TimeView,        // mm2Cas: status panels 8..9
    ScoreView,       // mm2Skore: status panels 10..13
    RecordsPanel,    // mm1NajSkore, pm1NajSkore (checked while the best scores are shown)
    FavouritesMenu,  // mm1Oblubene
    PlayFavourite1,  // mm2Hra1 (checked: the active favourite)
    PlayFavourite2,  // mm2Hra2
    PlayFavourite3,  // mm2Hra3
    PlayFavourite4,  // mm2Hra4
    StoreFavourite1, // pnl1
    StoreFavourite2, // pnl2
    StoreFavourite3, // pnl3
    StoreFavourite4, // pnl4
    ClearFavourites, // mm2ZrusOblub
    Review,          // mm1Rozbor: the look back at a game that has ended
    // Settings.
    TotalTime,       // mm1KCas
    Settings,        // btnNastavit, mm1Nastav
    Synchronise,     // mm1Synchro, pm1Synchro
    SyncAtStart,     // mm1SynchroStart
    SaveSettings,    // mm1UlozNastavenie
    AutoSave,        // mm1AutoUloz
    ExitWarning,     // mm1UpozExit
    LanguageSlovak,  // mm2Slo
    LanguageCzech,   // mm2Ces
    LanguageEnglish, // mm2Ang
    // Help.
    InformationPanel, // mm1Inform (checked while the information text is shown)
    ReferenceText,    // mm1Refer
    Manual,           // mm1Strom
    About,            // mm1Oprograme
    // The records list.
    ActivateGame,     // pm1Aktivovat
    Archive,          // btnArchiv, pm1Archiv
    DeleteRecord,     // pm1Vymazat
    DeleteAllRecords, // pm1VymazatAll
    Count
};

// The four favourite slots' menu items and panels, slot 1 first.
constexpr std::array<Command, 4> kPlayFavourite = {Command::PlayFavourite1, Command::PlayFavourite2,
                                                   Command::PlayFavourite3,
                                                   Command::PlayFavourite4};
constexpr std::array<Command, 4> kStoreFavourite = {
    Command::StoreFavourite1, Command::StoreFavourite2, Command::StoreFavourite3,
    Command::StoreFavourite4};

constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::Count);

struct CommandState
{
    bool enabled = false;
    bool visible = true;
    bool checked = false;

    bool operator==(const CommandState&) const = default;
};

// The table as the window reads it: one bit per command for each state, so that the game
// computes and hands over a whole table in a few words. offers() writes enable / show, the
// game's marks check.
class CommandTable
{
public:
    constexpr CommandState operator[](Command c) const
    {
        return {enabled(c), visible(c), checked(c)};
    }
    constexpr bool enabled(Command c) const { return test(m_enabled, c); }
    constexpr bool visible(Command c) const { return !test(m_hidden, c); }
    constexpr bool checked(Command c) const { return test(m_checked, c); }

    constexpr void enable(Command c, bool on = true) { put(m_enabled, c, on); }
    constexpr void disable(Command c) { put(m_enabled, c, false); }
    constexpr void show(Command c, bool on = true) { put(m_hidden, c, !on); }
    constexpr void hide(Command c) { put(m_hidden, c, true); }
    constexpr void check(Command c, bool on = true) { put(m_checked, c, on); }
    // One bit per command, at the command's index.
    using Bits = std::array<uint64_t, (kCommandCount + 63) / 64>;
    static constexpr void put(Bits& bits, Command c, bool on)
    {
        const auto i = static_cast<std::size_t>(c);
        bits[i / 64] = (bits[i / 64] & ~(uint64_t{1} << (i % 64))) | (uint64_t{on} << (i % 64));
    }
    constexpr const Bits& enabledBits() const { return m_enabled; }
    constexpr const Bits& hiddenBits() const { return m_hidden; }
    // Every enabled and visible state at once; the check marks stay.
    constexpr void setAvailability(const Bits& enabled, const Bits& hidden)
    {
        m_enabled = enabled;
        m_hidden = hidden;
    }

    constexpr bool operator==(const CommandTable&) const = default;

private:
    static constexpr bool test(const Bits& bits, Command c)
    {
        const auto i = static_cast<std::size_t>(c);
        return (bits[i / 64] >> (i % 64)) & 1;
    }
    Bits m_enabled{};
    Bits m_hidden{}; // every command is shown until hidden
    Bits m_checked{};
};

} // namespace mirvalon
