// SPDX-License-Identifier: GPL-3.0-or-later
// The print and save-picture dialogs answered from a script: the print dialog chooses a PDF
// file, the save dialog a given name, and every question and message is recorded.
#pragma once

#include <QPrinter>
#include <QStringList>

#include "ui/output_dialogs.h"

namespace mirvalon::test {

class ScriptedOutputDialogs : public OutputDialogs
{
public:
    bool choosePrinter(QPrinter& printer) override
    {
        ++printDialogs;
        if (pdfFile.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
        return true;
    }
    QString chooseFile(const QString& proposedPath) override
    {
        proposed.push_back(proposedPath);
        return chosen;
    }
    bool ask(const QString& text) override
    {
        asked.push_back(text);
        return answer;
    }
    void tell(const QString& text) override { told.push_back(text); }

    QString pdfFile; // empty: the print dialog is cancelled
    QString chosen;  // empty: the save dialog is cancelled
    bool answer = false;
    int printDialogs = 0;
    QStringList proposed, asked, told;
};

} // namespace mirvalon::test
