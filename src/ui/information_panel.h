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

    QTextBrowser* textBox() const { return m_reInform; }

private:
    QTextBrowser* m_reInform;
};

} // namespace mirvalon
