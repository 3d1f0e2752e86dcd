// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_settings.h"

#include <QApplication>
#include <QEvent>

#include "board_panels.h"
#include "engine/game.h"
#include "qt_translations.h"
#include "status_strip.h"
#include "total_time_clock.h"

namespace mirvalon {

namespace {

// Swallows tool tips while the hints are switched off.
class HintSwitch : public QObject
{
public:
    using QObject::QObject;
    bool on = true;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!on && event->type() == QEvent::ToolTip)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

HintSwitch* hintSwitch()
{
    static HintSwitch* s = [] {
        auto* h = new HintSwitch(qApp);
        qApp->installEventFilter(h);
        return h;
    }();
    return s;
}

} // namespace

WindowSettings::WindowSettings(const Parts& parts)
    : m_game(parts.game), m_statusStrip(parts.statusStrip), m_totalTimeClock(parts.totalTimeClock),
      m_panels(parts.panels), m_qtTranslations(std::make_unique<QtTranslations>()),
      m_store(parts.fs, parts.dialogs, parts.dataFolder),
      m_languages(parts.fs, parts.programFolder, parts.texts, parts.targets, parts.plainMessages)
{
    // Qt's own dialogs speak the game's language from the start.
    m_qtTranslations->apply(0);
}

WindowSettings::~WindowSettings() = default;

void WindowSettings::loadSettings()
{
    m_game.useSettings(m_store.loadSettings(GameSettings{}).value_or(GameSettings{}));
}

void WindowSettings::saveSettings(bool applicationEnding)
{
    m_store.saveSettings(m_game.settings(), applicationEnding);
}

void WindowSettings::show(Setting which, const GameSettings& s)
{
    switch (which) {
    case Setting::TotalTime:
        m_statusStrip.showTotalTimePanel(s.showTotalTime, m_game.totalTimeText());
        m_totalTimeClock.setRunning(s.showTotalTime);
        break;
    case Setting::Hints:
        setHintsShown(s.showHints);
        break;
    case Setting::Language:
        m_panels.reopenInformationPanel();
        break;
    default:
        break; // shown by the check marks and the board
    }
}

void WindowSettings::setHintsShown(bool on)
{
    hintSwitch()->on = on;
}

bool WindowSettings::loadLanguage(int language)
{
    if (!m_languages.loadLanguage(language))
        return false;
    const int loaded = m_languages.language();
    m_qtTranslations->apply(loaded);
    if (onLanguageLoaded)
        onLanguageLoaded(loaded);
    return true;
}

void WindowSettings::loadSavedLanguage()
{
    // A file refused once in this run is not asked for again at every activation; the
    // player's choice stays saved for the next start.
    const int language = m_game.languageToLoad();
    if (language >= 0 && !m_languages.refusedBefore(language) && loadLanguage(language) &&
        m_game.settings().loadedLanguage != language)
        m_game.set(Setting::Language, language);
}

void WindowSettings::changeLanguage(int language)
{
    if (m_game.settings().loadedLanguage != language && loadLanguage(language))
        m_game.set(Setting::Language, language);
    else
        m_game.publish(); // the clicked item's check mark goes back
}

} // namespace mirvalon
