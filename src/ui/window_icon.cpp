// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_icon.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace mirvalon {

QIcon windowIcon()
{
    QIcon icon;
    const QDir assets(QStringLiteral(":/assets"));
    for (const QString& name : assets.entryList({QStringLiteral("icon_*.png")}, QDir::Files)) {
        // "icon_<size>.png": the size given, the picture is decoded only when it is asked for.
        const int size = name.section(QChar('_'), 1).section(QChar('.'), 0, 0).toInt();
        if (size > 0 && size <= kLargestWindowIcon)
            icon.addFile(assets.filePath(name), QSize(size, size));
    }
    return icon;
}

void setApplicationIdentity()
{
    // The name is also the class of the windows under X11, which the entry's StartupWMClass
    // names; Wayland takes the entry's id itself.
    QGuiApplication::setApplicationName(QStringLiteral("Mirvalon"));
    QGuiApplication::setDesktopFileName(QStringLiteral("sk.orvex.mirvalon"));
}

namespace {

// Sets the icon once the window's first picture has been painted and sent: the icon is not in
// that picture, and decoding it would only make the player wait for the window.
class IconAfterFirstFrame : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(windowIcon()); });
            deleteLater();
        }
        return false;
    }
};

} // namespace

void setWindowIconAfterFirstFrame(QWidget& window)
{
    window.installEventFilter(new IconAfterFirstFrame(&window));
}

} // namespace mirvalon
