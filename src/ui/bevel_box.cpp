// SPDX-License-Identifier: GPL-3.0-or-later
#include "bevel_box.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace mirvalon {

namespace {

// Lines are filled as rectangles of whole pixels: a pen line on a screen of pixel ratio 2 is
// centred on the pixel's edge and leaves the last device row and column unpainted.
void frame(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    p.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
    p.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
    p.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    p.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

void drawBevel(QPainter& p, QRect r, Bevel bevel, int width)
{
    if (bevel == Bevel::None)
        return;
    const QColor light(255, 255, 255);
    const QColor dark(128, 128, 128);
    const QColor& topLeft = bevel == Bevel::Raised ? light : dark;
    const QColor& bottomRight = bevel == Bevel::Raised ? dark : light;
    for (int i = 0; i < width; ++i) {
        frame(p, r, topLeft, bottomRight);
        r.adjust(1, 1, -1, -1);
    }
}

} // namespace

QColor faceColour()
{
    return QApplication::palette().color(QPalette::Window);
}

BevelBox::BevelBox(QWidget* parent) : QWidget(parent), m_colour(faceColour())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BevelBox::setLook(Bevel outer, Bevel inner, int bevelWidth)
{
    // The board re-applies looks after every change of the game; only a new look repaints.
    if (outer == m_outer && inner == m_inner && bevelWidth == m_bevelWidth)
        return;
    m_outer = outer;
    m_inner = inner;
    m_bevelWidth = bevelWidth;
    update();
}

void BevelBox::setColour(const QColor& colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void BevelBox::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void BevelBox::setBold(bool bold)
{
    if (bold == m_bold)
        return;
    m_bold = bold;
    update();
}

void BevelBox::setGreyWhenDisabled(bool grey)
{
    if (grey == m_greyWhenDisabled)
        return;
    m_greyWhenDisabled = grey;
    update();
}

void BevelBox::setFocusMark(bool on)
{
    if (on == m_focusMark)
        return;
    m_focusMark = on;
    update();
}

void BevelBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QRect r = rect();
    p.fillRect(r, m_colour);
    drawBevel(p, r, m_outer, m_bevelWidth);
    if (m_outer != Bevel::None)
        r.adjust(m_bevelWidth, m_bevelWidth, -m_bevelWidth, -m_bevelWidth);
    drawBevel(p, r, m_inner, 1);
    if (!m_caption.isEmpty()) {
        QFont f = font();
        f.setBold(m_bold);
        p.setFont(f);
        // Dark captions on light pieces, light ones on dark pieces.
        const bool darkPiece = m_colour.lightness() < 110;
        const bool grey = !isEnabled() && m_greyWhenDisabled;
        p.setPen(!grey || darkPiece ? (darkPiece ? Qt::white : Qt::black) : QColor(128, 128, 128));
        p.drawText(rect(), Qt::AlignCenter, m_caption);
    }
    if (m_focusMark) {
        const QRect mark =
            rect().adjusted(m_bevelWidth, m_bevelWidth, -m_bevelWidth, -m_bevelWidth);
        frame(p, mark, Qt::black, Qt::black);
        frame(p, mark.adjusted(1, 1, -1, -1), Qt::white, Qt::white);
    }
}

void BevelBox::mousePressEvent(QMouseEvent* e)
{
    if (onPress)
        onPress(e);
}

void BevelBox::mouseMoveEvent(QMouseEvent* e)
{
    if (onMove)
        onMove(e);
}

void BevelBox::mouseReleaseEvent(QMouseEvent* e)
{
    if (onRelease)
        onRelease(e);
}

void BevelBox::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (onDoubleClick)
        onDoubleClick(e);
}

} // namespace mirvalon
