// SPDX-License-Identifier: GPL-3.0-or-later
// Texts that come from files (language files, records, the shared folder) or from players are
// shown as they stand, never read as markup: a holder name "<img src=...>" is that name.
#pragma once

#include <QString>

class QMessageBox;
class QWidget;

namespace mirvalon {

// Every label under `root`, now and after any later setText, shows plain text.
void showPlainText(QWidget& root);

// A tool tip shows rich text whenever the text looks like markup; this one shows `text` as it
// stands, line breaks kept.
QString plainToolTip(const QString& text);

// Break opportunities (zero-width spaces) inside words longer than `longest` characters, so a
// message box can wrap a long file name instead of growing wider than the screen.
QString breakLongWords(const QString& text, int longest = 40);

// The text of a message box: plain, wrapped, never wider than the screen.
void setPlainBoxText(QMessageBox& box, const QString& text);

} // namespace mirvalon
