// SPDX-License-Identifier: GPL-3.0-or-later
#include "information_panel.h"

#include <QFile>
#include <QScrollBar>
#include <QTextBrowser>

namespace mirvalon {

InformationPanel::InformationPanel(QWidget* parent)
    : OverlayPanel(parent, QStringLiteral("pnlInform"), QStringLiteral("lblInform"),
                   QStringLiteral("INFORMÁCIE"))
{
}

QTextBrowser* InformationPanel::textBox() const
{
    if (m_reInform)
        return m_reInform;
    // Built when the text is first shown: most runs never open it, and the window opens sooner.
    m_reInform = new QTextBrowser(const_cast<InformationPanel*>(this));
    m_reInform->setObjectName(QStringLiteral("reInform"));
    m_reInform->setGeometry(contentArea());
    m_reInform->setReadOnly(true);
    m_reInform->setOpenLinks(false);
    m_reInform->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_reInform->show();
    return m_reInform;
}

bool InformationPanel::loadFile(const QString& path, ByteDecoder decode)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.read(4 * 1024 * 1024);
    QTextDocument* document = textBox()->document();
    if (!readRtf(data, *document, decode))
        document->setPlainText(QString::fromLatin1(data));
    // Filling the document carries the box's own cursor to the end; the text opens at its top.
    m_reInform->moveCursor(QTextCursor::Start);
    m_reInform->verticalScrollBar()->setValue(0);
    return true;
}

} // namespace mirvalon
