// SPDX-License-Identifier: GPL-3.0-or-later
// The window icon offers the picture painted for each small size a desktop asks for, and the
// windows name the desktop entry that docks and task switchers show them by.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "ui/window_icon.h"

namespace mirvalon {
namespace {

TEST(WindowIcon, givesThePicturePaintedForEachSize)
{
    const QIcon icon = windowIcon();
    for (const int size : {16, 22, 24, 32, 48}) {
        SCOPED_TRACE(size);
        const QImage painted(QStringLiteral(":/assets/icon_%1.png").arg(size));
        ASSERT_EQ(painted.size(), QSize(size, size)); // a missing picture has none
        EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(painted.format()), painted);
    }
}

// Wayland takes the entry's id from the windows, X11 matches the entry's StartupWMClass with
// the class the windows carry, which is the application's name.
TEST(WindowIcon, theWindowsAreTiedToTheDesktopEntry)
{
    setApplicationIdentity();
    const QString id = QGuiApplication::desktopFileName();
    QFile entry(QStringLiteral(MIRVALON_SOURCE_DATA "/../packaging/") + id +
                QStringLiteral(".desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly | QIODevice::Text))
        << entry.fileName().toStdString();
    const QStringList lines = QString::fromUtf8(entry.readAll()).split(QChar('\n'));
    EXPECT_TRUE(
        lines.contains(QStringLiteral("StartupWMClass=") + QGuiApplication::applicationName()));

    // The icon comes with the window's first picture.
    QGuiApplication::setWindowIcon(QIcon());
    QWidget window;
    setWindowIconAfterFirstFrame(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(QTest::qWaitFor([] { return !QGuiApplication::windowIcon().isNull(); }, 1000));
    EXPECT_EQ(QGuiApplication::windowIcon().availableSizes(), windowIcon().availableSizes());
}

} // namespace
} // namespace mirvalon
