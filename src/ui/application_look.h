// SPDX-License-Identifier: GPL-3.0-or-later
// The look every window of the game shares: the style with its one-second pause before a hint
// and the designed font. Set before the first widget exists, so that no widget is polished
// twice and none has to be told of a new font.
#pragma once

class QColor;
class QWidget;

namespace mirvalon {

// Sets the application's style and font; a second call changes nothing.
void prepareApplicationLook();

// Colours the text of a label through its palette (a style sheet would give the label a style
// of its own to polish); nothing is repainted when the colour stays.
void setTextColour(QWidget* widget, const QColor& colour);

} // namespace mirvalon
