// SPDX-License-Identifier: GPL-3.0-or-later
// The window's pictures follow the screen: on a screen of device-pixel ratio 2 (this test is
// run once more under QT_SCALE_FACTOR=2) the logo and the environment pictures carry twice
// their pixels, on an ordinary screen their own.
#include <QLabel>
#include <gtest/gtest.h>

#include "ui/environment_picture.h"
#include "window_rig.h"

namespace mirvalon::test {
namespace {

TEST(HighResolution, theWindowsPicturesMatchItsPixelRatio)
{
    WindowRig rig;
    Tfrm_Logic& w = *rig.window;
    const qreal expected = w.devicePixelRatioF() > 1.0 ? 2.0 : 1.0;
    for (const char* name : {"imgLogo", "imgText1", "imgText2", "imgFoto1", "imgFoto2"}) {
        SCOPED_TRACE(name);
        auto* picture = qobject_cast<QLabel*>(w.control(name));
        ASSERT_NE(picture, nullptr);
        if (auto* environment = dynamic_cast<EnvironmentPicture*>(picture))
            environment->decode();
        const QPixmap pixmap = picture->pixmap();
        EXPECT_EQ(pixmap.devicePixelRatio(), expected);
        // The picture covers its place exactly, pixel for pixel of the screen.
        EXPECT_EQ(pixmap.size(), picture->size() * expected);
    }
}

} // namespace
} // namespace mirvalon::test
