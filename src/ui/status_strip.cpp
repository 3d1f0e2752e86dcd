// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar's panels and their layout by groups.
#include "status_strip.h"

#include <QLabel>
#include <QStatusBar>

namespace mirvalon {

namespace {

// clang-format off
constexpr StatusWidths kDesignWidths = {54, 36, 20, 10, 20, 20, 20, 20, 50, 60, 47, 50, 55, 50};
// clang-format on

// First and last panel of each group, in the order of StatusGroup.
constexpr std::array<std::pair<int, int>, 3> kGroups = {{{0, 7}, {8, 9}, {10, 13}}};

} // namespace

const StatusWidths& statusDesignWidths()
{
    return kDesignWidths;
}

StatusWidths flowStatusWidths(const std::array<bool, 3>& groupsShown)
{
    StatusWidths widths{};
    for (std::size_t g = 0; g < kGroups.size(); ++g)
        for (int i = kGroups[g].first; i <= kGroups[g].second; ++i)
            widths[i] = groupsShown[g] ? kDesignWidths[i] : 0;
    int carry = 0;
    for (int i = 0; i < kStatusPanels; ++i) {
        if (widths[i] == 0) {
            carry += kDesignWidths[i];
        } else {
            widths[i] = kDesignWidths[i] + carry;
            carry = 0;
        }
    }
    return widths;
}

StatusStrip::StatusStrip(QWidget* window) : m_bar(new QStatusBar(window))
{
    struct Panel
    {
        const char* text;
        Qt::Alignment align;
        bool flat;
    };
    // clang-format off
    const Panel panels[kStatusPanels] = {
        {" Číslo hry:", Qt::AlignLeft, true}, {"EASY", Qt::AlignLeft, true},
        {"12", Qt::AlignHCenter, false},      {"", Qt::AlignLeft, true},
        {"A", Qt::AlignHCenter, false},       {"K", Qt::AlignHCenter, false},
        {"N", Qt::AlignHCenter, false},       {"B", Qt::AlignHCenter, false},
        {"Čas", Qt::AlignRight, true},        {"0:00:00", Qt::AlignHCenter, false},
        {"Skóre", Qt::AlignRight, true},      {"10000", Qt::AlignHCenter, false},
        {"Rekord", Qt::AlignRight, true},     {"9999", Qt::AlignHCenter, false},
    };
    // clang-format on
    m_bar->setObjectName(QStringLiteral("stbrStavRiad"));
    m_bar->setSizeGripEnabled(false);
    m_bar->setFixedHeight(22);
    m_bar->setContentsMargins(0, 0, 0, 0);
    // The bar's own layout adds margins and spacing around its widgets; the panels are placed
    // by hand on one strip outside that layout instead, each where the one before it ends.
    auto* strip = new QWidget(m_bar);
    strip->setGeometry(0, 0, 780, 22);
    for (int i = 0; i < kStatusPanels; ++i) {
        auto* l = new QLabel(QString::fromUtf8(panels[i].text), strip);
        l->setObjectName(QStringLiteral("stbrPanel%1").arg(i));
        l->setAlignment(panels[i].align | Qt::AlignVCenter);
        if (!panels[i].flat)
            l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setContentsMargins(2, 0, 2, 0);
        m_panels[i] = l;
    }
    layOut();
}

void StatusStrip::setBoardLabels(QLabel* rekord, QLabel* neprekonany, QLabel* totalTime)
{
    m_lblRekord = rekord;
    m_lblNeprekon = neprekonany;
    m_totalTime = totalTime;
}

void StatusStrip::layOut()
{
    const StatusWidths widths = flowStatusWidths(m_groupsShown);
    int x = 0;
    for (int i = 0; i < kStatusPanels; ++i) {
        m_panels[i]->setGeometry(x, 0, widths[i], 22);
        m_panels[i]->setVisible(widths[i] > 0);
        x += widths[i];
    }
}

void StatusStrip::setPanelText(StatusPanel panel, const std::string& text)
{
    m_panels[static_cast<int>(panel)]->setText(QString::fromStdString(text));
}

void StatusStrip::showGroup(StatusGroup group, bool shown)
{
    m_groupsShown[static_cast<int>(group)] = shown;
    layOut();
}

void StatusStrip::setRecordLabelsVisible(bool visible)
{
    m_lblRekord->setVisible(visible);
    m_lblNeprekon->setVisible(visible);
}

void StatusStrip::setTotalTime(const std::string& text)
{
    m_totalTime->setText(QString::fromStdString(text));
}

void StatusStrip::showTotalTimePanel(bool visible, const std::string& text)
{
    if (visible)
        m_totalTime->setText(QString::fromStdString(text));
    m_totalTime->setVisible(visible);
}

} // namespace mirvalon
