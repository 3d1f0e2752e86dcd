// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the main window and of each dialog fits its control in Slovak, Czech and
// English: measured with the control's own font, a caption is never cut, never reaches into
// the control beside it and never runs out of its box.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

#include "ui/information_panel.h"
#include "ui/records_panel.h"
#include "ui/tfrm_about.h"
#include "ui/tfrm_heslo.h"
#include "ui/tfrm_rekord.h"
#include "ui/tfrm_setup.h"
#include "ui/tfrm_synchro.h"
#include "window_rig.h"

namespace mirvalon::test {
namespace {

constexpr int kButtonPadding = 2; // the frame on each side of a push button's caption

QString withoutMnemonics(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove('&');
    return text.replace(QChar(1), QChar('&'));
}

QSize textSize(const QFont& font, const QString& text)
{
    const QFontMetrics fm(font);
    return fm.boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft | Qt::AlignTop, text).size();
}

// The rectangle, in the parent's coordinates, that a control's text is drawn in; empty when
// the control shows no text of its own. `need` is the width it must have for the text whole.
struct Ink
{
    QRect rect;
    int need = 0;
    QString text;
};

Ink inkOf(QWidget* w)
{
    if (auto* b = qobject_cast<QPushButton*>(w)) {
        const QSize t = textSize(b->font(), withoutMnemonics(b->text()));
        const int need = t.width() + 2 * kButtonPadding;
        return {QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, t, b->geometry()), need,
                b->text()};
    }
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        const auto* b = static_cast<QAbstractButton*>(w);
        if (b->text().isEmpty())
            return {};
        const int need = b->sizeHint().width();
        return {QRect(b->pos(), QSize(need, b->height())), need, b->text()};
    }
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text().isEmpty() || !l->pixmap().isNull())
            return {};
        const QRect inside = l->contentsRect().translated(l->pos());
        if (l->wordWrap())
            return {inside,
                    l->heightForWidth(inside.width()) <= inside.height() ? inside.width()
                                                                         : inside.width() + 1,
                    l->text()};
        const QSize t = textSize(l->font(), l->text());
        return {QStyle::alignedRect(Qt::LeftToRight, l->alignment(), t, inside),
                t.width() + l->width() - inside.width(), l->text()};
    }
    if (auto* box = qobject_cast<BevelBox*>(w)) {
        if (box->caption().isEmpty())
            return {};
        QFont f = box->font();
        f.setBold(box->bold());
        const QSize t = textSize(f, box->caption());
        return {QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, t, box->geometry()),
                t.width() + 2 * box->bevelWidth(), box->caption()};
    }
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
        // A blank title leaves room for the check box that is the group's caption.
        if (g->title().trimmed().isEmpty())
            return {};
        const QSize t = textSize(g->font(), g->title());
        return {QRect(g->pos(), QSize(t.width() + 16, t.height())), t.width() + 16, g->title()};
    }
    return {};
}

// Finds what does not fit among the controls of `top` (its own children only, not those of
// the dialogs it owns), in words for the failure message.
std::vector<std::string> unfitTexts(QWidget* top)
{
    std::vector<std::string> unfit;
    const auto name = [](QWidget* w) {
        return (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                          : w->objectName())
            .toStdString();
    };
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (w->window() != top || qobject_cast<QMenu*>(w))
            continue;
        const Ink ink = inkOf(w);
        if (ink.rect.isNull() && ink.need == 0)
            continue;
        const std::string text = ink.text.toStdString();
        // Status panels hidden with their group have no width; their text is checked shown.
        if (ink.need > w->width() && w->width() > 0)
            unfit.push_back(name(w) + " \"" + text + "\" needs " + std::to_string(ink.need) +
                            " pixels, has " + std::to_string(w->width()));
        if (!w->isVisibleTo(top) || !w->parentWidget())
            continue;
        if (!ink.rect.isNull() && !w->parentWidget()->rect().contains(ink.rect))
            unfit.push_back(name(w) + " \"" + text + "\" runs out of " + name(w->parentWidget()));
        for (QObject* o : w->parentWidget()->children()) {
            auto* other = qobject_cast<QWidget*>(o);
            if (!other || other == w || other->isWindow() || !other->isVisibleTo(top) ||
                other->geometry().contains(w->geometry()) ||
                w->geometry().contains(other->geometry()))
                continue;
            // The caption check box of a group lies on the group's frame by design.
            if (auto* g = qobject_cast<QGroupBox*>(other);
                g && g->title().trimmed().isEmpty() && qobject_cast<QCheckBox*>(w))
                continue;
            if (ink.rect.intersects(other->geometry()))
                unfit.push_back(name(w) + " \"" + text + "\" runs into " + name(other));
        }
    }
    return unfit;
}

// One window per language: the language file loaded the way a player gets it (saved as the
// language of the game; Slovak by switching to it from English, so its file is read too).
std::unique_ptr<WindowRig> windowIn(int language, const char* name)
{
    auto rig = std::make_unique<WindowRig>(GameSettings{.language = language == 0 ? 2 : language});
    if (language == 0)
        rig->window->menuItem("mm2Slo")->trigger();
    EXPECT_EQ(rig->game().settings().loadedLanguage, language) << name;
    return rig;
}

const std::pair<int, const char*> kLanguages[] = {{0, "Slovak"}, {1, "Czech"}, {2, "English"}};

// The column titles of the records list, and the extra texts the main window shows in places
// that hold other texts at rest.
std::vector<std::string> unfitMainWindowExtras(Tfrm_Logic& w)
{
    std::vector<std::string> unfit;
    QTreeWidget* list = w.recordsPanel()->list();
    const int margin = list->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, list);
    for (int c = 0; c < list->columnCount(); ++c) {
        const QString title = list->headerItem()->text(c);
        const int need = QFontMetrics(list->header()->font()).horizontalAdvance(title) + 2 * margin;
        if (need > list->columnWidth(c))
            unfit.push_back("column " + std::to_string(c) + " \"" + title.toStdString() +
                            "\" needs " + std::to_string(need));
    }
    // The score panel also shows the untimed text and the training caption.
    const QLabel* score = w.statusPanel(11);
    for (const QString& text : {QString::fromStdString(w.texts().untimedStatusText),
                                static_cast<BevelBox*>(w.control("pnlHra_2"))->caption()}) {
        const int need = QFontMetrics(score->font()).horizontalAdvance(text) + score->width() -
                         score->contentsRect().width();
        if (need > score->width())
            unfit.push_back("score panel \"" + text.toStdString() + "\" needs " +
                            std::to_string(need));
    }
    return unfit;
}

// A new record with the widest values each line can hold.
GameState longestRecord()
{
    return {.currentRow = 15,
            .score = 10000,
            .gameNumber = 191,
            .level = 13,
            .clockText = "10:59:59",
            .oldRows = 15,
            .oldPoints = 9999,
            .oldTime = "10:59:59",
            .oldHolder = "Mária Kováčová"};
}

// Every window as the player meets it; `views` counts its states that show other texts
// (password modes, settings tabs), `show` prepares view v and returns the window to measure.
struct WindowCase
{
    const char* name;
    int views;
    std::function<QWidget*(Tfrm_Logic&, int view)> show;
    std::function<std::vector<std::string>(Tfrm_Logic&)> extras;
};

const WindowCase kWindows[] = {
    {"main window", 1,
     [](Tfrm_Logic& w, int) -> QWidget* {
         // The hidden controls shown, so that their texts meet their neighbours.
         for (const char* name : {"btnZasahy", "btnBeton", "btnBloky", "btnPotvrd", "pnlKCas"})
             w.control(name)->show();
         for (const char* name : {"lblRekord", "lblNeprekon"})
             w.findChild<QLabel*>(QString::fromLatin1(name))->show();
         // The panels over the board measure their captions when they open.
         w.recordsPanel()->show();
         w.informationPanel()->show();
         return &w;
     },
     unfitMainWindowExtras},
    {"password dialog",
     3,
     [](Tfrm_Logic& w, int mode) -> QWidget* {
         w.passwordDialog()->prepare(static_cast<PasswordMode>(mode));
         return w.passwordDialog();
     },
     {}},
    {"new-record dialog",
     1,
     [](Tfrm_Logic& w, int) -> QWidget* {
         Tfrm_Rekord* rekord = w.newRecordDialog();
         rekord->setIntroFormat(QString::fromStdString(w.texts().recordIntro));
         rekord->fill(longestRecord(), false);
         return rekord;
     },
     {}},
    {"settings dialog", 2,
     [](Tfrm_Logic& w, int tab) -> QWidget* {
         Tfrm_Setup* setup = w.settingsDialog();
         setup->fillSettingsDialog(w.game().setupForm());
         setup->pages()->setCurrentIndex(tab);
         return setup;
     },
     [](Tfrm_Logic& w) {
         std::vector<std::string> unfit;
         const QTabWidget* pages = w.settingsDialog()->pages();
         if (pages->tabBar()->sizeHint().width() > pages->width())
             unfit.push_back("the tab titles need " +
                             std::to_string(pages->tabBar()->sizeHint().width()));
         return unfit;
     }},
    {"about box", 1, [](Tfrm_Logic& w, int) -> QWidget* { return w.aboutBox(); }, {}},
    {"synchronisation dialog",
     1,
     [](Tfrm_Logic& w, int) -> QWidget* {
         w.synchroDialog()->prepare(nullptr);
         return w.synchroDialog();
     },
     {}},
};

TEST(TextsFit, everyWindowInEveryLanguage)
{
    const QString shots = qEnvironmentVariable("MIRVALON_SHOTS");
    for (const auto& [index, language] : kLanguages) {
        auto rig = windowIn(index, language);
        for (const WindowCase& window : kWindows) {
            for (int view = 0; view < window.views; ++view) {
                QWidget* top = window.show(*rig->window, view);
                // Shown, as the player sees it: the groups lay out their rows when shown.
                top->show();
                for (const std::string& u : unfitTexts(top))
                    ADD_FAILURE() << language << ", " << window.name << " " << view << ": " << u;
                // With MIRVALON_SHOTS naming a folder, each window is saved there to look at.
                if (!shots.isEmpty() && QDir().mkpath(shots))
                    top->grab().save(
                        QStringLiteral("%1/%2_%3_%4.png")
                            .arg(shots,
                                 QString::fromLatin1(window.name).replace(QChar(' '), QChar('-')))
                            .arg(view)
                            .arg(QString::fromLatin1(language)));
                if (top != rig->window.get())
                    top->hide();
            }
            if (window.extras)
                for (const std::string& u : window.extras(*rig->window))
                    ADD_FAILURE() << language << ", " << window.name << ": " << u;
        }
    }
}

} // namespace
} // namespace mirvalon::test
