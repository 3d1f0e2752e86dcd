// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_translations.h"
#include "engine/game_settings.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace mirvalon {

QtTranslations::QtTranslations(QString folder)
    : m_folder(folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                                : std::move(folder))
{
}

QtTranslations::~QtTranslations()
{
    remove();
}

QString QtTranslations::fileBaseName(int language)
{
    switch (language) {
    case Slovak:
        return QStringLiteral("qtbase_sk");
    case Czech:
        return QStringLiteral("qtbase_cs");
    default:
        return {};
    }
}

void QtTranslations::remove()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
    m_installed = false;
}

bool QtTranslations::apply(int language)
{
    remove();
    const QString name = fileBaseName(language);
    if (name.isEmpty())
        return true;
    if (!m_translator.load(name, m_folder))
        return false;
    m_installed = QCoreApplication::installTranslator(&m_translator);
    return m_installed;
}

} // namespace mirvalon
