// SPDX-License-Identifier: GPL-3.0-or-later
// The window's print and picture commands: the print dialog and the printer it keeps for the
// session, printing the board or a text, and saving the board as a picture; failures are told
// in the player's language.
#pragma once

#include <QString>
#include <memory>

class QPrinter;
class QTextDocument;
class QWidget;

namespace mirvalon {

class FileSystem;
class OutputDialogs;

class OutputCommands
{
public:
    OutputCommands(QWidget& window, OutputDialogs& dialogs, FileSystem& fs);
    ~OutputCommands();

    // The print dialog; false when the player cancelled it.
    bool choosePrinter();
    // Print on the chosen printer; `language` (0 Slovak, 1 Czech, 2 English) of the failure text.
    void printBoard(int language);
    void printText(const QTextDocument& document, const QString& title, int language);
    // The board on the clipboard, then the save dialog starting below `dataFolder`.
    void savePicture(int language, const QString& dataFolder);

private:
    void reportPrint(bool printed, int language);
    QPrinter& printer();

    QWidget& m_window;
    OutputDialogs& m_dialogs;
    FileSystem& m_fs;
    std::unique_ptr<QPrinter> m_printer; // kept for the session once made
};

} // namespace mirvalon
