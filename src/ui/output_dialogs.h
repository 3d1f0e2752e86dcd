// SPDX-License-Identifier: GPL-3.0-or-later
// The system dialogs of printing and of saving a picture, with their plain message boxes. The
// window shows the real ones; tests answer from a script.
#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace mirvalon {

class PrintLibrary;

class OutputDialogs
{
public:
    virtual ~OutputDialogs() = default;
    // The print dialog on `printer` (printing to a PDF file offered); false when cancelled.
    virtual bool choosePrinter(QPrinter& printer) = 0;
    // The save-picture dialog, opened on `proposedPath` (folder and name without extension);
    // the chosen file, or empty when cancelled. It asks before replacing a file it shows.
    virtual QString chooseFile(const QString& proposedPath) = 0;
    // A yes/no question with No as default; true for Yes.
    virtual bool ask(const QString& text) = 0;
    // A plain message box with OK.
    virtual void tell(const QString& text) = 0;
};

class QtOutputDialogs : public OutputDialogs
{
public:
    // The print dialog is the print library's.
    QtOutputDialogs(QWidget* parent, PrintLibrary& printing)
        : m_parent(parent), m_printing(printing)
    {
    }
    bool choosePrinter(QPrinter& printer) override;
    QString chooseFile(const QString& proposedPath) override;
    bool ask(const QString& text) override;
    void tell(const QString& text) override;

private:
    QWidget* m_parent;
    PrintLibrary& m_printing;
};

} // namespace mirvalon
