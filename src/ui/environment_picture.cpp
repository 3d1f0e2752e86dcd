// SPDX-License-Identifier: GPL-3.0-or-later
#include "environment_picture.h"

#include "jpeg_image.h"

namespace mirvalon {

EnvironmentPicture::EnvironmentPicture(QWidget* parent, const QString& resource)
    : ClickLabel(parent), m_resource(resource)
{
}

void EnvironmentPicture::decode()
{
    if (m_decoded)
        return;
    m_decoded = true;
    setPixmap(QPixmap::fromImage(loadJpegPicture(m_resource, devicePixelRatioF()),
                                 Qt::NoFormatConversion));
}

void EnvironmentPicture::showEvent(QShowEvent* e)
{
    decode(); // a picture is never seen empty
    ClickLabel::showEvent(e);
}

} // namespace mirvalon
