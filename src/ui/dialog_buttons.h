// SPDX-License-Identifier: GPL-3.0-or-later
// The captions of the buttons of the game's message boxes in the game's language, each with
// its keyboard accelerator (Alt+N or N answers "Nie"), whatever the system's language is.
#pragma once

#include <QString>

class QMessageBox;

namespace mirvalon {

enum class DialogButton { Yes, No, Cancel, Ok };

// "&Áno", "&Nie", "&Zrušiť", "&OK"; "&Ano", "&Ne", "&Storno"; "&Yes", "&No", "&Cancel".
// A language outside 0..2 gets the Slovak captions.
QString dialogButtonText(DialogButton button, int language);

// Captions the standard Yes, No, Cancel and OK buttons that `box` holds.
void translateButtons(QMessageBox& box, int language);

} // namespace mirvalon
