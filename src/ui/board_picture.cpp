// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_picture.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>

#include "engine/game_settings.h"
#include "persistence/safe_file.h"
#include "ui/jpeg_image.h"
#include "ui/output_dialogs.h"

namespace mirvalon {

namespace {

QString byLanguage(int language, const char* slovak, const char* czech, const char* english)
{
    return QString::fromUtf8(language == Czech ? czech : language == English ? english : slovak);
}

QString writeFailedText(int language, const QString& path)
{
    return byLanguage(language, "Upozornenie!\n\nObrázok nie je možné uložiť do súboru '%1'!",
                      "Upozornění!\n\nObrázek není možné uložit do souboru '%1'!",
                      "Warning!\n\nThe picture cannot be saved to the file '%1'!")
        .arg(QDir::toNativeSeparators(path));
}

QString replaceText(int language, const QString& path)
{
    return byLanguage(language, "Súbor '%1' už existuje.\nŽeláte si ho nahradiť?",
                      "Soubor '%1' již existuje.\nPřejete si jej nahradit?",
                      "The file '%1' already exists.\nDo you want to replace it?")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace

PictureTarget pictureTarget(const QString& chosenPath)
{
    const QString suffix = QFileInfo(chosenPath).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return {chosenPath, PictureFormat::Jpeg, false};
    if (suffix == QLatin1String("png"))
        return {chosenPath, PictureFormat::Png, false};
    if (suffix == QLatin1String("bmp"))
        return {chosenPath, PictureFormat::Bmp, false};
    return {chosenPath + QLatin1String(".jpg"), PictureFormat::Jpeg, true};
}

QByteArray encodePicture(const QImage& image, PictureFormat format)
{
    if (format == PictureFormat::Jpeg)
        return encodeJpeg(image);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format == PictureFormat::Png ? "png" : "bmp");
    if (!writer.write(image))
        return QByteArray();
    return bytes;
}

QString proposedPictureName(int language)
{
    return byLanguage(language, "_Obrazok", "_Obrazek", "_Picture");
}

QString pictureStartFolder(const QString& dataFolder)
{
    const QString data = QDir(dataFolder).filePath(QStringLiteral("Data"));
    return QFileInfo(data).isDir() ? data : dataFolder;
}

PictureResult saveBoardPicture(const PictureRequest& request, FileSystem& fs,
                               OutputDialogs& dialogs)
{
    // The clipboard keeps the board whatever the player does with the dialog.
    QGuiApplication::clipboard()->setImage(request.board);

    const QString proposed = QDir(pictureStartFolder(request.dataFolder))
                                 .filePath(proposedPictureName(request.language));
    const QString chosen = dialogs.chooseFile(proposed);
    if (chosen.isEmpty())
        return PictureResult::Cancelled;
    const PictureTarget target = pictureTarget(chosen);
    const std::string path = QFile::encodeName(target.path).toStdString();
    // The dialog asked about the name it showed, not about the one with ".jpg" added.
    if (target.extended && fs.kind(path) != PathKind::None &&
        !dialogs.ask(replaceText(request.language, target.path)))
        return PictureResult::Cancelled;

    const QByteArray bytes = encodePicture(request.board, target.format);
    const bool written =
        !bytes.isEmpty() && fs.mayReplace(path) &&
        writeFileSafely(fs, path, std::string_view(bytes.constData(), bytes.size()),
                        kChosenFileMode);
    if (!written) {
        dialogs.tell(writeFailedText(request.language, target.path));
        return PictureResult::Failed;
    }
    return PictureResult::Saved;
}

} // namespace mirvalon
