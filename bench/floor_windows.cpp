// SPDX-License-Identifier: GPL-3.0-or-later
#include "floor_windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <array>

namespace bench {

namespace {

// The game's fonts: Liberation Sans at 11 pixels for the whole window.
void applyGameFonts(QWidget& window)
{
    QFont f = QApplication::font();
    if (QFontDatabase::families().contains(QStringLiteral("Liberation Sans")))
        f.setFamily(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    QApplication::setFont(f);
    window.setFont(f);
}

// As many menus, items, panels and controls as the game's window has, doing nothing.
class FullBareWindow : public QMainWindow
{
public:
    FullBareWindow()
    {
        setWindowTitle(QStringLiteral("  Mirvalon  1.7"));
        applyGameFonts(*this);
        auto* client = new QWidget(this);
        client->setFixedSize(780, 500);
        setCentralWidget(client);

        // 5 menus with 8 items each, a few with shortcuts and check marks.
        int key = 0;
        for (int m = 0; m < 5; ++m) {
            QMenu* menu = menuBar()->addMenu(QStringLiteral("Ponuka %1").arg(m + 1));
            for (int i = 0; i < 8; ++i) {
                QAction* a =
                    menu->addAction(QStringLiteral("Položka ponuky %1.%2").arg(m + 1).arg(i));
                if (i % 2 == 0 && key < 12)
                    a->setShortcut(QKeySequence(Qt::Key_F1 + key++));
                a->setCheckable(i % 3 == 0);
                if (i == 4)
                    menu->addSeparator();
            }
        }

        // 10 framed panels, 9 buttons with hints, 15 bold row numbers and 6 labels.
        for (int i = 0; i < 10; ++i) {
            auto* panel = new QFrame(client);
            panel->setFrameStyle(QFrame::Panel | (i % 2 ? QFrame::Raised : QFrame::Sunken));
            panel->setLineWidth(2);
            panel->setGeometry(8 + 77 * i, 8 + (i % 3) * 160, 70, 150);
        }
        for (int i = 0; i < 9; ++i) {
            auto* b = new QPushButton(QStringLiteral("Tlačidlo %1").arg(i + 1), client);
            b->setGeometry(549 + (i % 3) * 75, 167 + (i / 3) * 30, 70, 25);
            b->setToolTip(QStringLiteral("Pomocný text tlačidla %1").arg(i + 1));
            b->setEnabled(i < 3);
        }
        for (int r = 1; r <= 15; ++r) {
            auto* l = new QLabel(QString::number(r).rightJustified(r < 10 ? 3 : 2, ' '), client);
            QFont f = l->font();
            f.setBold(true);
            f.setPointSize(12);
            l->setFont(f);
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            l->setGeometry(10, 452 - 28 * (r - 1), 28, 20);
        }
        for (int i = 0; i < 6; ++i) {
            auto* l = new QLabel(QStringLiteral("Popis %1").arg(i + 1), client);
            l->move(549 + (i % 3) * 75, 268 + (i / 3) * 15);
            l->adjustSize();
        }

        auto* bar = new QStatusBar(this);
        bar->setSizeGripEnabled(false);
        bar->setFixedHeight(22);
        auto* strip = new QWidget(bar);
        strip->setGeometry(0, 0, 780, 22);
        const int widths[14] = {54, 36, 20, 10, 20, 20, 20, 20, 50, 60, 47, 50, 55, 50};
        int x = 0;
        for (int i = 0; i < 14; ++i) {
            auto* l = new QLabel(QStringLiteral("%1").arg(i), strip);
            if (i % 2)
                l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            l->setGeometry(x, 0, widths[i], 22);
            x += widths[i];
            m_panels[i] = l;
        }
        setStatusBar(bar);
        setFixedSize(780, menuBar()->sizeHint().height() + 500 + 22);
    }

    void startClock()
    {
        m_start.start();
        auto* timer = new QTimer(this);
        timer->setInterval(1000);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this] {
            const int seconds = int(m_start.elapsed() / 1000);
            m_panels[9]->setText(QTime(0, 0).addSecs(seconds).toString(QStringLiteral("H:mm:ss")));
            m_panels[11]->setText(QString::number(10000 - seconds));
        });
        timer->start();
    }

private:
    std::array<QLabel*, 14> m_panels{};
    QElapsedTimer m_start;
};

} // namespace

std::unique_ptr<QMainWindow> makeFloorWindow(const std::string& mode)
{
    if (mode == "full")
        return std::make_unique<FullBareWindow>();
    auto window = std::make_unique<QMainWindow>();
    window->setFixedSize(788, 568);
    return window;
}

void startFullBareClock(QMainWindow& window)
{
    if (auto* full = dynamic_cast<FullBareWindow*>(&window))
        full->startClock();
}

} // namespace bench
