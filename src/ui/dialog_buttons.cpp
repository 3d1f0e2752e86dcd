// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog_buttons.h"
#include "engine/game_settings.h"

#include <QMessageBox>
#include <QPushButton>

namespace mirvalon {

QString dialogButtonText(DialogButton button, int language)
{
    static const char* const kCaptions[3][4] = {{"&Áno", "&Nie", "&Zrušiť", "&OK"},
                                                {"&Ano", "&Ne", "&Storno", "&OK"},
                                                {"&Yes", "&No", "&Cancel", "&OK"}};
    const int l = languageOrSlovak(language);
    return QString::fromUtf8(kCaptions[l][static_cast<int>(button)]);
}

void translateButtons(QMessageBox& box, int language)
{
    static const std::pair<QMessageBox::StandardButton, DialogButton> kButtons[] = {
        {QMessageBox::Yes, DialogButton::Yes},
        {QMessageBox::No, DialogButton::No},
        {QMessageBox::Cancel, DialogButton::Cancel},
        {QMessageBox::Ok, DialogButton::Ok}};
    for (const auto& [standard, ours] : kButtons) {
        if (QAbstractButton* b = box.button(standard))
            b->setText(dialogButtonText(ours, language));
    }
}

} // namespace mirvalon
