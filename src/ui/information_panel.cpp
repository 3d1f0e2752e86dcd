#include "information_panel.h"

#include <QFile>
#include <QScrollBar>
#include <QTextBrowser>

namespace mirvalon {

InformationPanel::InformationPanel(QWidget* parent)
    : OverlayPanel(parent, QStringLiteral("pnlInform"), QStringLiteral("lblInform"),
                   QStringLiteral("INFORMÁCIE")),
      m_reInform(new QTextBrowser(this))
{
    m_reInform->setObjectName(QStringLiteral("reInform"));
    m_reInform->setGeometry(contentArea());
    m_reInform->setReadOnly(true);
    m_reInform->setOpenLinks(false);
    m_reInform->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

bool InformationPanel::loadFile(const QString& path, ByteDecoder decode)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.read(4 * 1024 * 1024);
    QTextDocument* document = m_reInform->document();
    if (!readRtf(data, *document, decode))
        document->setPlainText(QString::fromLatin1(data));
    // Filling the document carries the box's own cursor to the end; the text opens at its top.
    m_reInform->moveCursor(QTextCursor::Start);
    m_reInform->verticalScrollBar()->setValue(0);
    return true;
}

} // namespace mirvalon
