// SPDX-License-Identifier: GPL-3.0-or-later
// The logo and the window icon: the game's name over a row of pieces, and four pieces.
#include "canvas.h"
#include "noise.h"
#include "pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace mirvalon::assets {

namespace {

// Piece colours taken from the game's colour palette, in an order that reads as a guess row.
const QColor kRowColours[] = {
    QColor(255, 128, 0),  QColor(0, 153, 255), QColor(20, 188, 132),
    QColor(204, 51, 102), QColor(255, 204, 0), QColor(128, 0, 128),
};

QFont nameFont(int pixelSize)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

QImage paintLogo(int scale)
{
    // Deep blue night behind the name, lit from the upper middle.
    const Noise cloud(0x10605u);
    QImage image = paintPixels(kLogoWidth, kLogoHeight, scale, [&](double x, double y) {
        const double dx = (x - kLogoWidth * 0.5) / kLogoWidth;
        const double dy = (y - kLogoHeight * 0.35) / kLogoHeight;
        const double glow = std::exp(-(dx * dx * 5.0 + dy * dy * 6.0));
        const double haze = cloud.fbm(x / 40.0, y / 25.0, 4);
        Rgb c = mix(Rgb{14, 24, 52}, Rgb{46, 74, 128}, glow);
        return mix(c, Rgb{70, 96, 150}, (haze - 0.5) * 0.35 + 0.08);
    });
    Rng grain(0x10606u);
    addGrain(image, grain, 3.0);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    // Thin inner frame, like the inlay of a game box.
    painter.setPen(QPen(QColor(214, 186, 120, 150), 1.0));
    painter.drawRoundedRect(QRectF(3.5, 3.5, kLogoWidth - 7, kLogoHeight - 7), 4, 4);

    const QFont font = nameFont(40);
    QPainterPath name;
    name.addText(0, 0, font, QStringLiteral("Mirvalon"));
    const QRectF bounds = name.boundingRect();
    name.translate((kLogoWidth - bounds.width()) / 2.0 - bounds.left(), 56.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 120));
    painter.drawPath(name.translated(1.5, 2.0));
    QLinearGradient gold(0, 56 - bounds.height(), 0, 60);
    gold.setColorAt(0.0, QColor(255, 243, 205));
    gold.setColorAt(0.55, QColor(236, 200, 122));
    gold.setColorAt(1.0, QColor(184, 138, 64));
    painter.setBrush(gold);
    painter.setPen(QPen(QColor(96, 64, 22, 200), 0.8));
    painter.drawPath(name);

    // A guess row of six pieces under the name.
    const double pieceWidth = 28.0;
    const double pieceHeight = 17.0;
    const double gap = 6.0;
    const double rowWidth = 6 * pieceWidth + 5 * gap;
    const double left = (kLogoWidth - rowWidth) / 2.0;
    const double top = 74.0;
    for (int i = 0; i < 6; ++i) {
        const QRectF piece(std::round(left + i * (pieceWidth + gap)), top, pieceWidth, pieceHeight);
        painter.fillRect(piece.translated(1.5, 2.0), QColor(0, 0, 0, 90));
        drawPiece(painter, piece, kRowColours[i], 3.0);
    }
    painter.end();
    return image;
}

QImage paintIcon(int size)
{
    // Painted anew for each size, not scaled from one bitmap: the frame, the gaps and the bevels
    // are rounded to whole pixels, so even the 16-pixel icon shows four crisp tiles.
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const double unit = size / 64.0;
    const double border = std::max(1.0, std::round(2.0 * unit));
    QLinearGradient board(0, 0, 0, size);
    board.setColorAt(0.0, QColor(46, 74, 128));
    board.setColorAt(1.0, QColor(14, 24, 52));
    painter.setBrush(board);
    painter.setPen(QPen(QColor(214, 186, 120), border));
    const double edge = border / 2.0;
    painter.drawRoundedRect(QRectF(edge, edge, size - border, size - border), 10.0 * unit,
                            10.0 * unit);

    // Four pieces, two by two, centred on the board.
    const QColor colours[] = {QColor(255, 128, 0), QColor(0, 153, 255), QColor(20, 188, 132),
                              QColor(255, 204, 0)};
    int spacing = std::max(1, static_cast<int>(std::lround(4.0 * unit)));
    if ((size - spacing) % 2 != 0)
        ++spacing; // equal margins on both sides
    const int inset = std::max(2, static_cast<int>(std::lround(6.0 * unit)));
    const int cell = (size - 2 * inset - spacing) / 2;
    const int margin = (size - 2 * cell - spacing) / 2;
    const double bevel = std::max(1.0, std::round(4.0 * unit));
    for (int i = 0; i < 4; ++i) {
        const QRectF piece(margin + (i % 2) * (cell + spacing), margin + (i / 2) * (cell + spacing),
                           cell, cell);
        drawPiece(painter, piece, colours[i], bevel);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace mirvalon::assets
