// SPDX-License-Identifier: GPL-3.0-or-later
// The board repaints a box only when its look or its place in the stack changes: a clock tick
// re-applies every look and order, and must not repaint the whole board each second.
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <numeric>

#include "ui/bevel_box.h"
#include "ui/stacking.h"
#include "window_rig.h"

namespace mirvalon {
namespace {

// A shown window with three boxes side by side, settled after its first paint.
struct Rig
{
    QWidget window;
    std::array<BevelBox*, 3> boxes{};
    test::PaintLog count{&window}; // its marker lies left of the boxes

    Rig()
    {
        window.resize(200, 60);
        for (int i = 0; i < 3; ++i) {
            boxes[i] = new BevelBox(&window);
            boxes[i]->setGeometry(10 + 50 * i, 10, 40, 22);
            boxes[i]->installEventFilter(&count);
        }
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        settle();
        count.paints.clear();
    }
    void settle() { count.settle(); }
    int total() const
    {
        return std::accumulate(count.paints.begin(), count.paints.end(), 0,
                               [](int n, const auto& widget) { return n + widget.second; });
    }
};

TEST(Repaint, aBoxRepaintsOnlyWhenItsLookChanges)
{
    Rig rig;
    BevelBox* box = rig.boxes[1];
    box->setLook(Bevel::Raised, Bevel::None, 3);
    box->setColour(QColor(1, 2, 3));
    box->setCaption(QStringLiteral("7"));
    box->setBold(true);
    rig.settle();
    EXPECT_EQ(std::pair(rig.count.paints[box], rig.total()), std::pair(1, 1));

    struct Case
    {
        const char* change;
        std::function<void()> apply;
        int paints;
    };
    const Case cases[] = {
        {"the same look", [&] { box->setLook(Bevel::Raised, Bevel::None, 3); }, 0},
        {"the same colour", [&] { box->setColour(QColor(1, 2, 3)); }, 0},
        {"the same caption", [&] { box->setCaption(QStringLiteral("7")); }, 0},
        {"the same weight", [&] { box->setBold(true); }, 0},
        {"a thinner bevel", [&] { box->setLook(Bevel::Raised, Bevel::None, 1); }, 1},
        {"an inner bevel", [&] { box->setLook(Bevel::Raised, Bevel::Lowered, 1); }, 1},
        {"no outer bevel", [&] { box->setLook(Bevel::None, Bevel::Lowered, 1); }, 1},
        {"a new colour", [&] { box->setColour(Qt::white); }, 1},
        {"a new caption", [&] { box->setCaption(QStringLiteral("12")); }, 1},
        {"plain weight", [&] { box->setBold(false); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        rig.count.paints.clear();
        c.apply();
        rig.settle();
        EXPECT_EQ(rig.total(), c.paints);
    }
}

TEST(Repaint, stackingRepaintsOnlyWhenTheOrderChanges)
{
    Rig rig;
    auto& [a, b, c] = rig.boxes;
    const auto order = [&] {
        std::vector<QObject*> widgets;
        for (QObject* o : rig.window.children())
            if (!rig.count.isMarker(o))
                widgets.push_back(o);
        return widgets;
    };

    stackOnTop({c, a});
    rig.settle();
    EXPECT_EQ(order(), (std::vector<QObject*>{b, c, a}));
    EXPECT_GT(rig.total(), 0);

    rig.count.paints.clear();
    stackOnTop({c, a});
    stackOnTop({a});
    rig.settle();
    EXPECT_EQ(order(), (std::vector<QObject*>{b, c, a}));
    EXPECT_EQ(rig.total(), 0);

    // A box that slipped in between is put back under the group.
    b->raise();
    rig.count.paints.clear();
    stackOnTop({c, a});
    rig.settle();
    EXPECT_EQ(order(), (std::vector<QObject*>{b, c, a}));
    EXPECT_GT(rig.count.paints[c], 0);
}

} // namespace
} // namespace mirvalon
