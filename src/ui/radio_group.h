// SPDX-License-Identifier: GPL-3.0-or-later
// A radio group as the game's dialogs use it: a captioned box whose items and check boxes
// stand in evenly spaced rows, and whose items make one choice with an index (-1 none).
#pragma once

#include <QGroupBox>
#include <QList>

class QAbstractButton;
class QButtonGroup;
class QRadioButton;

namespace mirvalon {

class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    RadioGroup(const QString& objectName, const QString& caption, const QStringList& items,
               QWidget* parent);

    int index() const;
    // -1 clears every item.
    void setIndex(int index);
    int count() const { return static_cast<int>(m_items.size()); }
    QRadioButton* item(int index) const { return m_items.value(index); }

    // Check boxes that stand in rows under the items, in the given order.
    void addRow(QAbstractButton* button);
    // Spreads the rows evenly between the caption and the bottom edge.
    void layRows();
    // A group that stands inside another box draws no frame and no caption of its own.
    void setFrameless(bool frameless);

signals:
    // The player chose an item (by mouse or keyboard); not sent for setIndex.
    void itemClicked(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QButtonGroup* m_group;
    QList<QRadioButton*> m_items;
    QList<QAbstractButton*> m_rows;
    bool m_frameless = false;
};

// Where the rows of a captioned box may start: just inside the top of its frame.
int contentsTop(const QGroupBox* box);
// Spreads `rows` evenly over the height of `box` below its caption, `left` pixels in.
void layRowsIn(QWidget* box, const QList<QAbstractButton*>& rows, int top, int left = 10);

} // namespace mirvalon
