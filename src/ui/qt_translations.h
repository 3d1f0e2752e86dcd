// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts (the buttons of its file and print dialogs, the context menus of edit fields)
// in the game's language rather than the system's: Debian's qtbase_sk.qm / qtbase_cs.qm,
// swapped whenever the game's language changes. English needs none.
#pragma once

#include <QString>
#include <QTranslator>

namespace mirvalon {

class QtTranslations
{
public:
    // `folder` holds the qtbase_*.qm files; empty: Qt's own translations folder.
    explicit QtTranslations(QString folder = {});
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Installs the texts of `language` (0 Slovak, 1 Czech, 2 English) for the whole
    // application. False when the translation file is missing: Qt then speaks English.
    bool apply(int language);
    bool installed() const { return m_installed; }

    // "qtbase_sk", "qtbase_cs"; empty for English.
    static QString fileBaseName(int language);

private:
    void remove();

    QString m_folder;
    QTranslator m_translator;
    bool m_installed = false;
};

} // namespace mirvalon
