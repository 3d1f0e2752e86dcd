// SPDX-License-Identifier: GPL-3.0-or-later
// What a printed PDF file says of itself: its pages and the title of the print job.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QString>

namespace mirvalon::test {

struct PdfFile
{
    QString path;

    QByteArray bytes() const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // -1 when the file is missing or holds no page tree.
    int pages() const
    {
        const auto m = QRegularExpression("/Type /Pages\\s*/Kids\\s*\\[[^\\]]*\\]\\s*/Count (\\d+)")
                           .match(QString::fromLatin1(bytes()));
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }
    // The job title as the document information holds it: UTF-16 with a byte-order mark.
    bool hasTitle(const QString& title) const
    {
        QByteArray entry("/Title (\xFE\xFF");
        for (const QChar c : title)
            entry.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
        return bytes().contains(entry + ')');
    }
};

} // namespace mirvalon::test
