// SPDX-License-Identifier: GPL-3.0-or-later
#include "saved_game_dialog.h"

#include <QDir>
#include <QFileDialog>

#include "persistence/folders.h"

namespace mirvalon {

QString chooseSavedGame(QWidget* parent, SavedGameDialog kind, const QString& dataFolder)
{
    const QString games = QDir(dataFolder).filePath(QString::fromLatin1(kGamesFolder));
    QFileDialog dialog(parent);
    dialog.setObjectName(kind == SavedGameDialog::Open ? QStringLiteral("dlgOpen")
                                                       : QStringLiteral("dlgSave"));
    dialog.setDirectory(QDir(games).exists() ? games : dataFolder);
    dialog.setNameFilter(QStringLiteral("Mirvalon data file (*.mvg)"));
    dialog.setDefaultSuffix(QStringLiteral("mvg"));
    if (kind == SavedGameDialog::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace mirvalon
