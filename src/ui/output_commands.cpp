// SPDX-License-Identifier: GPL-3.0-or-later
#include "output_commands.h"

#include <QPrinter>
#include <QWidget>

#include "board_picture.h"
#include "board_printing.h"
#include "output_dialogs.h"

namespace mirvalon {

OutputCommands::OutputCommands(QWidget& window, OutputDialogs& dialogs, FileSystem& fs)
    : m_window(window), m_dialogs(dialogs), m_fs(fs)
{
}

OutputCommands::~OutputCommands() = default;

QPrinter& OutputCommands::printer()
{
    // Made on first use: a printer loads the print system's libraries and asks it for its
    // printers, which a game that never prints should not pay for at start.
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

bool OutputCommands::choosePrinter()
{
    return m_dialogs.choosePrinter(printer());
}

void OutputCommands::printBoard(int language)
{
    reportPrint(printWindowImage(m_window, printer()), language);
}

void OutputCommands::printText(const QTextDocument& document, const QString& title, int language)
{
    reportPrint(printDocument(document, title, printer()), language);
}

void OutputCommands::reportPrint(bool printed, int language)
{
    if (!printed) {
        m_dialogs.tell(failedPrintText(language));
        return;
    }
    // Without a printer the print dialog writes a file the player never named: say where.
    const QPrinter& p = printer();
    if (p.outputFormat() == QPrinter::PdfFormat && !p.outputFileName().isEmpty())
        m_dialogs.tell(printedToFileText(language, p.outputFileName()));
}

void OutputCommands::savePicture(int language, const QString& dataFolder)
{
    saveBoardPicture({m_window.grab().toImage(), language, dataFolder}, m_fs, m_dialogs);
}

} // namespace mirvalon
