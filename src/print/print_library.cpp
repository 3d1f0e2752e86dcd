// SPDX-License-Identifier: GPL-3.0-or-later
// The print library's entry: the game's print system over Qt's printing.
#include <QPrintDialog>
#include <QPrinter>
#include <memory>

#include "print/board_printing.h"
#include "ui/print_system.h"

namespace mirvalon {

namespace {

class QtPrintSystem : public PrintSystem
{
public:
    QPrinter& printer() override
    {
        // Made on first use: a printer asks the print system for its printers.
        if (!m_printer)
            m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        return *m_printer;
    }
    bool showPrintDialog(QPrinter& printer, QWidget* parent) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    bool printWindow(QWidget& window, QPrinter& printer) override
    {
        return printWindowImage(window, printer);
    }
    bool printText(const QTextDocument& document, const QString& title, QPrinter& printer) override
    {
        return printDocument(document, title, printer);
    }
    QString pdfFile(const QPrinter& printer) const override
    {
        return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    }

private:
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace

} // namespace mirvalon

extern "C" Q_DECL_EXPORT mirvalon::PrintSystem* mirvalon_make_print_system()
{
    return new mirvalon::QtPrintSystem;
}
