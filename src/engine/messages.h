// SPDX-License-Identifier: GPL-3.0-or-later
// Names of the texts the game shows by index: the information messages and the questions of
// the text table. The indexes are the language files' own, so they stay plain numbers here.
#pragma once

namespace mirvalon {

// Information messages 0..19 of the text table (14 and 15 are never shown).
namespace Message {
constexpr int GameWon = 0; // "%i" is the row that solved it
constexpr int GameLost = 1;
constexpr int RecordsReadOnly = 2; // a record cannot be written
constexpr int ArchiveReadOnly = 3; // a record game cannot be archived
constexpr int ArchiveDamaged = 4;
constexpr int ArchiveMissing = 5;
constexpr int InformationMissing = 6; // "%s" is the file's name
constexpr int SettingsDamaged = 7;
constexpr int GoldNeedsGrey = 8; // mixed colours chosen for game 192
constexpr int RecordsNotDeletable = 9;
constexpr int TrainingWon = 10;
constexpr int SettingsSaved = 11;
constexpr int SettingsNotSaved = 12;
constexpr int ManualMissing = 13;
constexpr int GameNotSaved = 16;
constexpr int GameNotOpened = 17;
constexpr int ReferenceMissing = 18;
constexpr int WrongPassword = 19;
} // namespace Message

// Questions 0..5 of the text table, each with its caption and fixed set of buttons.
namespace Question {
constexpr int EndRunningGame = 0;          // Yes/No/Cancel, No by default
constexpr int WriteNewRecord = 1;          // Yes/No/Cancel, Yes by default
constexpr int NoRecordForSecondPlayer = 2; // OK only: it never answers Yes
constexpr int DeleteRecord = 3;            // Yes/No/Cancel, No by default
constexpr int DeleteAllRecords = 4;        // Yes/No/Cancel, No by default
constexpr int ExitApplication = 5;         // Yes/No, Yes by default
} // namespace Question

} // namespace mirvalon
