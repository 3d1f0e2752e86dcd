// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_settings.h"

#include <QApplication>
#include <QEvent>

#include "board.h"
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
    : m_game(parts.game), m_board(parts.board), m_statusStrip(parts.statusStrip),
      m_totalTimeClock(parts.totalTimeClock), m_panels(parts.panels),
      m_qtTranslations(std::make_unique<QtTranslations>()),
      m_store(parts.game.settings(), parts.fs, parts.dialogs, *this, parts.dataFolder),
      m_languages(parts.fs, parts.programFolder, parts.game.settings(), parts.texts, parts.targets,
                  parts.plainMessages)
{
    // Qt's own dialogs speak the game's language from the start.
    m_qtTranslations->apply(0);
}

WindowSettings::~WindowSettings() = default;

void WindowSettings::setHintsShown(bool on)
{
    hintSwitch()->on = on;
}

bool WindowSettings::loadLanguage(int language)
{
    if (!m_languages.loadLanguage(language))
        return false;
    const int loaded = m_game.settings().loadedLanguage;
    m_qtTranslations->apply(loaded);
    if (onLanguageLoaded)
        onLanguageLoaded(loaded);
    return true;
}

void WindowSettings::loadSavedLanguage()
{
    // A file refused once in this run is not asked for again at every activation; the
    // player's choice stays saved for the next start.
    const int language = m_game.settings().language;
    if ((language == 1 || language == 2) && !m_languages.refusedBefore(language) &&
        loadLanguage(language) && m_game.languageMark() != language)
        m_store.applySetting(Setting::Language, language);
}

void WindowSettings::changeLanguage(int language)
{
    if (m_game.settings().loadedLanguage != language && loadLanguage(language))
        m_store.applySetting(Setting::Language, language);
    else
        m_game.showLanguageMark(m_game.settings().loadedLanguage);
}

void WindowSettings::chooseEnvironment(int environment)
{
    // The checked picture again switches the pictures off.
    const bool same = m_game.settings().environment == environment;
    m_store.applySetting(Setting::Environment, same ? -1 : environment);
}

void WindowSettings::nextEnvironment()
{
    const int e = m_game.settings().environment;
    m_store.applySetting(Setting::Environment, e < 0 || e >= 3 ? 0 : e + 1);
}

void WindowSettings::setOption(Setting which, bool on)
{
    m_store.applySetting(which, on ? 1 : 0);
}

void WindowSettings::followGame()
{
    const GameSettings& s = m_game.settings();
    m_store.applySetting(Setting::Positions, s.positions - 5);
    m_store.applySetting(Setting::PieceCount, pieceIndex(s.pieceCount));
    m_store.applySetting(Setting::Environment, s.environment);
}

// ---- The check marks follow the settings through the command table ----

void WindowSettings::showPositions(int)
{
    m_game.publish();
}

void WindowSettings::showPieceCount(int)
{
    m_game.publish();
}

void WindowSettings::showEnvironment(int environment)
{
    m_board.showEnvironment(environment);
    m_game.publish();
}

void WindowSettings::showLanguage(int language)
{
    m_game.showLanguageMark(language);
}

void WindowSettings::showOption(SettingOption, bool)
{
    m_game.publish();
}

void WindowSettings::showTotalTimePanel(bool visible)
{
    m_statusStrip.showTotalTimePanel(visible, m_game.totalTimeText());
    m_totalTimeClock.setRunning(visible);
}

void WindowSettings::showHints(bool on)
{
    setHintsShown(on);
}

void WindowSettings::showFavourites(int, const std::array<bool, 4>&)
{
    m_game.publish();
}

void WindowSettings::reopenInformationPanel()
{
    m_panels.reopenInformationPanel();
}

} // namespace mirvalon
