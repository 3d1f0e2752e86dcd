// SPDX-License-Identifier: GPL-3.0-or-later
// The window's print and picture commands: the print dialog and the printer the print system
// keeps for the session, printing the board or a text, and saving the board as a picture;
// failures are told in the player's language.
#pragma once

#include <QString>
#include <memory>

class QTextDocument;
class QWidget;

namespace mirvalon {

class FileSystem;
class OutputDialogs;
class PrintLibrary;
class PrintSystem;

class OutputCommands
{
public:
    OutputCommands(QWidget& window, OutputDialogs& dialogs, FileSystem& fs, PrintLibrary& printing);
    ~OutputCommands();

    // The print dialog; false when the player cancelled it, or when the print library is
    // missing (said in the language `language`).
    bool choosePrinter(int language);
    // Print on the chosen printer; `language` (0 Slovak, 1 Czech, 2 English) of the failure text.
    void printBoard(int language);
    void printText(const QTextDocument& document, const QString& title, int language);
    // The board on the clipboard, then the save dialog starting below `dataFolder`.
    void savePicture(int language, const QString& dataFolder);

private:
    void reportPrint(bool printed, int language);

    QWidget& m_window;
    OutputDialogs& m_dialogs;
    FileSystem& m_fs;
    PrintLibrary& m_printing;
};

} // namespace mirvalon
