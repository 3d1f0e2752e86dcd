// SPDX-License-Identifier: GPL-3.0-or-later
#include "overlay_panel.h"

namespace mirvalon {

OverlayPanel::OverlayPanel(QWidget* parent, const QString& name, const QString& captionName,
                           const QString& caption)
    : QFrame(parent), m_caption(new FittedLabel(this))
{
    setObjectName(name);
    setAutoFillBackground(true);
    resize(360, 424);
    m_caption->setObjectName(captionName);
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    m_caption->onFitted = [this] { m_caption->move((width() - m_caption->width()) / 2, 10); };
    setCaptionText(caption);
}

void OverlayPanel::setCaptionText(const QString& text)
{
    m_caption->setFittedText(text);
}

} // namespace mirvalon
