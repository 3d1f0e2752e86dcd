// SPDX-License-Identifier: GPL-3.0-or-later
// The look back at a finished game, over the board: for each row the hidden rows possible
// before and after its answer, whether it could have been the hidden row, and what the
// computer's row would have left there; below, the player's rows against the computer's own
// average for these rules.
#pragma once

#include <QDialog>
#include <array>

#include "engine/game_review.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace mirvalon {

class Tfrm_Rozbor : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kWidth = 430;
    static constexpr int kHeight = 331;
    static constexpr int kColumns = 5;

    explicit Tfrm_Rozbor(QWidget* parent = nullptr);

    // Language file entries of our own (older readers skip their kind): group 0 the caption,
    // 1 the column titles 0..4, 2 "yes" (0) and "no" (1), 3 the total line with %1 for the
    // player's rows and %2 for the computer's average (0) and the word for a hidden row not
    // found (1), 4 the close button.
    void setText(int group, int index, const QString& text);
    // Numbers are written the way `language` (0..2) writes them.
    void setLanguage(int language) { m_language = language; }

    // Shows the review modally, with its centre on `centre` (global coordinates).
    void run(const GameReview& review, QPoint centre);

    QTreeWidget* list() const { return m_liveRozbor; }
    QLabel* totalLabel() const { return m_lblSpolu; }
    QPushButton* closeButton() const { return m_btnZavriet; }

private:
    void fill(const GameReview& review);

    QTreeWidget* m_liveRozbor;
    QLabel* m_lblSpolu;
    QPushButton* m_btnZavriet;
    QString m_yes = QStringLiteral("áno");
    QString m_no = QStringLiteral("nie");
    QString m_total = QStringLiteral("Vaše riadky: %1 · počítač v priemere: %2");
    QString m_notFound = QStringLiteral("hľadaný riadok nenájdený");
    int m_language = 0;
};

} // namespace mirvalon
