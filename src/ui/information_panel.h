// SPDX-License-Identifier: GPL-3.0-or-later
// The information panel laid over the board: the game's information text in a read-only
// rich-text box, or the plain reference text in the same box.
#pragma once

#include "overlay_panel.h"
#include "rtf_reader.h"

class QTextBrowser;

namespace mirvalon {

class InformationPanel : public OverlayPanel
{
    Q_OBJECT
public:
    explicit InformationPanel(QWidget* parent);

    // Loads an information text file; false when it is missing or unreadable.
    bool loadFile(const QString& path, ByteDecoder decode);
    // Loads a plain UTF-8 text, its columns lined up in a fixed-width font; false when it is
    // missing or unreadable.
    bool loadPlainTextFile(const QString& path);

    // The text box, built on first use.
    QTextBrowser* textBox() const;

private:
    void openAtTop();

    mutable QTextBrowser* m_reInform = nullptr;
};

} // namespace mirvalon
