// Message boxes and Qt's own dialogs in the game's language: button captions with their
// accelerators, and Qt's translations following a language switch.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include "ui/dialog_buttons.h"
#include "ui/qt_translations.h"

namespace mirvalon {
namespace {

TEST(DialogButtons, eachLanguageHasItsCaptionsWithAccelerators)
{
    struct Case
    {
        int language;
        const char* yes;
        const char* no;
        const char* cancel;
        Qt::Key noKey;
    };
    const Case cases[] = {
        {0, "&Áno", "&Nie", "&Zrušiť", Qt::Key_N},
        {1, "&Ano", "&Ne", "&Storno", Qt::Key_N},
        {2, "&Yes", "&No", "&Cancel", Qt::Key_N},
        {5, "&Áno", "&Nie", "&Zrušiť", Qt::Key_N}, // an unknown language speaks Slovak
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        QMessageBox box(QMessageBox::Question, "t", "q",
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        translateButtons(box, c.language);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QString::fromUtf8(c.yes));
        EXPECT_EQ(box.button(QMessageBox::No)->text(), QString::fromUtf8(c.no));
        EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8(c.cancel));
        EXPECT_EQ(QKeySequence::mnemonic(box.button(QMessageBox::No)->text()),
                  QKeySequence(Qt::ALT | c.noKey));
        // No two buttons of a box share an accelerator.
        QList<QKeySequence> keys;
        for (DialogButton b :
             {DialogButton::Yes, DialogButton::No, DialogButton::Cancel, DialogButton::Ok}) {
            const QKeySequence key = QKeySequence::mnemonic(dialogButtonText(b, c.language));
            EXPECT_FALSE(key.isEmpty());
            EXPECT_FALSE(keys.contains(key));
            keys.append(key);
        }
    }
    QMessageBox ok(QMessageBox::NoIcon, "t", "m", QMessageBox::Ok);
    translateButtons(ok, 2);
    EXPECT_EQ(ok.button(QMessageBox::Ok)->text(), QStringLiteral("&OK"));
}

// Czech and Slovak ship with Qt; English needs no file.
TEST(QtTranslations, followTheGameLanguageAndSwitchAtRunTime)
{
    QtTranslations translations;
    const auto open = [] { return QCoreApplication::translate("QFileDialog", "&Open"); };
    const QString english = QStringLiteral("&Open");
    if (!QFile::exists(QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                           .filePath(QStringLiteral("qtbase_cs.qm"))))
        GTEST_SKIP() << "qt6-translations-l10n is not installed";
    ASSERT_TRUE(translations.apply(1));
    EXPECT_TRUE(translations.installed());
    const QString czech = open();
    EXPECT_NE(czech, english);
    ASSERT_TRUE(translations.apply(0));
    EXPECT_NE(open(), english);
    EXPECT_NE(open(), czech);
    EXPECT_TRUE(translations.apply(2));
    EXPECT_FALSE(translations.installed());
    EXPECT_EQ(open(), english);
}

TEST(QtTranslations, aMissingTranslationLeavesQtInEnglish)
{
    QtTranslations translations(QDir::tempPath() + QStringLiteral("/no-such-folder"));
    EXPECT_FALSE(translations.apply(0));
    EXPECT_FALSE(translations.installed());
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open"), QStringLiteral("&Open"));
    EXPECT_EQ(QtTranslations::fileBaseName(1), QStringLiteral("qtbase_cs"));
    EXPECT_TRUE(QtTranslations::fileBaseName(2).isEmpty());
}

} // namespace
} // namespace mirvalon
