// SPDX-License-Identifier: GPL-3.0-or-later
#include "plain_text.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

namespace mirvalon {

void showPlainText(QWidget& root)
{
    if (auto* label = qobject_cast<QLabel*>(&root))
        label->setTextFormat(Qt::PlainText);
    for (QLabel* label : root.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
}

QString plainToolTip(const QString& text)
{
    if (text.isEmpty())
        return text;
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

QString breakLongWords(const QString& text, int longest)
{
    QString out;
    out.reserve(text.size());
    int run = 0;
    for (const QChar c : text) {
        if (c.isSpace()) {
            run = 0;
        } else if (++run > longest) {
            out += QChar(0x200B);
            run = 1;
        }
        out += c;
    }
    return out;
}

void setPlainBoxText(QMessageBox& box, const QString& text)
{
    box.setTextFormat(Qt::PlainText);
    box.setText(breakLongWords(text));
    // The box sizes its text label itself; a label that wraps stays within the screen.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        label->setWordWrap(true);
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            label->setMaximumWidth(screen->availableGeometry().width() * 3 / 4);
    }
}

} // namespace mirvalon
