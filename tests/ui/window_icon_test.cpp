// SPDX-License-Identifier: GPL-3.0-or-later
// The window icon offers the picture painted for each size a desktop asks for.
#include <QImage>
#include <gtest/gtest.h>

#include "ui/window_icon.h"

namespace mirvalon {
namespace {

TEST(WindowIcon, givesThePicturePaintedForEachSize)
{
    const QIcon icon = windowIcon();
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage painted(QStringLiteral(":/assets/icon_%1.png").arg(size));
        ASSERT_FALSE(painted.isNull());
        EXPECT_EQ(painted.size(), QSize(size, size));
        const QImage shown = icon.pixmap(size).toImage().convertToFormat(painted.format());
        EXPECT_EQ(shown, painted);
    }
}

} // namespace
} // namespace mirvalon
