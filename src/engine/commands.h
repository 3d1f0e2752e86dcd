// The enabled / visible / checked state of every game command. Button and menu item of one
// command share an entry; where the game treats them apart they have an entry each.
#pragma once

#include <array>
#include <cstddef>

namespace mirvalon {

enum class Command {
    NewComputerGame,     // btnNovaP, mm2NovaP
    NewSecondPlayerGame, // btnNovaH, mm2NovaH
    ConfirmRow,          // btnOk, mm1OK
    CancelRow,           // btnZrusit, mm1Zrus
    GiveUp,              // btnVzdat, mm1Vzdat
    QuickStart,          // mm1RStart
    ConfirmHiddenRow,    // btnPotvrd
    EnterHits,           // btnZasahy
    EnterHitsMenu,       // mm1Zasahy
    UnblockAll,          // btnBloky
    BlockUnused,         // btnBeton
    BlockUnusedMenu,     // mm1Beton
    ClearRowMarks,       // btnZnacRiad
    RestoreAll,          // mm1Obnov
    SaveGame,            // mm1Ulozit
    Archive,             // btnArchiv, pm1Archiv
    TimeView,            // mm2Cas (checked: the time panels are shown), cbxCas
    InfoView,            // mm2Info
    ScoreView,           // mm2Skore
    GameTypeClassic,     // mm2Klasika, pnlHra_1
    GameTypeTraining,    // mm2Trening, pnlHra_2
    Count
};

constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::Count);

struct CommandState
{
    bool enabled = false;
    bool visible = true;
    bool checked = false;

    bool operator==(const CommandState&) const = default;
};

class CommandTable
{
public:
    CommandState& operator[](Command c) { return m_states[static_cast<std::size_t>(c)]; }
    const CommandState& operator[](Command c) const
    {
        return m_states[static_cast<std::size_t>(c)];
    }
    void enable(Command c, bool on = true) { (*this)[c].enabled = on; }
    void disable(Command c) { (*this)[c].enabled = false; }
    void show(Command c, bool on = true) { (*this)[c].visible = on; }
    void hide(Command c) { (*this)[c].visible = false; }
    void check(Command c, bool on = true) { (*this)[c].checked = on; }
    bool enabled(Command c) const { return (*this)[c].enabled; }
    bool visible(Command c) const { return (*this)[c].visible; }
    bool checked(Command c) const { return (*this)[c].checked; }

    bool operator==(const CommandTable&) const = default;

private:
    std::array<CommandState, kCommandCount> m_states{};
};

} // namespace mirvalon
