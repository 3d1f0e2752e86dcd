// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of the game's modal dialogs: a fixed size and a close button only, without the
// minimise and maximise buttons a window manager would otherwise add.
#pragma once

#include <QWidget>

namespace mirvalon {

// The dialog still sets its own fixed size (the password dialog's changes with its mode).
inline void makeFixedDialog(QWidget* dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

} // namespace mirvalon
