// SPDX-License-Identifier: GPL-3.0-or-later
// The password dialog of a second player's game: setting a password and an authorisation
// text (PasswordMode::SetUp), asking the password before giving up (Ask), and showing the
// authorisation text after the game is solved (ShowAuthText).
#pragma once

#include <QDialog>
#include <functional>

#include "engine/game_state.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace mirvalon {

class Tfrm_Heslo : public QDialog
{
    Q_OBJECT
public:
    // Says whether a text can be stored in a saved-game file; other characters are refused
    // where they are typed.
    using TextFilter = std::function<bool(const QString&)>;

    explicit Tfrm_Heslo(QWidget* parent = nullptr);

    void setTextFilter(TextFilter filter) { m_filter = std::move(filter); }
    // Lays the dialog out for the mode and shows it modally near `owner`'s top-left corner.
    // `password` and `authText` carry the fields in and out; returns true on OK.
    bool run(PasswordMode mode, QString& password, QString& authText, const QWidget* owner);
    // Prepares the layout of a mode without showing the dialog.
    void prepare(PasswordMode mode);
    PasswordMode mode() const { return m_mode; }

    // Language texts, as the language file gives them (captions with their blanks, the two
    // field labels with their colon).
    void setCaptionText(const QString& text);
    void setLabelText(int index, const QString& text);
    void setHintText(int index, const QString& text);
    void setRefusedCharacterHint(const QString& text) { m_refusedHint = text; }

    QLineEdit* authField() const { return m_edtATX; }
    QLineEdit* passwordField() const { return m_edtHSL; }
    QPushButton* okButton() const { return m_btnOk; }
    QPushButton* cancelButton() const { return m_btnCancel; }
    QLabel* authLabel() const { return m_lblATX; }
    QLabel* passwordLabel() const { return m_lblHSL; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btnOkClick();
    void flashEmpty(QLineEdit* field);
    void centreTextLines();

    QLabel* m_lblATX;
    QLineEdit* m_edtATX;
    QLabel* m_lblText01;
    QLabel* m_lblText02;
    QLabel* m_lblHSL;
    QLineEdit* m_edtHSL;
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;
    TextFilter m_filter;
    QString m_refusedHint = QStringLiteral("Tento znak nie je možné použiť.");
    QString m_labelATX = QStringLiteral("Autorizačný text");
    QString m_labelHSL = QStringLiteral("Heslo");
    PasswordMode m_mode = PasswordMode::SetUp;
};

} // namespace mirvalon
