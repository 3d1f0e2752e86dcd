// SPDX-License-Identifier: GPL-3.0-or-later
// make_manual FOLDER: writes FOLDER/Mirv_SK.pdf and FOLDER/Mirv_EN.pdf, the manual that the
// menu item "Kombinácie hier" and the settings dialog open.
//
// The same sources give the same bytes: the fonts go into the file in a fixed order, and the
// creation date is SOURCE_DATE_EPOCH when it is set (as Debian's package builds set it).
#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QHashFunctions>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "manual_text.h"

namespace {

// The creation date Qt wrote, "D:YYYYMMDDhhmmssZ", replaced by the given seconds since 1970
// in place: the same length keeps every offset of the cross-reference table right.
bool stampCreationDate(QByteArray& pdf, qint64 seconds)
{
    static const QByteArray key("/CreationDate (D:");
    const qsizetype at = pdf.indexOf(key);
    const QByteArray stamp = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC)
                                 .toString(QStringLiteral("yyyyMMddhhmmss"))
                                 .toLatin1() +
                             'Z';
    if (at < 0 || pdf.mid(at + key.size() + stamp.size(), 1) != ")")
        return false;
    pdf.replace(at + key.size(), stamp.size(), stamp);
    return true;
}

bool render(const QString& path, int language, const char* sourceDateEpoch)
{
    const std::string html = mirvalon::manualHtml(language);
    if (html.empty()) {
        std::fprintf(stderr, "make_manual: the numbering of the games disagrees with its table\n");
        return false;
    }
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
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
    }
    QByteArray bytes = pdf.data();
    if (sourceDateEpoch) {
        char* end = nullptr;
        const long long seconds = std::strtoll(sourceDateEpoch, &end, 10);
        if (*sourceDateEpoch == '\0' || *end != '\0' || seconds < 0 ||
            !stampCreationDate(bytes, seconds)) {
            std::fprintf(stderr, "make_manual: cannot date the manual from SOURCE_DATE_EPOCH\n");
            return false;
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        std::fprintf(stderr, "make_manual: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_manual FOLDER\n");
        return 2;
    }
    // Qt keeps the fonts of a PDF in a hash; a fixed seed writes them in the same order. Its
    // creation date is written in local time, whose form depends on the zone: UTC writes the
    // one form the date is stamped in, wherever the manual is built.
    QHashSeed::setDeterministicGlobalSeed();
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const char* sourceDateEpoch = std::getenv("SOURCE_DATE_EPOCH");
    const bool ok = render(folder + QStringLiteral("/Mirv_SK.pdf"), 0, sourceDateEpoch) &&
                    render(folder + QStringLiteral("/Mirv_EN.pdf"), 2, sourceDateEpoch);
    return ok ? 0 : 1;
}
