// SPDX-License-Identifier: GPL-3.0-or-later
// One of the environment pictures over the board. Only the picture on view is decoded before
// the window first paints; the others are decoded right after, or when first shown.
#pragma once

#include "click_label.h"

namespace mirvalon {

class EnvironmentPicture : public ClickLabel
{
public:
    EnvironmentPicture(QWidget* parent, const QString& resource);

    // Decodes the picture unless it already is.
    void decode();
    bool isDecoded() const { return m_decoded; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    QString m_resource;
    bool m_decoded = false;
};

} // namespace mirvalon
