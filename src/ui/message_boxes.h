// SPDX-License-Identifier: GPL-3.0-or-later
// The message boxes of the game and its two small dialogs (password, new record), shown
// modally over the main window in the language of the text table.
#pragma once

#include "engine/ports.h"
#include "persistence/text_table.h"
#include "persistence/view_ports.h"

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

namespace mirvalon {

class Tfrm_Heslo;
class Tfrm_Rekord;

// The width a box needs for its caption to show whole in a window manager's title bar: the
// caption in a bold title font with room for the frame's icon and buttons.
int captionWidth(const QString& caption);

// Gives a box with its buttons in place that width at least, and takes the icons off its
// buttons (the icon of a question stands in the box, not on its buttons).
void fitMessageBox(QMessageBox& box);

class MessageBoxes : public Dialogs, public PlainMessages
{
public:
    // The password and new-record dialogs are asked for when first needed.
    MessageBoxes(QWidget* owner, const TextTable& texts, std::function<Tfrm_Heslo*()> heslo,
                 std::function<Tfrm_Rekord*()> rekord);

    // The settings give the language of the buttons.
    void setSettings(const GameSettings* settings);

    // Dialogs
    void showMessage(int index, int number, const std::string& text) override;
    bool askQuestion(int index) override;
    bool passwordDialog(PasswordMode mode, std::string& password, std::string& authText) override;
    std::optional<std::string> newRecordDialog(const GameState& state,
                                               bool& shareNewRecords) override;
    // PlainMessages
    void showPlainMessage(const std::string& text) override;

private:
    int language() const; // of the texts in use
    void showPlain(const QString& text);

    QWidget* m_owner;
    const TextTable& m_texts;
    std::function<Tfrm_Heslo*()> m_heslo;
    std::function<Tfrm_Rekord*()> m_rekord;
    const GameSettings* m_settings = nullptr;
};

} // namespace mirvalon
