// SPDX-License-Identifier: GPL-3.0-or-later
// One of the environment pictures over the board. A picture is decoded when it is first shown,
// never before: most players keep one picture or none, and each decoded picture holds 600 KB
// of pixels, while decoding one takes a fraction of a millisecond, well within the frame that
// shows it. The compressed bytes stay in the program's resources.
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
