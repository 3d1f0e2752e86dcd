// SPDX-License-Identifier: GPL-3.0-or-later
// A panel laid over the board (the best scores, the information text) with its centred
// caption at the top.
#pragma once

#include <QFrame>

#include "fitted_label.h"

namespace mirvalon {

class OverlayPanel : public QFrame
{
    Q_OBJECT
public:
    OverlayPanel(QWidget* parent, const QString& name, const QString& captionName,
                 const QString& caption);

    FittedLabel* caption() const { return m_caption; }
    void setCaptionText(const QString& text);

protected:
    // Where the list or the text box of the panel goes, below the caption.
    static QRect contentArea() { return {1, 35, 357, 387}; }

private:
    FittedLabel* m_caption;
};

} // namespace mirvalon
