// SPDX-License-Identifier: GPL-3.0-or-later
// Printing what the player sees: the whole window scaled to the page, and the information
// text as a paged document. The print dialog is the window's; these functions print to the
// printer it set up and say whether the job went through. They live in the print library,
// which the game loads when the player first prints (print_system.h).
#pragma once

#include <QRectF>
#include <QString>

class QPainter;
class QPrinter;
class QTextDocument;
class QWidget;

namespace mirvalon {

// Draws `window` once onto the page, as large as the page allows with its aspect kept and
// centred. The widgets paint at the printer's resolution, so text and pegs stay sharp. False
// when the printer cannot be opened or the job fails.
bool printWindowImage(QWidget& window, QPrinter& printer);

// The drawing of printWindowImage: `window` fitted into `area` of the painter's device, aspect
// kept, centred.
void paintWindowImage(QWidget& window, QPainter& painter, const QRectF& area);

// Prints `document` over as many pages as it needs, with margins of at least 15 mm and `title`
// (the information file's name) as the title of the print job. The document itself is left as
// the panel shows it.
bool printDocument(const QTextDocument& document, const QString& title, QPrinter& printer);

} // namespace mirvalon
