// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace mirvalon {

namespace {
constexpr int kRowHeight = 17;
constexpr int kBottomMargin = 4;
} // namespace

int contentsTop(const QGroupBox* box)
{
    // The box keeps its contents margins in line with its caption and its style.
    return box->contentsRect().top() + 1;
}

void layRowsIn(QWidget* box, const QList<QAbstractButton*>& rows, int top, int left)
{
    if (rows.isEmpty())
        return;
    const int space = box->height() - top - kBottomMargin;
    const int step = space / static_cast<int>(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        QAbstractButton* row = rows[i];
        row->setGeometry(left, top + i * step + (step - kRowHeight) / 2, box->width() - left - 4,
                         kRowHeight);
    }
}

RadioGroup::RadioGroup(const QString& objectName, const QString& caption, const QStringList& items,
                       QWidget* parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this))
{
    setObjectName(objectName);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(objectName + QString::number(i));
        m_group->addButton(button, i);
        m_items.append(button);
        m_rows.append(button);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

int RadioGroup::index() const
{
    return m_group->checkedId();
}

void RadioGroup::setIndex(int index)
{
    if (index >= 0 && index < count()) {
        m_items[index]->setChecked(true);
        return;
    }
    // An exclusive group never lets its last item go; step out of it for a moment.
    m_group->setExclusive(false);
    for (QRadioButton* button : m_items)
        button->setChecked(false);
    m_group->setExclusive(true);
}

void RadioGroup::addRow(QAbstractButton* button)
{
    button->setParent(this);
    m_rows.append(button);
    layRows();
}

void RadioGroup::layRows()
{
    layRowsIn(this, m_rows, m_frameless ? 0 : contentsTop(this), m_frameless ? 0 : 10);
}

void RadioGroup::setFrameless(bool frameless)
{
    m_frameless = frameless;
    layRows();
    update();
}

void RadioGroup::paintEvent(QPaintEvent* event)
{
    if (!m_frameless)
        QGroupBox::paintEvent(event);
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    layRows();
}

} // namespace mirvalon
