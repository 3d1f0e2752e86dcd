// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: the game rules on the first tab, with the live information about the
// numbered game they make up, and the options of the application on the second. It works on
// a copy; the main window applies its choice after OK.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "engine/game_settings.h"
#include "engine/setup_choice.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace mirvalon {

class RadioGroup;

class Tfrm_Setup : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Setup(QWidget* parent = nullptr);

    // Points of the record of numbered game 1..192 (0 when it has none).
    void setRecordPoints(std::function<int(int)> points) { m_recordPoints = std::move(points); }

    // Shows the game's form in the controls, with the controls it leaves open.
    void fillSettingsDialog(const SetupForm& form);
    // What the controls hold now.
    SetupChoice choice() const;
    SetupOpening opening() const { return m_opening; }
    // Centres the dialog on the main window's frame, at least 10 pixels from the screen's
    // top-left corner.
    void centreOn(const QWidget& main);

    // Texts of the language file: `kind` 5 (the dialog's captions, items and labels) or 2
    // (group 1: 1 btnPomoc, 2 btnPDF), with the codes as the loader decoded them.
    void setText(int kind, int group, int index, int item, const QString& text,
                 const std::optional<QString>& hint);

    // btnPDF opens the manual once the window offers it.
    void setManualAvailable(bool available);

    QTabWidget* pages() const { return m_pgctPlocha; }
    QPushButton* okButton() const { return m_btnOk; }
    QPushButton* cancelButton() const { return m_btnCancel; }

signals:
    void manualRequested();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createGameTab();
    void createInfoBox(QWidget* page);
    void createBasicTab();
    void connectControls();
    // Shows a choice in the controls, then the information box and the enable states.
    void showChoice(const SetupChoice& choice);
    void updateGameInfo();
    void jumpJokes();

    std::function<int(int)> m_recordPoints;
    SetupOpening m_opening;
    bool m_computerGameRunning = false;

    QTabWidget* m_pgctPlocha;
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;
    QPushButton* m_btnPomoc;
    QPushButton* m_btnPDF = nullptr;

    // "Nastavenie hier"
    RadioGroup* m_rgPozicie = nullptr;
    RadioGroup* m_rgKocky = nullptr;
    RadioGroup* m_rgObtiaznost = nullptr;
    QCheckBox* m_cbxSpravPoz = nullptr;
    QCheckBox* m_cbxBlok = nullptr;
    QGroupBox* m_gbxForma = nullptr;
    RadioGroup* m_rgForma = nullptr;
    QCheckBox* m_cbxUI = nullptr;
    RadioGroup* m_rgFarbyK = nullptr;
    QCheckBox* m_cbxNahodFlek = nullptr;
    QGroupBox* m_gbxInfo = nullptr;
    std::array<QLabel*, 3> m_infoLabels{}; // lblCislo, lblObtiaz, lblRekord
    QLineEdit* m_edtCislo = nullptr;
    QLineEdit* m_edtObtiaz = nullptr;
    QLineEdit* m_edtRekord = nullptr;
    QLabel* m_lblGoldEasy = nullptr;
    QFrame* m_pnlPodklad = nullptr;
    std::array<QLabel*, 4> m_letters{}; // lblA, lblK, lblN, lblB

    // "Základné nastavenie"
    QCheckBox* m_cbxProstredie = nullptr;
    RadioGroup* m_rgProstredie = nullptr;
    QGroupBox* m_gbxRozne = nullptr;
    QCheckBox* m_cbxCas = nullptr;
    QCheckBox* m_cbxSkore = nullptr;
    QCheckBox* m_cbxPopisky = nullptr;
    QCheckBox* m_cbxZnacRiad = nullptr;
    QCheckBox* m_cbxTestovat = nullptr;
    QCheckBox* m_cbxSrandicky = nullptr;
    RadioGroup* m_rgJazyk = nullptr;
    QCheckBox* m_cbxKCas = nullptr;
    QCheckBox* m_cbxAutoUloz = nullptr;
    QCheckBox* m_cbxUpozExit = nullptr;
    QCheckBox* m_cbxSynchroStart = nullptr;
};

} // namespace mirvalon
