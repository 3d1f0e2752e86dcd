// SPDX-License-Identifier: GPL-3.0-or-later
// The information panel laid over the board: the game's information text in a read-only
// rich-text box.
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

    // The text box, built on first use.
    QTextBrowser* textBox() const;

private:
    mutable QTextBrowser* m_reInform = nullptr;
};

} // namespace mirvalon
