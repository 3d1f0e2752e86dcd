// SPDX-License-Identifier: GPL-3.0-or-later
// A main window on temporary folders with scripted message boxes, and real mouse events on
// its pieces.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>

#include "persistence/settings_store.h"
#include "scripted_output_dialogs.h"
#include "support/fake_document_opener.h"
#include "support/fake_persistence.h"
#include "support/fake_ports.h"
#include "ui/bevel_box.h"
#include "ui/tfrm_logic.h"

namespace mirvalon::test {

inline QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

// Counts the paint events of the controls it watches, and waits until its window has painted
// all it was asked to: a window paints everything waiting at once, so when a one-pixel marker,
// updated last, has been painted, so has the rest. No wait of a guessed length.
class PaintLog : public QObject
{
public:
    explicit PaintLog(QWidget* window) : m_marker(new QWidget(window))
    {
        m_marker->setAttribute(Qt::WA_OpaquePaintEvent); // nothing behind it is painted with it
        m_marker->setGeometry(0, 0, 1, 1);
        m_marker->installEventFilter(this);
        m_marker->show();
    }
    ~PaintLog() override { delete m_marker; }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++(watched == m_marker ? m_marks : paints[watched]);
        return QObject::eventFilter(watched, event);
    }
    void settle()
    {
        const int before = m_marks;
        m_marker->update();
        ASSERT_TRUE(QTest::qWaitFor([&] { return m_marks > before; }));
    }
    bool isMarker(const QObject* o) const { return o == m_marker; }

    std::map<const QObject*, int> paints; // the marker's own are not counted

private:
    QWidget* m_marker;
    int m_marks = 0;
};

struct WindowRig
{
    TempDir program, user, shared;
    ScriptedDialogs dialogs;
    ScriptedRandom random;        // the game's generator; a test may choose its next hidden row
    ScriptedOutputDialogs output; // the print and save-picture dialogs
    FakeDocumentOpener opener;
    int64_t timeOfDayMs = 12 * 3600 * 1000; // the game's clock, moved on by the test
    // The file the open and save dialogs choose; none (cancelled) when unset.
    std::function<QString(SavedGameDialog)> chooseFile;
    // What the window starts with, for a second start on the same folders; `prepare` may move
    // the print library.
    StartOptions options{
        .programFolder = program.path(),
        .userBase = user.path(),
        .sharedBase = shared.path(),
        .storeWriter = MIRVALON_PROGRAM_DIR "/mirvalon-share",
        .printLibrary = MIRVALON_PROGRAM_DIR "/libmirvalon_print.so",
        .dialogs = &dialogs,
        .random = &random,
        .outputDialogs = &output,
        .opener = &opener,
        .screenWidth = 1024,
        .timeOfDayMs = [this] { return timeOfDayMs; },
        .chooseSavedGame =
            [this](SavedGameDialog kind) { return chooseFile ? chooseFile(kind) : QString(); }};
    std::unique_ptr<Tfrm_Logic> window;

    // `prepare` may lay files into the folders before the window starts.
    explicit WindowRig(const std::function<void(WindowRig&)>& prepare = {})
    {
        namespace fs = std::filesystem;
        for (const auto& f : fs::directory_iterator(MIRVALON_SOURCE_DATA))
            fs::copy(f.path(), fs::path(program.path()) / f.path().filename(),
                     fs::copy_options::recursive); // the sample games are a folder
        if (prepare)
            prepare(*this);
        window = std::make_unique<Tfrm_Logic>(options);
        window->show();
        // Shortcuts reach only the active window.
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            ADD_FAILURE() << "the main window did not become active";
    }

    // A window that starts with `settings` saved in its configuration file.
    explicit WindowRig(const GameSettings& settings)
        : WindowRig([bytes = encodeSettings(settings)](WindowRig& r) {
              std::filesystem::create_directories(r.dataFile(""));
              writeBytes(r.dataFile("Mirvalon.lcf"), bytes);
          })
    {
    }

    Game& game() { return window->game(); }
    // The next computer game draws `pieces` as its hidden row.
    void nextHiddenRow(const std::vector<int>& pieces)
    {
        for (int piece : pieces)
            random.script.push_back(piece - 1);
    }
    const GameState& s() { return window->game().state(); }
    std::string dataFile(const std::string& name) const
    {
        return user.path() + "/Orvex/Mirvalon.dat/" + name;
    }

    static void send(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                     Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, mods);
        QApplication::sendEvent(w, &e);
    }
    // Drags a piece so that its centre lands on `centre` (client coordinates) and releases it.
    static void drag(QWidget* piece, QPoint centre, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        const QPoint grab(piece->width() / 2, piece->height() / 2);
        send(piece, QEvent::MouseButtonPress, grab, Qt::LeftButton, mods);
        const QPoint now = piece->geometry().topLeft() + grab;
        send(piece, QEvent::MouseMove, grab + (centre - now), Qt::LeftButton, mods);
        send(piece, QEvent::MouseButtonRelease, grab, Qt::LeftButton, mods);
    }
    static void doubleClick(QWidget* piece)
    {
        const QPoint at(piece->width() / 2, piece->height() / 2);
        send(piece, QEvent::MouseButtonPress, at, Qt::LeftButton);
        send(piece, QEvent::MouseButtonRelease, at, Qt::LeftButton);
        send(piece, QEvent::MouseButtonDblClick, at, Qt::LeftButton);
        send(piece, QEvent::MouseButtonRelease, at, Qt::LeftButton);
    }
    static void rightClick(QWidget* piece)
    {
        send(piece, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton);
        send(piece, QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton);
    }
    // Centre of slot `position` of row `row` (0 = the result area).
    static QPoint slotCentre(int row, int position)
    {
        return {62 + 44 * (position - 1) + 20, (row == 0 ? 13 : 480 - 28 * row) + 11};
    }
};

} // namespace mirvalon::test
