// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the windows fits its control in Slovak, Czech and English: measured with the
// control's own font, a caption is never cut and never reaches into the control beside it.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "persistence/settings_store.h"
#include "ui/records_panel.h"
#include "ui/tfrm_heslo.h"
#include "ui/tfrm_rekord.h"
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
};

Ink inkOf(QWidget* w)
{
    if (auto* b = qobject_cast<QPushButton*>(w)) {
        const QSize t = textSize(b->font(), withoutMnemonics(b->text()));
        const int need = t.width() + 2 * kButtonPadding;
        return {QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, t, b->geometry()), need};
    }
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        const auto* b = static_cast<QAbstractButton*>(w);
        if (b->text().isEmpty())
            return {};
        const int need = b->sizeHint().width();
        return {QRect(b->pos(), QSize(need, b->height())), need};
    }
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text().isEmpty() || !l->pixmap().isNull())
            return {};
        const QRect inside = l->contentsRect().translated(l->pos());
        if (l->wordWrap())
            return {inside, l->heightForWidth(inside.width()) <= inside.height()
                                ? inside.width()
                                : inside.width() + 1};
        const QSize t = textSize(l->font(), l->text());
        return {QStyle::alignedRect(Qt::LeftToRight, l->alignment(), t, inside),
                t.width() + l->width() - inside.width()};
    }
    if (auto* box = qobject_cast<BevelBox*>(w)) {
        if (box->caption().isEmpty())
            return {};
        QFont f = box->font();
        f.setBold(box->bold());
        const QSize t = textSize(f, box->caption());
        return {QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, t, box->geometry()),
                t.width() + 2 * box->bevelWidth()};
    }
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
        const QSize t = textSize(g->font(), g->title());
        return {QRect(g->pos(), QSize(t.width() + 16, t.height())), t.width() + 16};
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
        const std::string text =
            (qobject_cast<QGroupBox*>(w)  ? static_cast<QGroupBox*>(w)->title()
             : qobject_cast<QLabel*>(w)   ? static_cast<QLabel*>(w)->text()
             : qobject_cast<BevelBox*>(w) ? static_cast<BevelBox*>(w)->caption()
                                          : static_cast<QAbstractButton*>(w)->text())
                .toStdString();
        // Status panels hidden with their group have no width; their text is checked shown.
        if (ink.need > w->width() && w->width() > 0)
            unfit.push_back(name(w) + " \"" + text + "\" needs " + std::to_string(ink.need) +
                            " pixels, has " + std::to_string(w->width()));
        if (!w->isVisibleTo(top) || !w->parentWidget())
            continue;
        for (QObject* o : w->parentWidget()->children()) {
            auto* other = qobject_cast<QWidget*>(o);
            if (!other || other == w || other->isWindow() || !other->isVisibleTo(top) ||
                other->geometry().contains(w->geometry()) ||
                w->geometry().contains(other->geometry()))
                continue;
            if (ink.rect.intersects(other->geometry()))
                unfit.push_back(name(w) + " \"" + text + "\" runs into " + name(other));
        }
    }
    return unfit;
}

// Column titles of the records list fit their columns.
std::vector<std::string> unfitColumnTitles(QTreeWidget* list)
{
    std::vector<std::string> unfit;
    const int margin = list->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, list);
    for (int c = 0; c < list->columnCount(); ++c) {
        const QString title = list->headerItem()->text(c);
        const int need = QFontMetrics(list->header()->font()).horizontalAdvance(title) + 2 * margin;
        if (need > list->columnWidth(c))
            unfit.push_back("column " + std::to_string(c) + " \"" + title.toStdString() +
                            "\" needs " + std::to_string(need));
    }
    return unfit;
}

struct Language
{
    int index;
    const char* name;
};

// One window per language: the language file loaded the way a player gets it (saved as the
// language of the game; Slovak by switching to it from English, so its file is read too).
std::unique_ptr<WindowRig> windowIn(Language language)
{
    GameSettings settings;
    settings.language = language.index == 0 ? 2 : language.index;
    auto rig = std::make_unique<WindowRig>(settings);
    if (language.index == 0)
        rig->window->menuItem("mm2Slo")->trigger();
    EXPECT_EQ(rig->game().settings().loadedLanguage, language.index) << language.name;
    return rig;
}

const Language kLanguages[] = {{0, "Slovak"}, {1, "Czech"}, {2, "English"}};

TEST(TextsFit, mainWindowInEveryLanguage)
{
    for (const Language& language : kLanguages) {
        auto rig = windowIn(language);
        Tfrm_Logic& w = *rig->window;
        // The hidden controls shown, so that their texts meet their neighbours.
        for (const char* name : {"btnZasahy", "btnBeton", "btnBloky", "btnPotvrd", "pnlKCas"})
            w.control(name)->show();
        for (const char* name : {"lblRekord", "lblNeprekon"})
            w.findChild<QLabel*>(QString::fromLatin1(name))->show();
        for (const std::string& u : unfitTexts(&w))
            ADD_FAILURE() << language.name << ": " << u;
        for (const std::string& u : unfitColumnTitles(w.recordsPanel()->list()))
            ADD_FAILURE() << language.name << ": " << u;
        // The score panel also shows the untimed text and the training caption.
        const QLabel* score = w.statusPanel(11);
        for (const QString& text : {QString::fromStdString(w.texts().untimedStatusText),
                                    static_cast<BevelBox*>(w.control("pnlHra_2"))->caption()}) {
            const int need = QFontMetrics(score->font()).horizontalAdvance(text) + score->width() -
                             score->contentsRect().width();
            EXPECT_LE(need, score->width())
                << language.name << ": \"" << text.toStdString() << "\" in the score panel";
        }
    }
}

TEST(TextsFit, passwordDialogInEveryModeAndLanguage)
{
    for (const Language& language : kLanguages) {
        auto rig = windowIn(language);
        Tfrm_Heslo* heslo = rig->window->passwordDialog();
        for (PasswordMode mode :
             {PasswordMode::SetUp, PasswordMode::Ask, PasswordMode::ShowAuthText}) {
            heslo->prepare(mode);
            for (const std::string& u : unfitTexts(heslo))
                ADD_FAILURE() << language.name << ", mode " << int(mode) << ": " << u;
        }
    }
}

TEST(TextsFit, newRecordDialogInEveryLanguage)
{
    GameState longest;
    longest.gameNumber = 191;
    longest.level = 13;
    longest.currentRow = 15;
    longest.score = 10000;
    longest.clockText = "10:59:59";
    longest.oldRows = 15;
    longest.oldTime = "10:59:59";
    longest.oldPoints = 9999;
    longest.oldHolder = "Mária Kováčová";
    for (const Language& language : kLanguages) {
        auto rig = windowIn(language);
        Tfrm_Rekord* rekord = rig->window->newRecordDialog();
        rekord->setIntroFormat(QString::fromStdString(rig->window->texts().recordIntro));
        rekord->fill(longest, false, true);
        for (const std::string& u : unfitTexts(rekord))
            ADD_FAILURE() << language.name << ": " << u;
    }
}

} // namespace
} // namespace mirvalon::test
