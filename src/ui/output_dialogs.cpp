// SPDX-License-Identifier: GPL-3.0-or-later
#include "output_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "message_boxes.h"
#include "print_system.h"

namespace mirvalon {

namespace {

struct FilterChoice
{
    const char* filter;
    const char* suffix;
};

// The first is the default: the proposed name is saved as a JPEG.
constexpr FilterChoice kFilters[] = {
    {"JPEG (*.jpg *.jpeg)", "jpg"},
    {"PNG (*.png)", "png"},
    {"BMP (*.bmp)", "bmp"},
};

const QString kCaption = QStringLiteral("Mirvalon");

} // namespace

bool QtOutputDialogs::choosePrinter(QPrinter& printer)
{
    PrintSystem* system = m_printing.system();
    return system && system->showPrintDialog(printer, m_parent);
}

QString QtOutputDialogs::chooseFile(const QString& proposedPath)
{
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FilterChoice& f : kFilters)
        filters << QString::fromLatin1(f.filter);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromLatin1(kFilters[0].suffix));
    // A name typed without an extension takes the one of the chosen file type.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) {
                         for (const FilterChoice& f : kFilters)
                             if (filter == QLatin1String(f.filter))
                                 dialog.setDefaultSuffix(QString::fromLatin1(f.suffix));
                     });
    const QFileInfo proposed(proposedPath);
    dialog.setDirectory(proposed.absolutePath());
    dialog.selectFile(proposed.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool QtOutputDialogs::ask(const QString& text)
{
    QMessageBox box(QMessageBox::Question, kCaption, text, QMessageBox::Yes | QMessageBox::No,
                    m_parent);
    box.setTextFormat(Qt::PlainText); // the text holds a file name the player typed
    box.setDefaultButton(QMessageBox::No);
    fitMessageBox(box);
    return box.exec() == QMessageBox::Yes;
}

void QtOutputDialogs::tell(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kCaption, text, QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    fitMessageBox(box);
    box.exec();
}

} // namespace mirvalon
