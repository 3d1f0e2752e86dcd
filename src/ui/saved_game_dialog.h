// SPDX-License-Identifier: GPL-3.0-or-later
// The open and save dialogs of saved games (".mvg"): they start in the data folder's "Data"
// when it exists, else in the data folder; saving asks before replacing a file.
#pragma once

#include <QString>

class QWidget;

namespace mirvalon {

enum class SavedGameDialog { Open, Save };

// The chosen file's path, or an empty text when the player cancelled.
QString chooseSavedGame(QWidget* parent, SavedGameDialog kind, const QString& dataFolder);

} // namespace mirvalon
