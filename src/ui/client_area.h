// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed layout of the main window's client area: regions, buttons, labels, pictures and
// the panels over the board. Every coordinate is a client pixel of the designed 96-dpi window.
#pragma once

#include <QString>
#include <array>
#include <map>

class QLabel;
class QMainWindow;
class QPushButton;
class QWidget;

namespace mirvalon {

class BevelBox;
class ClickLabel;
class EnvironmentPicture;
class InformationPanel;
class RecordsPanel;

// The controls of the client area the window talks to by more than their names.
struct ClientArea
{
    QWidget* client = nullptr;
    BevelBox* board = nullptr;      // pnlPrac: the rows
    BevelBox* palette = nullptr;    // pnlKocky: the pieces at home
    BevelBox* scorePanel = nullptr; // pnlHodnotenie: a left press ends the application
    ClickLabel* logo = nullptr;     // imgLogo: a left press minimises the window
    std::array<EnvironmentPicture*, 4> pictures{};
    std::array<BevelBox*, 2> gameTypes{};   // pnlHra_1 (classic), pnlHra_2 (training)
    std::array<BevelBox*, 4> favourites{};  // pnl1..pnl4
    QPushButton* newComputerGame = nullptr; // btnNovaP
    QPushButton* settings = nullptr;        // btnNastavit
    QPushButton* confirmHidden = nullptr;   // btnPotvrd: the second player's hidden row
    QLabel* totalTime = nullptr;            // pnlKCas
    QLabel* lblRekord = nullptr;
    QLabel* lblNeprekon = nullptr;
    RecordsPanel* recordsPanel = nullptr;
    InformationPanel* infoPanel = nullptr;
};

// Builds the client area as the window's central widget, in the designed stacking order, and
// enters every control in `controls` by its designed name. The presses are left to the window.
ClientArea buildClientArea(QMainWindow& window, std::map<QString, QWidget*>& controls);

} // namespace mirvalon
