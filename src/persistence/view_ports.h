// SPDX-License-Identifier: GPL-3.0-or-later
// What the files side tells the window: the controls that show a setting, the targets of a
// language file and a plain message box. The window implements these ports; tests use fakes.
// Texts are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mirvalon {

// The kinds of a language file's entries, the first character of an entry's code in base 36.
// Kinds 13 and 14 are our own, which older readers skip.
namespace LanguageKind {
constexpr int Menus = 1;           // main menu (group 0) and the records list's menu (group 1)
constexpr int Controls = 2;        // main window (group 0), settings and synchronisation buttons
constexpr int Labels = 3;          // the main window's labels
constexpr int StatusPanels = 4;    // the status bar
constexpr int SettingsDialog = 5;  // the settings dialog
constexpr int AboutBox = 6;        // the about box
constexpr int NewRecordDialog = 7; // the new-record dialog
constexpr int RecordsList = 9;     // the records panel's caption and columns
constexpr int TextTable = 10;      // panel captions, questions and messages
constexpr int PasswordDialog = 11; // the password dialog
constexpr int SynchroDialog = 12;  // the synchronisation dialog
constexpr int Review = 13;         // the look back at a game
constexpr int Spoken = 14;         // the words a screen reader says for the board
} // namespace LanguageKind

// Buttons and panels of the main window by their language-file code (kind 2, group 0).
enum class MainControl {
    btnNovaP = 1,
    btnNovaH,
    btnNastavit,
    btnArchiv,
    btnZrusit,
    btnVzdat,
    btnOk,
    btnPotvrd,
    btnZasahy,
    btnBloky,
    pnlHra_1,
    pnlHra_2,
    btnBeton,
    btnZnacRiad,
    pnl1,
    pnl2,
    pnl3,
    pnl4
};

// Labels of the main window by their language-file code (kind 3, group 0).
enum class MainLabel { lblZasah = 1, lblMimo, lblRekord, lblNeprekon };

// Captions over the two panels laid on the board.
enum class PanelCaption { lblHSkore, lblInform };

// Where the entries of a language file go that are not texts of the TextTable. The loader has
// already decoded the codes, checked the listed indexes and added the blanks and colons the
// entry asks for; the window only sets the text. An absent hint or shortcut leaves the old one.
class LanguageTargets
{
public:
    virtual ~LanguageTargets() = default;
    // Main menu item: path of 0-based indexes, the top-level menu first, separators counted
    // ({3, 7} is "Uložiť nastavenie"). A path that names no item is ignored by the window.
    // `shortcut` is the written name of a key combination ("Ctrl+S", "F2").
    virtual void setMenuItem(const std::vector<int>& path, const std::string& caption,
                             const std::optional<std::string>& shortcut) = 0;
    // Item 0..8 of the records list's context menu, separators counted.
    virtual void setContextMenuItem(int index, const std::string& caption,
                                    const std::optional<std::string>& shortcut) = 0;
    // After pnlHra_2 the window also shows its caption in status panels 11 and 13 while a
    // training game runs, and hands it to Game::setTrainingCaption.
    virtual void setMainControl(MainControl control, const std::string& caption,
                                const std::optional<std::string>& hint) = 0;
    virtual void setMainLabel(MainLabel label, const std::string& caption,
                              const std::optional<std::string>& hint) = 0;
    // Status panel 0..13; panel 0 arrives as " " + text + ":".
    virtual void setStatusPanel(int panel, const std::string& text) = 0;
    // Caption of the records panel or the information panel; the window centres it again.
    virtual void setPanelCaption(PanelCaption panel, const std::string& text) = 0;
    // Column 0..6 of the records list liveHSkore.
    virtual void setListColumn(int column, const std::string& title) = 0;
    // The untimed text of status panel 11 changed (the TextTable already holds it): the window
    // hands it to Game::setUntimedStatusText and shows it at once while the time is off.
    virtual void setUntimedStatusText(const std::string& text) = 0;
    // Controls of the dialogs, by the codes of the language file: `kind` 2 (group 1 settings
    // dialog buttons, group 2 synchronisation dialog buttons), 5 settings dialog, 6 about box,
    // 7 new-record dialog, 11 password dialog, 12 synchronisation dialog; `group`, `index`
    // and `item` are code characters 2, 3 and 4 (-1 when not given). Group 0 index 0 of kinds
    // 5 and kinds 6, 7, 11, 12 group 0 are the window captions ("  " already added). Kind 7
    // group 2 and kind 11 group 3, index 0, are the Storno buttons of the new-record and
    // password dialogs (entries of our own, in groups older readers skip). Kind 13 is the look
    // back at a game, a kind of our own: group 0 its caption (no blanks added), 1 the column
    // titles, 2 the words yes and no, 3 the total line and the word for a hidden row not found,
    // 4 the close button. Kind 14, also our own, holds what a screen reader says: group 0 the
    // colours of pieces 1..25, 1 the phrases, 2 and 3 the forms of "hit" and "miss".
    virtual void setDialogText(int kind, int group, int index, int item, const std::string& text,
                               const std::optional<std::string>& hint) = 0;
    // A file was accepted and its entries follow: texts of our own kinds that it may lack go
    // back to the built-in ones first, so that no window speaks two languages.
    virtual void fileAccepted() {}
};

// A message box with an OK button and the caption "Mirvalon", for texts that are not in the
// TextTable (the two-language errors of the language loader).
class PlainMessages
{
public:
    virtual ~PlainMessages() = default;
    virtual void showPlainMessage(const std::string& text) = 0;
};

} // namespace mirvalon
