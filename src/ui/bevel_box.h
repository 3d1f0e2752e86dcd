// SPDX-License-Identifier: GPL-3.0-or-later
// A small bevelled box, the one element the board is built of: pieces, slots, pegs and the
// region panels. It paints an outer and an inner bevel like the form library's panels and
// reports the mouse to whoever handles the piece it shows.
#pragma once

#include <QColor>
#include <QWidget>
#include <functional>

namespace mirvalon {

enum class Bevel { None, Raised, Lowered };

// The window's face colour: region panels, open slots and grey pieces are all drawn in it, so
// the board and the window around it are one grey.
QColor faceColour();

class BevelBox : public QWidget
{
    Q_OBJECT
public:
    explicit BevelBox(QWidget* parent);

    void setLook(Bevel outer, Bevel inner, int bevelWidth);
    void setColour(const QColor& colour);
    void setCaption(const QString& caption);
    void setBold(bool bold);
    // A disabled box greys its caption, as a locked palette and the game-type panel of the
    // other type look; a piece standing in a row keeps black numbers however it is locked.
    void setGreyWhenDisabled(bool grey);
    // The keyboard focus of the palette: a black and a white frame inside the bevel, seen on
    // every piece colour.
    void setFocusMark(bool on);
    bool focusMark() const { return m_focusMark; }
    QColor colour() const { return m_colour; }
    QString caption() const { return m_caption; }
    int bevelWidth() const { return m_bevelWidth; }
    bool bold() const { return m_bold; }

    // Mouse reports for movable pieces: press, move, release and double click with the
    // position inside the box.
    std::function<void(QMouseEvent*)> onPress, onMove, onRelease, onDoubleClick;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    QColor m_colour;
    QString m_caption;
    Bevel m_outer = Bevel::Raised;
    Bevel m_inner = Bevel::None;
    int m_bevelWidth = 1;
    bool m_bold = false;
    bool m_greyWhenDisabled = true;
    bool m_focusMark = false;
};

} // namespace mirvalon
