// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar of the main window: 14 panels laid edge to edge on one strip, shown and
// hidden by groups, with the record labels and the total-time panel the game also reports to.
#pragma once

#include <array>

#include "engine/ports.h"

class QLabel;
class QStatusBar;
class QWidget;

namespace mirvalon {

using StatusWidths = std::array<int, kStatusPanels>;

// The design widths of panels 0..13.
const StatusWidths& statusDesignWidths();
// Widths of the panels with the groups shown or hidden (info, time, score): a hidden panel has
// width 0 and the next visible panel absorbs it, so every later panel keeps its place.
StatusWidths flowStatusWidths(const std::array<bool, 3>& groupsShown);

class StatusStrip : public StatusBar
{
public:
    // Builds the bar `stbrStavRiad`; the window installs it with setStatusBar.
    explicit StatusStrip(QWidget* window);

    QStatusBar* bar() const { return m_bar; }
    QLabel* panel(int index) const { return m_panels[index]; }
    // The labels "Rekord" / "neprekonaný!" and the total-time panel pnlKCas on the board.
    void setBoardLabels(QLabel* rekord, QLabel* neprekonany, QLabel* totalTime);

    // StatusBar
    void setPanelText(StatusPanel panel, const std::string& text) override;
    void showGroup(StatusGroup group, bool shown) override;
    void setRecordLabelsVisible(bool visible) override;
    void setTotalTime(const std::string& text) override;

    void showTotalTimePanel(bool visible, const std::string& text);

private:
    void layOut();

    QStatusBar* m_bar;
    std::array<QLabel*, kStatusPanels> m_panels{};
    std::array<bool, 3> m_groupsShown{true, true, true};
    QLabel* m_lblRekord = nullptr;
    QLabel* m_lblNeprekon = nullptr;
    QLabel* m_totalTime = nullptr;
};

} // namespace mirvalon
