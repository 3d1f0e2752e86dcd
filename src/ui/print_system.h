// SPDX-License-Identifier: GPL-3.0-or-later
// Printing sits in a library of its own beside the program (src/print), loaded when the player
// first prints: the print libraries are large, and a game that does not print should not load
// and link them at every start. The window reaches them through PrintSystem alone.
#pragma once

#include <QLibrary>
#include <QString>
#include <memory>

class QPrinter;
class QTextDocument;
class QWidget;

namespace mirvalon {

class PrintSystem
{
public:
    virtual ~PrintSystem() = default;
    // The printer kept for the session, made on first use.
    virtual QPrinter& printer() = 0;
    // The system's print dialog on `printer` (printing to a PDF file offered); false when
    // cancelled.
    virtual bool showPrintDialog(QPrinter& printer, QWidget* parent) = 0;
    // The window on one page, and a text over as many pages as it needs (board_printing.h);
    // false when the job failed.
    virtual bool printWindow(QWidget& window, QPrinter& printer) = 0;
    virtual bool printText(const QTextDocument& document, const QString& title,
                           QPrinter& printer) = 0;
    // The PDF file `printer` writes to; empty when it prints on paper.
    virtual QString pdfFile(const QPrinter& printer) const = 0;
};

// The library's one entry: a new print system, which the caller owns.
using MakePrintSystem = PrintSystem* (*)();
constexpr const char* kMakePrintSystem = "mirvalon_make_print_system";
constexpr const char* kPrintLibraryName = "libmirvalon_print.so";

// The print library at a path, loaded on first use.
class PrintLibrary
{
public:
    explicit PrintLibrary(const QString& path) : m_library(path) {}
    ~PrintLibrary() { m_system.reset(); } // made by the library's code, gone before it

    // The print system; nullptr when the library is missing or not the game's.
    PrintSystem* system();

private:
    QLibrary m_library;
    std::unique_ptr<PrintSystem> m_system;
    bool m_tried = false;
};

} // namespace mirvalon
