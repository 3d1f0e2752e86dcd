// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the information texts, a plain subset of RTF (groups, paragraphs, bold, italic,
// underline, font size, a colour table, code-page and Unicode escapes), into a text document.
// Unknown control words are skipped, never shown.
#pragma once

#include <QByteArray>
#include <QChar>

class QTextDocument;

namespace mirvalon {

// Turns one byte of the document's code page (a \'hh escape or a plain byte) into a letter.
using ByteDecoder = QChar (*)(unsigned char byte);

// Replaces the document's content; returns false when the data is not RTF at all.
bool readRtf(const QByteArray& rtf, QTextDocument& document, ByteDecoder decode);

} // namespace mirvalon
