// SPDX-License-Identifier: GPL-3.0-or-later
// make_manual FOLDER: writes FOLDER/Mirv_SK.pdf and FOLDER/Mirv_EN.pdf, the manual that the
// menu item "Kombinácie hier" and the settings dialog open.
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

#include "manual_text.h"

namespace {

bool render(const QString& path, int language)
{
    const std::string html = mirvalon::manualHtml(language);
    if (html.empty()) {
        std::fprintf(stderr, "make_manual: the numbering of the games disagrees with its table\n");
        return false;
    }
    QPdfWriter writer(path);
    writer.setTitle(language == 2 ? QStringLiteral("Mirvalon: game combinations")
                                  : QStringLiteral("Mirvalon: kombinácie hier"));
    writer.setCreator(QStringLiteral("Mirvalon"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    QTextDocument doc;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(9.5);
    doc.setDefaultFont(font);
    doc.setHtml(QString::fromStdString(html));
    doc.print(&writer);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_manual FOLDER\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool ok = render(folder + QStringLiteral("/Mirv_SK.pdf"), 0) &&
                    render(folder + QStringLiteral("/Mirv_EN.pdf"), 2);
    return ok ? 0 : 1;
}
