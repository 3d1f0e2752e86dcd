// SPDX-License-Identifier: GPL-3.0-or-later
// The synchronisation dialog: tells the player what is shared, runs the synchronisation of
// all games on "Štart" and shows its progress.
#pragma once

#include <QDialog>
#include <array>

class QGroupBox;
class QLabel;
class QFrame;
class QProgressBar;
class QPushButton;

namespace mirvalon {

// What the dialog asks of the game: one synchronisation of all 192 games, which runs while
// the dialog stays responsive. The game shows whatever must be said about a merge cut short;
// the dialog only learns, through finished(), whether it worked.
class SynchroDriver
{
public:
    virtual ~SynchroDriver() = default;
    virtual void startAll() = 0;
};

class Tfrm_Synchro : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Synchro(SynchroDriver& driver, QWidget* parent = nullptr);

    // Prepares the dialog as it opens beside `owner` (the main window): bar at 0, "OK"
    // hidden, focus on "Štart".
    void prepare(const QWidget* owner);
    // Shows the dialog modally beside `owner`.
    void run(const QWidget* owner);
    // The bar follows the synchronisation while the dialog is open.
    void setProgress(int percent);
    // The synchronisation started by "Štart" ended: "OK" shows, and after a merge that
    // worked the focus moves to "Zavrieť".
    void finished(bool done);

    // A text of the language file: kind 12 group 0 the caption (with its blanks), group 1
    // index 0 the title line, 1 the group caption (framed in blanks), 2..5 the four text
    // lines; kind 2 group 2 index 1 "Štart", 2 "Zavrieť". Anything else is not ours.
    void setLanguageText(int kind, int group, int index, const QString& text);

    QLabel* intro() const { return m_lblUvod; }
    QLabel* textLine(int index) const { return m_lines[index]; }
    QLabel* okLabel() const { return m_lblOk; }
    QGroupBox* progressGroup() const { return m_rgPriebeh; }
    QProgressBar* progressBar() const { return m_psbrSynchro; }
    QPushButton* startButton() const { return m_btnStart; }
    QPushButton* closeButton() const { return m_btnZavriet; }

private:
    void btnStartClick();
    void centreTexts();

    SynchroDriver& m_driver;
    QLabel* m_lblUvod;
    QGroupBox* m_rgPriebeh;
    QProgressBar* m_psbrSynchro;
    QPushButton* m_btnStart;
    QLabel* m_lblOk;
    QFrame* m_pnlOblast01;
    std::array<QLabel*, 4> m_lines{};
    QPushButton* m_btnZavriet;
};

} // namespace mirvalon
