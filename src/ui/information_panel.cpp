// SPDX-License-Identifier: GPL-3.0-or-later
#include "information_panel.h"

#include <QFile>
#include <QFontDatabase>
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
    document->setDefaultFont(m_reInform->font());
    m_reInform->setLineWrapMode(QTextEdit::WidgetWidth);
    if (!readRtf(data, *document, decode))
        document->setPlainText(QString::fromLatin1(data));
    openAtTop();
    return true;
}

bool InformationPanel::loadPlainTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.read(4 * 1024 * 1024);
    QTextDocument* document = textBox()->document();
    // The reference text lines its tables up with blanks and breaks its own lines: a fixed
    // font at the game's size, and lines kept whole (the box scrolls sideways for the longest).
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPixelSize(11);
    document->setDefaultFont(fixed);
    m_reInform->setLineWrapMode(QTextEdit::NoWrap);
    document->setPlainText(QString::fromUtf8(data));
    openAtTop();
    return true;
}

void InformationPanel::openAtTop()
{
    // Filling the document carries the box's own cursor to the end; the text opens at its top.
    m_reInform->moveCursor(QTextCursor::Start);
    m_reInform->verticalScrollBar()->setValue(0);
}

} // namespace mirvalon
