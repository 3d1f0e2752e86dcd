// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the board as a picture file. The image goes to the clipboard first and stays there;
// the file is written in the format its name says, whole or not at all.
#pragma once

#include <QImage>
#include <QString>

namespace mirvalon {

class FileSystem;
class OutputDialogs;

enum class PictureFormat { Jpeg, Png, Bmp };

// The file a chosen name leads to: ".jpg" / ".jpeg" a JPEG, ".png" and ".bmp" as they say, any
// other name a JPEG with ".jpg" added (`extended` then says so).
struct PictureTarget
{
    QString path;
    PictureFormat format = PictureFormat::Jpeg;
    bool extended = false;
};

PictureTarget pictureTarget(const QString& chosenPath);

// The file's bytes; empty when the image cannot be encoded.
QByteArray encodePicture(const QImage& image, PictureFormat format);

// The name the save dialog proposes, by interface language (0 Slovak, 1 Czech, 2 English).
QString proposedPictureName(int language);

// The save dialog opens in the data folder's "Data" when it exists, else in the data folder.
QString pictureStartFolder(const QString& dataFolder);

enum class PictureResult { Saved, Cancelled, Failed };

struct PictureRequest
{
    QImage board;       // the image of the whole window
    int language = 0;   // of the proposed name and the messages
    QString dataFolder; // where the dialog starts, below it
};

// The "save as picture" command: the board image on the clipboard, then the dialog, then the
// file. A file that cannot be written is told to the player and leaves nothing behind.
PictureResult saveBoardPicture(const PictureRequest& request, FileSystem& fs,
                               OutputDialogs& dialogs);

} // namespace mirvalon
