// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/board_printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QTextDocument>
#include <QWidget>
#include <algorithm>
#include <memory>

namespace mirvalon {

namespace {

// The printable area of a page in the painter's coordinates (device pixels, origin at the
// area's top left corner).
QRectF printableArea(const QPrinter& printer)
{
    return QRectF(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
}

bool jobFailed(const QPrinter& printer)
{
    return printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted;
}

} // namespace

void paintWindowImage(QWidget& window, QPainter& painter, const QRectF& area)
{
    const QSize size = window.size();
    if (size.isEmpty())
        return;
    const qreal scale = std::min(area.width() / size.width(), area.height() / size.height());
    // Recorded as drawing commands first, the widgets reach the page as type and lines at the
    // device's own resolution; rendered straight onto a printer, Qt would paint them into one
    // bitmap of the page's size (hundreds of megabytes at 1200 dpi).
    QPicture picture;
    QPainter recorder(&picture);
    window.render(&recorder, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    recorder.end();
    // A picture played on a device of another resolution is scaled to it by Qt itself.
    const qreal played = qreal(painter.device()->logicalDpiX()) / picture.logicalDpiX();
    painter.save();
    painter.translate(area.center() - QPointF(size.width(), size.height()) * scale / 2);
    painter.scale(scale / played, scale / played);
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

bool printWindowImage(QWidget& window, QPrinter& printer)
{
    if (window.size().isEmpty())
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    paintWindowImage(window, painter, printableArea(printer));
    return painter.end() && !jobFailed(printer);
}

namespace {

// A printed text gets the margins a reader expects, at least 15 mm, wider where the printer
// needs them; the printer's own layout comes back after the job for the next print.
class TextMargins
{
public:
    explicit TextMargins(QPrinter& printer) : m_printer(printer), m_own(printer.pageLayout())
    {
        constexpr qreal kMinimum = 15.0;
        const QMarginsF m = m_own.margins(QPageLayout::Millimeter);
        m_printer.setPageMargins(
            QMarginsF(std::max(m.left(), kMinimum), std::max(m.top(), kMinimum),
                      std::max(m.right(), kMinimum), std::max(m.bottom(), kMinimum)),
            QPageLayout::Millimeter);
    }
    ~TextMargins() { m_printer.setPageLayout(m_own); }
    TextMargins(const TextMargins&) = delete;
    TextMargins& operator=(const TextMargins&) = delete;

private:
    QPrinter& m_printer;
    QPageLayout m_own;
};

} // namespace

bool printDocument(const QTextDocument& document, const QString& title, QPrinter& printer)
{
    const TextMargins margins(printer);
    printer.setDocName(title);
    // The panel's document is laid out for the screen at the box's width; a copy is laid out
    // again for the page, so the panel keeps its look.
    const std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&printer);
    const QRectF area = printableArea(printer);
    copy->setPageSize(area.size());
    const int pages = copy->pageCount();

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        const QRectF view(QPointF(0, page * area.height()), area.size());
        painter.translate(0, -view.top());
        copy->drawContents(&painter, view);
        painter.restore();
    }
    return painter.end() && !jobFailed(printer);
}

} // namespace mirvalon
