// SPDX-License-Identifier: GPL-3.0-or-later
#include "environment_picture.h"

#include "built_in_pictures.h"

namespace mirvalon {

EnvironmentPicture::EnvironmentPicture(QWidget* parent, const char* picture)
    : ClickLabel(parent), m_picture(picture)
{
}

void EnvironmentPicture::decode()
{
    if (m_decoded)
        return;
    m_decoded = true;
    setPixmap(
        QPixmap::fromImage(builtInPicture(m_picture, devicePixelRatioF()), Qt::NoFormatConversion));
}

void EnvironmentPicture::showEvent(QShowEvent* e)
{
    decode(); // a picture is never seen empty
    ClickLabel::showEvent(e);
}

} // namespace mirvalon
