// SPDX-License-Identifier: GPL-3.0-or-later
#include "output_commands.h"

#include <QWidget>

#include "board_picture.h"
#include "engine/game_settings.h"
#include "output_dialogs.h"
#include "print_system.h"

namespace mirvalon {

namespace {

// Where a print written to a file went.
QString printedToFileText(int language, const QString& file)
{
    switch (language) {
    case Czech:
        return QStringLiteral("Tisk byl uložen do souboru '%1'.").arg(file);
    case English:
        return QStringLiteral("The print was saved to the file '%1'.").arg(file);
    default:
        return QStringLiteral("Tlač bola uložená do súboru '%1'.").arg(file);
    }
}

// Printing failed, or there is nothing to print with.
QString failedPrintText(int language)
{
    switch (language) {
    case Czech:
        return QStringLiteral("Tiskárna není k dispozici.");
    case English:
        return QStringLiteral("There is no default printer currently selected.");
    default:
        return QStringLiteral("Tlačiareň nie je k dispozícii.");
    }
}

} // namespace

OutputCommands::OutputCommands(QWidget& window, OutputDialogs& dialogs, FileSystem& fs,
                               PrintLibrary& printing)
    : m_window(window), m_dialogs(dialogs), m_fs(fs), m_printing(printing)
{
}

OutputCommands::~OutputCommands() = default;

bool OutputCommands::choosePrinter(int language)
{
    PrintSystem* system = m_printing.system();
    if (!system) {
        m_dialogs.tell(failedPrintText(language));
        return false;
    }
    return m_dialogs.choosePrinter(system->printer());
}

// Only after choosePrinter said yes: the print system is loaded.
void OutputCommands::printBoard(int language)
{
    PrintSystem& system = *m_printing.system();
    reportPrint(system.printWindow(m_window, system.printer()), language);
}

void OutputCommands::printText(const QTextDocument& document, const QString& title, int language)
{
    PrintSystem& system = *m_printing.system();
    reportPrint(system.printText(document, title, system.printer()), language);
}

void OutputCommands::reportPrint(bool printed, int language)
{
    if (!printed) {
        m_dialogs.tell(failedPrintText(language));
        return;
    }
    // Without a printer the print dialog writes a file the player never named: say where.
    PrintSystem& system = *m_printing.system();
    if (const QString file = system.pdfFile(system.printer()); !file.isEmpty())
        m_dialogs.tell(printedToFileText(language, file));
}

void OutputCommands::savePicture(int language, const QString& dataFolder)
{
    saveBoardPicture({m_window.grab().toImage(), language, dataFolder}, m_fs, m_dialogs);
}

} // namespace mirvalon
