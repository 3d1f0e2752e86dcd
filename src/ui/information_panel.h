// The information panel laid over the board: the game's information text in a read-only
// rich-text box.
#pragma once

#include <QFrame>

#include "rtf_reader.h"

class QLabel;
class QTextBrowser;

namespace mirvalon {

class InformationPanel : public QFrame
{
    Q_OBJECT
public:
    explicit InformationPanel(QWidget* parent);

    // Loads an information text file; false when it is missing or unreadable.
    bool loadFile(const QString& path, ByteDecoder decode);
    void setCaptionText(const QString& text);

    QTextBrowser* textBox() const { return m_reInform; }
    QLabel* caption() const { return m_lblInform; }

private:
    QLabel* m_lblInform;
    QTextBrowser* m_reInform;
};

} // namespace mirvalon
