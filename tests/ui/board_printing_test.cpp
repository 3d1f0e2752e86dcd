// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the window and the information text to a PDF file, as a player printing to a file.
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <map>

#include "pdf_file.h"
#include "picture_compare.h"
#include "print/board_printing.h"
#include "support/fake_persistence.h"
#include "ui/information_panel.h"
#include "window_rig.h"

namespace mirvalon::test {
namespace {

// A print job to a PDF file, set up as the print dialog leaves it for "print to file".
struct PdfJob : PdfFile
{
    explicit PdfJob(const std::string& file) : PdfFile{q(file)}
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    }
    QPrinter printer{QPrinter::HighResolution};
};

// Their pages and titles are the print commands' test; here what is printed on them.
TEST(BoardPrinting, printsTheWindowAsTypeAndTheInformationTextWhole)
{
    WindowRig rig;
    TempDir folder;
    // A file with one blank page: a printed page must hold more than that.
    PdfJob blankJob(folder.file("blank.pdf"));
    QPainter(&blankJob.printer).end();
    const qsizetype blank = blankJob.bytes().size();
    ASSERT_GT(blank, 0);

    PdfJob board(folder.file("board.pdf"));
    ASSERT_TRUE(printWindowImage(*rig.window, board.printer));
    EXPECT_GT(board.bytes().size(), blank + 10000);
    // The widgets drew themselves onto the page: their texts are type, not pixels of a grab.
    EXPECT_TRUE(board.bytes().contains("/FontFile")) << "no embedded font";

    InformationPanel panel(nullptr);
    // The English text's bytes are Latin-1.
    ASSERT_TRUE(panel.loadFile(q(rig.program.file("Mirv_EN.rtf")),
                               [](unsigned char byte) { return QChar(byte); }));
    PdfJob text(folder.file("text.pdf"));
    ASSERT_TRUE(printDocument(*panel.textBox()->document(), "Mirv_EN.rtf", text.printer));
    EXPECT_GT(text.bytes().size(), blank + 2000);
}

TEST(BoardPrinting, theWindowFillsThePageCentredWithItsAspectKept)
{
    WindowRig rig;
    const QImage grab = rig.window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Pixels of a 300 dpi page's printable area.
    const std::pair<QSize, const char*> cases[] = {{{2400, 3300}, "portrait"},
                                                   {{3300, 2400}, "landscape"}};
    for (const auto& [size, name] : cases) {
        SCOPED_TRACE(name);
        QImage page(size, QImage::Format_RGB32);
        page.setDotsPerMeterX(11811); // 300 dpi, as a printer: the widgets draw at that scale
        page.setDotsPerMeterY(11811);
        page.fill(Qt::white);
        QPainter painter(&page);
        paintWindowImage(*rig.window, painter, QRectF(QPointF(0, 0), QSizeF(size)));
        painter.end();

        const double scale =
            std::min(double(size.width()) / grab.width(), double(size.height()) / grab.height());
        const QSize printed = (QSizeF(grab.size()) * scale).toSize();
        const QRect where(
            QPoint((size.width() - printed.width()) / 2, (size.height() - printed.height()) / 2),
            printed);
        // Touches two opposite edges of the page, leaves the rest white.
        EXPECT_TRUE(where.width() == size.width() || where.height() == size.height());
        const QRect before = where.width() == size.width()
                                 ? QRect(0, 0, size.width(), where.top() - 2)
                                 : QRect(0, 0, where.left() - 2, size.height());
        QImage white(before.size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        EXPECT_EQ(page.copy(before), white);
        // Shrunk back to the window's size, the page shows the window.
        const QImage shrunk =
            page.copy(where).scaled(grab.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(channelDifference(shrunk, grab).mean, 6.0);
    }
}

TEST(BoardPrinting, aJobThatCannotBeWrittenIsReportedAsFailed)
{
    // A window that cannot be printed is the print command's test.
    TempDir folder;
    QTextDocument document("Mirvalon");
    PdfJob text(folder.file("missing/text.pdf"));
    EXPECT_FALSE(printDocument(document, "Mirv_SK.rtf", text.printer));
    EXPECT_TRUE(listFolder(folder.path()).empty());
}

// The information text is printed with a margin of at least 15 mm on every side, whatever
// the printer offers: a long text takes as many pages on a printer without margins as with
// margins of 15 mm, more with wider ones. The printer keeps its own margins afterwards.
TEST(BoardPrinting, theInformationTextHasTheMarginsOfAPrintedText)
{
    TempDir folder;
    QString text;
    for (int line = 1; line <= 1000; ++line)
        text += QStringLiteral("<p>Riadok %1 informačného textu.</p>").arg(line);
    QTextDocument document;
    document.setHtml(text);
    std::map<int, int> pages; // printer's margin in mm -> pages printed
    for (int margin : {0, 6, 15, 40}) {
        SCOPED_TRACE(margin);
        PdfJob job(folder.file("text" + std::to_string(margin) + ".pdf"));
        job.printer.setPageMargins(QMarginsF(margin, margin, margin, margin),
                                   QPageLayout::Millimeter);
        ASSERT_TRUE(printDocument(document, "Mirv_SK.rtf", job.printer));
        pages[margin] = job.pages();
        EXPECT_NEAR(job.printer.pageLayout().margins(QPageLayout::Millimeter).left(), margin, 0.01);
    }
    EXPECT_GT(pages[15], 1);
    EXPECT_EQ(std::pair(pages[0], pages[6]), std::pair(pages[15], pages[15])); // the same pages
    EXPECT_GT(pages[40], pages[15]);
}

} // namespace
} // namespace mirvalon::test
