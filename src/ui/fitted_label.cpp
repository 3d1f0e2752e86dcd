// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitted_label.h"

namespace mirvalon {

void FittedLabel::setFittedText(const QString& text)
{
    setText(text);
    if (isVisible())
        fit();
    else
        m_unfitted = true;
}

void FittedLabel::showEvent(QShowEvent* e)
{
    if (m_unfitted)
        fit(); // before the label's first picture on view
    QLabel::showEvent(e);
}

void FittedLabel::fit()
{
    m_unfitted = false;
    adjustSize();
    if (onFitted)
        onFitted();
}

} // namespace mirvalon
