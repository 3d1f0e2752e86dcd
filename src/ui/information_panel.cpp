#include "information_panel.h"

#include <QFile>
#include <QLabel>
#include <QTextBrowser>

namespace mirvalon {

InformationPanel::InformationPanel(QWidget* parent)
    : QFrame(parent),
      m_lblInform(new QLabel(QStringLiteral("INFORMÁCIE"), this)),
      m_reInform(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("pnlInform"));
    setAutoFillBackground(true);
    resize(360, 424);
    m_lblInform->setObjectName(QStringLiteral("lblInform"));
    QFont bold = m_lblInform->font();
    bold.setBold(true);
    m_lblInform->setFont(bold);
    setCaptionText(m_lblInform->text());
    m_reInform->setObjectName(QStringLiteral("reInform"));
    m_reInform->setGeometry(1, 35, 357, 387);
    m_reInform->setReadOnly(true);
    m_reInform->setOpenLinks(false);
    m_reInform->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void InformationPanel::setCaptionText(const QString& text)
{
    m_lblInform->setText(text);
    m_lblInform->adjustSize();
    m_lblInform->move((width() - m_lblInform->width()) / 2, 10);
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
    return true;
}

} // namespace mirvalon
