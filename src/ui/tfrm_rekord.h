// SPDX-License-Identifier: GPL-3.0-or-later
// The new-record dialog: announces the record, shows the old record beside the new one and
// takes the holder's name.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "engine/game_state.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mirvalon {

class Tfrm_Rekord : public QDialog
{
    Q_OBJECT
public:
    using TextFilter = std::function<bool(const QString&)>;

    explicit Tfrm_Rekord(QWidget* parent = nullptr);

    void setTextFilter(TextFilter filter) { m_filter = std::move(filter); }
    // Called at once when the share box is clicked, whether or not the dialog ends with OK.
    void setSyncChanged(std::function<void(bool)> changed) { m_syncChanged = std::move(changed); }
    void setIntroFormat(const QString& format) { m_introFormat = format; }

    // Fills the dialog from the finished game and its old-record snapshot. The share box
    // takes clicks while the game has the shared folder; the game keeps the choice off without
    // it.
    void fill(const GameState& state, bool shareNewRecords);
    // Shows the dialog over the centre of `owner`; the typed name on OK.
    std::optional<QString> run(const GameState& state, bool shareNewRecords, const QWidget* owner);

    // Language texts as the language file gives them: 0 the announcement, 1 old group,
    // 2..7 header pairs, 8 new group, 9 share box; the caption with its blanks.
    void setText(int index, const QString& text);
    void setCaptionText(const QString& text);

    QLabel* intro() const { return m_lblUvod; }
    QLineEdit* nameField() const { return m_edtN_meno; }
    QCheckBox* shareBox() const { return m_cbxSynchro; }
    QPushButton* okButton() const { return m_btnOk; }
    QPushButton* cancelButton() const { return m_btnCancel; }
    // Value labels of a group, in column order (number, level, row, time, points, name).
    QLabel* oldValue(int column) const { return m_oldValues[column]; }
    QLabel* newValue(int column) const { return m_newValues[column]; }

private:
    void centreColumns();

    QLabel* m_lblUvod;
    QGroupBox* m_gbxOldRekord;
    QGroupBox* m_gbxNewRekord;
    std::array<QLabel*, 6> m_oldHeaders{};
    std::array<QLabel*, 6> m_newHeaders{};
    std::array<QLabel*, 6> m_oldValues{};
    std::array<QLabel*, 6> m_newValues{}; // the name column holds the edit field instead
    QLineEdit* m_edtN_meno;
    QCheckBox* m_cbxSynchro;
    // Made after the name and the check box: Tab and a screen reader reach the buttons last.
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;
    TextFilter m_filter;
    std::function<void(bool)> m_syncChanged;
    QString m_introFormat = QStringLiteral("V hre číslo %i bol dosiahnutý nový rekord %i bodov!");
};

} // namespace mirvalon
