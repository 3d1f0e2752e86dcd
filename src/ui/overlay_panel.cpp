// SPDX-License-Identifier: GPL-3.0-or-later
#include "overlay_panel.h"

#include <QLabel>

namespace mirvalon {

OverlayPanel::OverlayPanel(QWidget* parent, const QString& name, const QString& captionName,
                           const QString& caption)
    : QFrame(parent), m_caption(new QLabel(caption, this))
{
    setObjectName(name);
    setAutoFillBackground(true);
    resize(360, 424);
    m_caption->setObjectName(captionName);
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    setCaptionText(caption);
}

void OverlayPanel::setCaptionText(const QString& text)
{
    m_caption->setText(text);
    m_caption->adjustSize();
    m_caption->move((width() - m_caption->width()) / 2, 10);
}

} // namespace mirvalon
